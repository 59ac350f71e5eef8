#include "windows/FrmProperties.h"

#include "terminal/Conversions.h"
#include "terminal/TerminalPreferences.h"

#include "windows/HelpFacility.h"
#include "windows/PropertyLists.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>

namespace vellicor {

FrmProperties::FrmProperties(PropertiesGlobals& globals, const Platform& platform, PortMap& ports,
                             PaneColorsHost& panes, HelpFacility& help, QWidget* parent)
    : QDialog(parent)
    , m_globals(globals)
    , m_settings(*platform.settings)
    , m_link(*platform.link)
    , m_devices(platform.devices)
    , m_help(help)
    , m_logic(globals, *platform.link, *platform.settings, *platform.prompter, *platform.dialogs,
              panes, ports)
{
    setObjectName(QStringLiteral("frmProperties"));
    setWindowTitle(QStringLiteral("Properties"));
    setModal(true);
    buildControls();

    connect(m_optFlow, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            m_flowChoice = id;
    });
    connect(m_optEcho, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            m_echoChoice = id == 1;
    });
    connect(m_cboPort, &QComboBox::currentIndexChanged, this, &FrmProperties::showDeviceOfChosenPort);
    connect(m_cboDevice->lineEdit(), &QLineEdit::textEdited, this, &FrmProperties::onDeviceEdited);
    connect(m_cboDevice, &QComboBox::textActivated, this, &FrmProperties::onDeviceEdited);
    connect(m_cmdSelectColor, &QPushButton::clicked, this, &FrmProperties::onSelectColor);
    connect(m_cmdOK, &QPushButton::clicked, this, &FrmProperties::onOk);
    connect(m_cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    selectTab(m_globals.gPropertiesTab);
    m_txtMaxLineLength->setText(QString::number(m_globals.gMaxLineLength));
    m_chkWordOut->setChecked(m_globals.gWordOut);
    const TerminalPreferences terminal = TerminalPreferences::load(m_settings);
    m_txtScrollbackLines->setText(QString::number(terminal.scrollbackLines));
    m_chkReconnect->setChecked(terminal.reconnect);
    LoadPropertySettings();
}

void FrmProperties::selectTab(int tab)
{
    // Any other number leaves the tabs as they are.
    if (tab == 1 || tab == 2)
        m_tabSettings->setCurrentIndex(tab - 1);
}

void FrmProperties::fillLists()
{
    const QList<QPair<QComboBox*, QStringList>> lists = {
        {m_cboPort, PropertyLists::ports()},
        {m_cboSpeed, PropertyLists::speeds()},
        {m_cboDataBits, PropertyLists::dataBits()},
        {m_cboParity, PropertyLists::parities()},
        {m_cboStopBits, PropertyLists::stopBits()},
    };
    for (const auto& [list, items] : lists) {
        list->clear();
        list->addItems(items);
        list->setCurrentIndex(-1);
    }
    m_cboDevice->clear();
    if (m_devices)
        m_cboDevice->addItems(m_devices->present());
}

void FrmProperties::LoadPropertySettings()
{
    fillLists();
    const CommunicationsSelection selection = PropertyLists::select(
        m_link.settings(), m_link.portNumber(), m_link.handshaking(), m_globals.gLocalEcho);
    m_cboSpeed->setCurrentIndex(selection.speed);
    m_cboParity->setCurrentIndex(selection.parity);
    m_cboDataBits->setCurrentIndex(selection.dataBits);
    m_cboStopBits->setCurrentIndex(selection.stopBits);
    m_cboPort->setCurrentIndex(selection.port);
    showDeviceOfChosenPort();

    // Selecting a button by program counts as a click, so the choices follow;
    // a flow number without a button is kept as it is.
    m_flowChoice = selection.flow;
    if (QAbstractButton* flow = m_optFlow->button(selection.flow))
        flow->setChecked(true);
    m_optEcho->button(selection.echo ? 1 : 0)->setChecked(true);
}

void FrmProperties::showDeviceOfChosenPort()
{
    const int port = m_cboPort->currentIndex() + 1;
    m_cboDevice->setEnabled(port >= 1);
    m_cboDevice->setEditText(port >= 1 ? m_logic.deviceFor(port) : QString());
}

void FrmProperties::onDeviceEdited(const QString& device)
{
    m_logic.editDevice(m_cboPort->currentIndex() + 1, device);
}

void FrmProperties::onSelectColor()
{
    const int target = m_optColor->checkedId();
    if (target >= 1 && target <= 5)
        m_logic.selectColor(static_cast<ColorTarget>(target));
}

PropertiesEntries FrmProperties::entries() const
{
    PropertiesEntries entries;
    entries.portIndex = m_cboPort->currentIndex();
    entries.speed = m_cboSpeed->currentText();
    entries.parity = m_cboParity->currentText();
    entries.dataBits = m_cboDataBits->currentText();
    entries.stopBits = m_cboStopBits->currentText();
    entries.flowChoice = m_flowChoice;
    entries.echoChoice = m_echoChoice;
    entries.maxLineLength = m_txtMaxLineLength->text();
    entries.wordOut = m_chkWordOut->isChecked();
    return entries;
}

void FrmProperties::onOk()
{
    // Nothing of the dialog answers while OK waits for a connection being made.
    setEnabled(false);
    const bool completed = m_logic.ok(entries());
    setEnabled(true);
    if (!completed)
        return;
    storeTerminalPreferences();
    accept();
}

void FrmProperties::storeTerminalPreferences()
{
    // Written only when changed, so an unchanged OK stores just the port and typing keys.
    const TerminalPreferences stored = TerminalPreferences::load(m_settings);
    TerminalPreferences terminal = stored;
    if (const auto lines = Conversions::wholeNumber(m_txtScrollbackLines->text(), 0, 10'000'000))
        terminal.scrollbackLines = static_cast<int>(*lines);
    terminal.reconnect = m_chkReconnect->isChecked();
    if (terminal.scrollbackLines != stored.scrollbackLines || terminal.reconnect != stored.reconnect)
        terminal.store(m_settings);
}

void FrmProperties::reject()
{
    if (isEnabled()) // not while OK waits for a connection being made
        QDialog::reject();
}

void FrmProperties::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!shown)
        return;
    const QRect area = shown->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

} // namespace vellicor
