#include "platform/agw/AgwFrame.h"
#include "SilentListener.h"
#include "TestFiles.h"
#include "platform/api/PortMap.h"
#include "platform/qt/QtSerialLink.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <memory>

using namespace vellicor;
using vellicor::test::everyByte;

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
        m_link.reset();
        m_server.close();
    }

    // Refused while closed and while open; every byte both ways; the server
    // closing loses the link once, after all it sent, and it opens again.
    void opensOnceCarriesEveryByteAndIsLostOnce()
    {
        QCOMPARE(m_link->close()->number, PortFailures::kNotOpen);
        QCOMPARE(m_link->read(100), QByteArray());
        QTcpSocket* peer = connectLink();
        QVERIFY(peer);
        QCOMPARE(m_link->cts(), std::optional<bool>(true)); // no modem lines: CTS counts as up
        QCOMPARE(m_link->open()->number, PortFailures::kAlreadyOpen);
        QVERIFY(!m_link->write(everyByte()) && !m_link->write(QByteArray("CONV\r")));
        QByteArray atServer;
        QTRY_VERIFY((atServer += peer->readAll()).size() >= 261);
        QCOMPARE(atServer, everyByte() + "CONV\r");

        QByteArray received;
        connect(m_link.get(), &SerialLink::portEvent, this, [&](int number) {
            QCOMPARE(number, PortEvents::kDataReceived);
            received += m_link->read(4096); // leaves bytes waiting, as a busy program does
        });
        QSignalSpy lost(m_link.get(), &SerialLink::linkLost);
        const QByteArray burst = everyByte().repeated(3000);
        peer->write(burst);
        peer->disconnectFromHost(); // what was sent before the close is still read
        QVERIFY(lost.wait(10000));
        QCOMPARE(received, burst);
        QVERIFY(!m_link->isOpen());
        QCOMPARE(m_link->write("x")->number, PortFailures::kNeedsOpenPort);
        QVERIFY(!lost.wait(100)); // no second report
        QTcpSocket* second = connectLink();
        QVERIFY(second && !m_link->write(QByteArray("\x03")));
        QTRY_COMPARE(second->bytesAvailable(), 1);
        QVERIFY(!m_link->close() && !m_link->isOpen());
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
        QTest::addColumn<int>("number");
        const int absent = PortFailures::kDeviceNotFound;
        QTest::newRow("nothing listens") << "tcp://127.0.0.1:%1" << PortFailures::kConnectFailed;
        QTest::newRow("no port given") << "tcp://127.0.0.1" << absent;
        QTest::newRow("no such device") << "/dev/vellicor-no-such-device%1" << absent;
        QTest::newRow("no agw engine") << "agw://127.0.0.1:%1" << PortFailures::kConnectFailed;
        QTest::newRow("agw radio port not a number") << "agw://127.0.0.1:%1/x" << absent;
        QTest::newRow("agw radio port below 0") << "agw://127.0.0.1:%1/-1" << absent;
        QTest::newRow("agw radio port above 255") << "agw://127.0.0.1:%1/256" << absent;
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
        QVERIFY(failed && !failed->description.isEmpty() && !m_link->isOpen());
        QTEST(failed->number, "number");
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
        QVERIFY(!m_link->open() && m_link->isConnecting() && !m_link->isOpen());
        QCOMPARE(connecting.count(), 1);
        QCOMPARE(connecting[0][0].toString(), QStringLiteral("127.0.0.1:%1").arg(silent.port()));
        QCOMPARE(m_link->open()->number, PortFailures::kAlreadyOpen);
        QCOMPARE(m_link->setPortNumber(3)->number, PortFailures::kAlreadyOpen);
        QCOMPARE(m_link->write("x")->number, PortFailures::kNeedsOpenPort);
        QCOMPARE(m_link->cts(), std::optional<bool>());

        const PortResult failed = failureOfConnection();
        QVERIFY(failed && !m_link->isConnecting() && !m_link->isOpen());
        QCOMPARE(failed->number, PortFailures::kConnectFailed);
        QCOMPARE(failed->description, QStringLiteral("Socket operation timed out"));

        QSignalSpy ended(m_link.get(), &SerialLink::openFailed);
        QVERIFY(!m_link->open()); // given up by close: no report
        QVERIFY(!m_link->close() && !m_link->isConnecting() && !ended.wait(600));
    }

    // Settings the line cannot carry are refused and leave the settings as they were.
    void refusesSettingsTheLinkCannotCarry()
    {
        const auto number = [](const PortResult& result) { return result ? result->number : 0; };
        QCOMPARE(number(m_link->setSettings(QStringLiteral("4800,E,7,1"))), 0);
        for (const char* refused : {"9600,n,4,1", "9600,n,8,1.5", "fast"})
            QCOMPARE(number(m_link->setSettings(QLatin1String(refused))), PortFailures::kBadSettings);
        QCOMPARE(m_link->settings(), QStringLiteral("4800,E,7,1"));
        QCOMPARE(number(m_link->setHandshaking(4)), PortFailures::kBadSettings);
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
        QByteArray text; // shown at the terminal
        connect(m_link.get(), &SerialLink::portEvent, this, [&] { text += m_link->read(1 << 20); });
        QTcpSocket* engine = connectLink();
        QVERIFY(engine);
        QTRY_VERIFY(text.endsWith("cmd:")); // the sign-on, read only when the link tells of it
        text.clear();
        QVERIFY(!m_link->write("MYCALL W1AW\r"));
        QCOMPARE(framesAtEngine(engine), QByteArray("RGX W1AW"));
        QTRY_COMPARE(text, QByteArray("cmd:"));
        text.clear();
        QSignalSpy lost(m_link.get(), &SerialLink::linkLost);
        if (last.isEmpty())
            engine->close();
        else
            engine->write(last);
        QVERIFY(lost.wait(5000) && !m_link->isOpen());
        QCOMPARE(m_link->cts(), std::optional<bool>());
        QVERIFY(text.startsWith(shown) && !lost.wait(100)); // and no second report
        QTcpSocket* again = connectLink(); // Restart Port reaches the engine again
        QVERIFY(again);
        QCOMPARE(framesAtEngine(again), QByteArray("RGX W1AW")); // and registers MYCALL once more
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
        QSignalSpy failed(m_link.get(), &SerialLink::openFailed);
        QSignalSpy opened(m_link.get(), &SerialLink::opened);
        if (!QTest::qWaitFor([&] { return !failed.isEmpty() || !opened.isEmpty(); }, 10000))
            qWarning("the connection did not end");
        return failed.isEmpty() ? PortResult() : PortResult(failed[0][0].value<PortFailure>());
    }

    // The kinds of the first three frames the engine gets, and the call the last is from.
    static QByteArray framesAtEngine(QTcpSocket* engine)
    {
        AgwFrameReader reader;
        QList<AgwFrame> frames;
        QTest::qWaitFor([&] { return (frames += reader.feed(engine->readAll())).size() >= 3; }, 5000);
        QByteArray kinds;
        for (const AgwFrame& frame : std::as_const(frames))
            kinds += frame.kind;
        return kinds + ' ' + (frames.isEmpty() ? QByteArray() : frames.last().callFrom);
    }

    QTcpServer m_server;
    PortMap m_ports;
    std::unique_ptr<QtSerialLink> m_link;
};

QTEST_MAIN(TcpLinkTest)
#include "TcpLinkTest.moc"
