#include "traffic/common/TrafficPatterns.h"

#include <QRegularExpression>

namespace vellicor::TrafficPatterns {

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool allDigits(QStringView text)
{
    for (const QChar c : text) {
        if (!isDigit(c))
            return false;
    }
    return true;
}

// Adds one to a string of decimal digits, growing it when it carries over.
QString incremented(QString digits)
{
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != QLatin1Char('9')) {
            digits[i] = QChar(digits[i].unicode() + 1);
            return digits;
        }
        digits[i] = QLatin1Char('0');
    }
    return QLatin1Char('1') + digits;
}

QString withoutLeadingZeros(const QString& digits)
{
    qsizetype first = 0;
    while (first < digits.size() && digits[first] == QLatin1Char('0'))
        ++first;
    return digits.mid(first);
}

QString formatTime(const QString& text, QLatin1String suffix)
{
    const std::optional<QTime> time = readClockTime(text);
    if (!time)
        return text;
    return time->toString(QStringLiteral("HH:mm")) + suffix;
}

} // namespace

QString trimSpaces(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

QString trimTrailingSpaces(const QString& text)
{
    qsizetype last = text.size();
    while (last > 0 && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.left(last);
}

QString formatNumber000(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^(\\d*)(?:\\.(\\d*))?$"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return text;
    QString whole = match.captured(1);
    const QString fraction = match.captured(2);
    if (whole.isEmpty() && fraction.isEmpty())
        return text; // empty, or a lone "."
    if (whole.isEmpty())
        whole = QStringLiteral("0");
    if (!fraction.isEmpty() && fraction[0] >= QLatin1Char('5'))
        whole = incremented(whole);
    whole = withoutLeadingZeros(whole);
    return whole.rightJustified(3, QLatin1Char('0'));
}

QString formatPhone(const QString& text)
{
    if (text.isEmpty() || !allDigits(text))
        return text;
    const qsizetype size = text.size();
    const QString last = text.right(4);
    const QString middle = text.mid(qMax<qsizetype>(size - 7, 0), qMin<qsizetype>(3, qMax<qsizetype>(size - 4, 0)));
    const QString area = text.left(qMax<qsizetype>(size - 7, 0));
    return QLatin1Char('(') + area + QLatin1String(") ") + middle + QLatin1Char('-') + last;
}

std::optional<QTime> readClockTime(const QString& text)
{
    static const QRegularExpression shape(QStringLiteral(
        "^(\\d{1,2}):(\\d{2})(?::(\\d{2}))?(?:\\s*([AaPp][Mm])|[Zz])?$"));
    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int hour = match.captured(1).toInt();
    const int minute = match.captured(2).toInt();
    const int second = match.hasCaptured(3) ? match.captured(3).toInt() : 0;
    if (match.hasCaptured(4)) {
        // Qt's parser with the C locale's AM/PM decides what a 12-hour time is.
        const QString twelveHour = QStringLiteral("%1:%2:%3 %4")
                                       .arg(hour)
                                       .arg(minute, 2, 10, QLatin1Char('0'))
                                       .arg(second, 2, 10, QLatin1Char('0'))
                                       .arg(match.captured(4).toUpper());
        const QTime time = QTime::fromString(twelveHour, QStringLiteral("h:mm:ss AP"));
        return time.isValid() ? std::optional<QTime>(time) : std::nullopt;
    }
    if (!QTime::isValid(hour, minute, second))
        return std::nullopt;
    return QTime(hour, minute, second);
}

QString formatTimeHHMMZ(const QString& text)
{
    return formatTime(text, QLatin1String("Z"));
}

QString formatTimeHHMM(const QString& text)
{
    return formatTime(text, QLatin1String(""));
}

std::optional<QDate> readDate(const QString& text)
{
    static const QRegularExpression usDate(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4}|\\d{2})$"));
    static const QRegularExpression isoDate(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    if (isoDate.match(text).hasMatch()) {
        const QDate date = QDate::fromString(text, Qt::ISODate);
        return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
    }
    const QRegularExpressionMatch match = usDate.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    int year = match.captured(3).toInt();
    if (match.capturedLength(3) == 2)
        year += 2000;
    const QDate date(year, match.captured(1).toInt(), match.captured(2).toInt());
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

QString formatDateMMDDYYYY(const QString& text)
{
    const std::optional<QDate> date = readDate(text);
    return date ? formatDateMMDDYYYY(*date) : text;
}

QString formatDateMMDDYYYY(const QDate& date)
{
    return date.toString(QStringLiteral("MM/dd/yyyy"));
}

} // namespace vellicor::TrafficPatterns
