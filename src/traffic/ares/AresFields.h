#pragma once

#include <QString>

namespace vellicor {

// The field rules of the ARES form that hold without a window: the
// priority codes and the call-sign fields' slashed zero.
namespace AresFields {

// The slashed zero the call-sign fields show for the digit zero: byte 216
// of Windows-1252, so it is saved to files as that byte.
inline constexpr char16_t kSlashedZero = u'\u00D8';

// The spelled-out priority beside the combo: "(Routine)", "(Health and
// Wealfare)", "(Priority)" or "(Emergency)" for R, W, P or E in either
// case; empty for any other text, two letters and the empty text included.
QString priorityLabel(const QString& priority);

// What a typed text becomes in the To, From and By fields: upper case by
// the program's one rule (upperWindows1252), with the digit zero turned into
// the slashed zero. Control characters pass.
QString callSignTyped(const QString& typed);

// Every slashed zero turned back into the digit "0", for sending.
QString RestoreZeros(const QString& text);

} // namespace AresFields
} // namespace vellicor
