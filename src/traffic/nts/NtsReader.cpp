#include "traffic/nts/NtsReader.h"

#include "traffic/common/TrafficPatterns.h"
#include "traffic/nts/NtsPreamble.h"

#include <QRegularExpression>

namespace vellicor::NtsReader {

namespace {

using TrafficPatterns::trimSpaces;
using TrafficPatterns::trimTrailingSpaces;

const QString kBtAfterField = QStringLiteral("  BT");

// A BT line: "BT" on a line of its own, or "  BT" after the last word of
// the phone or the text as the program sends them.
struct BtLine {
    bool found = false;
    bool ownLine = false;
    QString before; // what stands before "  BT"
};

BtLine btLine(const QString& line)
{
    const QString trimmed = trimTrailingSpaces(line);
    if (trimmed.endsWith(kBtAfterField))
        return {true, false, trimmed.chopped(kBtAfterField.size())};
    if (trimSpaces(line) == QLatin1String("BT"))
        return {true, true, QString()};
    return {};
}

// Digits with the punctuation phone numbers are written with, seven digits at least.
bool looksLikePhone(const QString& line)
{
    static const QRegularExpression phone(QStringLiteral("^[0-9 ()./+-]+$"));
    return phone.match(line).hasMatch() && ReceivedText::digitCount(line) >= 7;
}

// "BOULDER, CO, 80302" as the program sends it, "BOULDER, CO 80302" or
// "BOULDER CO 80302": the ZIP is the last word when it has a digit, the
// state the word before it, the city the rest.
void readCityLine(const QString& line, Radiogram& r)
{
    const QStringList parts = line.split(QLatin1Char(','));
    if (parts.size() >= 3) {
        r.zip = trimSpaces(parts.last());
        r.state = trimSpaces(parts[parts.size() - 2]);
        r.city = trimSpaces(parts.mid(0, parts.size() - 2).join(QLatin1Char(',')));
        return;
    }
    QStringList words = parts.last().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const bool zipFound = !words.isEmpty() && ReceivedText::digitCount(words.last()) > 0;
    r.zip = zipFound ? words.takeLast() : QString();
    if (parts.size() == 2) {
        r.state = words.join(QLatin1Char(' '));
        r.city = trimSpaces(parts.first());
        return;
    }
    r.state = words.isEmpty() ? QString() : words.takeLast();
    r.city = words.join(QLatin1Char(' '));
}

// The address block after the preamble, up to the first BT; the index of
// the BT line, or -1 with the reason.
qsizetype readAddress(const QStringList& lines, qsizetype from, Radiogram& r, QString& reason)
{
    QStringList block;
    for (qsizetype i = from; i < lines.size(); ++i) {
        const BtLine bt = btLine(lines[i]);
        if (!bt.found) {
            block.append(trimSpaces(lines[i]));
            continue;
        }
        block = ReceivedText::withoutBlankEnds(block);
        r.phone = trimSpaces(bt.before);
        if (bt.ownLine && !block.isEmpty() && looksLikePhone(block.last()))
            r.phone = block.takeLast();
        if (block.size() < 2) {
            reason = kNoAddress;
            return -1;
        }
        r.name = block.first();
        r.address = ReceivedText::joined(ReceivedText::withoutBlankEnds(block.mid(1, block.size() - 2)));
        readCityLine(block.last(), r);
        return i;
    }
    reason = kNoFirstBt;
    return -1;
}

// The text between the two BTs; the index of the second, or -1.
qsizetype readText(const QStringList& lines, qsizetype from, Radiogram& r)
{
    qsizetype i = from;
    while (i < lines.size() && ReceivedText::isBlank(lines[i]))
        ++i;
    QStringList text;
    for (; i < lines.size(); ++i) {
        const BtLine bt = btLine(lines[i]);
        if (!bt.found) {
            text.append(lines[i]);
        } else if (!bt.ownLine) {
            text.append(bt.before);
            r.message = ReceivedText::joined(text);
            return i;
        } else {
            text = ReceivedText::withoutBlankEnds(text);
            r.message = text.isEmpty() ? QString() : ReceivedText::joined(text) + QStringLiteral("\r\n");
            return i;
        }
    }
    return -1;
}

// The first line after the text that is not blank, up to a Ctrl-Z; none
// when the message ends first, or the board's end marker follows at once.
QString signature(const QStringList& lines, qsizetype from)
{
    for (qsizetype i = from; i < lines.size(); ++i) {
        if (ReceivedText::isBlank(lines[i]))
            continue;
        const QString line = trimSpaces(ReceivedText::beforeCtrlZ(lines[i]));
        const bool endMarker = line.startsWith(QLatin1String("[End of message"), Qt::CaseInsensitive)
            || line.startsWith(QLatin1String("/EX"), Qt::CaseInsensitive);
        return endMarker ? QString() : line;
    }
    return QString();
}

} // namespace

ReceivedReading<Radiogram> read(const QString& text)
{
    const QStringList lines = ReceivedText::lines(text);
    Radiogram r;
    qsizetype preamble = 0;
    while (preamble < lines.size() && !NtsPreamble::read(lines[preamble], r))
        ++preamble;
    if (preamble == lines.size())
        return ReceivedReading<Radiogram>::failed(kNoPreamble);
    QString reason;
    const qsizetype firstBt = readAddress(lines, preamble + 1, r, reason);
    if (firstBt < 0)
        return ReceivedReading<Radiogram>::failed(reason);
    const qsizetype secondBt = readText(lines, firstBt + 1, r);
    if (secondBt < 0)
        return ReceivedReading<Radiogram>::failed(kNoSecondBt);
    r.signedBy = signature(lines, secondBt + 1);
    return ReceivedReading<Radiogram>::read(r);
}

} // namespace vellicor::NtsReader
