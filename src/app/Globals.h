#pragma once

#include <QString>

namespace vellicor {

// Program-wide state shared by every window. One instance lives for the run;
// windows and logic take it by reference.
struct Globals {
    bool gAresFormatBody = true;
    int gAresLineWidth = 70;
    bool gBypassConv = false;
    QString gConnectsFile = QStringLiteral("\\VellicorConnects.txt");
    int gCommPort = 0;
    QString gConnectCmd = QStringLiteral("C");
    bool gLocalEcho = false;
    bool gExiting = false;
    int gMaxLineLength = 0;
    bool gNtsFormatBody = true;
    int gNtsLineWidth = 70;
    bool gNtsSendAsTraffic = true;
    int gPropertiesTab = 1;
    bool gPortOk = true;
    bool gCommPortFromPrefs = false;
    bool gSettingsFromPrefs = false;
    QString gPortSettings;
    QString gShutdownFile;
    bool gRunStartupScript = true;
    QString gStartupFile;
    quint32 gRxForeColor = 0;
    quint32 gTxForeColor = 0;
    bool gWordOut = false;
};

} // namespace vellicor
