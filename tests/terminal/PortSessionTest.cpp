#include "Fakes.h"
#include "terminal/PortSession.h"
#include "terminal/Windows1252.h"

#include <QSignalSpy>
#include <QTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {

// A session over fakes, as the main window builds it.
struct Session {
    Session() { globals.gCommPort = 2; }
    FakeLink link;
    Globals globals;
    StatusPanels status;
    FakeClock clock;
    StatusClock timers{status, clock};
    FakePrompter prompter;
    FakeBeeper beeper;
    PortSession session{link, globals, status, timers, prompter, beeper};

    QString statusText() const { return status.text(StatusPanels::kStatus); }
    void raiseErrors(int count, int number = PortEvents::kFraming)
    {
        for (int i = 0; i < count; ++i)
            link.raise(number);
    }
};

QByteArray allBytes(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i % 251 + (i / 251) % 5); // every value, no period of 64 KiB
    return bytes;
}

} // namespace

// The port session: activation, port events and line errors, received data,
// the watchdog and Restart Port, and a link that goes away.
class PortSessionTest : public QObject {
    Q_OBJECT
private slots:
    void showsPortEvents_data();
    void showsPortEvents();
    void ignoredEventsChangeNothingButStartTheClock();
    void eleventhErrorAsksAndOkKeepsThePort();
    void eleventhErrorCancelClosesThePort();
    void statusResetRestartsTheErrorCount();
    void errorsDuringTheQuestionDoNotAskAgain();
    void eventsDoNotCountAsErrors();

    void receivedDataGoesToThePane();
    void largeBurstIsReadInChunksAcrossEventLoopPasses();
    void receiveEventWithNothingWaiting();

    void firstActivationOpensAndLaterOnesDoNothing();
    void activationLeavesThePortAloneWhilePortNotOk();
    void activationWithoutCtsGivesUpThePort();
    void activationFailuresShowInTheStatusPanel_data();
    void activationFailuresShowInTheStatusPanel();

    void watchdogClosesAPortWithoutCts();
    void watchdogKeepsAHealthyPort();
    void watchdogClosesAPortNotToBeUsed();
    void restartPortReopens();
    void restartPortFailureKeepsTheButton();
    void lostLinkClosesAndStaysClosed();
    void writerRefusesAClosedPort();
};

void PortSessionTest::showsPortEvents_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("error");
    QTest::addColumn<QByteArray>("written");

    const QByteArray none;
    QTest::newRow("3") << 3 << "Change in CTS Detected" << false << none;
    QTest::newRow("4") << 4 << "Change in DSR Detected" << false << none;
    QTest::newRow("5") << 5 << "Change in CD Detected" << false << none;
    QTest::newRow("6") << 6 << "The Phone is Ringing" << false << none;
    QTest::newRow("7") << 7 << "End of File Detected" << false << none;
    QTest::newRow("1001") << 1001 << "Break Received - TNC off or not connected" << true << none;
    QTest::newRow("1002") << 1002 << "CTS Timeout" << true << none;
    QTest::newRow("1003") << 1003 << "DSR Timeout" << true << none;
    QTest::newRow("1004") << 1004 << "Framing Error" << true << none;
    QTest::newRow("1006") << 1006 << "Overrun Error" << true << none;
    QTest::newRow("1007") << 1007 << "Carrier Detect Timeout" << true << none;
    QTest::newRow("1008") << 1008 << "Receive Buffer Overflow" << true << none;
    QTest::newRow("1009") << 1009 << "Parity Error" << true << none;
    QTest::newRow("1010") << 1010 << "Transmit Buffer Full" << true << none;
    QTest::newRow("1011") << 1011 << "Error retrieving DCB" << true << none;
    QTest::newRow("42 unknown") << 42 << "Unknown error or event (42)" << true << QByteArray("\r");
    QTest::newRow("1005 unknown") << 1005 << "Unknown error or event (1005)" << true << QByteArray("\r");
    QTest::newRow("-1 unknown") << -1 << "Unknown error or event (-1)" << true << QByteArray("\r");
    // The link's own failures have numbers of their own and never write a CR.
    for (int number : {PortEvents::kWriteError, PortEvents::kTimeout, PortEvents::kUnsupportedOperation,
                       PortEvents::kLinkError})
        QTest::addRow("link error %d", number) << number << QString() << true << none;
}

