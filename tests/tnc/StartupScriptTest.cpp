#include "TncRig.h"

#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

// A whole start-up script for a KAM driven through the TNC control: what the
// TNC receives, what the Mode panel, buttons and channel menu show, and what
// a function button sends afterwards.
class StartupScriptTest : public QObject {
    Q_OBJECT
private slots:
    void kamStartupScriptSetsUpModesAndButtons();
};

void StartupScriptTest::kamStartupScriptSetsUpModesAndButtons()
{
    TncRig rig;
    rig.writeFile(QStringLiteral("VellicorStartup.txt"),
                  "* Start-up for the county net KAM\r\n"
                  "$TNC=KAM\r\n"
                  "$MODE MENU CLEAR\r\n"
                  "$MODE MENU=&Packet\r\n"
                  "$MODE FUNC=PACKET\r\n"
                  "$BUTTON CAPTION=Beacon\r\n"
                  "$BUTTON FUNCTION=BEACON EVERY 10\r\n"
                  "$MODE MENU=P&actor\r\n"
                  "$MODE FUNC=PACTOR\r\n"
                  "$BUTTON CAPTION=BBS\r\n"
                  "$BUTTON TIP=Connect to the BBS\r\n"
                  "$BUTTON FUNCTION=^C\r\n"
                  "$BUTTON FUNCTION=C W1AW-4\r\n"
                  "$MODE DEFAULT=2\r\n"
                  "&H'1B400D'\r\n"
                  "^C\r\n");
    rig.control->RunScript(QStringLiteral("Start"));

    QCOMPARE(rig.written(), QByteArray("\x1B@\r" "\x03" "PACTOR\r"));
    QCOMPARE(rig.host.modePanel, QStringLiteral("Pactor"));
    QCOMPARE(rig.host.modeItems, (QMap<int, QString>{{1, "&Packet"}, {2, "P&actor"}}));
    QCOMPARE(rig.host.buttonCaptions(), (QStringList{"BBS", "", "", "", "", "", "", ""}));
    QCOMPARE(rig.host.buttons[0].tip, QStringLiteral("Connect to the BBS"));
    QCOMPARE(rig.host.visibleChannels().first(), QStringLiteral("Channel &A"));
    QCOMPARE(rig.host.visibleChannels().size(), 10);
    QVERIFY(rig.fakes.prompter.prompts.isEmpty());
    QCOMPARE(rig.host.busyChanges.last(), false);

    rig.written().clear();
    rig.control->pressButton(0); // F5
    QCOMPARE(rig.written(), QByteArray("\x03" "C W1AW-4\r"));
}

QTEST_GUILESS_MAIN(StartupScriptTest)
#include "StartupScriptTest.moc"
