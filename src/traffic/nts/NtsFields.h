#pragma once

#include "terminal/Windows1252.h"
#include "tnc/FieldRules.h"

#include <QString>

namespace vellicor {

// The field rules of the NTS radiogram form that hold without a window.
namespace NtsFields {

// The message number as the form leaves it: trimmed and, when it is a
// number, written with at least three digits ("5" becomes "005").
QString messageNumber(const QString& text);
// The phone as the form leaves it: trimmed and, when it is a number, put in
// the pattern "(###) ###-####" ("3035551212" becomes "(303) 555-1212").
QString phone(const QString& text);

// Station, state and ZIP take typed letters as capitals; the message
// number and the phone are cleaned up on leaving; leaving the text
// verifies the check, which the form does itself as it may ask.
inline constexpr FieldRule kFieldRules[] = {
    {.name = "txtMsgNum", .leaving = messageNumber},
    {.name = "txtStation", .typing = upperWindows1252},
    {.name = "txtState", .typing = upperWindows1252},
    {.name = "txtZip", .typing = upperWindows1252},
    {.name = "txtPhone", .leaving = phone},
    {.name = "txtMessage", .reportsLeaving = true},
};

} // namespace NtsFields
} // namespace vellicor