void PortSessionTest::showsPortEvents()
{
    QFETCH(int, number);
    QFETCH(QString, text);
    QFETCH(bool, error);
    Session s;
    s.link.open();
    s.link.raise(number);

    QVERIFY(s.statusText().startsWith(QStringLiteral("Status: ")));
    QVERIFY(s.statusText().size() > 8);
    QVERIFY(!s.statusText().contains(QStringLiteral("Unknown")) || text.contains(QStringLiteral("Unknown")));
    if (!text.isEmpty())
        QCOMPARE(s.statusText(), QStringLiteral("Status: ") + text);
    QCOMPARE(s.status.toolTip(StatusPanels::kStatus), s.statusText());
    QCOMPARE(s.beeper.beeps, error ? 1 : 0);
    QCOMPARE(s.session.errorCount(), error ? 1 : 0);
    QTEST(s.link.written, "written");
    QVERIFY(s.timers.statusResetPending());
    QVERIFY(s.timers.clockRunning());
    QVERIFY(s.prompter.prompts.isEmpty());
}

void PortSessionTest::ignoredEventsChangeNothingButStartTheClock()
{
    Session s;
    s.link.open();
    s.link.raise(0);
    s.link.raise(1);
    QCOMPARE(s.statusText(), QStringLiteral("Status:"));
    QCOMPARE(s.beeper.beeps, 0);
    QCOMPARE(s.link.written, QByteArray());
    QVERIFY(!s.timers.statusResetPending());
    QVERIFY(s.timers.clockRunning());
}

void PortSessionTest::eleventhErrorAsksAndOkKeepsThePort()
{
    Session s;
    s.link.open();
    s.raiseErrors(10);
    QCOMPARE(s.beeper.beeps, 10);
    QVERIFY(s.prompter.prompts.isEmpty());
    s.prompter.answers = {PromptAnswer::Ok};
    s.raiseErrors(1);
    QCOMPARE(s.beeper.beeps, 11);
    QCOMPARE(s.prompter.prompts.size(), 1);
    QCOMPARE(s.prompter.prompts[0].text, QStringLiteral("Framing Error"));
    QCOMPARE(s.prompter.prompts[0].title, QStringLiteral("Click Cancel to quit, OK to ignore."));
    QCOMPARE(s.prompter.prompts[0].buttons, PromptButtons::OkCancel);
    QCOMPARE(s.prompter.prompts[0].icon, PromptIcon::None);
    QVERIFY(s.link.isOpen());
    QVERIFY(s.globals.gPortOk);
    QCOMPARE(s.session.errorCount(), 0);
    QCOMPARE(s.statusText(), QStringLiteral("Status: Framing Error"));

    // The count starts again: ten more errors ask nothing, the eleventh asks.
    s.raiseErrors(10);
    QCOMPARE(s.prompter.prompts.size(), 1);
    s.raiseErrors(1, PortEvents::kParity);
    QCOMPARE(s.prompter.prompts.size(), 2);
    QCOMPARE(s.prompter.prompts[1].text, QStringLiteral("Parity Error"));
}

void PortSessionTest::eleventhErrorCancelClosesThePort()
{
    Session s;
    s.link.open();
    QSignalSpy restart(&s.session, &PortSession::restartVisibleChanged);
    s.prompter.answers = {PromptAnswer::Cancel};
    s.raiseErrors(11, PortEvents::kOverrun);
    QCOMPARE(s.prompter.prompts.size(), 1);
    QVERIFY(!s.link.isOpen());
    QVERIFY(!s.globals.gPortOk);
    QCOMPARE(s.session.errorCount(), 0);

    s.session.watchdogTick();
    QCOMPARE(restart.count(), 1);
    QCOMPARE(restart.last().at(0).toBool(), true);
    QVERIFY(s.session.restartVisible());
    // An activation now leaves the port closed.
    QVERIFY(!s.session.activate());
    QVERIFY(!s.link.isOpen());
}

