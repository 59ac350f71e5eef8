// The station's record and long deployments: the session log, the bounded
// scrollback, find, and automatic reconnection.
#include "app/FrmPacket.h"

#include "app/FindBar.h"
#include "app/ReceiveView.h"
#include "terminal/StationRecord.h"

#include <QDir>

namespace vellicor {

void FrmPacket::setUpRecord()
{
    connect(m_log.get(), &SessionLog::failed, this, [this](const QString& reason) {
        m_status.SetStatusText(QStringLiteral("Status: Session log not written: ") + reason);
    });
    m_record = std::make_unique<StationRecord>(*m_platform.settings, *m_log, *m_receive, *m_session);
    connect(m_menus.mnuOptionsLogSession, &QAction::toggled, this, [this](bool on) { m_record->setLogging(on); });
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
    const QSignalBlocker quiet(m_menus.mnuOptionsLogSession);
    m_menus.mnuOptionsLogSession->setChecked(m_record->applyPreferences());
}

void FrmPacket::openLogFolder()
{
    QDir().mkpath(m_log->folder());
    if (!m_platform.dialogs->showFolder(m_log->folder()))
        m_status.SetStatusText(QStringLiteral("Status: The log folder is ") + m_log->folder());
}

} // namespace vellicor
