#pragma once

#include <QString>

namespace vellicor {

enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptIcon { None, Question, Exclamation, Information, Critical };
enum class PromptAnswer { Ok, Cancel, Yes, No };

// Every message box of the program goes through here.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual PromptAnswer show(const QString& text, const QString& title,
                              PromptButtons buttons, PromptIcon icon) = 0;

    // The conventional yes/no question titled "Vellicor".
    bool askYesNo(const QString& text, const QString& title = QStringLiteral("Vellicor"))
    {
        return show(text, title, PromptButtons::YesNo, PromptIcon::Question) == PromptAnswer::Yes;
    }
};

} // namespace vellicor
