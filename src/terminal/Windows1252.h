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

} // namespace vellicor
