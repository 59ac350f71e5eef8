#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace vellicor {

// The program's 8-bit text: Windows-1252, one byte a character both ways.
// The five bytes the table leaves undefined decode to the control character
// of the same number and encode back to the same byte, so no byte is lost.
// A character the table cannot carry is encoded as "?".
QString decodeWindows1252(QByteArrayView bytes);
QByteArray encodeWindows1252(QStringView text);

// The one upper-case rule for text that goes to the TNC: character by
// character, a-z and the Windows-1252 letters whose capital is a
// Windows-1252 character too ("\u00E9" to "\u00C9", "\u00FF" to "\u0178");
// every other character stays as it is ("\u00B5" and "\u00DF" included), so
// the text keeps its length and every character its single byte.
QString upperWindows1252(const QString& text);

} // namespace vellicor
