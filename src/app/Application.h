#pragma once

#include "app/FrmPacket.h"

#include <QStringList>

namespace vellicor {

// The command line as one string of options: the arguments joined by commas,
// so "vellicor COMPORT=3 SETTINGS=4800,E,7,1" and "vellicor COMPORT=3,..." agree.
QString commandLineOf(const QStringList& arguments);
// The main window's options for this program's version and command line.
FrmPacket::Options programOptions(const QStringList& arguments);
// Creates the real platform objects, the main window, and runs the program.
int runApplication(int argc, char* argv[]);

} // namespace vellicor
