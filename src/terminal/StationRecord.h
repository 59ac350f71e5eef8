#pragma once

#include "platform/api/SettingsStore.h"

namespace vellicor {

class PortSession;
class ReceivePane;
class SessionLog;

// The station's record as the preferences and the Options menu set it: the
// session log on or off, the receive pane's scrollback (never cut while
// the log is not written) and automatic reconnection.
class StationRecord {
public:
    StationRecord(SettingsStore& settings, SessionLog& log, ReceivePane& pane, PortSession& session);

    // Applies the stored preferences; true when the session log is on.
    bool applyPreferences();
    // The operator turns the session log on or off; the choice is stored at once.
    void setLogging(bool on);

private:
    SettingsStore& m_settings;
    SessionLog& m_log;
    ReceivePane& m_pane;
    PortSession& m_session;
};

} // namespace vellicor
