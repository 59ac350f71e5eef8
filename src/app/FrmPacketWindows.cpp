// The main window's commands that open the auxiliary windows.
#include "app/FrmPacket.h"

#include "app/ReceiveView.h"
#include "windows/FrmAbout.h"
#include "windows/FrmClipboard.h"
#include "windows/FrmProperties.h"
#include "windows/HelpFacility.h"
#include "traffic/ares/FrmTORMEL.h"
#include "traffic/nts/FrmNTS.h"
#include "windows/HelpKeyFilter.h"

namespace vellicor {

void FrmPacket::connectWindowMenus()
{
    connect(m_menus.mnuEditEditClipboard, &QAction::triggered, this, &FrmPacket::showClipboard);
    connect(m_menus.mnuComPort, &QAction::triggered, this, [this] {
        showProperties(1);
        m_status.showPort(m_platform.link->portNumber(), m_platform.link->settings());
    });
    connect(m_menus.mnuOptionsPreferences, &QAction::triggered, this, [this] { showProperties(2); });
    connect(m_menus.mnuAbout, &QAction::triggered, this, &FrmPacket::showAbout);
    connect(m_menus.mnuNTS, &QAction::triggered, this, &FrmPacket::showNts);
    connect(m_menus.mnuTORMEL, &QAction::triggered, this, &FrmPacket::showTormel);
    m_menus.mnuComPort->setEnabled(m_platform.ports != nullptr);
    m_menus.mnuOptionsPreferences->setEnabled(m_platform.ports != nullptr);
}

void FrmPacket::showClipboard()
{
    m_txtReceived->resetInsertionSize();
    if (!m_clipboard)
        m_clipboard = new FrmClipboard(m_platform, m_session->writer(), *m_help, this);
    m_clipboard->setWindowFlag(Qt::Window);
    m_clipboard->show();
    m_clipboard->raise();
    m_clipboard->activateWindow();
    m_txtReceived->resetInsertionSize();
}

void FrmPacket::showProperties(int tab)
{
    m_globals.gPropertiesTab = tab;
    const bool wasOpen = m_platform.link->isOpen();
    FrmProperties dialog(m_globals, m_platform, *m_platform.ports, *this, *m_help, this);
    dialog.exec();
    if (wasOpen && !m_platform.link->isOpen())
        m_session->noteClosedByOperator(); // a failed port change: no reconnecting behind the operator's back
    applyTerminalPreferences();
}

void FrmPacket::showNts()
{
    if (!m_nts) {
        m_nts = new FrmNTS(m_globals, m_platform, m_session->writer(), this);
        m_nts->setWindowFlag(Qt::Window);
        m_helpKeys->watch(m_nts);
    }
    m_nts->show();
    m_nts->raise();
    m_nts->activateWindow();
}

void FrmPacket::showTormel()
{
    if (!m_tormel) {
        m_tormel = new FrmTORMEL(m_globals, m_platform, m_session->writer(), this);
        m_tormel->setWindowFlag(Qt::Window);
        m_helpKeys->watch(m_tormel);
    }
    m_tormel->show();
    m_tormel->raise();
    m_tormel->activateWindow();
}

void FrmPacket::showAbout()
{
    FrmAbout about({m_options.versionMajor, m_options.versionMinor, m_options.versionRevision},
                   *m_platform.sound, *m_platform.prompter, *m_platform.launcher, this);
    about.exec();
}

} // namespace vellicor
