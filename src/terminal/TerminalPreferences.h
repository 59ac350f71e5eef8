#pragma once

#include "platform/api/SettingsStore.h"

namespace vellicor {

// The terminal's own preferences, group "Terminal": the session log, the
// receive pane's scrollback and automatic reconnection.
struct TerminalPreferences {
    static inline const QString kGroup = QStringLiteral("Terminal");
    static inline const QString kSessionLog = QStringLiteral("SessionLog");
    static inline const QString kScrollbackLines = QStringLiteral("ScrollbackLines");
    static inline const QString kReconnect = QStringLiteral("Reconnect");
    static constexpr int kDefaultScrollback = 20000;

    bool sessionLog = true;
    int scrollbackLines = kDefaultScrollback;
    bool reconnect = false;

    // A value that cannot be read keeps its default.
    static TerminalPreferences load(const SettingsStore& store);
    void store(SettingsStore& store) const;
};

} // namespace vellicor
