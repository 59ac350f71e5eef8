#include "tnc/AnsiText.h"

#include "terminal/Windows1252.h"

namespace vellicor::AnsiText {

QString trimSpaces(const QString& text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == QLatin1Char(' '))
        ++start;
    while (end > start && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.mid(start, end - start);
}

int code(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    const QByteArray encoded = encodeWindows1252(QStringView(&c, 1));
    if (encoded == "?")
        return -1;
    return static_cast<unsigned char>(encoded[0]);
}

QChar fromCode(int value)
{
    const char byte = static_cast<char>(value & 0xFF);
    return decodeWindows1252(QByteArrayView(&byte, 1)).at(0);
}

QString valueAfterEquals(const QString& text)
{
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    return equals < 0 ? text : text.mid(equals + 1);
}

} // namespace vellicor::AnsiText
