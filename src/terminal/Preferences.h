#pragma once

#include "terminal/TerminalGlobals.h"
#include "platform/api/SerialLink.h"
#include "platform/api/SettingsStore.h"

#include <optional>

namespace vellicor {

// The ten stored preferences of group "Properties" and how they are read at
// start-up and written by the Properties dialog.
namespace Preferences {

inline const QString kGroup = QStringLiteral("Properties");
inline const QString kSettings = QStringLiteral("Settings");
inline const QString kCommPort = QStringLiteral("CommPort");
inline const QString kHandshaking = QStringLiteral("Handshaking");
inline const QString kEcho = QStringLiteral("Echo");
inline const QString kMaxLineLength = QStringLiteral("MaxLineLength");
inline const QString kRxFore = QStringLiteral("TextReceivedForeColor");
inline const QString kTxFore = QStringLiteral("TextSentForeColor");
inline const QString kRxBack = QStringLiteral("TextReceivedBackColor");
inline const QString kBoxFore = QStringLiteral("TextSentBoxForeColor");
inline const QString kBoxBack = QStringLiteral("TextSentBoxBackColor");

// The colours that belong to the panes rather than to Globals; a colour that
// failed its conversion is left empty so the pane keeps its own.
struct PaneColors {
    std::optional<quint32> receivedBack;
    std::optional<quint32> sentBoxFore;
    std::optional<quint32> sentBoxBack;
};

struct LoadResult {
    PaneColors colors;
    bool anyFailed = false;
};

// Start-up steps 7 to 13: settings, port number, handshaking, echo, line
// length and colours, each read, converted and applied; a failing step is skipped.
LoadResult load(const SettingsStore& store, TerminalGlobals& globals, SerialLink& link);

// What the Properties dialog's OK stores, in its order.
void storePortAndTyping(SettingsStore& store, const TerminalGlobals& globals, const SerialLink& link);
// All five colours, in decimal.
void storeColors(SettingsStore& store, const TerminalGlobals& globals, quint32 receivedBack,
                 quint32 sentBoxFore, quint32 sentBoxBack);

} // namespace Preferences
} // namespace vellicor
