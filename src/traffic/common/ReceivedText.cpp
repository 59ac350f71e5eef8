#include "traffic/common/ReceivedText.h"

#include "terminal/TextFile.h"
#include "traffic/common/TrafficPatterns.h"

#include <algorithm>

namespace vellicor::ReceivedText {

QStringList lines(const QString& text)
{
    return TextFile::splitLines(text);
}

bool isBlank(const QString& line)
{
    return TrafficPatterns::trimSpaces(line).isEmpty();
}

QStringList withoutBlankEnds(QStringList lines)
{
    while (!lines.isEmpty() && isBlank(lines.first()))
        lines.removeFirst();
    while (!lines.isEmpty() && isBlank(lines.last()))
        lines.removeLast();
    return lines;
}

QString joined(const QStringList& lines)
{
    return lines.join(QStringLiteral("\r\n"));
}

qsizetype digitCount(const QString& text)
{
    return std::count_if(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); });
}

QString beforeCtrlZ(const QString& text)
{
    const qsizetype end = text.indexOf(QChar(26));
    return end < 0 ? text : text.left(end);
}

} // namespace vellicor::ReceivedText
