#pragma once

#include "platform/api/PrintService.h"

namespace vellicor::MessagePrintout {

// The page both message forms print on, still without lines: 12-point
// Courier New, 500 twips from the left and 1000 twips from the top.
PrintJob emptyPage();

} // namespace vellicor::MessagePrintout
