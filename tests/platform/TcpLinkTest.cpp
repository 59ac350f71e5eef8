#include "Fakes.h"
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

namespace {

QByteArray everyByte()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(char(b));
    return bytes;
}

} // namespace

// The link over a serial-over-TCP server, against a listener in the test.
class TcpLinkTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensThroughTheMappedPortNumber();
    void writesArriveByteExact();
    void receivedBytesArriveByteExact();
    void serverClosingLosesTheLinkOnce();
    void reopensAfterTheLinkWasLost();
    void sessionGetsEverythingSentBeforeTheServerCloses();
    void closedPortFailsWithItsOwnNumber();
    void badTcpDeviceFails();
    void closedLinkRefusesOperations();
    void refusesSettingsTheLinkCannotCarry_data();
    void refusesSettingsTheLinkCannotCarry();

private:
    // Opens the link to the listener and returns the server's end.
    QTcpSocket* connectLink();

    QTcpServer m_server;
    PortMap m_ports;
    std::unique_ptr<QtSerialLink> m_link;
};

void TcpLinkTest::init()
{
    QVERIFY(m_server.listen(QHostAddress::LocalHost, 0));
    m_ports = PortMap();
    m_ports.setDevice(2, QStringLiteral("tcp://127.0.0.1:%1").arg(m_server.serverPort()));
    m_link = std::make_unique<QtSerialLink>(m_ports);
    QVERIFY(!m_link->setPortNumber(2));
}

void TcpLinkTest::cleanup()
{
    m_link.reset();
    m_server.close();
}

QTcpSocket* TcpLinkTest::connectLink()
{
    const PortResult opened = m_link->open();
    if (opened)
        qWarning() << "open failed" << opened->number << opened->description;
    if (opened || !m_server.waitForNewConnection(5000))
        return nullptr;
    return m_server.nextPendingConnection();
}

void TcpLinkTest::opensThroughTheMappedPortNumber()
{
    QCOMPARE(m_link->deviceName(), QStringLiteral("tcp://127.0.0.1:%1").arg(m_server.serverPort()));
    QTcpSocket* peer = connectLink();
    QVERIFY(peer);
    QVERIFY(m_link->isOpen());
    QCOMPARE(m_link->cts(), std::optional<bool>(true)); // no modem lines: CTS counts as up
    QCOMPARE(m_link->portNumber(), 2);

    const PortResult again = m_link->open();
    QVERIFY(again);
    QCOMPARE(again->number, PortFailures::kAlreadyOpen);
    QCOMPARE(m_link->setPortNumber(3)->number, PortFailures::kAlreadyOpen);
    QVERIFY(m_link->isOpen());

    QVERIFY(!m_link->close());
    QVERIFY(!m_link->isOpen());
    QCOMPARE(m_link->cts(), std::optional<bool>());
}

void TcpLinkTest::writesArriveByteExact()
{
    QTcpSocket* peer = connectLink();
    QVERIFY(peer);
    const QByteArray sent = everyByte() + QByteArray("CONV\r");
    QVERIFY(!m_link->write(everyByte()));
    QVERIFY(!m_link->write(QByteArray("CONV\r")));
    QByteArray arrived;
    QTRY_VERIFY((arrived += peer->readAll()).size() >= sent.size());
    QCOMPARE(arrived, sent);
}

void TcpLinkTest::receivedBytesArriveByteExact()
{
    QTcpSocket* peer = connectLink();
    QVERIFY(peer);
    QSignalSpy events(m_link.get(), &SerialLink::portEvent);
    QByteArray received;
    connect(m_link.get(), &SerialLink::portEvent, this, [&](int number) {
        if (number == 2)
            received += m_link->read(64 * 1024);
    });
    peer->write(everyByte());
    peer->write(everyByte());
    QTRY_COMPARE(received.size(), 512);
    QCOMPARE(received, everyByte() + everyByte());
    for (const QList<QVariant>& event : std::as_const(events))
        QCOMPARE(event[0].toInt(), 2);
    QCOMPARE(m_link->bytesAvailable(), 0);
}

void TcpLinkTest::serverClosingLosesTheLinkOnce()
{
    QTcpSocket* peer = connectLink();
    QVERIFY(peer);
    QSignalSpy lost(m_link.get(), &SerialLink::linkLost);
    QSignalSpy events(m_link.get(), &SerialLink::portEvent);
    peer->close();
    QVERIFY(lost.wait(5000));
    QVERIFY(!m_link->isOpen());
    QCOMPARE(m_link->cts(), std::optional<bool>());
    QTest::qWait(50); // let any late signals of the closed socket arrive
    QCOMPARE(lost.count(), 1);
    for (const QList<QVariant>& event : std::as_const(events))
        QCOMPARE(event[0].toInt(), 2); // nothing but data events
    QCOMPARE(m_link->write("x")->number, PortFailures::kNeedsOpenPort);
    QCOMPARE(m_link->read(10), QByteArray());
    QCOMPARE(m_link->close()->number, PortFailures::kNotOpen);
}

