#pragma once

#include <QString>

namespace vellicor {

// The program-wide values the terminal owns. One instance of the whole set
// (app/Globals.h) lives for the run; each part is handed to the code that
// reads or sets it.

// The serial link and whether activating the window opens it.
struct LinkSettings {
    bool gPortOk = true;
    int gCommPort = 0;
    bool gCommPortFromPrefs = false;
    QString gPortSettings;
    bool gSettingsFromPrefs = false;
    bool gRunStartupScript = true;
};

// How typed and sent text reaches the TNC.
struct TypingSettings {
    bool gLocalEcho = false;
    int gMaxLineLength = 0;
    bool gWordOut = false;
    bool gBypassConv = false;
};

// The text colours of the two panes.
struct PaneSettings {
    quint32 gRxForeColor = 0;
    quint32 gTxForeColor = 0;
};

struct TerminalGlobals : LinkSettings, TypingSettings, PaneSettings {
    bool gExiting = false;
};

} // namespace vellicor
