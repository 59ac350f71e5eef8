// The main window's side of the TNC control: its menus, buttons and keys go
// to the TNC control, and the scripts change the window through ScriptHost.
#include "app/FrmPacket.h"

#include "app/ReceiveView.h"
#include "app/SendBoxEdit.h"
#include "terminal/FunctionKeys.h"
#include "tnc/FrmConnect.h"
#include "tnc/FrmTactical.h"
#include "tnc/TncControl.h"
#include "windows/HelpKeyFilter.h"

#include <QApplication>

#include <algorithm>

namespace vellicor {

void FrmPacket::connectTncControl()
{
    m_tnc = new TncControl(m_globals, *this, m_session->writer(), m_platform, m_options.folder, this);
    connect(this, &FrmPacket::startupScriptRequested, m_tnc, [this] { m_tnc->RunScript(QStringLiteral("Start")); });
    connect(this, &FrmPacket::shutdownScriptRequested, m_tnc, [this] { m_tnc->RunScript(QStringLiteral("Shut")); });
    connect(m_menus.mnuOptionsInitStartup, &QAction::triggered, m_tnc, [this] { m_tnc->RunScript(QStringLiteral("Start")); });
    connect(m_menus.mnuOptionsInitShutDown, &QAction::triggered, m_tnc, [this] { m_tnc->RunScript(QStringLiteral("Shut")); });
    connect(m_menus.mnuOptionsInitCustom, &QAction::triggered, m_tnc, &TncControl::runCustomScript);
    connect(m_menus.mnuAutobaud, &QAction::triggered, m_tnc, &TncControl::sendAutobaud);
    connect(m_menus.mnuModePlaceholder, &QAction::triggered, m_tnc, [this] { m_tnc->selectMode(0); });
    for (int i = 0; i < 20; ++i)
        connect(m_menus.MnuChannel[i], &QAction::triggered, m_tnc, [this, i] { m_tnc->switchChannel(i); });
    for (int i = 0; i < 8; ++i)
        connect(m_cmdTNCFunc[i], &QPushButton::clicked, m_tnc, [this, i] { m_tnc->pressButton(i); });
    connect(m_cmdCMD, &QPushButton::clicked, m_tnc, &TncControl::commandMode);
    connect(m_cmdConv, &QPushButton::clicked, m_tnc, &TncControl::converseMode);
    connect(m_txtSent, &SendBoxEdit::functionKey, this, &FrmPacket::pressFunctionKey);
    connect(m_txtReceived, &ReceiveView::functionKey, this, &FrmPacket::pressFunctionKey);
    connect(m_menus.mnuConnect, &QAction::triggered, this, [this] {
        FrmConnect dialog(m_globals, m_options.folder, m_session->writer(), m_platform, *this, this);
        m_helpKeys->watch(&dialog);
        dialog.exec();
    });
    connect(m_menus.mnuTacticalCall, &QAction::triggered, this, &FrmPacket::showTacticalCall);
}

void FrmPacket::pressFunctionKey(int qtKey)
{
    const std::optional<FunctionKeyTarget> target = functionKeyTarget(qtKey);
    if (!target)
        return;
    switch (target->kind) {
    case FunctionKeyTarget::Kind::Command: m_tnc->commandMode(); break;
    case FunctionKeyTarget::Kind::Converse: m_tnc->converseMode(); break;
    case FunctionKeyTarget::Kind::FunctionButton: m_tnc->pressButton(target->button); break;
    }
}

void FrmPacket::showTacticalCall()
{
    if (!m_tactical)
        m_tactical = new FrmTactical(m_session->writer(), this);
    m_tactical->exec();
}

QString FrmPacket::sendBoxText() const
{
    return m_txtSent->text();
}

void FrmPacket::clearSendBox()
{
    m_txtSent->clear();
}

void FrmPacket::focusSendBox()
{
    m_txtSent->setFocus();
}

void FrmPacket::moveCaretToEnd()
{
    m_txtReceived->moveCursor(QTextCursor::End);
}

void FrmPacket::setModeMenuVisible(bool visible)
{
    m_menus.mnuMode->menuAction()->setVisible(visible);
}

void FrmPacket::setModePlaceholderVisible(bool visible)
{
    m_menus.mnuModePlaceholder->setVisible(visible);
}

void FrmPacket::addModeItem(int index, const QString& caption)
{
    removeModeItem(index);
    QAction* item = m_menus.mnuMode->addAction(caption);
    item->setObjectName(QStringLiteral("mnuModeItem"));
    item->setProperty("index", index);
    connect(item, &QAction::triggered, m_tnc, [this, index] { m_tnc->selectMode(index); });
    m_modeItems.insert(index, item);
}

void FrmPacket::removeModeItem(int index)
{
    // Gone from the menu at once, also during a pause of the script that
    // removes it; deleted once the event that may be running it is over.
    if (QAction* item = m_modeItems.take(index)) {
        m_menus.mnuMode->removeAction(item);
        item->deleteLater();
    }
    if (m_modeItems.isEmpty())
        return;
    for (QAction* remaining : std::as_const(m_modeItems))
        m_menus.mnuMode->removeAction(remaining), m_menus.mnuMode->addAction(remaining);
}

std::optional<QString> FrmPacket::modeItemCaption(int index) const
{
    if (index == 0)
        return m_menus.mnuModePlaceholder->text();
    if (const QAction* item = m_modeItems.value(index))
        return item->text();
    return std::nullopt;
}

void FrmPacket::setFunctionButton(int index, const QString& caption, const QString& tip, bool visible)
{
    if (index < 0 || index >= 8)
        return;
    m_cmdTNCFunc[index]->setText(caption);
    m_cmdTNCFunc[index]->setToolTip(tip);
    m_cmdTNCFunc[index]->setVisible(visible);
    m_lblTNCFunc[index]->setVisible(visible);
}

void FrmPacket::arrangeReceivePane(bool buttonRowShown)
{
    // The button row sits above the receive pane and carries every captioned
    // button, also when button 0 has none; without buttons the pane starts at
    // the top of the window.
    const bool anyButton = std::any_of(m_cmdTNCFunc.begin(), m_cmdTNCFunc.end(),
                                       [](const QPushButton* button) { return !button->isHidden(); });
    m_functionRow->setVisible(buttonRowShown || anyButton);
}

void FrmPacket::showChannelItem(int index, const QString& caption)
{
    if (index < 0 || index >= 20)
        return;
    m_menus.MnuChannel[index]->setText(caption);
    m_menus.MnuChannel[index]->setVisible(true);
}

void FrmPacket::setBusy(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else if (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

} // namespace vellicor
