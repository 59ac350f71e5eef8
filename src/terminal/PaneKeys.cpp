#include "terminal/PaneKeys.h"

#include "terminal/FunctionKeys.h"

namespace vellicor::PaneKeys {

namespace {

QString controlCharacter(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return QString(QChar(key - Qt::Key_A + 1));
    if (key >= Qt::Key_BracketLeft && key <= Qt::Key_Underscore)
        return QString(QChar(key - Qt::Key_At));
    if (key == Qt::Key_At)
        return QString(QChar(0));
    return {};
}

PaneKeyAction typing(const QString& text)
{
    if (text.isEmpty())
        return {};
    return {PaneKeyAction::Kind::Type, text};
}

} // namespace

QString typedText(const QKeyEvent& event)
{
    const int key = event.key();
    const bool ctrl = event.modifiers().testFlag(Qt::ControlModifier);
    if (ctrl) {
        if (const QString control = controlCharacter(key); !control.isEmpty())
            return control;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return QStringLiteral("\r");
    if (key == Qt::Key_Backspace)
        return QStringLiteral("\b");
    if (key == Qt::Key_Tab && !ctrl)
        return QStringLiteral("\t");
    if (key == Qt::Key_Escape)
        return QStringLiteral("\x1b");
    if (ctrl || event.modifiers().testFlag(Qt::AltModifier))
        return {};
    const QString text = event.text();
    if (text.size() == 1 && (text[0].unicode() < 32 || text[0].unicode() == 127))
        return {};
    return text;
}

PaneKeyAction inSendBox(const QKeyEvent& event)
{
    if (functionKeyTarget(event.key()))
        return {PaneKeyAction::Kind::FunctionKey, {}};
    return typing(typedText(event));
}

PaneKeyAction inReceivePane(const QKeyEvent& event)
{
    const PaneKeyAction action = inSendBox(event);
    if (action.text == QStringLiteral("\x03"))
        return {};
    return action;
}

bool releaseReadsBack(int qtKey)
{
    return qtKey == Qt::Key_PageUp || qtKey == Qt::Key_Up;
}

} // namespace vellicor::PaneKeys
