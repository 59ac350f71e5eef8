#pragma once

#include <QString>

#include <optional>

namespace vellicor {

// The conversions of stored preference texts.
namespace Conversions {

// Optional sign and surrounding blanks, decimal digits with an optional
// fraction (rounded, halves to even), or "&H" and hexadecimal digits.
std::optional<double> number(const QString& text);
// A whole number within [min, max]; nothing when the text is no number or out of range.
std::optional<qint64> wholeNumber(const QString& text, qint64 min, qint64 max);
std::optional<qint16> int16(const QString& text);
std::optional<qint32> int32(const QString& text);
// True or False in any case, or a number (0 is false).
std::optional<bool> flag(const QString& text);

// The number at the start of a text (leading blanks skipped, digits with an
// optional decimal point), rounded halves to even; 0 when there is none.
qint64 leadingNumber(const QString& text);

double roundHalfEven(double value);

} // namespace Conversions
} // namespace vellicor
