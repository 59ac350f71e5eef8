#include "Controls.h"
#include "E2eFixture.h"

#include "app/SendBoxEdit.h"

#include <QAction>
#include <QTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {

// A KAM start-up script with two modes; the second is chosen at its end.
const QByteArray kStartupScript = "* Start-up for the KAM\r\n"
                                  "$TNC=KAM\r\n"
                                  "$MODE MENU CLEAR\r\n"
                                  "$MODE MENU=&Packet\r\n"
                                  "$MODE FUNC=INTFACE TERMINAL\r\n"
                                  "$BUTTON CAPTION=&Connect\r\n"
                                  "$BUTTON FUNCTION=C W1AW\r\n"
                                  "$MODE MENU=&HF Bulletins\r\n"
                                  "$MODE FUNC=HBAUD 300\r\n"
                                  "$MODE FUNC=WORDOUT ON\r\n"
                                  "$BUTTON CAPTION=&Beacon\r\n"
                                  "$BUTTON TIP=Beacon now\r\n"
                                  "$BUTTON FUNCTION=^C\r\n"
                                  "$BUTTON FUNCTION=#\r\n"
                                  "$BUTTON FUNCTION=BEACON EVERY 10\r\n"
                                  "$BUTTON CAPTION=Second\r\n"
                                  "$BUTTON FUNCTION=SECOND\r\n"
                                  "$MODE DEFAULT=2\r\n"
                                  "  &H'1B40'  \r\n"
                                  "#\r\n"
                                  "^C\r\n";

// The script's own lines: ESC "@" from the hex string, then after the pause
// Ctrl-C alone (a line ending in a code below 25 gets no CR). Then the lines
// of the default mode: "HBAUD 300" with its CR; the word-out line is not sent
// to a KAM. Mode 1's lines are not run.
const QByteArray kAtActivation = QByteArray("\x1b\x40") + "\x03" + "HBAUD 300\r";

// Button 0 of mode 2 (F5): Ctrl-C, a pause, then the beacon command.
const QByteArray kAfterF5 = QByteArray("\x03") + "BEACON EVERY 10\r";

} // namespace

class E2eScripts : public QObject {
    Q_OBJECT
private slots:
    void startupScriptDrivesTheTncAndBuildsModesButtonsAndChannels();
};

void E2eScripts::startupScriptDrivesTheTncAndBuildsModesButtonsAndChannels()
{
    E2eFixture program;
    program.writeDataFile(QStringLiteral("VellicorStartup.txt"), kStartupScript);
    QVERIFY(program.start());
    FrmPacket& window = program.window();

    QTRY_COMPARE_WITH_TIMEOUT(program.fromProgram(), kAtActivation, 10000);
    QCOMPARE(panel(window, QStringLiteral("Mode")).text(), QStringLiteral("HF Bulletins"));
    QVERIFY(program.globals().gWordOut);

    QVERIFY(button(window, QStringLiteral("cmdTNCFunc0")).isVisible());
    QCOMPARE(button(window, QStringLiteral("cmdTNCFunc0")).text(), QStringLiteral("&Beacon"));
    QCOMPARE(button(window, QStringLiteral("cmdTNCFunc0")).toolTip(), QStringLiteral("Beacon now"));
    QCOMPARE(button(window, QStringLiteral("cmdTNCFunc1")).text(), QStringLiteral("Second"));
    QVERIFY(!button(window, QStringLiteral("cmdTNCFunc2")).isVisible());

    const QList<QAction*> channels = menu(window, QStringLiteral("mnuUser"))->actions();
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(channels[i]->text(), QStringLiteral("Channel &") + QChar(u'A' + i));
        QVERIFY(channels[i]->isVisible());
    }
    for (int i = 10; i < 20; ++i)
        QVERIFY(!channels[i]->isVisible());

    program.fromProgram().clear();
    button(window, QStringLiteral("cmdTNCFunc0")).click();
    QTRY_COMPARE_WITH_TIMEOUT(program.fromProgram(), kAfterF5, 10000);
    QVERIFY(sendBox(window).hasFocus());
}

QTEST_MAIN(E2eScripts)
#include "test_e2e_scripts.moc"
