#pragma once

namespace vellicor {

// Registers the help pages and sounds compiled into the windows library.
// Safe to call more than once.
void initWindowsResources();

} // namespace vellicor
