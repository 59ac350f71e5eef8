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
    TerminalGlobals globals;
    StatusPanels status;
    FakeClock clock;
    StatusClock timers{status, clock};
    FakePrompter prompter;
    FakeBeeper beeper;
    PortSession session{link, globals, status, timers, prompter, beeper};

    QString statusText() const { return status.text(StatusPanels::kStatus); }
    void raise(int count, int number = PortEvents::kFraming)
    {
        for (int i = 0; i < count; ++i)
            link.raise(number);
    }
};

} // namespace

// The port session: port events and line errors, received data,
// activation, the watchdog and Restart Port, and a link that goes away.
class PortSessionTest : public QObject {
    Q_OBJECT
private slots:
    void showsPortEvents_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text"); // empty: the event is ignored
        QTest::addColumn<bool>("error");
        QTest::addColumn<QByteArray>("written");

        const QByteArray none;
        QTest::newRow("0") << 0 << QString() << false << none;
        QTest::newRow("1") << 1 << QString() << false << none;
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
        // The link's own failures have numbers of their own and never write a CR.
        for (int number : {PortEvents::kWriteError, PortEvents::kTimeout, PortEvents::kUnsupportedOperation,
                           PortEvents::kLinkError})
            QTest::addRow("link error %d", number) << number << "*" << true << none;
    }

    void showsPortEvents()
    {
        QFETCH(int, number);
        QFETCH(QString, text);
        QFETCH(bool, error);
        Session s;
        s.link.open();
        s.link.raise(number);

        if (text.isEmpty())
            QCOMPARE(s.statusText(), QStringLiteral("Status:"));
        else if (text == QLatin1String("*"))
            QVERIFY(s.statusText().startsWith(QStringLiteral("Status: ")) && !s.statusText().contains(QStringLiteral("Unknown")));
        else
            QCOMPARE(s.statusText(), QStringLiteral("Status: ") + text);
        QCOMPARE(s.status.toolTip(StatusPanels::kStatus), s.statusText());
        QCOMPARE(s.beeper.beeps, error ? 1 : 0);
        QCOMPARE(s.session.errorCount(), error ? 1 : 0);
        QTEST(s.link.written, "written");
        QCOMPARE(s.timers.statusResetPending(), !text.isEmpty());
        QVERIFY(s.timers.clockRunning()); // every event starts the clock
        QVERIFY(s.prompter.prompts.isEmpty());
    }

    void eleventhErrorAsks_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("OK keeps the port") << false;
        QTest::newRow("Cancel closes the port") << true;
    }

    void eleventhErrorAsks()
    {
        QFETCH(bool, cancel);
        Session s;
        s.link.open();
        s.raise(10);
        QCOMPARE(s.beeper.beeps, 10);
        QVERIFY(s.prompter.prompts.isEmpty());
        s.prompter.answers = {cancel ? PromptAnswer::Cancel : PromptAnswer::Ok};
        s.raise(1, PortEvents::kOverrun);
        QCOMPARE(s.beeper.beeps, 11);
        QCOMPARE(s.prompter.prompts.size(), 1);
        QCOMPARE(s.prompter.prompts[0].text, QStringLiteral("Overrun Error"));
        QCOMPARE(s.prompter.prompts[0].title, QStringLiteral("Click Cancel to quit, OK to ignore."));
        QCOMPARE(s.prompter.prompts[0].buttons, PromptButtons::OkCancel);
        QCOMPARE(s.prompter.prompts[0].icon, PromptIcon::None);
        QCOMPARE(s.link.isOpen(), !cancel);
        QCOMPARE(s.globals.gPortOk, !cancel);
        QCOMPARE(s.session.errorCount(), 0);

        QSignalSpy restart(&s.session, &PortSession::restartVisibleChanged);
        s.session.watchdogTick();
        QCOMPARE(restart.count(), 1);
        QCOMPARE(restart[0][0].toBool(), cancel);
        if (!cancel) { // the count starts again: the next eleventh error asks again
            s.raise(10);
            QCOMPARE(s.prompter.prompts.size(), 1);
            s.raise(1);
            QCOMPARE(s.prompter.prompts.size(), 2);
        }
    }

    void errorCountRestartsCountsOnlyErrorsAndAsksOnce()
    {
        Session s;
        s.link.open();
        s.raise(10);
        s.raise(5, PortEvents::kCtsChanged);
        QCOMPARE(s.session.errorCount(), 10);
        s.timers.statusResetTick();
        QCOMPARE(s.session.errorCount(), 0);
        QCOMPARE(s.statusText(), QStringLiteral("Status: "));
        s.raise(10);
        QVERIFY(s.prompter.prompts.isEmpty());

        s.prompter.onShow = [&s] { s.raise(50); }; // a flood while the box is open
        s.raise(1);
        QCOMPARE(s.prompter.prompts.size(), 1); // is not asked again
        QCOMPARE(s.beeper.beeps, 10 + 10 + 1 + 50); // but every error beeps
    }

    void largeBurstIsReadInChunksAcrossEventLoopPasses()
    {
        Session s;
        s.link.open();
        QSignalSpy received(&s.session, &PortSession::received);
        QSignalSpy indicator(&s.session, &PortSession::receiveIndicatorOn);
        QByteArray burst(200 * 1024 + 17, Qt::Uninitialized);
        for (int i = 0; i < burst.size(); ++i)
            burst[i] = char(i % 251 + (i / 251) % 5); // every byte value
        s.link.receive(burst);
        // The first chunk is read at once, the rest on later passes of the event loop.
        QCOMPARE(received.count(), 1);
        QCOMPARE(indicator.count(), 1);
        QCOMPARE(received[0][0].toString().size(), PortSession::kMaxChunk);
        QTRY_COMPARE(received.count(), 4);
        QString all;
        for (const QList<QVariant>& chunk : std::as_const(received))
            all += chunk[0].toString();
        QCOMPARE(encodeWindows1252(all), burst);
        QCOMPARE(s.statusText(), QStringLiteral("Status:"));

        s.link.raise(PortEvents::kDataReceived); // nothing waiting: nothing shown
        QCOMPARE(received.count(), 4);
    }

    void activationOpensOnce()
    {
        Session s;
        s.globals.gPortOk = false;
        QVERIFY(!s.session.activate());
        QCOMPARE(s.link.openCount, 0);

        s.globals.gPortOk = true;
        s.globals.gCommPort = 3;
        QVERIFY(s.session.activate()); // true: run the start-up script
        QCOMPARE(s.link.portNumber(), 3);
        QCOMPARE(s.status.text(StatusPanels::kComPort), QStringLiteral("Com Port: 3"));
        QCOMPARE(s.status.text(StatusPanels::kSettings), QStringLiteral("Settings: 9600,n,8,1"));
        QCOMPARE(s.status.toolTip(StatusPanels::kSettings), QStringLiteral("Settings: 9600,n,8,1"));

        s.status.SetStatusText(QStringLiteral("Status: something"));
        s.status.setPanel(StatusPanels::kComPort, QStringLiteral("marker"));
        QVERIFY(!s.session.activate());
        QVERIFY(!s.session.activate());
        QCOMPARE(s.link.openCount, 1);
        QCOMPARE(s.statusText(), QStringLiteral("Status: something"));
        QCOMPARE(s.status.text(StatusPanels::kComPort), QStringLiteral("marker"));
    }

    void activationWithoutCtsGivesUpThePort()
    {
        Session s;
        s.link.ctsAsserted = false;
        QVERIFY(!s.session.activate());
        QCOMPARE(s.statusText(), QStringLiteral("TNC is off or not connected properly"));
        QCOMPARE(s.status.toolTip(StatusPanels::kStatus), s.statusText());
        QVERIFY(!s.globals.gPortOk);
        QVERIFY(s.link.isOpen()); // until the watchdog closes it
        s.link.ctsAsserted = true;
        s.session.watchdogTick();
        QVERIFY(!s.link.isOpen());
        QVERIFY(s.session.restartVisible());
    }

    void activationFailuresShowInTheStatusPanel_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("status");
        const QString absent = QStringLiteral("TNC is off, or not connected to the proper port.");
        QTest::newRow("not open") << 8012 << "Port not open" << absent;
        QTest::newRow("needs open port") << 8018 << "Needs open port" << absent;
        QTest::newRow("permission") << 8015 << "Permission denied (is your user in the dialout group?)"
                                    << "Error 8015: Permission denied (is your user in the dialout group?)";
        QTest::newRow("refused") << 8023 << "Connection refused" << "Error 8023: Connection refused";
    }

    void activationFailuresShowInTheStatusPanel()
    {
        QFETCH(int, number);
        QFETCH(QString, description);
        Session s;
        s.link.failOpen = PortFailure{number, description};
        QVERIFY(!s.session.activate());
        QVERIFY(!s.link.isOpen());
        QTEST(s.statusText(), "status");
        QCOMPARE(s.status.toolTip(StatusPanels::kStatus), s.statusText());
        QCOMPARE(s.beeper.beeps, 0);
        QVERIFY(s.prompter.prompts.isEmpty());
    }

    // A link still connecting when opened (a TCP TNC) says so; meanwhile
    // activations, the watchdog and Restart Port leave it alone, and its end
    // finishes the open that started it as an answer at once would have.
    void connectionBeingMadeEndsAsAnOpenAtOnce_data()
    {
        QTest::addColumn<QString>("start"); // activation, Restart Port or reconnection
        QTest::addColumn<bool>("fails");
        QTest::addColumn<bool>("cts");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("portOk");
        QTest::addColumn<bool>("startup");
        const QString waiting = QStringLiteral("Status: The TNC link is down; trying again every 5 seconds");
        QTest::newRow("activation, up") << "activate" << false << true << "Status:" << true << true;
        QTest::newRow("activation, up without CTS")
            << "activate" << false << false << "TNC is off or not connected properly" << false << false;
        QTest::newRow("activation, failed") << "activate" << true << true << "Error 8023: Socket operation timed out"
                                            << true << false;
        QTest::newRow("Restart Port, up") << "restart" << false << true << "Status: " << true << false;
        QTest::newRow("Restart Port, failed") << "restart" << true << true << "Status: " << true << false;
        QTest::newRow("reconnection, up") << "reconnect" << false << true << "Status: " << true << false;
        QTest::newRow("reconnection, failed") << "reconnect" << true << true << waiting << true << false;
    }

    void connectionBeingMadeEndsAsAnOpenAtOnce()
    {
        QFETCH(QString, start);
        QFETCH(bool, fails);
        QFETCH(bool, cts);
        Session s;
        s.link.connectsLater = true;
        s.link.ctsAsserted = cts;
        QSignalSpy due(&s.session, &PortSession::startupScriptDue);
        QSignalSpy restart(&s.session, &PortSession::restartVisibleChanged);
        if (start == u"activate") {
            QVERIFY(!s.session.activate());
        } else if (start == u"restart") {
            s.session.restartPort();
        } else {
            s.session.setReconnect(true);
            s.session.watchdogTick(); // closed without CTS: reconnection starts
            s.session.reconnectTick();
        }
        QVERIFY(s.link.isConnecting());
        QCOMPARE(s.statusText(), QStringLiteral("Status: Connecting to 127.0.0.1:8001..."));
        QCOMPARE(restart.last()[0].toBool(), false);
        QVERIFY(!s.session.activate());
        s.session.watchdogTick();
        s.session.restartPort();
        s.session.reconnectTick();
        QVERIFY(s.link.isConnecting());
        QVERIFY(s.globals.gPortOk);
        QCOMPARE(restart.last()[0].toBool(), false);
        QCOMPARE(s.statusText(), QStringLiteral("Status: Connecting to 127.0.0.1:8001..."));
        QCOMPARE(due.count(), 0);

        s.link.finishConnecting(fails ? PortResult(PortFailure{PortFailures::kConnectFailed,
                                                               QStringLiteral("Socket operation timed out")})
                                      : std::nullopt);
        QTEST(s.statusText(), "status");
        QCOMPARE(s.status.toolTip(StatusPanels::kStatus), s.statusText());
        QTEST(s.globals.gPortOk, "portOk");
        QFETCH(bool, startup);
        QCOMPARE(due.count(), startup ? 1 : 0);
        QCOMPARE(restart.last()[0].toBool(), fails);
        QCOMPARE(s.session.reconnectPending(), start == u"reconnect" && fails);
        QCOMPARE(s.link.openCount, fails ? 0 : 1);
        QVERIFY(s.prompter.prompts.isEmpty());
    }

    void flowControlInForceIsShownOnce()
    {
        Session s;
        emit s.link.handshakingInForce(2);
        const QString shown = QStringLiteral("Status: Flow control: RTS/CTS only (this port cannot have both "
                                             "RTS/CTS and XON/XOFF)");
        QCOMPARE(s.statusText(), shown);
        s.status.SetStatusText(QStringLiteral("Status: "));
        emit s.link.handshakingInForce(2);
        QCOMPARE(s.statusText(), QStringLiteral("Status: "));
    }

    void watchdogAndRestartPort()
    {
        Session s;
        QVERIFY(s.session.activate());
        QSignalSpy restart(&s.session, &PortSession::restartVisibleChanged);
        s.session.watchdogTick();
        QVERIFY(s.link.isOpen());
        QCOMPARE(restart.takeFirst()[0].toBool(), false);

        s.link.ctsAsserted = false; // the TNC is switched off
        s.session.watchdogTick();
        QVERIFY(!s.link.isOpen());
        QVERIFY(!s.globals.gPortOk);
        QCOMPARE(restart.takeFirst()[0].toBool(), true);
        QVERIFY(!s.session.activate());

        s.link.failOpen = PortFailure{PortFailures::kDeviceNotFound, QStringLiteral("gone")};
        s.session.restartPort(); // failure ignored, the button stays
        QCOMPARE(restart.takeFirst()[0].toBool(), true);

        s.link.failOpen.reset();
        s.link.ctsAsserted = true;
        s.status.SetStatusText(QStringLiteral("TNC is off or not connected properly"));
        s.session.restartPort();
        QVERIFY(s.link.isOpen());
        QVERIFY(s.globals.gPortOk);
        QCOMPARE(s.statusText(), QStringLiteral("Status: "));
        QCOMPARE(restart.takeFirst()[0].toBool(), false);
        QVERIFY(s.prompter.prompts.isEmpty());
    }

    void lostLinkClosesAndStaysClosed()
    {
        Session s;
        QVERIFY(s.session.activate());
        s.link.loseLink();
        QVERIFY(!s.link.isOpen());
        QVERIFY(!s.globals.gPortOk);
        const PortResult write = s.session.writer().SendToTnc(QStringLiteral("X"));
        QCOMPARE(write ? write->number : 0, PortFailures::kNeedsOpenPort);
        QVERIFY(!s.session.activate());
        QCOMPARE(s.link.openCount, 1);
        s.session.watchdogTick();
        QVERIFY(s.session.restartVisible());
        QVERIFY(!s.session.reconnectPending()); // reconnection is off unless chosen
        s.link.loseLink(); // again, while closed: no harm
        QVERIFY(s.prompter.prompts.isEmpty());
        QCOMPARE(s.link.written, QByteArray());
    }

    // Automatic reconnection after the TNC link went away: the start-up
    // script is not run again, and nothing is written.
    void reconnectsAfterTheLinkWentAway()
    {
        Session s;
        QVERIFY(s.session.activate());
        s.session.setReconnect(true);
        s.link.failOpen = PortFailure{PortFailures::kConnectFailed, QStringLiteral("Connection refused")};
        s.link.loseLink();
        QVERIFY(!s.link.isOpen());
        QVERIFY(s.session.reconnectPending());
        s.session.reconnectTick();
        QVERIFY(!s.link.isOpen());
        QCOMPARE(s.statusText(), QStringLiteral("Status: The TNC link is down; trying again every 5 seconds"));

        s.link.failOpen.reset();
        s.session.reconnectTick();
        QVERIFY(s.link.isOpen());
        QVERIFY(s.globals.gPortOk);
        QVERIFY(!s.session.reconnectPending());
        QCOMPARE(s.statusText(), QStringLiteral("Status: "));
        QVERIFY(s.link.written.isEmpty());

        s.link.ctsAsserted = false; // the watchdog closing the port reconnects too
        s.session.watchdogTick();
        QVERIFY(!s.link.isOpen());
        QVERIFY(s.session.reconnectPending());
        s.link.ctsAsserted = true;
        s.session.reconnectTick();
        QVERIFY(s.link.isOpen());
    }

    void reconnectLeavesAPortTheOperatorGaveUpAlone()
    {
        Session s;
        QVERIFY(s.session.activate());
        s.session.setReconnect(true);
        s.prompter.answers = {PromptAnswer::Cancel};
        s.raise(11);
        QVERIFY(!s.link.isOpen());
        s.session.watchdogTick();
        QVERIFY(!s.session.reconnectPending());

        s.session.restartPort(); // the operator's own restart brings reconnection back
        QVERIFY(s.link.isOpen());
        s.link.loseLink();
        QVERIFY(s.session.reconnectPending());
    }
};

QTEST_MAIN(PortSessionTest)
#include "PortSessionTest.moc"
