// The station's record and long deployments: the session log, the bounded
// scrollback, find, and automatic reconnection.
#include "app/FrmPacket.h"

#include "app/FindBar.h"
#include "app/ReceiveView.h"
#include "terminal/TerminalPreferences.h"

#include <QDir>

namespace vellicor {

void FrmPacket::setUpRecord()
{
    connect(m_log.get(), &SessionLog::failed, this, [this](const QString& reason) {
        m_status.SetStatusText(QStringLiteral("Status: Session log not written: ") + reason);
    });
    connect(m_menus.mnuOptionsLogSession, &QAction::toggled, this, &FrmPacket::setLogging);
    connect(m_menus.mnuFileOpenLogFolder, &QAction::triggered, this, &FrmPacket::openLogFolder);
    connect(m_menus.mnuFileFind, &QAction::triggered, m_findBar, &FindBar::open);
    connect(m_findBar, &FindBar::searching, this, [this] {
        if (m_receive->scrollActive())
            m_receive->suspend();
    });
    applyTerminalPreferences();
}

void FrmPacket::applyTerminalPreferences()
{
    const TerminalPreferences preferences = TerminalPreferences::load(*m_platform.settings);
    const QSignalBlocker quiet(m_menus.mnuOptionsLogSession);
    m_menus.mnuOptionsLogSession->setChecked(preferences.sessionLog);
    m_log->setEnabled(preferences.sessionLog);
    m_receive->setScrollback(preferences.scrollbackLines, [this] { return m_log->writing(); });
    m_session->setReconnect(preferences.reconnect);
}

void FrmPacket::setLogging(bool on)
{
    TerminalPreferences preferences = TerminalPreferences::load(*m_platform.settings);
    preferences.sessionLog = on;
    preferences.store(*m_platform.settings);
    m_log->setEnabled(on);
}

void FrmPacket::openLogFolder()
{
    QDir().mkpath(m_log->folder());
    if (!m_platform.dialogs->showFolder(m_log->folder()))
        m_status.SetStatusText(QStringLiteral("Status: The log folder is ") + m_log->folder());
}

} // namespace vellicor
