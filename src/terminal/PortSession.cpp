#include "terminal/PortSession.h"

#include "terminal/PortEventTable.h"
#include "terminal/Windows1252.h"

#include <utility>

namespace vellicor {

namespace {
constexpr int kErrorsBeforeQuestion = 10;
}

PortSession::PortSession(SerialLink& link, TerminalGlobals& globals, StatusPanels& status, StatusClock& clock,
                         Prompter& prompter, Beeper& beeper, QObject* parent)
    : QObject(parent)
    , m_link(link)
    , m_globals(globals)
    , m_status(status)
    , m_clock(clock)
    , m_prompter(prompter)
    , m_beeper(beeper)
    , m_writer(link)
{
    m_watchdog.setInterval(kWatchdogMs);
    connect(&m_watchdog, &QTimer::timeout, this, &PortSession::watchdogTick);
    m_reconnectTimer.setInterval(kReconnectMs);
    connect(&m_reconnectTimer, &QTimer::timeout, this, &PortSession::reconnectTick);
    connect(&m_link, &SerialLink::portEvent, this, &PortSession::handlePortEvent);
    connect(&m_link, &SerialLink::linkLost, this, &PortSession::onLinkLost);
    connect(&m_link, &SerialLink::connecting, this, &PortSession::onConnecting);
    connect(&m_link, &SerialLink::opened, this, [this] { onConnectEnded(std::nullopt); });
    connect(&m_link, &SerialLink::openFailed, this, &PortSession::onConnectEnded);
    connect(&m_link, &SerialLink::handshakingInForce, this, &PortSession::onHandshakingInForce);
    connect(&m_clock, &StatusClock::errorCountReset, this, [this] { m_errorCount = 0; });
}

bool PortSession::activate()
{
    if (!m_globals.gPortOk)
        return false;
    PortResult failure = m_link.setPortNumber(m_globals.gCommPort);
    if (!failure)
        failure = m_link.open();
    if (failure) {
        showOpenFailure(*failure);
        return false;
    }
    if (m_link.isConnecting()) {
        m_attempt = Attempt::Activation;
        return false;
    }
    return openedAtActivation();
}

bool PortSession::openedAtActivation()
{
    if (m_link.cts().value_or(false)) {
        m_status.showPort(m_link.portNumber(), m_link.settings());
        return m_globals.gRunStartupScript;
    }
    m_status.SetStatusText(QStringLiteral("TNC is off or not connected properly"));
    m_globals.gPortOk = false;
    return false;
}

void PortSession::showOpenFailure(const PortFailure& failure)
{
    if (failure.number == PortFailures::kAlreadyOpen)
        return;
    if (failure.number == PortFailures::kNotOpen || failure.number == PortFailures::kNeedsOpenPort)
        m_status.SetStatusText(QStringLiteral("TNC is off, or not connected to the proper port."));
    else
        m_status.SetStatusText(QStringLiteral("Error %1: %2").arg(failure.number).arg(failure.description));
}

void PortSession::onConnecting(const QString& peer)
{
    m_attempt = Attempt::Other; // the caller of open() says what it was for
    m_statusBeforeConnecting = m_status.text(StatusPanels::kStatus);
    m_connectingText = QStringLiteral("Status: Connecting to %1...").arg(peer);
    m_status.SetStatusText(m_connectingText);
    updateRestartButton();
}

void PortSession::onConnectEnded(const std::optional<PortFailure>& failure)
{
    // The status panel shows again what it showed before, unless something
    // else has been shown meanwhile.
    if (m_status.text(StatusPanels::kStatus) == m_connectingText)
        m_status.SetStatusText(m_statusBeforeConnecting);
    const Attempt attempt = std::exchange(m_attempt, Attempt::Other);
    if (attempt == Attempt::Activation && failure)
        showOpenFailure(*failure);
    else if (attempt == Attempt::Activation && openedAtActivation())
        emit startupScriptDue();
    if (attempt == Attempt::Reconnect && failure)
        showReconnectWaiting();
    if (attempt == Attempt::Reconnect && !failure)
        m_reconnectTimer.stop();
    updateRestartButton();
}

void PortSession::onHandshakingInForce(int mode)
{
    if (std::exchange(m_handshakingShown, true))
        return; // said once a run
    const QString inForce = mode == 1 ? QStringLiteral("XON/XOFF") : mode == 2 ? QStringLiteral("RTS/CTS")
                                                                            : QStringLiteral("none");
    m_status.SetStatusText(QStringLiteral("Status: Flow control: %1 only (this port cannot have both "
                                          "RTS/CTS and XON/XOFF)").arg(inForce));
}

void PortSession::handlePortEvent(int number)
{
    const PortEventMeaning meaning = meaningOfPortEvent(number);
    switch (meaning.kind) {
    case PortEventMeaning::Kind::Ignored:
        break;
    case PortEventMeaning::Kind::DataReceived:
        emit receiveIndicatorOn();
        readChunk();
        break;
    case PortEventMeaning::Kind::Event:
        m_status.SetStatusText(QStringLiteral("Status: ") + meaning.text);
        m_clock.startStatusReset();
        break;
    case PortEventMeaning::Kind::Error:
        if (meaning.writesCr)
            m_writer.SendToTnc(QStringLiteral("\r"));
        showError(meaning.text);
        m_clock.startStatusReset();
        break;
    }
    m_clock.startClock();
}

void PortSession::readChunk()
{
    const QByteArray bytes = m_link.read(kMaxChunk);
    if (!bytes.isEmpty())
        emit received(decodeWindows1252(bytes));
    // Whatever is left is read on the next pass of the event loop, so a large
    // burst never holds the window for long.
    if (m_link.isOpen() && m_link.bytesAvailable() > 0 && !m_readScheduled) {
        m_readScheduled = true;
        QTimer::singleShot(0, this, [this] {
            m_readScheduled = false;
            if (m_link.isOpen() && m_link.bytesAvailable() > 0)
                handlePortEvent(PortEvents::kDataReceived);
        });
    }
}

void PortSession::showError(const QString& text)
{
    ++m_errorCount;
    m_status.SetStatusText(QStringLiteral("Status: ") + text);
    m_beeper.beep();
    if (m_inErrorBox)
        return; // errors during the question are counted, shown and beeped, not asked again
    if (m_errorCount <= kErrorsBeforeQuestion)
        return;
    m_inErrorBox = true;
    const PromptAnswer answer = m_prompter.show(text, QStringLiteral("Click Cancel to quit, OK to ignore."),
                                                PromptButtons::OkCancel, PromptIcon::None);
    m_inErrorBox = false;
    if (answer == PromptAnswer::Cancel) {
        m_link.close();
        m_globals.gPortOk = false;
        noteClosedByOperator();
    }
    m_errorCount = 0;
}

void PortSession::onLinkLost()
{
    m_link.close();
    m_globals.gPortOk = false;
    handlePortEvent(PortEvents::kCtsChanged);
    closedByTheLink();
}

void PortSession::watchdogTick()
{
    // A connection being made ends by itself within its timeout; it is left alone.
    if (m_link.isConnecting()) {
        updateRestartButton();
        return;
    }
    if (m_link.isOpen() && !m_globals.gPortOk)
        m_link.close();
    if (!m_link.cts().value_or(false)) {
        m_link.close();
        m_globals.gPortOk = false;
        closedByTheLink();
    }
    updateRestartButton();
}

void PortSession::setReconnect(bool on)
{
    m_reconnect = on;
    if (!on)
        m_reconnectTimer.stop();
}

void PortSession::closedByTheLink()
{
    if (m_reconnect && !m_closedByOperator && !m_reconnectTimer.isActive())
        m_reconnectTimer.start();
}

void PortSession::noteClosedByOperator()
{
    m_closedByOperator = true;
    m_reconnectTimer.stop();
}

void PortSession::reconnectTick()
{
    if (m_link.isConnecting())
        return;
    if (m_link.isOpen() || !m_reconnect || m_closedByOperator) {
        m_reconnectTimer.stop();
        return;
    }
    restartPort();
    if (m_link.isConnecting())
        m_attempt = Attempt::Reconnect;
    else if (m_link.isOpen())
        m_reconnectTimer.stop();
    else
        showReconnectWaiting();
}

void PortSession::showReconnectWaiting()
{
    m_status.SetStatusText(QStringLiteral("Status: The TNC link is down; trying again every 5 seconds"));
}

void PortSession::restartPort()
{
    if (m_link.isConnecting())
        return; // the attempt under way ends first
    m_closedByOperator = false;
    m_status.SetStatusText(QStringLiteral("Status: "));
    m_globals.gPortOk = true;
    m_link.open();
    if (m_link.isConnecting())
        m_attempt = Attempt::Restart;
    updateRestartButton();
}

void PortSession::updateRestartButton()
{
    emit restartVisibleChanged(restartVisible());
}

} // namespace vellicor
