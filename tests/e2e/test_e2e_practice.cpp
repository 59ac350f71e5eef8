// Whole-program journeys against the real practice TNC: Vellicor with the
// practice profile that tools/run.sh installs, the practice TNC and its board
// in a process of their own, as a newcomer runs them.
#include "ModalAnswers.h"
#include "PracticeSession.h"

#include "traffic/ares/FrmTORMEL.h"
#include "traffic/nts/FrmNTS.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {

QStringList visibleButtonCaptions(FrmPacket& window)
{
    QStringList captions;
    for (int i = 0; i < 8; ++i) {
        if (button(window, QStringLiteral("cmdTNCFunc%1").arg(i)).isVisible())
            captions.append(button(window, QStringLiteral("cmdTNCFunc%1").arg(i)).text());
    }
    return captions;
}

// Opens the receive pane's context menu as the menu key does and runs the
// command with this name from it.
bool runFromPaneMenu(QPlainTextEdit& pane, const QString& name)
{
    bool offered = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        poll.stop();
        for (QAction* action : menu->actions()) {
            if (action->objectName() == name) {
                offered = true;
                menu->setActiveAction(action);
            }
        }
        QTest::keyClick(menu, offered ? Qt::Key_Return : Qt::Key_Escape);
    });
    poll.start(20);
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5), pane.viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(pane.viewport(), &event);
    return offered;
}

QList<QAction*> modeItems(FrmPacket& window)
{
    QList<QAction*> items;
    for (QAction* action : menu(window, QStringLiteral("mnuMode"))->actions()) {
        if (action->objectName() == QStringLiteral("mnuModeItem") && action->isVisible())
            items.append(action);
    }
    return items;
}

} // namespace


class E2ePractice : public QObject {
    Q_OBJECT
private slots:
    void startupScriptBuildsTheModeMenuWhoseButtonsDriveTheTnc();
    void receivedTrafficOpensInTheFormsToBeRelayed();
};

void E2ePractice::startupScriptBuildsTheModeMenuWhoseButtonsDriveTheTnc()
{
    PracticeSession session;
    VERIFY_PANE(session, session.begin());
    FrmPacket& window = session.window();
    QVERIFY(session.pane().contains(kSignOn));
    QVERIFY(window.windowTitle().endsWith(QStringLiteral("        Practice TNC - no radio, nothing goes on the air")));
    QVERIFY(menu(window, QStringLiteral("mnuMode"))->menuAction()->isVisible());
    const QList<QAction*> modes = modeItems(window);
    QCOMPARE(modes.size(), 2);
    QCOMPARE(modes[0]->text(), QStringLiteral("&Bulletin Board"));
    QCOMPARE(modes[1]->text(), QStringLiteral("&Net"));
    QCOMPARE(panel(window, QStringLiteral("Mode")).text(), QStringLiteral("Bulletin Board"));
    QCOMPARE(visibleButtonCaptions(window),
             (QStringList{"BBS", "List", "Read", "Help", "Bye", "Disconnect"}));
    QCOMPARE(menu(window, QStringLiteral("mnuUser"))->actions()[1]->text(), QStringLiteral("Channel &B"));

    // "$SETDAYTIME" set the TNC's clock.
    session.type(QStringLiteral("DA"));
    const QRegularExpression daytime(QStringLiteral("DAYTIME \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d"));
    VERIFY_PANE(session, QTest::qWaitFor([&] { return session.pane().contains(daytime); }, kAnswerMs));

    modes[1]->trigger();
    VERIFY_PANE(session, session.shows(QStringLiteral("*** CHANNEL B: not connected")));
    QCOMPARE(panel(window, QStringLiteral("Mode")).text(), QStringLiteral("Net"));
    QCOMPARE(visibleButtonCaptions(window), (QStringList{"Net", "Check In", "Traffic", "73", "Disconnect"}));
    QVERIFY(session.press(QStringLiteral("Net")));
    VERIFY_PANE(session, session.shows(QStringLiteral("*** CONNECTED to N0NET")));
    QVERIFY(session.press(QStringLiteral("Check In")));
    VERIFY_PANE(session, session.shows(QStringLiteral("Roger N0CALL, you are checked in.")));
    QVERIFY(session.press(QStringLiteral("Disconnect")));
    VERIFY_PANE(session, session.shows(QStringLiteral("*** DISCONNECTED from N0NET")));
}