void TcpLinkTest::reopensAfterTheLinkWasLost()
{
    QTcpSocket* first = connectLink();
    QVERIFY(first);
    QSignalSpy lost(m_link.get(), &SerialLink::linkLost);
    first->close();
    QVERIFY(lost.wait(5000));

    QTcpSocket* second = connectLink();
    QVERIFY(second);
    QVERIFY(m_link->isOpen());
    QVERIFY(!m_link->write(QByteArray("\x03")));
    QTRY_COMPARE(second->bytesAvailable(), 1);
    QCOMPARE(second->readAll(), QByteArray("\x03"));
    QCOMPARE(lost.count(), 1);
}

void TcpLinkTest::sessionGetsEverythingSentBeforeTheServerCloses()
{
    Globals globals;
    globals.gCommPort = 2;
    StatusPanels status;
    test::FakeClock clock;
    StatusClock timers(status, clock);
    test::FakePrompter prompter;
    test::FakeBeeper beeper;
    PortSession session(*m_link, globals, status, timers, prompter, beeper);
    QVERIFY(session.activate());
    QVERIFY(m_server.waitForNewConnection(5000));
    QTcpSocket* peer = m_server.nextPendingConnection();

    QString shown;
    connect(&session, &PortSession::received, this, [&shown](const QString& chunk) { shown += chunk; });
    QByteArray burst;
    for (int i = 0; i < 3000; ++i)
        burst += everyByte();
    peer->write(burst);
    peer->disconnectFromHost();

    QTRY_VERIFY_WITH_TIMEOUT(!m_link->isOpen(), 10000);
    QVERIFY(!globals.gPortOk);
    QCOMPARE(shown.size(), burst.size());
    QCOMPARE(encodeWindows1252(shown), burst);
    QVERIFY(!session.activate()); // no activation reopens it
    QVERIFY(!m_link->isOpen());
    session.watchdogTick();
    QVERIFY(session.restartVisible());
    QVERIFY(prompter.prompts.isEmpty());
}

void TcpLinkTest::closedPortFailsWithItsOwnNumber()
{
    const quint16 port = m_server.serverPort();
    m_server.close(); // nothing listens there now
    const PortResult failed = m_link->open();
    QVERIFY(failed);
    QVERIFY(failed->number != PortFailures::kAlreadyOpen);
    QVERIFY(failed->number != PortFailures::kNotOpen);
    QVERIFY(failed->number != PortFailures::kNeedsOpenPort);
    QVERIFY(!failed->description.isEmpty());
    QVERIFY(!m_link->isOpen());
    QVERIFY(port != 0);
}

void TcpLinkTest::badTcpDeviceFails()
{
    m_ports.setDevice(2, QStringLiteral("tcp://127.0.0.1"));
    const PortResult noPort = m_link->open();
    QVERIFY(noPort);
    QVERIFY(noPort->number != PortFailures::kAlreadyOpen && noPort->number != PortFailures::kNotOpen
            && noPort->number != PortFailures::kNeedsOpenPort);
    QVERIFY(!m_link->isOpen());
}

void TcpLinkTest::closedLinkRefusesOperations()
{
    QCOMPARE(m_link->write("x")->number, PortFailures::kNeedsOpenPort);
    QCOMPARE(m_link->close()->number, PortFailures::kNotOpen);
    QCOMPARE(m_link->read(100), QByteArray());
    QCOMPARE(m_link->bytesAvailable(), 0);
    QVERIFY(m_link->setPortNumber(0));
    QCOMPARE(m_link->portNumber(), 2);
}

void TcpLinkTest::refusesSettingsTheLinkCannotCarry_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("default") << "9600,n,8,1" << true;
    QTest::newRow("seven even") << "4800,E,7,1" << true;
    QTest::newRow("four data bits") << "9600,n,4,1" << false;
    QTest::newRow("one and a half stop bits") << "9600,n,8,1.5" << false;
    QTest::newRow("not settings") << "fast" << false;
}

void TcpLinkTest::refusesSettingsTheLinkCannotCarry()
{
    QFETCH(QString, settings);
    QFETCH(bool, accepted);
    const PortResult result = m_link->setSettings(settings);
    QCOMPARE(!result.has_value(), accepted);
    QCOMPARE(m_link->settings(), accepted ? settings : QStringLiteral("9600,n,8,1"));
    if (result)
        QCOMPARE(result->number, PortFailures::kBadSettings);
    QCOMPARE(m_link->setHandshaking(4)->number, PortFailures::kBadSettings);
    QVERIFY(!m_link->setHandshaking(3));
    QCOMPARE(m_link->handshaking(), 3);
}

QTEST_MAIN(TcpLinkTest)
#include "TcpLinkTest.moc"
