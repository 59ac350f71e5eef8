#pragma once

#include "platform/api/PrintService.h"

namespace vellicor {

struct AresMessage;

// The ARES message on paper: the message file's lines, dates and times in
// their normal forms, in 12-point Courier New. The slashed zeros of the
// call-sign fields print as they stand on the form.
namespace AresPrintout {

// The printed page for a message as it stands.
PrintJob job(const AresMessage& message);

// The Print command: prints the page; a printer failure is ignored.
void print(const AresMessage& message, PrintService& printer);

} // namespace AresPrintout
} // namespace vellicor
