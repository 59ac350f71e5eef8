#pragma once

#include "terminal/TerminalGlobals.h"
#include "platform/api/Beeper.h"
#include "platform/api/Prompter.h"
#include "platform/api/SerialLink.h"
#include "terminal/StatusClock.h"
#include "terminal/StatusPanels.h"
#include "terminal/TncWriter.h"

#include <QObject>
#include <QTimer>

namespace vellicor {

// The session with the TNC over the one link: opening it on activation,
// port events and line errors, the watchdog that closes a link whose TNC went
// away, and Restart Port. It reports to the window by signals only.
//
// A link that is still connecting when opened says so in the status panel;
// when the connection is made or fails, the open that started it ends as an
// open that had answered at once would have.
class PortSession : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 kMaxChunk = 64 * 1024;
    static constexpr int kWatchdogMs = 8000;
    static constexpr int kReconnectMs = 5000;

    PortSession(SerialLink& link, TerminalGlobals& globals, StatusPanels& status, StatusClock& clock,
                Prompter& prompter, Beeper& beeper, QObject* parent = nullptr);

    TncWriter& writer() { return m_writer; }
    SerialLink& link() { return m_link; }

    // Activation of the main window: opens the link when it is to be used;
    // true when the start-up script is to run now. For a link still
    // connecting, startupScriptDue follows once it is up with CTS asserted.
    bool activate();
    void handlePortEvent(int number);
    void watchdogTick();
    void restartPort();
    void startWatchdog() { m_watchdog.start(); }
    bool restartVisible() const { return !m_link.isOpen() && !m_link.isConnecting(); }
    int errorCount() const { return m_errorCount; }

    // Automatic reconnection: while on, a port that the watchdog closed or
    // whose link went away is restarted every 5 seconds. A port the operator
    // gave up (Cancel after the 11th error, a failed port change) is left alone.
    void setReconnect(bool on);
    bool reconnectPending() const { return m_reconnectTimer.isActive(); }
    void reconnectTick();
    void noteClosedByOperator();

signals:
    void startupScriptDue();
    void received(const QString& chunk);
    void receiveIndicatorOn();
    void restartVisibleChanged(bool visible);

private:
    // What started the connection being made, so that its end can finish it.
    enum class Attempt { Other, Activation, Restart, Reconnect };

    bool openedAtActivation();
    void showOpenFailure(const PortFailure& failure);
    void showReconnectWaiting();
    void onConnecting(const QString& peer);
    void onConnectEnded(const std::optional<PortFailure>& failure);
    void onHandshakingInForce(int mode);
    void readChunk();
    void showError(const QString& text);
    void onLinkLost();
    void updateRestartButton();
    void closedByTheLink();

    SerialLink& m_link;
    TerminalGlobals& m_globals;
    StatusPanels& m_status;
    StatusClock& m_clock;
    Prompter& m_prompter;
    Beeper& m_beeper;
    TncWriter m_writer;
    QTimer m_watchdog;
    QTimer m_reconnectTimer;
    bool m_reconnect = false;
    bool m_closedByOperator = false;
    int m_errorCount = 0;
    bool m_readScheduled = false;
    bool m_inErrorBox = false;
    Attempt m_attempt = Attempt::Other;
    QString m_statusBeforeConnecting;
    QString m_connectingText;
    bool m_handshakingShown = false;
};

} // namespace vellicor
