#pragma once

#include "terminal/TerminalGlobals.h"

#include <QString>

namespace vellicor {

// The scripts the program runs and the words and files the Mode menu's
// lines may change.
struct ScriptSettings {
    QString gConnectCmd = QStringLiteral("C");
    QString gConnectsFile = QStringLiteral("\\VellicorConnects.txt");
    QString gStartupFile;
    QString gShutdownFile;
};

// What the TNC control reads and sets: the terminal's values and its own.
struct TncGlobals : virtual TerminalGlobals, ScriptSettings {};

} // namespace vellicor
