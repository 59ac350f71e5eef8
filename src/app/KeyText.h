#pragma once

#include <QKeyEvent>
#include <QString>

namespace vellicor {

// The character a key press types: Ctrl with a letter gives the control
// character (Ctrl-A is 1), Enter gives CR, Backspace BS, Escape ESC; keys
// that type nothing (arrows, Shift alone) give an empty text.
inline QString typedText(const QKeyEvent& event)
{
    const int key = event.key();
    const bool ctrl = event.modifiers().testFlag(Qt::ControlModifier);
    if (ctrl && key >= Qt::Key_A && key <= Qt::Key_Z)
        return QString(QChar(key - Qt::Key_A + 1));
    if (ctrl && key >= Qt::Key_BracketLeft && key <= Qt::Key_Underscore)
        return QString(QChar(key - Qt::Key_At));
    if (ctrl && key == Qt::Key_At)
        return QString(QChar(0));
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

} // namespace vellicor
