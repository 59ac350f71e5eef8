#include "practice/PracticeText.h"

namespace vellicor {

QByteArray fillText(const char* pattern, const QByteArray& a, const QByteArray& b)
{
    const QByteArray source(pattern);
    QByteArray out;
    for (qsizetype i = 0; i < source.size(); ++i) {
        const bool marker = source.at(i) == '%' && i + 1 < source.size();
        if (marker && source.at(i + 1) == '1') {
            out += a;
            ++i;
        } else if (marker && source.at(i + 1) == '2') {
            out += b;
            ++i;
        } else {
            out += source.at(i);
        }
    }
    return out;
}

QByteArray withCrLf(const QByteArray& text)
{
    QByteArray out;
    out.reserve(text.size() + text.size() / 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text.at(i);
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text.at(i + 1) == '\n')
                ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

QByteArray crLfLines(const QList<QByteArray>& lines)
{
    QByteArray out;
    for (const QByteArray& line : lines)
        out += line + "\r\n";
    return out;
}

QList<QByteArray> words(const QByteArray& line)
{
    QList<QByteArray> result;
    for (const QByteArray& word : line.simplified().split(' ')) {
        if (!word.isEmpty())
            result.append(word);
    }
    return result;
}

bool isCallLike(const QByteArray& text)
{
    if (text.isEmpty() || text.size() > 12)
        return false;
    for (char c : text) {
        const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')
            || c == '-' || c == '/';
        if (!ok)
            return false;
    }
    return true;
}

} // namespace vellicor
