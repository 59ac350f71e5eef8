#pragma once

#include "terminal/TerminalGlobals.h"

namespace vellicor {

// What the Properties dialog reads and sets: the terminal's values and the
// tab it shows first the next time it opens.
struct PropertiesGlobals : virtual TerminalGlobals {
    int gPropertiesTab = 1;
};

} // namespace vellicor
