#pragma once

#include <QDate>
#include <QString>
#include <QTime>

#include <optional>

namespace vellicor {

// The formatting patterns of the message forms, used when a field is left,
// when a message file is written or read, and when a message is printed.
//
// Every pattern formats a text only when it reads as what the pattern wants
// and otherwise gives the text back as it is, so formatting twice changes
// nothing. None of them depends on the machine's locale or time zone: the
// shapes below are checked first and Qt's QTime/QDate parsers, with explicit
// formats and the C locale's AM/PM, only decide validity.
namespace TrafficPatterns {

// Leading and trailing spaces (code 32 only) removed; tabs and other
// characters stay, as the forms' own trimming does.
QString trimSpaces(const QString& text);
QString trimTrailingSpaces(const QString& text);

// "000": plain decimal digits, optionally with a decimal point and more
// digits, read as a number; it is rounded to a whole number (halves up) and
// written with at least three digits ("7" -> "007", "0012" -> "012",
// "1234" -> "1234", "6.5" -> "007"). Any length of digits works. Signs,
// digit grouping, exponents, blanks inside and every other text are not
// numbers and come back unchanged; so does an empty text.
QString formatNumber000(const QString& text);

// "(###) ###-####": a text of plain decimal digits only has them placed from
// the right: the last four after the hyphen, the three before them in the
// middle group, all the rest inside the parentheses ("3035551212" ->
// "(303) 555-1212", "5551212" -> "() 555-1212", "12345" -> "() 1-2345").
// Digits are kept as typed, leading zeros included. Any other text (with
// punctuation, blanks or signs) comes back unchanged.
QString formatPhone(const QString& text);

// A clock time is H:MM or HH:MM, optionally with :SS, followed either by
// AM or PM (any case, blanks before it allowed; hours 1 to 12) or by
// nothing or a "Z" (hours 0 to 23). "1430Z", "24:00" and "2:3" are not
// clock times.
std::optional<QTime> readClockTime(const QString& text);
// "HH:MMZ": a clock time as two-digit hour, colon, two-digit minute, "Z"
// ("2:30 PM" -> "14:30Z", "14:30Z" stays). Other text comes back unchanged.
QString formatTimeHHMMZ(const QString& text);
// "HH:MM": the same without the "Z".
QString formatTimeHHMM(const QString& text);

// A date is M/D/YYYY, M/D/YY (two-digit years are 2000 to 2099) or
// YYYY-MM-DD, month and day 1 or 2 digits where shown, and must exist in
// the calendar ("2/29/2025" is no date).
std::optional<QDate> readDate(const QString& text);
// "MM/DD/YYYY": a date as two-digit month, day and four-digit year.
// Other text comes back unchanged.
QString formatDateMMDDYYYY(const QString& text);
QString formatDateMMDDYYYY(const QDate& date);

} // namespace TrafficPatterns
} // namespace vellicor
