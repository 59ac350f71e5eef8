#pragma once

#include "windows/WindowsGlobals.h"
#include "platform/api/Platform.h"
#include "platform/api/PortMap.h"
#include "windows/PaneColorsHost.h"
#include "windows/PropertiesLogic.h"

#include <QDialog>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace vellicor {

class HelpFacility;

// frmProperties, "Properties": the port, line settings, flow control and
// echo on the Communications tab; line length, word-out and the five pane
// colours on the Preferences tab. Created for each showing and shown modal;
// it opens on the tab numbered gPropertiesTab.
class FrmProperties : public QDialog {
    Q_OBJECT
public:
    FrmProperties(PropertiesGlobals& globals, const Platform& platform, PortMap& ports, PaneColorsHost& panes,
                  HelpFacility& help, QWidget* parent = nullptr);

    // Fills the lists and sets the Communications tab from the live port.
    void LoadPropertySettings();

    int flowChoice() const { return m_flowChoice; }
    bool echoChoice() const { return m_echoChoice; }

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    QWidget* buildCommunicationsTab();
    QWidget* buildPortRow();
    QWidget* buildConnectionFrame();
    QWidget* buildFlowAndEcho();
    QWidget* buildPreferencesTab();
    QWidget* buildColorsFrame();
    QMenuBar* buildMenu();
    void fillLists();
    void selectTab(int tab);
    void showDeviceOfChosenPort();
    void onDeviceEdited(const QString& device);
    void onSelectColor();
    void onOk();
    void storeTerminalPreferences();
    PropertiesEntries entries() const;

    PropertiesGlobals& m_globals;
    SettingsStore& m_settings;
    SerialLink& m_link;
    const SerialDeviceScan* m_devices;
    HelpFacility& m_help;
    PropertiesLogic m_logic;
    int m_flowChoice = 0;
    bool m_echoChoice = false;

    QTabWidget* m_tabSettings = nullptr;
    QComboBox* m_cboPort = nullptr;
    QComboBox* m_cboDevice = nullptr;
    QComboBox* m_cboSpeed = nullptr;
    QComboBox* m_cboDataBits = nullptr;
    QComboBox* m_cboParity = nullptr;
    QComboBox* m_cboStopBits = nullptr;
    QButtonGroup* m_optFlow = nullptr;
    QButtonGroup* m_optEcho = nullptr;
    QLineEdit* m_txtMaxLineLength = nullptr;
    QCheckBox* m_chkWordOut = nullptr;
    QLineEdit* m_txtScrollbackLines = nullptr;
    QCheckBox* m_chkReconnect = nullptr;
    QButtonGroup* m_optColor = nullptr;
    QPushButton* m_cmdSelectColor = nullptr;
    QPushButton* m_cmdOK = nullptr;
    QPushButton* m_cmdCancel = nullptr;
};

} // namespace vellicor