// The drill with the practice traffic: read the radiogram, open the board's
// answer with Ctrl+Shift+N, see its check agree, and relay it; open the ARES
// message from a selection through the pane's menu. Text that is no
// radiogram opens nothing.
void E2ePractice::receivedTrafficOpensInTheFormsToBeRelayed()
{
    PracticeSession session;
    VERIFY_PANE(session, session.begin());
    FrmPacket& window = session.window();
    QVERIFY(session.press(QStringLiteral("BBS")));
    VERIFY_PANE(session, session.shows(QStringLiteral("N0BBS>")));
    session.type(QStringLiteral("R 1"));
    VERIFY_PANE(session, session.shows(QStringLiteral("[End of message #1]\nN0BBS>")));
    QTest::keyClick(&sendBox(window), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    FrmNTS* nts = named<FrmNTS>(window, QStringLiteral("frmNTS"));
    QVERIFY(nts && nts->isVisible());
    QCOMPARE(nts->radiogram().msgNum, QStringLiteral("207"));
    QCOMPARE(nts->findChild<QLabel*>(QStringLiteral("labCheckVerdict"))->text(),
             QStringLiteral("Check 11 agrees with the text"));
    QCOMPARE(nts->findChild<QLabel*>(QStringLiteral("labFileName"))->text(), QString());
    QVERIFY(sendBox(window).text().isEmpty());

    // A listing is no radiogram; the form keeps what it holds.
    session.type(QStringLiteral("L"));
    VERIFY_PANE(session, session.shows(QStringLiteral("P, Cots and blankets")));
    action(window, QStringLiteral("mnuFileOpenAsRadiogram"))->trigger();
    QCOMPARE(panel(window, QStringLiteral("Status")).text(), QStringLiteral("Status: No preamble line found"));
    QCOMPARE(nts->radiogram().msgNum, QStringLiteral("207"));

    session.type(QStringLiteral("R 2"));
    VERIFY_PANE(session, session.shows(QStringLiteral("[End of message #2]\nN0BBS>")));
    const QString pane = session.pane();
    QTextCursor selection = receiveView(window).textCursor();
    selection.setPosition(pane.lastIndexOf(QStringLiteral("Title: P, Cots")));
    selection.setPosition(pane.lastIndexOf(QStringLiteral("BY N0EOC")) + 8, QTextCursor::KeepAnchor);
    receiveView(window).setTextCursor(selection);
    QVERIFY(runFromPaneMenu(receiveView(window), QStringLiteral("mnuFileOpenAsAres")));
    FrmTORMEL* tormel = named<FrmTORMEL>(window, QStringLiteral("frmTORMEL"));
    QVERIFY(tormel && tormel->isVisible());
    QCOMPARE(tormel->message().subject, QStringLiteral("Cots and blankets"));
    QCOMPARE(tormel->message().by, QStringLiteral("N") + QChar(0x00D8) + QStringLiteral("EOC"));

    QStringList boxTexts;
    // Relayed, it goes out in the program's own layout.
    ModalAnswers send({clickBox(QMessageBox::Yes, boxTexts), clickBox(QMessageBox::Ok, boxTexts)});
    nts->findChild<QAction*>(QStringLiteral("mnuSend"))->trigger();
    QCOMPARE(send.unexpected(), 0);
    VERIFY_PANE(session, session.shows(QStringLiteral("Message #3 saved")));
    QVERIFY(session.storedMessage(3).startsWith("207 W HXG N0DEN 11 DENVER CO 1830Z MAY 12\r\rANNA LOPEZ\r"));
}

QTEST_MAIN(E2ePractice)
#include "test_e2e_practice.moc"