void PortSessionTest::statusResetRestartsTheErrorCount()
{
    Session s;
    s.link.open();
    s.raiseErrors(10);
    s.timers.statusResetTick();
    QCOMPARE(s.session.errorCount(), 0);
    QCOMPARE(s.statusText(), QStringLiteral("Status: "));
    s.raiseErrors(10);
    QVERIFY(s.prompter.prompts.isEmpty());
}

void PortSessionTest::errorsDuringTheQuestionDoNotAskAgain()
{
    Session s;
    s.link.open();
    s.prompter.onShow = [&s] { s.raiseErrors(50); }; // a flood while the box is open
    s.raiseErrors(11);
    QCOMPARE(s.prompter.prompts.size(), 1);
    QVERIFY(s.beeper.beeps <= 11 + 50);
}

void PortSessionTest::eventsDoNotCountAsErrors()
{
    Session s;
    s.link.open();
    s.raiseErrors(10);
    for (int i = 0; i < 5; ++i)
        s.link.raise(PortEvents::kCtsChanged);
    QCOMPARE(s.session.errorCount(), 10);
    QCOMPARE(s.beeper.beeps, 10);
    QVERIFY(s.prompter.prompts.isEmpty());
}

void PortSessionTest::receivedDataGoesToThePane()
{
    Session s;
    s.link.open();
    QSignalSpy received(&s.session, &PortSession::received);
    QSignalSpy indicator(&s.session, &PortSession::receiveIndicatorOn);
    s.link.receive(QByteArray("W1AW de K1ABC \x80\xFF\r\n"));
    QCOMPARE(received.count(), 1);
    QCOMPARE(received[0][0].toString(), QStringLiteral("W1AW de K1ABC \u20AC\u00FF\r\n"));
    QCOMPARE(indicator.count(), 1);
    QVERIFY(s.timers.clockRunning());
    QCOMPARE(s.statusText(), QStringLiteral("Status:"));
    QCOMPARE(s.beeper.beeps, 0);
}

void PortSessionTest::largeBurstIsReadInChunksAcrossEventLoopPasses()
{
    Session s;
    s.link.open();
    QSignalSpy received(&s.session, &PortSession::received);
    const QByteArray burst = allBytes(200 * 1024 + 17);
    s.link.receive(burst);
    // The first chunk is read at once, the rest on later passes of the event loop.
    QCOMPARE(received.count(), 1);
    QCOMPARE(received[0][0].toString().size(), PortSession::kMaxChunk);
    QTRY_COMPARE(received.count(), 4);
    QString all;
    for (const QList<QVariant>& chunk : std::as_const(received)) {
        QVERIFY(chunk[0].toString().size() <= PortSession::kMaxChunk);
        all += chunk[0].toString();
    }
    QCOMPARE(encodeWindows1252(all), burst);
    QCOMPARE(s.link.bytesAvailable(), 0);
    QTest::qWait(0);
    QCOMPARE(received.count(), 4);
}

void PortSessionTest::receiveEventWithNothingWaiting()
{
    Session s;
    s.link.open();
    QSignalSpy received(&s.session, &PortSession::received);
    s.link.raise(PortEvents::kDataReceived);
    QCOMPARE(received.count(), 0);
    QVERIFY(s.timers.clockRunning());
}

