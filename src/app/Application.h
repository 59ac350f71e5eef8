#pragma once

namespace vellicor {

// Creates the real platform objects, the main window, and runs the program.
int runApplication(int argc, char* argv[]);

} // namespace vellicor
