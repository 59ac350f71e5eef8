// Vellicor and the practice board on two real Dire Wolf packet engines that
// hear each other through direwolf_loop.py (1200 baud AFSK, no sound card):
// Vellicor on engine A through its port agw://, the board on engine B.
#include "ModalAnswers.h"
#include "PracticeSession.h"

#include "traffic/ares/FrmTORMEL.h"
#include "traffic/nts/FrmNTS.h"

#include <QLabel>
#include <QStandardPaths>

using namespace vellicor;
using namespace vellicor::test;

namespace {

// Over the air everything takes seconds, and a collision costs a retry.
constexpr int kRadioMs = 120000;

// The two engines and the sound between them.
class EngineLoop {
public:
    ~EngineLoop()
    {
        m_loop.closeWriteChannel(); // the loop ends both engines
        if (!m_loop.waitForFinished(20000))
            m_loop.kill();
    }

    bool start()
    {
        m_loop.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_loop.start(QStringLiteral("python3"), {QStringLiteral(VELLICOR_DIREWOLF_LOOP), m_folder.path()});
        const QList<QByteArray> words = answer().split(' '); // "agw PORT_A PORT_B"
        if (words.size() != 3 || words.first() != "agw")
            return false;
        m_vellicorPort = words.at(1);
        m_boardPort = words.at(2);
        return true;
    }

    // "stop A" or "start A": true once the loop says it is done.
    bool command(const QByteArray& verb)
    {
        m_loop.write(verb + " A\n");
        return answer() == (verb == "stop" ? "stopped A" : "started A");
    }

    QString vellicorDevice() const { return QStringLiteral("agw://127.0.0.1:") + QString::fromLatin1(m_vellicorPort); }
    QStringList boardArguments() const
    {
        return {QStringLiteral("--agw"), QStringLiteral("127.0.0.1:") + QString::fromLatin1(m_boardPort),
                QStringLiteral("--call"), QStringLiteral("N0BBS")};
    }

private:
    QByteArray answer()
    {
        while (!m_loop.canReadLine()) {
            if (!m_loop.waitForReadyRead(30000))
                return {};
        }
        return m_loop.readLine().trimmed();
    }

    QTemporaryDir m_folder;
    QProcess m_loop;
    QByteArray m_vellicorPort;
    QByteArray m_boardPort;
};

// Sends the form's message as the operator does, answering its two boxes.
template <typename Form>
bool sendFrom(Form* form)
{
    if (!form || !form->isVisible())
        return false;
    QStringList boxTexts;
    ModalAnswers answers({clickBox(QMessageBox::Yes, boxTexts), clickBox(QMessageBox::Ok, boxTexts)});
    form->template findChild<QAction*>(QStringLiteral("mnuSend"))->trigger();
    return answers.unexpected() == 0 && boxTexts.last() == kTransmittingNote;
}

// The drill: connect to the board, list, read #1 and relay it as a
// radiogram, read #2 and relay it as an ARES message. The board stores them
// as #3 and #4.
bool relayBothMessages(PracticeSession& session, int waitMs)
{
    FrmPacket& window = session.window();
    return session.press(QStringLiteral("BBS")) && session.shows(QStringLiteral("N0BBS>"), 1, waitMs)
        && session.press(QStringLiteral("List")) && session.shows(QStringLiteral("P, Cots and blankets"), 1, waitMs)
        && (session.type(QStringLiteral("R 1")), session.shows(QStringLiteral("[End of message #1]\nN0BBS>"), 1, waitMs))
        && (action(window, QStringLiteral("mnuFileOpenAsRadiogram"))->trigger(), true)
        && sendFrom(named<FrmNTS>(window, QStringLiteral("frmNTS")))
        && session.shows(QStringLiteral("Message #3 saved"), 1, waitMs)
        && (session.type(QStringLiteral("R 2")), session.shows(QStringLiteral("[End of message #2]\nN0BBS>"), 1, waitMs))
        && (action(window, QStringLiteral("mnuFileOpenAsAres"))->trigger(), true)
        && sendFrom(named<FrmTORMEL>(window, QStringLiteral("frmTORMEL")))
        && session.shows(QStringLiteral("Message #4 saved"), 1, waitMs);
}

} // namespace

class E2eDirewolf : public QObject {
    Q_OBJECT
private slots:
    void init();
    void theBoardStoresTrafficSentOverTheAirAsOverATcpTnc();
    void aKilledEngineIsALostLinkAndRestartPortBringsItBack();
};

void E2eDirewolf::init()
{
    if (QStandardPaths::findExecutable(QStringLiteral("direwolf")).isEmpty()
        || QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty())
        QSKIP("Dire Wolf is not installed (apt-get install direwolf; tools/install-deps.sh --for-tests does it)");
}

void E2eDirewolf::theBoardStoresTrafficSentOverTheAirAsOverATcpTnc()
{
    PracticeSession overTcp;
    VERIFY_PANE(overTcp, overTcp.begin());
    VERIFY_PANE(overTcp, relayBothMessages(overTcp, kAnswerMs));

    EngineLoop loop;
    QVERIFY(loop.start());
    PracticeSession overAir;
    VERIFY_PANE(overAir, overAir.begin(loop.boardArguments(), loop.vellicorDevice()));
    QVERIFY(overAir.pane().contains(QStringLiteral("Vellicor TNC 1.0 on an AGW packet engine")));
    VERIFY_PANE(overAir, relayBothMessages(overAir, kRadioMs));
    for (int number : {3, 4}) {
        QVERIFY(!overTcp.storedMessage(number).isEmpty());
        QCOMPARE(overAir.storedMessage(number), overTcp.storedMessage(number));
    }
}

void E2eDirewolf::aKilledEngineIsALostLinkAndRestartPortBringsItBack()
{
    EngineLoop loop;
    QVERIFY(loop.start());
    PracticeSession session;
    VERIFY_PANE(session, session.begin(loop.boardArguments(), loop.vellicorDevice()));
    QVERIFY(session.press(QStringLiteral("BBS")));
    VERIFY_PANE(session, session.shows(QStringLiteral("N0BBS>"), 1, kRadioMs));

    session.type(QStringLiteral("L")); // the engine is killed while it sends this
    QVERIFY(loop.command("stop"));
    FrmPacket& window = session.window();
    QTRY_COMPARE_WITH_TIMEOUT(panel(window, QStringLiteral("Status")).text(),
                              QStringLiteral("Status: Change in CTS Detected"), kAnswerMs);
    QVERIFY(!session.program().linkOpen());

    QVERIFY(loop.command("start"));
    QPushButton& restart = button(window, QStringLiteral("cmdRestartPort"));
    QTRY_VERIFY_WITH_TIMEOUT(restart.isVisible(), 20000);
    restart.click();
    QTRY_VERIFY_WITH_TIMEOUT(session.program().linkOpen(), kAnswerMs);
    VERIFY_PANE(session, session.shows(QStringLiteral("Vellicor TNC 1.0 on an AGW packet engine"), 2));
    QVERIFY(session.press(QStringLiteral("BBS")));
    VERIFY_PANE(session, session.shows(QStringLiteral("N0BBS>"), 2, kRadioMs));
}

QTEST_MAIN(E2eDirewolf)
#include "test_e2e_direwolf.moc"
