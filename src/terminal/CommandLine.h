#pragma once

#include <QString>

namespace vellicor {

// The options of the command line: COMPORT, SETTINGS, STARTUP and SHUTDOWN,
// comma-separated, each "KEY=value". Values arrive upper-cased. A key counts
// only at the start of the line or right after a comma.
struct CommandLineOptions {
    int commPort = 0;
    QString settings;
    QString startupFile;
    QString shutdownFile;

    // A SETTINGS value is put back together from the tokens its own commas
    // split off: "COMPORT=3,SETTINGS=4800,E,7,1" gives the settings "4800,E,7,1".
    static CommandLineOptions parse(const QString& commandLine);
};

} // namespace vellicor
