#pragma once

#include <QString>
#include <QStringList>

namespace vellicor {

inline constexpr char kProgramUsage[] =
    "usage: vellicor [--practice] [--help] [--version] [COMPORT=n] [SETTINGS=baud,parity,data,stop]\n"
    "  --practice  start the practice TNC and use the practice profile: no radio,\n"
    "              nothing goes on the air (profile in $VELLICOR_PRACTICE_HOME,\n"
    "              default ~/.local/share/vellicor-practice)\n"
    "  --help      show this text\n"
    "  --version   show the program's version\n"
    "Every other argument is the program's command line (COMPORT=, SETTINGS=, ...).";

// The program's own options, the arguments that begin with "--"; every
// other argument belongs to the command line the main window reads.
struct ProgramArguments {
    bool practice = false;
    bool help = false;
    bool version = false;
    QString unknown; // the first "--" option the program does not know
    QStringList commandLine;
};

// `arguments` without the program name.
ProgramArguments parseProgramArguments(const QStringList& arguments);

} // namespace vellicor
