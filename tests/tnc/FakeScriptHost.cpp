#include "FakeScriptHost.h"

namespace vellicor::test {

FakeScriptHost::FakeScriptHost()
{
    for (int i = 0; i < 10; ++i)
        channels[i] = {QStringLiteral("Channel &") + QString::number(i), true};
    for (int i = 0; i < 10; ++i)
        channels[i + 10] = {QStringLiteral("Channel &") + QChar(u'A' + i), false};
}

std::optional<QString> FakeScriptHost::modeItemCaption(int index) const
{
    if (index == 0)
        return QString();
    const auto it = modeItems.constFind(index);
    if (it == modeItems.constEnd())
        return std::nullopt;
    return *it;
}

void FakeScriptHost::setFunctionButton(int index, const QString& caption, const QString& tip, bool visible)
{
    buttons.at(index) = {caption, tip, visible};
}

void FakeScriptHost::showChannelItem(int index, const QString& caption)
{
    channels.at(index) = {caption, true};
}

QStringList FakeScriptHost::visibleChannels() const
{
    QStringList captions;
    for (const ChannelItem& item : channels) {
        if (item.visible)
            captions.append(item.caption);
    }
    return captions;
}

QStringList FakeScriptHost::buttonCaptions() const
{
    QStringList captions;
    for (const Button& button : buttons)
        captions.append(button.visible ? button.caption : QString());
    return captions;
}

} // namespace vellicor::test
