#include "Fakes.h"
#include "platform/agw/AgwFrame.h"
#include "SilentListener.h"
#include "TestFiles.h"
#include "platform/api/PortMap.h"
#include "platform/qt/QtSerialLink.h"
#include "terminal/PortSession.h"
#include "terminal/Windows1252.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <memory>

using namespace vellicor;
using vellicor::test::everyByte;

namespace {
bool isKnownFailure(const PortResult& result)
{
    return result && (result->number == PortFailures::kAlreadyOpen || result->number == PortFailures::kNotOpen
                      || result->number == PortFailures::kNeedsOpenPort);
}
} // namespace

// The link over a serial-over-TCP server, against a listener in the test.
class TcpLinkTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(m_server.listen(QHostAddress::LocalHost, 0));
        m_ports = PortMap();
        m_ports.setDevice(2, QStringLiteral("tcp://127.0.0.1:%1").arg(m_server.serverPort()));
        m_link = std::make_unique<QtSerialLink>(m_ports);
        QVERIFY(!m_link->setPortNumber(2));
    }

    void cleanup()
    {
        m_engineReader.reset();
        m_terminalText.clear();
        m_reading = false;
        m_link.reset();
        m_server.close();
    }

    void opensOnlyOnceAndRefusesWhileClosed()
    {
        QCOMPARE(m_link->close()->number, PortFailures::kNotOpen);
        QCOMPARE(m_link->read(100), QByteArray());
        QVERIFY(connectLink());
        QCOMPARE(m_link->cts(), std::optional<bool>(true)); // no modem lines: CTS counts as up
        QCOMPARE(m_link->open()->number, PortFailures::kAlreadyOpen);
        QVERIFY(!m_link->close());
        QVERIFY(!m_link->isOpen());
    }

    void bytesGoBothWaysUnchanged()
    {
        QTcpSocket* peer = connectLink();
        QVERIFY(peer);
        QVERIFY(!m_link->write(everyByte()));
        QVERIFY(!m_link->write(QByteArray("CONV\r")));
        QByteArray atServer;
        QTRY_VERIFY((atServer += peer->readAll()).size() >= 261);
        QCOMPARE(atServer, everyByte() + "CONV\r");

        QByteArray received;
        connect(m_link.get(), &SerialLink::portEvent, this, [&](int number) {
            QCOMPARE(number, PortEvents::kDataReceived);
            received += m_link->read(64 * 1024);
        });
        peer->write(everyByte());
        peer->write(everyByte());
        QTRY_COMPARE(received.size(), 512);
        QCOMPARE(received, everyByte() + everyByte());
    }

    void serverClosingLosesTheLinkOnceAndItReopens()
    {
        QTcpSocket* peer = connectLink();
        QVERIFY(peer);
        QSignalSpy lost(m_link.get(), &SerialLink::linkLost);
        peer->close();
        QVERIFY(lost.wait(5000));
        QVERIFY(!m_link->isOpen());
        QCOMPARE(m_link->write("x")->number, PortFailures::kNeedsOpenPort);
        QVERIFY(!lost.wait(100)); // no second report

        QTcpSocket* second = connectLink();
        QVERIFY(second);
        QVERIFY(!m_link->write(QByteArray("\x03")));
        QTRY_COMPARE(second->bytesAvailable(), 1);
        QCOMPARE(lost.count(), 1);
    }

    void sessionGetsEverythingSentBeforeTheServerCloses()
    {
        TerminalGlobals globals;
        globals.gCommPort = 2;
        StatusPanels status;
        test::FakeClock clock;
        StatusClock timers(status, clock);
        test::FakePrompter prompter;
        test::FakeBeeper beeper;
        PortSession session(*m_link, globals, status, timers, prompter, beeper);
        QSignalSpy due(&session, &PortSession::startupScriptDue);
        const bool upAtOnce = session.activate();
        QVERIFY(m_server.waitForNewConnection(5000));
        QVERIFY(upAtOnce || due.wait(5000)); // the start-up script runs once the link is up
        QTcpSocket* peer = m_server.nextPendingConnection();

        QString shown;
        connect(&session, &PortSession::received, this, [&shown](const QString& chunk) { shown += chunk; });
        const QByteArray burst = everyByte().repeated(3000);
        peer->write(burst);
        peer->disconnectFromHost();

        QTRY_VERIFY_WITH_TIMEOUT(!m_link->isOpen(), 10000);
        QVERIFY(!globals.gPortOk);
        QCOMPARE(encodeWindows1252(shown), burst);
        QVERIFY(!session.activate()); // no activation reopens it
        session.watchdogTick();
        QVERIFY(session.restartVisible());
        QVERIFY(prompter.prompts.isEmpty());
    }

    // A far end faster than the program is held back by TCP, not buffered:
    // the link never holds more than its bound, and nothing is lost.
    void aFastSenderIsHeldBackAndNothingIsLost()
    {
        QTcpSocket* peer = connectLink();
        QVERIFY(peer);
        const QByteArray burst = everyByte().repeated(16 * 1024); // 4 MiB
        peer->write(burst);
        QTRY_COMPARE(m_link->bytesAvailable(), QtSerialLink::kReadBufferBytes);
        QTest::qWait(200); // time enough on loopback to take megabytes more
        QCOMPARE(m_link->bytesAvailable(), QtSerialLink::kReadBufferBytes);
        QByteArray received;
        QTRY_VERIFY_WITH_TIMEOUT((received += m_link->read(QtSerialLink::kReadBufferBytes)).size() >= burst.size(), 20000);
        QCOMPARE(received, burst);
    }

    void openFailuresHaveTheirOwnNumbers_data()
    {
        QTest::addColumn<QString>("device"); // %1: a port nothing listens on
        QTest::newRow("nothing listens") << "tcp://127.0.0.1:%1";
        QTest::newRow("no port given") << "tcp://127.0.0.1";
        QTest::newRow("no such device") << "/dev/vellicor-no-such-device%1";
        QTest::newRow("no agw engine") << "agw://127.0.0.1:%1";
        QTest::newRow("agw radio port not a number") << "agw://127.0.0.1:%1/x";
    }

    void openFailuresHaveTheirOwnNumbers()
    {
        QFETCH(QString, device);
        const quint16 port = m_server.serverPort();
        m_server.close();
        m_ports.setDevice(2, device.contains(QLatin1String("%1")) ? device.arg(port) : device);
        PortResult failed = m_link->open();
        if (!failed && m_link->isConnecting())
            failed = failureOfConnection();
        QVERIFY(failed);
        QVERIFY2(!isKnownFailure(failed), qPrintable(QString::number(failed->number)));
        QVERIFY(!failed->description.isEmpty());
        QVERIFY(!m_link->isOpen());
    }

    // A TNC host that does not answer: the open returns while the connection
    // is being made, and the attempt ends as a failed open once it times out.
    void unansweredServerDoesNotHoldTheOpen()
    {
        test::SilentListener silent;
        QVERIFY(silent.silence());
        m_ports.setDevice(2, QStringLiteral("tcp://127.0.0.1:%1").arg(silent.port()));
        m_link->setConnectTimeout(std::chrono::milliseconds(300));
        QSignalSpy connecting(m_link.get(), &SerialLink::connecting);
        QVERIFY(!m_link->open());
        QVERIFY(m_link->isConnecting());
        QVERIFY(!m_link->isOpen());
        QCOMPARE(connecting.count(), 1);
        QCOMPARE(connecting[0][0].toString(), QStringLiteral("127.0.0.1:%1").arg(silent.port()));
        QCOMPARE(m_link->open()->number, PortFailures::kAlreadyOpen);
        QCOMPARE(m_link->setPortNumber(3)->number, PortFailures::kAlreadyOpen);
        QCOMPARE(m_link->write("x")->number, PortFailures::kNeedsOpenPort);
        QCOMPARE(m_link->cts(), std::optional<bool>());

        const PortResult failed = failureOfConnection();
        QVERIFY(failed);
        QCOMPARE(failed->number, PortFailures::kConnectFailed);
        QCOMPARE(failed->description, QStringLiteral("Socket operation timed out"));
        QVERIFY(!m_link->isConnecting());
        QVERIFY(!m_link->isOpen());

        QSignalSpy ended(m_link.get(), &SerialLink::openFailed);
        QVERIFY(!m_link->open()); // given up by close: no report
        QVERIFY(!m_link->close());
        QVERIFY(!m_link->isConnecting());
        QVERIFY(!ended.wait(600));
    }

    void refusesSettingsTheLinkCannotCarry_data()
    {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("seven even") << "4800,E,7,1" << true;
        QTest::newRow("four data bits") << "9600,n,4,1" << false;
        QTest::newRow("one and a half stop bits") << "9600,n,8,1.5" << false;
        QTest::newRow("not settings") << "fast" << false;
    }

    void refusesSettingsTheLinkCannotCarry()
    {
        QFETCH(QString, settings);
        QFETCH(bool, accepted);
        const PortResult result = m_link->setSettings(settings);
        QCOMPARE(result ? result->number : 0, accepted ? 0 : PortFailures::kBadSettings);
        QCOMPARE(m_link->settings(), accepted ? settings : QStringLiteral("9600,n,8,1"));
        QCOMPARE(m_link->setHandshaking(4)->number, PortFailures::kBadSettings);
    }

    void agwEngineGoneIsALostLink_data()
    {
        QTest::addColumn<QByteArray>("last");
        QTest::addColumn<QByteArray>("shown");
        QTest::newRow("closed") << QByteArray() << QByteArray();
        QTest::newRow("not agw") << QByteArray(40, '\xff')
                                 << QByteArray("\r\n*** The AGW engine sent a frame of 4294967295 bytes");
    }

    void agwEngineGoneIsALostLink()
    {
        QFETCH(QByteArray, last);
        QFETCH(QByteArray, shown);
        m_ports.setDevice(2, QStringLiteral("agw://127.0.0.1:%1").arg(m_server.serverPort()));
        QTcpSocket* engine = connectLink();
        QVERIFY(engine);
        QVERIFY(textAtTerminal("cmd:").endsWith("cmd:"));
        QVERIFY(!m_link->write("MYCALL W1AW\r"));
        QCOMPARE(framesAtEngine(engine, 3), QByteArray("RGX"));
        QCOMPARE(textAtTerminal("cmd:"), QByteArray("cmd:"));
        QSignalSpy lost(m_link.get(), &SerialLink::linkLost);
        if (last.isEmpty())
            engine->close();
        else
            engine->write(last);
        QVERIFY(lost.wait(5000));
        QVERIFY(!m_link->isOpen());
        QCOMPARE(m_link->cts(), std::optional<bool>());
        QVERIFY(m_terminalText.startsWith(shown));
        QVERIFY(!lost.wait(100)); // no second report
        QTcpSocket* again = connectLink(); // Restart Port reaches the engine again
        QVERIFY(again);
        m_engineReader.reset();
        QCOMPARE(framesAtEngine(again, 3), QByteArray("RGX")); // and registers MYCALL once more
        QCOMPARE(m_engineFrames.at(2).callFrom, QByteArray("W1AW"));
    }

