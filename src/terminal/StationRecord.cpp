#include "terminal/StationRecord.h"

#include "terminal/PortSession.h"
#include "terminal/ReceivePane.h"
#include "terminal/SessionLog.h"
#include "terminal/TerminalPreferences.h"

namespace vellicor {

StationRecord::StationRecord(SettingsStore& settings, SessionLog& log, ReceivePane& pane,
                             PortSession& session)
    : m_settings(settings)
    , m_log(log)
    , m_pane(pane)
    , m_session(session)
{
}

bool StationRecord::applyPreferences()
{
    const TerminalPreferences preferences = TerminalPreferences::load(m_settings);
    m_log.setEnabled(preferences.sessionLog);
    m_pane.setScrollback(preferences.scrollbackLines, [this] { return m_log.writing(); });
    m_session.setReconnect(preferences.reconnect);
    return preferences.sessionLog;
}

void StationRecord::setLogging(bool on)
{
    TerminalPreferences preferences = TerminalPreferences::load(m_settings);
    preferences.sessionLog = on;
    preferences.store(m_settings);
    m_log.setEnabled(on);
}

} // namespace vellicor
