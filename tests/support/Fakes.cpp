#include "Fakes.h"

namespace vellicor::test {

PromptAnswer FakePrompter::show(const QString& text, const QString& title, PromptButtons buttons,
                                PromptIcon icon)
{
    prompts.append({text, title, buttons, icon});
    if (onShow)
        onShow();
    if (!answers.isEmpty())
        return answers.takeFirst();
    switch (buttons) {
    case PromptButtons::Ok:
    case PromptButtons::OkCancel: return PromptAnswer::Ok;
    case PromptButtons::YesNo:
    case PromptButtons::YesNoCancel: return PromptAnswer::Yes;
    }
    return PromptAnswer::Ok;
}

void FakePauser::Pause(double seconds)
{
    pauses.append(seconds);
    if (during)
        during(seconds);
}

std::optional<QString> FakeFileDialogs::openFile(const FileDialogRequest& request)
{
    requests.append(request);
    return fileAnswers.isEmpty() ? std::nullopt : fileAnswers.takeFirst();
}

std::optional<QString> FakeFileDialogs::saveFile(const FileDialogRequest& request)
{
    requests.append(request);
    return fileAnswers.isEmpty() ? std::nullopt : fileAnswers.takeFirst();
}

std::optional<quint32> FakeFileDialogs::chooseColor(quint32 initial)
{
    colorInitials.append(initial);
    return colorAnswers.isEmpty() ? std::nullopt : colorAnswers.takeFirst();
}

std::optional<QString> MemorySettings::value(const QString& group, const QString& key) const
{
    const auto it = values.constFind(group + QLatin1Char('/') + key);
    if (it == values.constEnd())
        return std::nullopt;
    return *it;
}

bool MemorySettings::setValue(const QString& group, const QString& key, const QString& value)
{
    values.insert(group + QLatin1Char('/') + key, value);
    writes.append(group + QLatin1Char('/') + key + QLatin1Char('=') + value);
    return true;
}

} // namespace vellicor::test
