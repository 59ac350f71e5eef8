// Vellicor and the practice board on two real Dire Wolf packet engines that
// hear each other through direwolf_loop.py (1200 baud AFSK, no sound card):
// Vellicor on engine A through its port agw://, the board on engine B.
#include "PracticeSession.h"

#include "traffic/ares/FrmTORMEL.h"
#include "traffic/nts/FrmNTS.h"

#include <QMessageBox>
#include <QtTest>

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
        while (!m_loop.canReadLine()) {
            if (!m_loop.waitForReadyRead(30000))
                return false;
        }
        const QList<QByteArray> words = m_loop.readLine().trimmed().split(' '); // "agw PORT_A PORT_B"
        if (words.size() != 3 || words.first() != "agw")
            return false;
        vellicorDevice = QStringLiteral("agw://127.0.0.1:") + QString::fromLatin1(words.at(1));
        boardArguments = QStringList{"--agw", "127.0.0.1:" + QString::fromLatin1(words.at(2)), "--call", "N0BBS"};
        return true;
    }

    QString vellicorDevice; // Vellicor's port on engine A
    QStringList boardArguments; // the practice board's, on engine B

private:
    QTemporaryDir m_folder;
    QProcess m_loop;
};

// Sends the form's message as the operator does, answering its two boxes
// (Yes, then OK); any other modal window is closed and noted, so a wrong turn
// fails the test instead of hanging it. The last box says the message goes out.
template <typename Form>
bool sendFrom(Form* form)
{
    if (!form || !form->isVisible())
        return false;
    QStringList boxTexts;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&boxTexts] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* box = qobject_cast<QMessageBox*>(modal);
        const QMessageBox::StandardButton wanted = boxTexts.isEmpty() ? QMessageBox::Yes : QMessageBox::Ok;
        QAbstractButton* answer = box ? box->button(wanted) : nullptr;
        if (answer) {
            boxTexts.append(box->text());
            answer->click();
        } else if (modal && modal->isVisible()) {
            boxTexts.append(QStringLiteral("(closed)"));
            modal->close();
        }
    });
    poll.start(20);
    form->template findChild<QAction*>(QStringLiteral("mnuSend"))->trigger();
    return boxTexts.size() == 2
        && boxTexts.last() == QStringLiteral("Message is transmitting.  TNC is now in CONVerse mode.\r\n"
                                             "(Ignore 'cmd:' prompt embedded in text or at bottom of main screen.)");
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
        && (named<QAction>(window, QStringLiteral("mnuFileOpenAsRadiogram"))->trigger(), true)
        && sendFrom(named<FrmNTS>(window, QStringLiteral("frmNTS")))
        && session.shows(QStringLiteral("Message #3 saved"), 1, waitMs)
        && (session.type(QStringLiteral("R 2")), session.shows(QStringLiteral("[End of message #2]\nN0BBS>"), 1, waitMs))
        && (named<QAction>(window, QStringLiteral("mnuFileOpenAsAres"))->trigger(), true)
        && sendFrom(named<FrmTORMEL>(window, QStringLiteral("frmTORMEL")))
        && session.shows(QStringLiteral("Message #4 saved"), 1, waitMs);
}

} // namespace

class E2eDirewolf : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("direwolf")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty())
            QSKIP("Dire Wolf is not installed (apt-get install direwolf; tools/install-deps.sh --for-tests does it)");
    }

    void theBoardStoresTrafficSentOverTheAirAsOverATcpTnc()
    {
        PracticeSession overTcp;
        VERIFY_PANE(overTcp, overTcp.begin());
        VERIFY_PANE(overTcp, relayBothMessages(overTcp, kAnswerMs));

        EngineLoop loop;
        QVERIFY(loop.start());
        PracticeSession overAir;
        VERIFY_PANE(overAir, overAir.begin(loop.boardArguments, loop.vellicorDevice));
        QVERIFY(overAir.pane().contains(QStringLiteral("Vellicor TNC 1.0 on an AGW packet engine")));
        VERIFY_PANE(overAir, relayBothMessages(overAir, kRadioMs));
        for (int number : {3, 4}) {
            QVERIFY(overTcp.storedMessage(number).endsWith('\x1A')); // a whole message
            QCOMPARE(overAir.storedMessage(number), overTcp.storedMessage(number));
        }
    }
};

QTEST_MAIN(E2eDirewolf)
#include "test_e2e_direwolf.moc"
