#include "traffic/ares/AresReader.h"

#include "terminal/Windows1252.h"
#include "traffic/ares/AresFields.h"
#include "traffic/ares/AresFile.h"
#include "traffic/common/TrafficPatterns.h"

namespace vellicor::AresReader {

namespace {

using TrafficPatterns::trimSpaces;

const QString kTimeSeparator = QStringLiteral("    ");

// "TO:   (EOC) Net control": the call between "(" and the first ")", the
// name after it. False when the line is not of that shape.
bool readAddressLine(const QString& line, const char* label, QString& call, QString& name)
{
    const QString start = QLatin1String(label);
    if (!line.startsWith(start))
        return false;
    const qsizetype open = line.indexOf(QLatin1Char('('), start.size());
    const qsizetype close = line.indexOf(QLatin1Char(')'), open + 1);
    if (open < 0 || close < 0 || !trimSpaces(line.mid(start.size(), open - start.size())).isEmpty())
        return false;
    call = AresFields::callSignTyped(trimSpaces(line.mid(open + 1, close - open - 1)));
    name = trimSpaces(line.mid(close + 1));
    return true;
}

// The index of the TO: line that a FROM: line follows, or -1.
qsizetype readAddressBlock(const QStringList& lines, AresMessage& m)
{
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        if (readAddressLine(lines[i], "TO:", m.to, m.toName)
            && readAddressLine(lines[i + 1], "FROM:", m.from, m.fromName))
            return i;
    }
    return -1;
}

// "12/05/2026    14:05": date and time at the four blanks, or at the last
// blank where an editor or board closed them up.
void readDateLine(const QString& line, AresMessage& m)
{
    qsizetype split = line.indexOf(kTimeSeparator);
    qsizetype gap = kTimeSeparator.size();
    if (split < 0) {
        split = trimSpaces(line).isEmpty() ? -1 : line.lastIndexOf(QLatin1Char(' '));
        gap = 1;
    }
    m.date = trimSpaces(split < 0 ? line : line.left(split));
    m.time = split < 0 ? QString() : trimSpaces(line.mid(split + gap));
}

// "R, Shelter status", perhaps after the board's "Title:": the priority
// letter and the subject; a line without the priority's comma is all subject.
void readSubjectLine(QString line, AresMessage& m)
{
    line = trimSpaces(line);
    for (const QLatin1String prefix : {QLatin1String("Title:"), QLatin1String("Subject:")}) {
        if (line.startsWith(prefix, Qt::CaseInsensitive))
            line = trimSpaces(line.mid(prefix.size()));
    }
    if (line.startsWith(QLatin1Char(','))) {
        m.subject = trimSpaces(line.mid(1));
    } else if (line.size() >= 2 && line[1] == QLatin1Char(',')) {
        m.priority = upperWindows1252(line.left(1));
        m.subject = trimSpaces(line.mid(2));
    } else {
        m.subject = line;
    }
}

// The header above the TO: line: the date line, with one empty line
// between them, and the subject line above it.
void readHeader(const QStringList& lines, qsizetype to, AresMessage& m)
{
    const bool emptyLineBetween = to >= 1 && ReceivedText::isBlank(lines[to - 1]);
    const qsizetype dateLine = emptyLineBetween ? to - 2 : to - 1;
    m.priority.clear();
    if (dateLine < 0)
        return;
    readDateLine(lines[dateLine], m);
    for (qsizetype i = dateLine - 1; i >= 0; --i) {
        if (!ReceivedText::isBlank(lines[i])) {
            readSubjectLine(lines[i], m);
            return;
        }
    }
}

bool isClosingLine(const QString& line)
{
    return line.startsWith(AresFile::kClosingStart) || line == AresFile::kClosingStart.trimmed();
}

// "END MSG SENT 14:20    BY N0CALL": the sent time up to the first " BY ",
// the operator's call after it.
void readClosingLine(const QString& line, AresMessage& m)
{
    const QString rest = ReceivedText::beforeCtrlZ(line.mid(AresFile::kClosingStart.size()));
    qsizetype by = rest.indexOf(QLatin1String(" BY "));
    if (by < 0 && rest.endsWith(QLatin1String(" BY")))
        by = rest.size() - 3;
    m.msgSentTime = trimSpaces(by < 0 ? rest : rest.left(by));
    m.by = by < 0 ? QString() : AresFields::callSignTyped(trimSpaces(rest.mid(by + 4)));
}

} // namespace

ReceivedReading<AresMessage> read(const QString& text)
{
    const QStringList lines = ReceivedText::lines(text);
    AresMessage m;
    const qsizetype to = readAddressBlock(lines, m);
    if (to < 0)
        return ReceivedReading<AresMessage>::failed(kNoAddressLines);
    readHeader(lines, to, m);
    qsizetype first = to + 2;
    if (first < lines.size() && ReceivedText::isBlank(lines[first]))
        ++first;
    for (qsizetype i = first; i < lines.size(); ++i) {
        if (isClosingLine(lines[i])) {
            m.message = ReceivedText::joined(lines.mid(first, i - first));
            readClosingLine(lines[i], m);
            return ReceivedReading<AresMessage>::read(m);
        }
    }
    return ReceivedReading<AresMessage>::failed(kNoClosingLine);
}

} // namespace vellicor::AresReader
