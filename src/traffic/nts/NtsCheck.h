#pragma once

#include <QString>

#include <optional>

namespace vellicor {

class Prompter;
struct Radiogram;

// The check of a radiogram: the number of words in its text, and the
// verification run when the operator leaves the text and before the
// radiogram is saved or printed.
namespace NtsCheck {

inline const QString kDisagrees = QStringLiteral("Check does not agree with computed value.\r\n"
                                                 "Update Check with new value?");

// Words are maximal runs of characters other than space, CR and LF, so
// punctuation and tabs are word characters.
qsizetype ComputeCheck(const QString& text);

// What a check field says. ARRL practice writes "ARL" and the count when
// the text carries ARRL numbered radiograms ("ARL 12"); that reads as the
// count and an update keeps the prefix. Otherwise the number at the start
// of the field is read, blanks ignored; a field that does not begin with a
// number reads as 0.
struct CheckField {
    double count = 0;
    bool arl = false;
};
CheckField readCheckField(const QString& check);
// The field's text for a count, in the style of the field it replaces.
QString checkText(qsizetype count, bool arl);

// Whether the check agrees with the text's word count, as the form shows it
// for a received radiogram without touching the check: "Check 4 agrees with
// the text" or "Check 4, text has 5 words". "ARL 4" reads as 4.
QString verdict(const QString& check, const QString& text);

// Fills an empty check with the count; asks before replacing one that
// disagrees (No keeps the operator's check).
void verifyCheck(Radiogram& radiogram, Prompter& prompter);

} // namespace NtsCheck
} // namespace vellicor
