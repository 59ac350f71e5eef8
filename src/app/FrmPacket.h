#pragma once

#include "app/Globals.h"
#include "app/MainMenus.h"
#include "platform/api/Platform.h"
#include "terminal/BoardAnswer.h"
#include "terminal/PaneDocument.h"
#include "terminal/PortSession.h"
#include "terminal/ProgramFolder.h"
#include "terminal/ReceivePane.h"
#include "terminal/SendBox.h"
#include "terminal/SessionLog.h"
#include "terminal/StatusClock.h"
#include "terminal/StatusPanels.h"
#include "tnc/ScriptHost.h"
#include "windows/PaneColorsHost.h"

#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMap>
#include <QPushButton>

#include <array>
#include <chrono>
#include <memory>

namespace vellicor {

class FindBar;
class FrmClipboard;
class FrmNTS;
class FrmTORMEL;
class FrmTactical;
class TncControl;
class HelpFacility;
class HelpKeyFilter;
class ReceiveView;
class SendBoxEdit;
class StationRecord;

// The main window: the program. It owns the link session, the two panes,
// the status bar and the timers, and wires the controls to their rules.
class FrmPacket : public QMainWindow, public PaneColorsHost, public ScriptHost {
    Q_OBJECT
public:
    struct Options {
        QString commandLine;
        ProgramFolder folder = ProgramFolder::standard();
        int versionMajor = 1;
        int versionMinor = 0;
        int versionRevision = 0;
    };

    // Received text streaming in is drawn once a frame, the frames growing
    // from the first to the longest while it keeps coming, so a fast line
    // costs little; text after a quiet spell is drawn at once.
    static constexpr std::chrono::milliseconds kReceiveFirstFrame{50};
    static constexpr std::chrono::milliseconds kReceiveLongestFrame{250};

    FrmPacket(Globals& globals, const Platform& platform, Options options, QWidget* parent = nullptr);
    ~FrmPacket() override;

    // Asks "Exit Vellicor?"; on Yes closes every window, this one last.
    void ConfirmExit();
    // The system ends the program: every window closes without a question,
    // the shut-down script runs and the port closes.
    void closeForSystem();
    // What the TNC scripts change in this window.
    QString caption() const override { return windowTitle(); }
    void setCaption(const QString& caption) override { setWindowTitle(caption); }
    QString sendBoxText() const override;
    void clearSendBox() override;
    void focusSendBox() override;
    void insertAtCaret(const QString& text) override { m_receive->insertAtCaret(text); }
    void moveCaretToEnd() override;
    void setModeMenuVisible(bool visible) override;
    void setModePlaceholderVisible(bool visible) override;
    void addModeItem(int index, const QString& caption) override;
    void removeModeItem(int index) override;
    std::optional<QString> modeItemCaption(int index) const override;
    void setModePanel(const QString& text) override { m_status.setPanel(StatusPanels::kMode, text); }
    void setFunctionButton(int index, const QString& caption, const QString& tip, bool visible) override;
    void arrangeReceivePane(bool buttonRowShown) override;
    void showChannelItem(int index, const QString& caption) override;
    void setStatusText(const QString& text) override { m_status.SetStatusText(text); }
    void setBusy(bool busy) override;

    // The pane colours (0x00BBGGRR), as the Properties dialog changes them.
    quint32 receivedBackColor() const override { return m_receiveBack; }
    void setReceivedBackColor(quint32 color) override;
    quint32 sentBoxForeColor() const override { return m_sendFore; }
    void setSentBoxForeColor(quint32 color) override { setSendBoxColors(color, m_sendBack); }
    quint32 sentBoxBackColor() const override { return m_sendBack; }
    void setSentBoxBackColor(quint32 color) override { setSendBoxColors(m_sendFore, color); }
    void setSendBoxColors(quint32 fore, quint32 back);

signals:
    // The start-up script is to run (an activation opened the port).
    void startupScriptRequested();
    // The window is unloading: the shut-down script is to run now.
    void shutdownScriptRequested();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildPanes();
    void buildStatusBar();
    void connectRules();
    void connectMenus();
    void applyStartup();
    void onActivated();
    bool confirmAndCloseOthers();
    void closeOthers();
    void unload();
    void updateScrollButton();
    void setReceiveIndicator(bool red);
    void showPanel(const QString& key);
    void printSelectedText();
    void connectWindowMenus();
    void showClipboard();
    void showProperties(int tab);
    void showAbout();
    void showNts();
    void showTormel();
    void connectTncControl();
    void pressFunctionKey(int qtKey);
    void showTacticalCall();
    void setUpRecord();
    void applyTerminalPreferences();
    void openLogFolder();
    void setUpReceivedTraffic();
    QString receivedTextToOpen() const;
    void openReceivedAsRadiogram();
    void openReceivedAsAres();

    Globals& m_globals;
    Platform m_platform;
    Options m_options;
    MainMenus m_menus;
    StatusPanels m_status;
    std::unique_ptr<StatusClock> m_clock;
    std::unique_ptr<PortSession> m_session;
    std::unique_ptr<PaneDocument> m_paneDocument;
    std::unique_ptr<ReceivePane> m_receive;
    std::unique_ptr<SendBox> m_sendRules;
    std::unique_ptr<SessionLog> m_log;
    std::unique_ptr<StationRecord> m_record;
    FindBar* m_findBar = nullptr;
    std::unique_ptr<HelpFacility> m_help;
    HelpKeyFilter* m_helpKeys = nullptr;
    FrmClipboard* m_clipboard = nullptr;
    FrmTactical* m_tactical = nullptr;
    FrmNTS* m_nts = nullptr;
    FrmTORMEL* m_tormel = nullptr;
    TncControl* m_tnc = nullptr;
    QMap<int, QAction*> m_modeItems;
    BoardAnswer m_boardAnswer;

    ReceiveView* m_txtReceived = nullptr;
    SendBoxEdit* m_txtSent = nullptr;
    QPushButton* m_cmdCMD = nullptr;
    QPushButton* m_cmdConv = nullptr;
    QPushButton* m_cmdScroll = nullptr;
    QPushButton* m_cmdRestartPort = nullptr;
    QFrame* m_shpInput = nullptr;
    std::array<QPushButton*, 8> m_cmdTNCFunc{};
    std::array<QLabel*, 8> m_lblTNCFunc{};
    QWidget* m_functionRow = nullptr;
    QMap<QString, QLabel*> m_panelLabels;
    bool m_inputRed = false;
    bool m_unloaded = false;
    bool m_shown = false;
    bool m_activatedOnce = false;
    quint32 m_receiveBack = 0;
    quint32 m_sendFore = 0x00FFFF;
    quint32 m_sendBack = 0;
};

} // namespace vellicor
