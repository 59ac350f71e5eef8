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
    // The port as the operator can tell it, and the Status panel.
    QString state() const
    {
        QString port = link.isOpen() ? QStringLiteral("open") : QStringLiteral("closed");
        if (link.isConnecting())
            port = QStringLiteral("connecting");
        if (!globals.gPortOk)
            port += QStringLiteral(", given up");
        if (session.reconnectPending())
            port += QStringLiteral(", reconnecting");
        return port + QStringLiteral(" | ") + statusText();
    }
    void raise(int count, int number = PortEvents::kFraming)
    {
        for (int i = 0; i < count; ++i)
            link.raise(number);
    }
};

} // namespace

// The port session: port events and line errors, received data, activation,
// the watchdog and Restart Port, a link that goes away; and the UTC clock and
// status reset timer of the status bar.
class PortSessionTest : public QObject {
    Q_OBJECT
private slots:
    void showsPortEvents_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text"); // empty: the event is ignored
        QTest::addColumn<bool>("error");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("0") << 0 << QString() << false << QByteArray();
        QTest::newRow("1") << 1 << QString() << false << QByteArray();
        QTest::newRow("3") << 3 << "Change in CTS Detected" << false << QByteArray();
        QTest::newRow("1001") << 1001 << "Break Received - TNC off or not connected" << true << QByteArray();
        QTest::newRow("1004") << 1004 << "Framing Error" << true << QByteArray();
        QTest::newRow("link error") << int(PortEvents::kWriteError) << "Write Error - TNC not accepting data" << true
                                    << QByteArray();
        QTest::newRow("42 unknown") << 42 << "Unknown error or event (42)" << true << QByteArray("\r");
        // Each event and error the link knows has a text of its own ("*") and leaves the TNC alone.
        for (int known : {4, 5, 6, 7, 1002, 1003, 1006, 1007, 1008, 1009, 1010, 1011, 1102, 1103, 1104})
            QTest::addRow("%d", known) << known << "*" << (known > 1000) << QByteArray();
    }

    void showsPortEvents()
    {
        QFETCH(int, number);
        QFETCH(QString, text);
        QFETCH(bool, error);
        Session s;
        s.link.open();
        s.link.raise(number);
        if (text == u"*")
            QVERIFY2(s.statusText().size() > 8 && !s.statusText().contains(u"Unknown"), qPrintable(s.statusText()));
        else
            QCOMPARE(s.statusText(), text.isEmpty() ? QStringLiteral("Status:") : QStringLiteral("Status: ") + text);
        QCOMPARE(std::pair(s.beeper.beeps, s.session.errorCount()), std::pair(int(error), int(error)));
        QTEST(s.link.written, "written");
        QCOMPARE(s.timers.statusResetPending(), !text.isEmpty());
        QVERIFY(s.timers.clockRunning()); // every event starts the clock
    }

    void eleventhErrorAsks_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("OK keeps the port") << false;
        QTest::newRow("Cancel closes the port") << true;
    }

    // Only errors count, and the status reset counts again from zero. The
    // eleventh asks, once however many come while the box is open, and every
    // one beeps. Cancel gives the port up, and reconnection leaves it alone
    // until the operator restarts it; OK keeps it and counts again from zero.
    void eleventhErrorAsks()
    {
        QFETCH(bool, cancel);
        Session s;
        QVERIFY(s.session.activate());
        s.session.setReconnect(true);
        s.raise(10);
        s.raise(5, PortEvents::kCtsChanged);
        QCOMPARE(s.session.errorCount(), 10);
        s.timers.statusResetTick();
        QCOMPARE(s.session.errorCount(), 0);
        QCOMPARE(s.statusText(), QStringLiteral("Status: "));
        s.raise(10);
        QVERIFY(s.prompter.prompts.isEmpty());
        s.prompter.answers = {cancel ? PromptAnswer::Cancel : PromptAnswer::Ok};
        s.prompter.onShow = [&s] { s.raise(50); }; // a flood while the box is open
        s.raise(1, PortEvents::kOverrun);
        QCOMPARE(s.beeper.beeps, 10 + 10 + 1 + 50);
        QCOMPARE(s.prompter.prompts.size(), 1);
        const test::Prompt& box = s.prompter.prompts[0];
        QCOMPARE(box.title + QStringLiteral(": ") + box.text,
                 QStringLiteral("Click Cancel to quit, OK to ignore.: Overrun Error"));
        QCOMPARE(box.buttons, PromptButtons::OkCancel);
        QCOMPARE(s.session.errorCount(), 0);
        s.prompter.onShow = nullptr;
        s.session.watchdogTick();
        QCOMPARE(s.state(), cancel ? QStringLiteral("closed, given up | Status: Framing Error") // the flood's last
                                   : QStringLiteral("open | Status: Framing Error"));
        if (cancel) { // the operator's own restart brings reconnection back
            s.session.restartPort();
            s.link.loseLink();
            QVERIFY(s.session.reconnectPending());
        } else { // the next eleventh error asks again
            s.raise(10);
            QCOMPARE(s.prompter.prompts.size(), 1);
            s.raise(1);
            QCOMPARE(s.prompter.prompts.size(), 2);
        }
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
        QCOMPARE(std::pair(received.count(), indicator.count()), (std::pair<qsizetype, qsizetype>(1, 1)));
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
        QVERIFY(!s.session.activate() && !s.session.activate());
        QCOMPARE(s.link.openCount, 1);
        QCOMPARE(s.statusText(), QStringLiteral("Status: something"));
        QCOMPARE(s.status.text(StatusPanels::kComPort), QStringLiteral("marker"));
    }

    // An open that fails shows why in the Status panel. A link still
    // connecting when opened (a TCP TNC) says so; meanwhile activations, the
    // watchdog and Restart Port leave it alone, and its end finishes the open
    // that started it as an answer at once would have.
    void openingEndsInTheStatusPanel_data()
    {
        QTest::addColumn<QString>("start"); // activation, Restart Port or reconnection
        QTest::addColumn<bool>("later");    // the link is still connecting when opened
        QTest::addColumn<int>("failure");   // 0: opened
        QTest::addColumn<bool>("cts");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("portOk");
        QTest::addColumn<bool>("startup");
        const QString absent = QStringLiteral("TNC is off, or not connected to the proper port.");
        const QString noCts = QStringLiteral("TNC is off or not connected properly");
        const QString waiting = QStringLiteral("Status: The TNC link is down; trying again every 5 seconds");
        QTest::newRow("activation without CTS") << "activate" << false << 0 << false << noCts << false << false;
        QTest::newRow("activation, not open") << "activate" << false << 8012 << true << absent << true << false;
        QTest::newRow("activation, needs open") << "activate" << false << 8018 << true << absent << true << false;
        QTest::newRow("activation, refused") << "activate" << false << 8015 << true
                                             << "Error 8015: Socket operation timed out" << true << false;
        QTest::newRow("activation, up later") << "activate" << true << 0 << true << "Status:" << true << true;
        QTest::newRow("activation, up later, no CTS") << "activate" << true << 0 << false << noCts << false << false;
        QTest::newRow("activation, failed later") << "activate" << true << 8023 << true
                                                  << "Error 8023: Socket operation timed out" << true << false;
        QTest::newRow("Restart Port, up") << "restart" << true << 0 << true << "Status: " << true << false;
        QTest::newRow("Restart Port, failed") << "restart" << true << 8023 << true << "Status: " << true << false;
        QTest::newRow("reconnection, up") << "reconnect" << true << 0 << true << "Status: " << true << false;
        QTest::newRow("reconnection, failed") << "reconnect" << true << 8023 << true << waiting << true << false;
    }

    void openingEndsInTheStatusPanel()
    {
        QFETCH(QString, start);
        QFETCH(bool, later);
        QFETCH(int, failure);
        QFETCH(bool, cts);
        Session s;
        s.link.connectsLater = later;
        s.link.ctsAsserted = cts;
        const PortFailure why{failure, QStringLiteral("Socket operation timed out")};
        const PortResult failed = failure ? PortResult(why) : std::nullopt;
        if (!later)
            s.link.failOpen = failed;
        QSignalSpy due(&s.session, &PortSession::startupScriptDue);
        QSignalSpy restart(&s.session, &PortSession::restartVisibleChanged);
        bool startupAtOnce = false;
        if (start == u"activate") {
            startupAtOnce = s.session.activate();
        } else if (start == u"restart") {
            s.session.restartPort();
        } else {
            s.session.setReconnect(true);
            s.session.watchdogTick(); // closed without CTS: reconnection starts
            s.session.reconnectTick();
        }
        if (later) {
            const QString connecting = (start == u"reconnect" ? QStringLiteral("connecting, reconnecting")
                                                                : QStringLiteral("connecting"))
                + QStringLiteral(" | Status: Connecting to 127.0.0.1:8001...");
            QCOMPARE(s.state(), connecting);
            QVERIFY(!s.session.activate());
            s.session.watchdogTick();
            s.session.restartPort();
            s.session.reconnectTick();
            QCOMPARE(s.state(), connecting);
            QCOMPARE(restart.last()[0].toBool(), false);
            QCOMPARE(due.count(), 0);
            s.link.finishConnecting(failed);
            QCOMPARE(restart.last()[0].toBool(), failure != 0);
            QCOMPARE(s.session.reconnectPending(), start == u"reconnect" && failure);
            QCOMPARE(s.link.openCount, failure ? 0 : 1);
        }
        QTEST(s.statusText(), "status");
        QCOMPARE(s.status.toolTip(StatusPanels::kStatus), s.statusText());
        QTEST(s.globals.gPortOk, "portOk");
        QFETCH(bool, startup);
        QCOMPARE(due.count() + int(startupAtOnce), startup ? 1 : 0);
        QCOMPARE(s.beeper.beeps, 0);
        QVERIFY(s.prompter.prompts.isEmpty());
        if (!later) {
            s.link.ctsAsserted = true;
            s.session.watchdogTick(); // also closes a port given up without CTS
            QVERIFY(!s.link.isOpen());
        }
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

    // A lost link stays closed until Restart Port; with automatic
    // reconnection it comes back by itself. Nothing is written meanwhile.
    void lostLinkStaysClosedUnlessReconnectionIsOn()
    {
        Session s;
        QVERIFY(s.session.activate());
        s.link.loseLink();
        QVERIFY(!s.session.activate());
        s.session.watchdogTick();
        QCOMPARE(s.state(), QStringLiteral("closed, given up | Status: Change in CTS Detected")); // not reconnecting
        s.link.loseLink(); // again, while closed: no harm
        QCOMPARE(s.link.openCount, 1);

        s.session.restartPort();
        s.session.setReconnect(true);
        s.link.failOpen = PortFailure{PortFailures::kConnectFailed, QStringLiteral("Connection refused")};
        s.link.loseLink();
        QVERIFY(s.session.reconnectPending());
        s.session.reconnectTick();
        QCOMPARE(s.state(), QStringLiteral("closed, reconnecting | Status: The TNC link is down; "
                                           "trying again every 5 seconds"));
        s.link.failOpen.reset();
        s.session.reconnectTick();
        QCOMPARE(s.state(), QStringLiteral("open | Status: "));

        s.link.ctsAsserted = false; // the watchdog closing the port reconnects too
        s.session.watchdogTick();
        QVERIFY(s.session.reconnectPending() && s.link.written.isEmpty() && s.prompter.prompts.isEmpty());
    }

    void refreshesTheDatePanelWhenTheLocalMinuteChanges_data()
    {
        QTest::addColumn<int>("offsetMinutes"); // local time minus UTC
        QTest::addColumn<QStringList>("ticks"); // UTC
        QTest::addColumn<QStringList>("shown"); // the Date panel after each tick
        QTest::newRow("first tick shows UTC") << -420 << QStringList{"2026-12-05T14:43:59Z"}
                                              << QStringList{"12/05/26  14:43 Z"};
        QTest::newRow("same minute, then the next")
            << -420 << QStringList{"2026-01-02T03:04:10Z", "2026-01-02T03:04:50Z", "2026-01-02T03:05:01Z"}
            << QStringList{"01/02/26  03:04 Z", "01/02/26  03:04 Z", "01/02/26  03:05 Z"};
        QTest::newRow("across midnight") << -420 << QStringList{"2026-12-31T23:59:00Z", "2027-01-01T00:00:00Z"}
                                         << QStringList{"12/31/26  23:59 Z", "01/01/27  00:00 Z"};
        QTest::newRow("started on minute 0 waits")
            << -420 << QStringList{"2026-07-04T15:00:05Z", "2026-07-04T15:01:00Z"}
            << QStringList{"Date", "07/04/26  15:01 Z"};
        QTest::newRow("follows the local minute")
            << 330 << QStringList{"2026-07-04T14:30:00Z", "2026-07-04T15:00:00Z"}
            << QStringList{"Date", "07/04/26  15:00 Z"};
    }

    void refreshesTheDatePanelWhenTheLocalMinuteChanges()
    {
        QFETCH(int, offsetMinutes);
        QFETCH(QStringList, ticks);
        QFETCH(QStringList, shown);
        StatusPanels panels;
        test::FakeClock clock;
        clock.localOffsetSeconds = offsetMinutes * 60;
        StatusClock timers(panels, clock);
        QSignalSpy indicatorOff(&timers, &StatusClock::receiveIndicatorOff);
        for (qsizetype i = 0; i < ticks.size(); ++i) {
            clock.utc = QDateTime::fromString(ticks[i], Qt::ISODate);
            timers.clockTick();
            QCOMPARE(panels.text(StatusPanels::kDate), shown[i]);
            QCOMPARE(panels.toolTip(StatusPanels::kDate), shown[i]);
        }
        QCOMPARE(indicatorOff.count(), ticks.size()); // every tick turns the indicator off
    }

    void timersRunOnceSwitchedOn()
    {
        StatusPanels panels;
        test::FakeClock clock;
        StatusClock timers(panels, clock);
        QSignalSpy indicatorOff(&timers, &StatusClock::receiveIndicatorOff);
        QSignalSpy reset(&timers, &StatusClock::errorCountReset);
        QVERIFY(!timers.clockRunning());
        panels.SetStatusText(QStringLiteral("Status: Framing Error"));
        timers.startClock();
        timers.startStatusReset();
        QVERIFY(reset.wait(10000));
        QCOMPARE(reset.count(), 1);
        QCOMPARE(panels.text(StatusPanels::kStatus), QStringLiteral("Status: "));
        QVERIFY(!timers.statusResetPending() && timers.clockRunning());
        QVERIFY(indicatorOff.count() >= 2); // the clock ticked meanwhile
    }
};

QTEST_MAIN(PortSessionTest)
#include "PortSessionTest.moc"
