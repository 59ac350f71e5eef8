#include "traffic/nts/NtsPreamble.h"

#include "traffic/common/ReceivedText.h"
#include "traffic/nts/Radiogram.h"

#include <QRegularExpression>

namespace vellicor::NtsPreamble {

namespace {

using Words = QStringList;

bool isWord(const QString& word, const char* expected)
{
    return word.compare(QLatin1String(expected), Qt::CaseInsensitive) == 0;
}

bool hasDigit(const QString& word)
{
    return ReceivedText::digitCount(word) > 0;
}

bool allDigits(const QString& word)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    return digits.match(word).hasMatch();
}

bool isCallSign(const QString& word)
{
    static const QRegularExpression call(QStringLiteral("^(?=.*[A-Za-z])(?=.*[0-9])[A-Za-z0-9/-]+$"));
    return call.match(word).hasMatch();
}

bool isTimeFiled(const QString& word)
{
    static const QRegularExpression time(QStringLiteral("^[0-9]{1,2}:?[0-9]{2}[Zz]?$"));
    return time.match(word).hasMatch();
}

bool isMonth(const QString& word)
{
    static const QRegularExpression month(
        QStringLiteral("^(JAN|FEB|MAR|APR|MAY|JUNE?|JULY?|AUG|SEPT?|OCT|NOV|DEC|JANUARY|FEBRUARY|MARCH|APRIL|"
                       "AUGUST|SEPTEMBER|OCTOBER|NOVEMBER|DECEMBER)$"),
        QRegularExpression::CaseInsensitiveOption);
    return month.match(word).hasMatch();
}

bool isDay(const QString& word)
{
    return word.size() <= 2 && allDigits(word);
}

// The words read from the left end, up to and including the check.
struct LeftEnd {
    QString number;
    QString precedence;
    QStringList handling;
    QString station;
    QString check;
    qsizetype next = 0; // the first word after the check
};

bool readPrecedence(const Words& words, LeftEnd& left)
{
    qsizetype i = left.next;
    const bool test = i < words.size() && isWord(words[i], "TEST");
    if (test)
        ++i;
    if (i >= words.size())
        return false;
    const QString precedence = precedenceFor(words[i]);
    if (precedence.isEmpty())
        return false;
    left.precedence = test ? QStringLiteral("TEST ") + precedence : precedence;
    left.next = i + 1;
    return true;
}

bool readCheck(const Words& words, LeftEnd& left)
{
    const qsizetype i = left.next;
    if (i + 1 < words.size() && isWord(words[i], "ARL") && allDigits(words[i + 1])) {
        left.check = words[i] + QLatin1Char(' ') + words[i + 1];
        left.next = i + 2;
        return true;
    }
    if (i >= words.size() || !allDigits(words[i]))
        return false;
    left.check = words[i];
    left.next = i + 1;
    return true;
}

bool readLeftEnd(const Words& words, LeftEnd& left)
{
    qsizetype i = !words.isEmpty() && isWord(words.first(), "NR") ? 1 : 0;
    if (i >= words.size() || !hasDigit(words[i]))
        return false;
    left.number = words[i];
    left.next = i + 1;
    if (!readPrecedence(words, left))
        return false;
    i = left.next;
    while (i < words.size() && words[i].startsWith(QLatin1String("HX"), Qt::CaseInsensitive))
        left.handling.append(words[i++]);
    if (i >= words.size() || !isCallSign(words[i]))
        return false;
    left.station = words[i];
    left.next = i + 1;
    return readCheck(words, left);
}

// The date and time filed from the right end, no further left than `first`;
// the index of the first word they take, or -1 when there is no date.
qsizetype readRightEnd(const Words& words, qsizetype first, Radiogram& r)
{
    qsizetype end = words.size();
    if (end - 2 >= first && isDay(words[end - 1]) && isMonth(words[end - 2])) {
        r.dateFiled = words[end - 2] + QLatin1Char(' ') + words[end - 1];
        end -= 2;
    } else if (end - 1 >= first && hasDigit(words[end - 1])) {
        r.dateFiled = words[end - 1];
        end -= 1;
    } else {
        return -1;
    }
    r.timeFiled.clear();
    if (end - 1 >= first && isTimeFiled(words[end - 1])) {
        r.timeFiled = words[end - 1];
        end -= 1;
    }
    return end;
}

} // namespace

QString precedenceFor(const QString& word)
{
    if (isWord(word, "R") || isWord(word, "ROUTINE"))
        return Radiogram::kRoutine;
    if (isWord(word, "W") || isWord(word, "WELFARE"))
        return QStringLiteral("W (H & W)");
    if (isWord(word, "P") || isWord(word, "PRIORITY"))
        return QStringLiteral("P (Priority)");
    if (isWord(word, "EMERGENCY"))
        return QStringLiteral("Emergency");
    return QString();
}

bool read(const QString& line, Radiogram& radiogram)
{
    const Words words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    LeftEnd left;
    if (!readLeftEnd(words, left))
        return false;
    Radiogram r = radiogram;
    const qsizetype placeEnd = readRightEnd(words, left.next, r);
    if (placeEnd < 0)
        return false;
    r.msgNum = left.number;
    r.precedence = left.precedence;
    r.handling = left.handling.join(QLatin1Char(' '));
    r.station = left.station;
    r.check = left.check;
    r.place = words.mid(left.next, placeEnd - left.next).join(QLatin1Char(' '));
    radiogram = r;
    return true;
}

} // namespace vellicor::NtsPreamble
