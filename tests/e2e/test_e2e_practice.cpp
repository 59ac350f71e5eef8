// The whole program against the real practice TNC: Vellicor with the
// practice profile that tools/run.sh installs, the practice TNC and its board
// in a process of their own, as a newcomer runs them.
#include "PracticeSession.h"

#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

class E2ePractice : public QObject {
    Q_OBJECT
private slots:
    void startupScriptBuildsTheModeMenuWhoseButtonsDriveTheTnc()
    {
        PracticeSession session;
        VERIFY_PANE(session, session.begin());
        FrmPacket& window = session.window();
        const QString caption = QStringLiteral("        Practice TNC - no radio, nothing goes on the air");
        QVERIFY(session.pane().contains(kSignOn) && window.windowTitle().endsWith(caption));
        const QMenu& modeMenu = *named<QMenu>(window, QStringLiteral("mnuMode"));
        QVERIFY(modeMenu.menuAction()->isVisible());
        QList<QAction*> modes = modeMenu.actions(); // the modes shown
        modes.removeIf([](const QAction* item) { return item->objectName() != "mnuModeItem" || !item->isVisible(); });
        QCOMPARE(modes.size(), 2);
        QCOMPARE(panel(window, QStringLiteral("Mode")).text(), QStringLiteral("Bulletin Board"));
        QCOMPARE(named<QMenu>(window, QStringLiteral("mnuUser"))->actions()[1]->text(), QStringLiteral("Channel &B"));

        // "$SETDAYTIME" set the TNC's clock.
        session.type(QStringLiteral("DA"));
        const QRegularExpression daytime(QStringLiteral("DAYTIME \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d"));
        VERIFY_PANE(session, QTest::qWaitFor([&] { return session.pane().contains(daytime); }, kAnswerMs));

        modes[1]->trigger();
        VERIFY_PANE(session, session.shows(QStringLiteral("*** CHANNEL B: not connected")));
        QCOMPARE(panel(window, QStringLiteral("Mode")).text(), QStringLiteral("Net"));
        QVERIFY(session.press(QStringLiteral("Net")));
        VERIFY_PANE(session, session.shows(QStringLiteral("*** CONNECTED to N0NET")));
        QVERIFY(session.press(QStringLiteral("Check In")));
        VERIFY_PANE(session, session.shows(QStringLiteral("Roger N0CALL, you are checked in.")));
        QVERIFY(session.press(QStringLiteral("Disconnect")));
        VERIFY_PANE(session, session.shows(QStringLiteral("*** DISCONNECTED from N0NET")));
    }
};

QTEST_MAIN(E2ePractice)
#include "test_e2e_practice.moc"
