#include "Fakes.h"
#include "terminal/PortSession.h"

#include <QTest>

using namespace vellicor;
using namespace vellicor::test;

// Automatic reconnection after the TNC link went away.
class ReconnectTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void restartsTheLinkAfterItWentAwayWithoutTheStartupScript();
    void staysOffWhenThePreferenceIsOff();
    void leavesAPortTheOperatorGaveUpAlone();
    void watchdogClosingThePortAlsoReconnects();

private:
    TestPlatform m_fakes;
    Globals m_globals;
    std::unique_ptr<StatusPanels> m_status;
    std::unique_ptr<StatusClock> m_clock;
    std::unique_ptr<PortSession> m_session;
};

void ReconnectTest::init()
{
    m_globals = Globals();
    m_globals.gCommPort = 2;
    if (m_fakes.link.isOpen())
        m_fakes.link.close();
    m_fakes.link.ctsAsserted = true;
    m_fakes.link.failOpen.reset();
    m_status = std::make_unique<StatusPanels>();
    m_clock = std::make_unique<StatusClock>(*m_status, m_fakes.clock);
    m_session = std::make_unique<PortSession>(m_fakes.link, m_globals, *m_status, *m_clock, m_fakes.prompter,
                                              m_fakes.beeper);
    QVERIFY(m_session->activate());
}

void ReconnectTest::restartsTheLinkAfterItWentAwayWithoutTheStartupScript()
{
    m_session->setReconnect(true);
    m_fakes.link.failOpen = PortFailure{PortFailures::kConnectFailed, QStringLiteral("Connection refused")};
    m_fakes.link.loseLink();
    QVERIFY(!m_fakes.link.isOpen());
    QVERIFY(m_session->reconnectPending());

    m_session->reconnectTick();
    QVERIFY(!m_fakes.link.isOpen());
    QCOMPARE(m_status->text(StatusPanels::kStatus),
             QStringLiteral("Status: The TNC link is down; trying again every 5 seconds"));

    m_fakes.link.failOpen.reset();
    m_session->reconnectTick();
    QVERIFY(m_fakes.link.isOpen());
    QVERIFY(m_globals.gPortOk);
    QVERIFY(!m_session->reconnectPending());
    QCOMPARE(m_status->text(StatusPanels::kStatus), QStringLiteral("Status: "));
    QVERIFY(m_fakes.link.written.isEmpty());
}

void ReconnectTest::staysOffWhenThePreferenceIsOff()
{
    m_fakes.link.loseLink();
    QVERIFY(!m_session->reconnectPending());
    m_session->watchdogTick();
    QVERIFY(!m_session->reconnectPending());
    QVERIFY(!m_fakes.link.isOpen());
}

void ReconnectTest::leavesAPortTheOperatorGaveUpAlone()
{
    m_session->setReconnect(true);
    m_fakes.prompter.answers = {PromptAnswer::Cancel};
    for (int i = 0; i < 11; ++i)
        m_session->handlePortEvent(PortEvents::kFraming);
    QVERIFY(!m_fakes.link.isOpen());
    m_session->watchdogTick();
    QVERIFY(!m_session->reconnectPending());

    m_session->restartPort(); // the operator's own restart brings reconnection back
    QVERIFY(m_fakes.link.isOpen());
    m_fakes.link.loseLink();
    QVERIFY(m_session->reconnectPending());
}

void ReconnectTest::watchdogClosingThePortAlsoReconnects()
{
    m_session->setReconnect(true);
    m_fakes.link.ctsAsserted = false;
    m_session->watchdogTick();
    QVERIFY(!m_fakes.link.isOpen());
    QVERIFY(m_session->reconnectPending());
    m_fakes.link.ctsAsserted = true;
    m_session->reconnectTick();
    QVERIFY(m_fakes.link.isOpen());
}

QTEST_GUILESS_MAIN(ReconnectTest)
#include "ReconnectTest.moc"