void PortSessionTest::firstActivationOpensAndLaterOnesDoNothing()
{
    Session s;
    s.globals.gCommPort = 3;
    QVERIFY(s.session.activate()); // runs the start-up script
    QVERIFY(s.link.isOpen());
    QCOMPARE(s.link.portNumber(), 3);
    QCOMPARE(s.status.text(StatusPanels::kComPort), QStringLiteral("Com Port: 3"));
    QCOMPARE(s.status.text(StatusPanels::kSettings), QStringLiteral("Settings: 9600,n,8,1"));

    s.status.SetStatusText(QStringLiteral("Status: something"));
    s.status.setPanel(StatusPanels::kComPort, QStringLiteral("marker"));
    for (int i = 0; i < 3; ++i)
        QVERIFY(!s.session.activate());
    QCOMPARE(s.link.openCount, 1);
    QCOMPARE(s.statusText(), QStringLiteral("Status: something"));
    QCOMPARE(s.status.text(StatusPanels::kComPort), QStringLiteral("marker"));
}

void PortSessionTest::activationLeavesThePortAloneWhilePortNotOk()
{
    Session s;
    s.globals.gPortOk = false;
    QVERIFY(!s.session.activate());
    QCOMPARE(s.link.openCount, 0);
    QCOMPARE(s.statusText(), QStringLiteral("Status:"));
}

void PortSessionTest::activationWithoutCtsGivesUpThePort()
{
    Session s;
    s.link.ctsAsserted = false;
    QVERIFY(!s.session.activate());
    QCOMPARE(s.statusText(), QStringLiteral("TNC is off or not connected properly"));
    QCOMPARE(s.status.toolTip(StatusPanels::kStatus), QStringLiteral("TNC is off or not connected properly"));
    QVERIFY(!s.globals.gPortOk);
    QVERIFY(s.link.isOpen()); // until the watchdog closes it
    QCOMPARE(s.status.text(StatusPanels::kComPort), QStringLiteral("Com Port:"));
}

void PortSessionTest::activationFailuresShowInTheStatusPanel_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("status");
    QTest::newRow("not open") << int(PortFailures::kNotOpen) << "Port not open"
                              << "TNC is off, or not connected to the proper port.";
    QTest::newRow("needs open port") << int(PortFailures::kNeedsOpenPort) << "Needs open port"
                                     << "TNC is off, or not connected to the proper port.";
    QTest::newRow("permission") << int(PortFailures::kPermissionDenied)
                                << "Permission denied (is your user in the dialout group?)"
                                << "Error 8015: Permission denied (is your user in the dialout group?)";
    QTest::newRow("no device") << int(PortFailures::kDeviceNotFound) << "No such file or directory"
                               << "Error 8002: No such file or directory";
    QTest::newRow("refused") << int(PortFailures::kConnectFailed) << "Connection refused"
                             << "Error 8023: Connection refused";
}

void PortSessionTest::activationFailuresShowInTheStatusPanel()
{
    QFETCH(int, number);
    QFETCH(QString, description);
    Session s;
    s.link.failOpen = PortFailure{number, description};
    QVERIFY(!s.session.activate());
    QVERIFY(!s.link.isOpen());
    QTEST(s.statusText(), "status");
    QCOMPARE(s.status.toolTip(StatusPanels::kStatus), s.statusText());
    QVERIFY(s.globals.gPortOk); // the watchdog decides, not the activation
    QCOMPARE(s.beeper.beeps, 0);
    QVERIFY(s.prompter.prompts.isEmpty());
}

void PortSessionTest::watchdogClosesAPortWithoutCts()
{
    Session s;
    QVERIFY(s.session.activate());
    QSignalSpy restart(&s.session, &PortSession::restartVisibleChanged);
    s.link.ctsAsserted = false; // the TNC is switched off
    s.session.watchdogTick();
    QVERIFY(!s.link.isOpen());
    QVERIFY(!s.globals.gPortOk);
    QCOMPARE(restart.count(), 1);
    QCOMPARE(restart[0][0].toBool(), true);
    QVERIFY(!s.session.activate());
    QCOMPARE(s.link.openCount, 1);
}