private:
    // Opens the link and returns the server's end once the link is up.
    QTcpSocket* connectLink()
    {
        const PortResult opened = m_link->open();
        if (opened || !m_server.waitForNewConnection(5000)
            || !QTest::qWaitFor([this] { return m_link->isOpen(); }, 5000))
            return nullptr;
        return m_server.nextPendingConnection();
    }

    // Waits for the connection being made to fail; nothing when it comes up.
    PortResult failureOfConnection()
    {
        PortResult failure;
        bool ended = false;
        const QMetaObject::Connection failed = connect(m_link.get(), &SerialLink::openFailed, this,
                                                       [&](const PortFailure& why) {
                                                           failure = why;
                                                           ended = true;
                                                       });
        const QMetaObject::Connection opened = connect(m_link.get(), &SerialLink::opened, this, [&] { ended = true; });
        if (!QTest::qWaitFor([&ended] { return ended; }, 10000))
            qWarning("the connection did not end");
        disconnect(failed);
        disconnect(opened);
        return failure;
    }

    // Waits for the next `count` frames the engine gets; their kinds, in order.
    QByteArray framesAtEngine(QTcpSocket* engine, int count)
    {
        m_engineFrames.clear();
        QTest::qWaitFor([&] {
            m_engineFrames += m_engineReader.feed(engine->readAll());
            return m_engineFrames.size() >= count;
        }, 5000);
        QByteArray kinds;
        for (const AgwFrame& frame : std::as_const(m_engineFrames))
            kinds += frame.kind;
        return kinds;
    }

    // Waits until the text the link has shown since last asked ends with
    // `ending` and returns it.
    QByteArray textAtTerminal(const QByteArray& ending)
    {
        if (!m_reading) {
            m_reading = true;
            connect(m_link.get(), &SerialLink::portEvent, this, [this] { m_terminalText += m_link->read(1 << 20); });
        }
        m_terminalText += m_link->read(1 << 20);
        QTest::qWaitFor([&] { return m_terminalText.endsWith(ending); }, 5000);
        return std::exchange(m_terminalText, {});
    }

    QTcpServer m_server;
    PortMap m_ports;
    AgwFrameReader m_engineReader;
    QList<AgwFrame> m_engineFrames;
    QByteArray m_terminalText;
    bool m_reading = false;
    std::unique_ptr<QtSerialLink> m_link;
};

QTEST_MAIN(TcpLinkTest)
#include "TcpLinkTest.moc"
