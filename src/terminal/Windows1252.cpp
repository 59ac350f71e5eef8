#include "terminal/Windows1252.h"

#include <array>

namespace vellicor {

namespace {

// Bytes 0x80 to 0x9F; the rest of the table equals Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char encodeOne(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

// The character's upper-case form when it is a Windows-1252 character,
// else the character itself.
QChar upperOne(QChar c)
{
    if (c.unicode() < 0x80)
        return c >= QLatin1Char('a') && c <= QLatin1Char('z') ? QChar(c.unicode() - 32) : c;
    const QChar up = c.toUpper();
    return up != c && encodeOne(up.unicode()) != '?' ? up : c;
}

} // namespace

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = (b >= 0x80 && b < 0xA0) ? QChar(kHighControls[b - 0x80]) : QChar(b);
    }
    return text;
}

QByteArray encodeWindows1252(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    qsizetype written = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A character beyond 16 bits comes as a surrogate pair: one "?" for both.
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            continue;
        out[written++] = encodeOne(text[i].unicode());
    }
    bytes.truncate(written);
    return bytes;
}

QString upperWindows1252(const QString& text)
{
    QString result = text;
    for (QChar& c : result)
        c = upperOne(c);
    return result;
}

} // namespace vellicor