void PortSessionTest::watchdogKeepsAHealthyPort()
{
    Session s;
    QVERIFY(s.session.activate());
    QSignalSpy restart(&s.session, &PortSession::restartVisibleChanged);
    s.session.watchdogTick();
    QVERIFY(s.link.isOpen());
    QVERIFY(s.globals.gPortOk);
    QCOMPARE(restart.count(), 1);
    QCOMPARE(restart[0][0].toBool(), false);
    QVERIFY(!s.session.restartVisible());
}

void PortSessionTest::watchdogClosesAPortNotToBeUsed()
{
    Session s;
    s.link.ctsAsserted = false;
    s.session.activate(); // opened, but gPortOk is now false
    s.link.ctsAsserted = true;
    s.session.watchdogTick();
    QVERIFY(!s.link.isOpen());
    QVERIFY(!s.globals.gPortOk);
    QVERIFY(s.session.restartVisible());
}

void PortSessionTest::restartPortReopens()
{
    Session s;
    s.link.ctsAsserted = false;
    s.session.activate();
    s.session.watchdogTick();
    QVERIFY(!s.link.isOpen());

    s.link.ctsAsserted = true;
    s.status.SetStatusText(QStringLiteral("TNC is off or not connected properly"));
    QSignalSpy restart(&s.session, &PortSession::restartVisibleChanged);
    s.session.restartPort();
    QVERIFY(s.link.isOpen());
    QVERIFY(s.globals.gPortOk);
    QCOMPARE(s.statusText(), QStringLiteral("Status: "));
    QCOMPARE(restart.count(), 1);
    QCOMPARE(restart[0][0].toBool(), false);
    s.session.watchdogTick();
    QVERIFY(s.link.isOpen());
}

void PortSessionTest::restartPortFailureKeepsTheButton()
{
    Session s;
    s.globals.gPortOk = false;
    s.link.failOpen = PortFailure{PortFailures::kDeviceNotFound, QStringLiteral("gone")};
    QSignalSpy restart(&s.session, &PortSession::restartVisibleChanged);
    s.session.restartPort();
    QVERIFY(!s.link.isOpen());
    QCOMPARE(restart.count(), 1);
    QCOMPARE(restart[0][0].toBool(), true);
    QCOMPARE(s.prompter.prompts.size(), 0);
}

void PortSessionTest::lostLinkClosesAndStaysClosed()
{
    Session s;
    QVERIFY(s.session.activate());
    QSignalSpy restart(&s.session, &PortSession::restartVisibleChanged);
    s.link.loseLink();
    QVERIFY(!s.link.isOpen());
    QVERIFY(!s.globals.gPortOk);
    QCOMPARE(s.session.writer().SendToTnc(QStringLiteral("X"))->number, PortFailures::kNeedsOpenPort);
    QVERIFY(!s.session.activate());
    QCOMPARE(s.link.openCount, 1);
    s.session.watchdogTick();
    QVERIFY(!restart.isEmpty());
    QCOMPARE(restart.last()[0].toBool(), true);
    QVERIFY(s.prompter.prompts.isEmpty());

    // Losing it again while closed does no harm.
    s.link.loseLink();
    QVERIFY(!s.link.isOpen());
}

void PortSessionTest::writerRefusesAClosedPort()
{
    FakeLink link;
    TncWriter writer(link);
    QSignalSpy sent(&writer, &TncWriter::sent);
    const PortResult closed = writer.SendToTnc(QStringLiteral("CONV\r"));
    QVERIFY(closed.has_value());
    QCOMPARE(closed->number, PortFailures::kNeedsOpenPort);
    QCOMPARE(link.written, QByteArray());
    link.open();
    QVERIFY(!writer.SendToTnc(QStringLiteral("\x03")));
    QVERIFY(!writer.SendToTnc(QStringLiteral("CONV\r")));
    QVERIFY(!writer.SendToTnc(QString()));
    QCOMPARE(link.written, QByteArray("\x03" "CONV\r"));
    QCOMPARE(sent.count(), 2);
}

QTEST_MAIN(PortSessionTest)
#include "PortSessionTest.moc"
