#pragma once

#include "tnc/FieldRules.h"

#include <QString>

namespace vellicor {

// The field rules of the ARES form that hold without a window: the
// priority codes, the call-sign fields' slashed zero and the field table.
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

// Entering a one-line field selects its whole text, so typing replaces it;
// the call-sign fields To, From and By take typed keys as callSignTyped
// makes them. The message text and the priority have no such rules.
inline constexpr FieldRule kFieldRules[] = {
    {.name = "txtSubject", .selectsOnEntry = true},
    {.name = "txtDate", .selectsOnEntry = true},
    {.name = "txtTime", .selectsOnEntry = true},
    {.name = "txtTo", .typing = callSignTyped, .selectsOnEntry = true},
    {.name = "txtToName", .selectsOnEntry = true},
    {.name = "txtFrom", .typing = callSignTyped, .selectsOnEntry = true},
    {.name = "txtFromName", .selectsOnEntry = true},
    {.name = "txtMsgSentTime", .selectsOnEntry = true},
    {.name = "txtBy", .typing = callSignTyped, .selectsOnEntry = true},
};

} // namespace AresFields
} // namespace vellicor
