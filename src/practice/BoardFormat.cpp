#include "practice/BoardFormat.h"

#include "practice/BoardTexts.h"
#include "practice/PracticeText.h"

namespace vellicor {

namespace {

QByteArray padRight(const QByteArray& text, qsizetype width)
{
    return text.size() >= width ? text : text + QByteArray(width - text.size(), ' ');
}

QByteArray padLeft(const QByteArray& text, qsizetype width)
{
    return text.size() >= width ? text : QByteArray(width - text.size(), ' ') + text;
}

// "2026-05-12 14:30" is listed as "0512/1430".
QByteArray shortDate(const QByteArray& posted)
{
    if (posted.size() != 16)
        return posted;
    return posted.mid(5, 2) + posted.mid(8, 2) + '/' + posted.mid(11, 2) + posted.mid(14, 2);
}

QByteArray routing(const BoardMessage& message)
{
    return message.at.isEmpty() ? QByteArray() : '@' + message.at;
}

bool isRoutingLike(const QByteArray& text)
{
    if (text.isEmpty() || text.size() > 40)
        return false;
    for (char c : text) {
        const bool ok = (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '#'
            || c == '-';
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

QByteArray listingLine(const BoardMessage& m)
{
    QByteArray line = padLeft(QByteArray::number(m.number), 4) + "  ";
    line += m.type;
    line += m.read ? 'Y' : 'N';
    line += ' ' + padLeft(QByteArray::number(m.size), 6) + ' ';
    line += padRight(m.to, 7) + ' ' + padRight(routing(m), 8) + ' ' + padRight(m.from, 9) + ' ';
    line += padRight(shortDate(m.posted), 9) + ' ';
    line += m.title.left(kListedTitleLength);
    return line;
}

QByteArray formatListing(const QList<BoardMessage>& messages)
{
    if (messages.isEmpty())
        return crLfLines({boardtext::kNoMessages});
    QList<QByteArray> lines{boardtext::kListHeading};
    for (auto it = messages.crbegin(); it != messages.crend(); ++it)
        lines.append(listingLine(*it));
    return crLfLines(lines);
}

QByteArray formatReading(const BoardMessage& m, const QByteArray& text)
{
    QByteArray shown = text;
    if (shown.endsWith(char(26)))
        shown.chop(1);
    shown = withCrLf(shown);
    if (!shown.isEmpty() && !shown.endsWith("\r\n"))
        shown += "\r\n";
    const QByteArray number = QByteArray::number(m.number);
    QByteArray out = crLfLines({
        "Msg #" + number + "  Type: " + m.type + "  Status: " + (m.read ? 'Y' : 'N')
            + "  Size: " + QByteArray::number(m.size),
        "From: " + m.from + "  To: " + m.to + (m.at.isEmpty() ? QByteArray() : " @" + m.at),
        "Date: " + m.posted,
        "Title: " + m.title,
        QByteArray(),
    });
    return out + shown + crLfLines({fillText(boardtext::kEndOfMessage, number)});
}

SendAddress parseSendAddress(const QByteArray& arguments)
{
    QByteArray text = arguments;
    const qsizetype from = text.indexOf('<');
    if (from >= 0)
        text.truncate(from);
    text = text.toUpper();
    SendAddress address;
    const qsizetype at = text.indexOf('@');
    address.to = text.left(at < 0 ? text.size() : at).trimmed();
    if (at >= 0)
        address.at = text.mid(at + 1).trimmed();
    if (address.to.isEmpty())
        address.error = boardtext::kMissingCall;
    else if (!isCallLike(address.to) || (at >= 0 && !isRoutingLike(address.at)))
        address.error = fillText(boardtext::kBadCall, arguments.trimmed());
    return address;
}

} // namespace vellicor
