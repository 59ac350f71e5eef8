#pragma once

#include "terminal/Windows1252.h"

#include <QString>

namespace vellicor {

// Text rules of script lines and lists, where every character is one
// Windows-1252 byte: blanks are spaces only, and upper-casing never changes a
// text's length, so positions found in the upper-cased text hold in the original.
namespace AnsiText {

// Removes leading and trailing spaces (tabs and other blanks stay).
QString trimSpaces(const QString& text);
// The program's one upper-case rule (upperWindows1252).
inline QString upper(const QString& text)
{
    return upperWindows1252(text);
}
// The Windows-1252 code of a character, or nothing when it has none.
int code(QChar c);
// The character of a Windows-1252 code 0 to 255.
QChar fromCode(int code);
// The text after the first "=", or the whole text when there is none.
QString valueAfterEquals(const QString& text);

} // namespace AnsiText
} // namespace vellicor
