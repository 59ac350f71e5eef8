#include "traffic/ares/AresFile.h"

#include "terminal/TextFile.h"
#include "terminal/Windows1252.h"
#include "traffic/ares/AresFields.h"
#include "traffic/ares/AresMessage.h"
#include "traffic/common/MessageFile.h"
#include "traffic/common/TrafficPatterns.h"

namespace vellicor::AresFile {

namespace {

using MessageFile::LineReader;
using TrafficPatterns::trimSpaces;

const QString kCrLf = QStringLiteral("\r\n");
// The tactical call of the TO and FROM lines starts in this column (from 1).
constexpr qsizetype kCallColumn = 9;
// The date's columns in the second line, and what stands between it and the time.
constexpr qsizetype kDateColumns = 10;
const QString kTimeSeparator = QStringLiteral("    ");

// A date or time that reads as one, in its normal form; any other text as it is.
QString writtenDate(const QString& text)
{
    const std::optional<QDate> date = TrafficPatterns::readDate(trimSpaces(text));
    return date ? TrafficPatterns::formatDateMMDDYYYY(*date) : text;
}

QString writtenTime(const QString& text)
{
    const std::optional<QTime> time = TrafficPatterns::readClockTime(trimSpaces(text));
    return time ? time->toString(QStringLiteral("HH:mm")) : text;
}

QString addressLine(const QString& label, const QString& call, const QString& name)
{
    return label + QLatin1Char('(') + trimSpaces(call) + QStringLiteral(") ") + trimSpaces(name);
}

bool endsInLineBreak(const QString& text)
{
    return text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r'));
}

// The priority is the line's first character, but an empty priority was
// written as the line's ", " alone (a "," alone once an editor has dropped
// the trailing blank): that comma belongs to no priority.
qsizetype priorityLength(const QString& subjectLine)
{
    return subjectLine.startsWith(QLatin1String(", ")) || subjectLine == QLatin1String(",") ? 0 : 1;
}

// The date fills the first ten columns, a shorter one padded with blanks,
// and the four blanks before the time follow it. A date typed longer than
// ten characters is written whole, so its four blanks stand further right:
// when columns 11 to 14 are not those blanks, the date runs to the first
// four blanks after column 10. Lines in the usual layout, and lines with
// no four blanks there at all, keep the first ten columns as the date.
qsizetype dateColumns(const QString& dateLine)
{
    const qsizetype separator = dateLine.indexOf(kTimeSeparator, kDateColumns);
    return separator > kDateColumns ? separator : kDateColumns;
}

bool readHeader(LineReader& in, AresMessage& m)
{
    if (in.atEnd())
        return false;
    const QString subjectLine = in.take();
    m.priority = upperWindows1252(subjectLine.left(priorityLength(subjectLine)));
    m.subject = trimSpaces(subjectLine.mid(2));
    if (in.atEnd())
        return false;
    const QString dateLine = in.take();
    const qsizetype dateLength = dateColumns(dateLine);
    m.date = trimSpaces(dateLine.left(dateLength));
    m.time = trimSpaces(dateLine.mid(dateLength));
    if (in.atEnd())
        return false;
    in.take();
    return true;
}

// A TO or FROM line: the call between column 9 and the first ")", the name after it.
bool readAddressLine(LineReader& in, QString& call, QString& name)
{
    if (in.atEnd())
        return false;
    const QString line = in.take();
    const qsizetype close = line.indexOf(QLatin1Char(')'));
    if (close < kCallColumn - 1)
        return false;
    call = trimSpaces(line.mid(kCallColumn - 1, close - (kCallColumn - 1)));
    name = trimSpaces(line.mid(close + 1));
    return true;
}

// The sent time runs to the first " BY ", the operator's call follows it.
// A line saved with an empty call ends in " BY "; once an editor has dropped
// that trailing blank, the " BY" at the end still ends the time.
void readClosingLine(const QString& line, AresMessage& m)
{
    const QString rest = line.mid(kClosingStart.size());
    qsizetype by = rest.indexOf(QLatin1String(" BY "));
    if (by < 0 && rest.endsWith(QLatin1String(" BY")))
        by = rest.size() - 3;
    if (by < 0) {
        m.msgSentTime = trimSpaces(rest);
        return;
    }
    m.msgSentTime = trimSpaces(rest.left(by));
    m.by = trimSpaces(rest.mid(by + 4));
}

} // namespace

QString contents(const AresMessage& m)
{
    QString text = m.priority + QStringLiteral(", ") + m.subject + kCrLf;
    // The reader takes the date from the first ten columns: a shorter date
    // (an empty one, say) is padded so the time does not slide into it; a
    // longer one is written whole and found by the blanks after it.
    text += writtenDate(m.date).leftJustified(kDateColumns) + kTimeSeparator + writtenTime(m.time) + kCrLf;
    text += kCrLf;
    text += addressLine(QStringLiteral("TO:    "), m.to, m.toName) + kCrLf;
    text += addressLine(QStringLiteral("FROM:  "), m.from, m.fromName) + kCrLf;
    text += kCrLf;
    text += m.message;
    if (!m.message.isEmpty() && !endsInLineBreak(m.message))
        text += kCrLf;
    text += kClosingStart + writtenTime(m.msgSentTime) + QStringLiteral(" BY ") + m.by + kCrLf;
    return text;
}

std::optional<FileError> WriteMessageFile(const QString& path, const AresMessage& message)
{
    return TextFile::saveText(path, contents(message));
}

void readInto(const QStringList& lines, AresMessage& m)
{
    LineReader in(lines);
    if (!readHeader(in, m) || !readAddressLine(in, m.to, m.toName) || !readAddressLine(in, m.from, m.fromName)
        || in.atEnd())
        return;
    in.take();
    while (!in.atEnd()) {
        const QString line = in.take();
        if (line.startsWith(kClosingStart)) {
            readClosingLine(line, m);
            return;
        }
        m.message += line + kCrLf;
    }
}

} // namespace vellicor::AresFile
