#pragma once

#include "tnc/ScriptHost.h"

#include <QList>
#include <QMap>
#include <QString>

#include <array>

namespace vellicor::test {

// The main window as the TNC control sees it: records every caption, menu,
// button, pane and panel change so a test can compare what the operator sees.
class FakeScriptHost : public ScriptHost {
public:
    struct Button {
        QString caption;
        QString tip;
        bool visible = false; // the button and its "F5".."F12" label
    };

    FakeScriptHost()
    {
        for (int i = 0; i < 10; ++i)
            channels[i] = QStringLiteral("Channel &") + QString::number(i);
    }

    QString caption() const override { return windowCaption; }
    void setCaption(const QString& caption) override { windowCaption = caption; }
    QString sendBoxText() const override { return sendBox; }
    void clearSendBox() override { sendBox.clear(); }
    void focusSendBox() override { ++sendBoxFocus; }
    void insertAtCaret(const QString& text) override { pane += text; }
    void moveCaretToEnd() override { ++caretMovedToEnd; }
    void setModeMenuVisible(bool visible) override { modeMenuVisible = visible; }
    void setModePlaceholderVisible(bool visible) override { placeholderVisible = visible; }
    void addModeItem(int index, const QString& caption) override { modeItems.insert(index, caption); }
    void removeModeItem(int index) override { modeItems.remove(index); }
    std::optional<QString> modeItemCaption(int index) const override
    {
        if (index == 0)
            return QString();
        return modeItems.contains(index) ? std::optional<QString>(modeItems.value(index)) : std::nullopt;
    }
    void setModePanel(const QString& text) override { modePanel = text; }
    void setFunctionButton(int index, const QString& caption, const QString& tip, bool visible) override
    {
        buttons.at(index) = {caption, tip, visible};
    }
    void arrangeReceivePane(bool buttonRowShown) override { layouts.append(buttonRowShown); }
    void showChannelItem(int index, const QString& caption) override { channels.at(index) = caption; }
    void setStatusText(const QString& text) override { status = text; }
    void setBusy(bool busy) override { busyChanges.append(busy); }

    // The captions of the visible channel items, in menu order.
    QStringList visibleChannels() const
    {
        QStringList captions(channels.begin(), channels.end());
        captions.removeAll(QString());
        return captions;
    }
    // The captions of the visible function buttons ("" for a hidden one).
    QStringList buttonCaptions() const
    {
        QStringList captions;
        for (const Button& button : buttons)
            captions.append(button.visible ? button.caption : QString());
        return captions;
    }

    QString windowCaption = QStringLiteral("Vellicor - Version 1.0.0");
    QString sendBox;
    QString pane;
    int caretMovedToEnd = 0;
    int sendBoxFocus = 0;
    bool modeMenuVisible = false;
    bool placeholderVisible = true;
    QMap<int, QString> modeItems; // items 1 and up
    QString modePanel;
    std::array<Button, 8> buttons;
    QList<bool> layouts;
    std::array<QString, 20> channels; // the channel items' captions, empty while hidden
    QString status;
    QList<bool> busyChanges;
};

} // namespace vellicor::test
