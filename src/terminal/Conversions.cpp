#include "terminal/Conversions.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace vellicor::Conversions {

namespace {

std::optional<double> hexNumber(const QString& digits, bool negative)
{
    if (digits.isEmpty() || digits.size() > 16)
        return std::nullopt;
    bool ok = false;
    const quint64 raw = digits.toULongLong(&ok, 16);
    if (!ok)
        return std::nullopt;
    // "&H" values are 16-bit when they fit in four digits, else 32-bit, and
    // read as signed, so "&HFFFF" is -1 as a 16-bit value.
    double value = static_cast<double>(raw);
    if (digits.size() <= 4 && raw > 0x7FFF)
        value = static_cast<double>(static_cast<qint64>(raw) - 0x10000);
    else if (digits.size() <= 8 && raw > 0x7FFFFFFF)
        value = static_cast<double>(static_cast<qint64>(raw) - 0x100000000LL);
    return negative ? -value : value;
}

} // namespace

double roundHalfEven(double value)
{
    return std::nearbyint(value); // the default rounding mode rounds halves to even
}

std::optional<double> number(const QString& text)
{
    QString t = text.trimmed();
    bool negative = false;
    if (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+'))) {
        negative = t.startsWith(QLatin1Char('-'));
        t = t.mid(1).trimmed();
    }
    if (t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive))
        return hexNumber(t.mid(2), negative);
    static const QRegularExpression decimal(QStringLiteral("^(\\d+\\.?\\d*|\\.\\d+)([eE][-+]?\\d+)?$"));
    if (!decimal.match(t).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<qint64> wholeNumber(const QString& text, qint64 min, qint64 max)
{
    const std::optional<double> value = number(text);
    if (!value)
        return std::nullopt;
    const double rounded = roundHalfEven(*value);
    if (rounded < static_cast<double>(min) || rounded > static_cast<double>(max))
        return std::nullopt;
    return static_cast<qint64>(rounded);
}

std::optional<qint16> int16(const QString& text)
{
    const auto value = wholeNumber(text, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max());
    return value ? std::optional<qint16>(static_cast<qint16>(*value)) : std::nullopt;
}

std::optional<qint32> int32(const QString& text)
{
    const auto value = wholeNumber(text, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
    return value ? std::optional<qint32>(static_cast<qint32>(*value)) : std::nullopt;
}

std::optional<bool> flag(const QString& text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    const std::optional<double> value = number(t);
    if (!value)
        return std::nullopt;
    return *value != 0.0;
}

qint64 leadingNumber(const QString& text)
{
    static const QRegularExpression leading(QStringLiteral("^\\s*([-+]?(\\d+\\.?\\d*|\\.\\d+))"));
    const QRegularExpressionMatch match = leading.match(text);
    if (!match.hasMatch())
        return 0;
    const double value = roundHalfEven(match.captured(1).toDouble());
    if (value > 2e18 || value < -2e18)
        return 0;
    return static_cast<qint64>(value);
}

} // namespace vellicor::Conversions
