#include "TncRig.h"

#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {

// Three modes: two with lines and buttons, the third with neither.
const QStringList kTwoModes = {
    "$MODE MENU=&Packet", "$MODE FUNC=PACKET", "$BUTTON CAPTION=Beacon", "$BUTTON TIP=Send a beacon",
    "$BUTTON FUNCTION=BEACON EVERY 10", "$MODE MENU=P&actor", "$MODE FUNC=PACTOR", "$MODE FUNC=#",
    "$MODE FUNC=MYCALL $CMD LINE", "$BUTTON CAPTION=Connect", "$BUTTON TIP=Connect to the BBS", "$BUTTON FUNCTION=^C",
    "$BUTTON FUNCTION=C W1AW", "$BUTTON CAPTION=List", "$BUTTON FUNCTION=L", "$MODE MENU=Plain"};

} // namespace

// The Mode menu and function buttons a script builds, choosing a mode and
// pressing buttons, as the operator and the TNC see them.
class ModeSelectionTest : public QObject {
    Q_OBJECT
private slots:
    void choosingModeRunsLinesShowsButtonsAndNamesMode()
    {
        TncRig rig;
        rig.runAll(kTwoModes);
        QVERIFY(rig.host.modeMenuVisible);
        QVERIFY(!rig.host.placeholderVisible);
        QCOMPARE(rig.host.modeItems, (QMap<int, QString>{{1, "&Packet"}, {2, "P&actor"}, {3, "Plain"}}));
        QVERIFY(rig.written().isEmpty());

        rig.host.sendBox = QStringLiteral("N0CALL");
        rig.control->selectMode(2);
        QCOMPARE(rig.written(), QByteArray("PACTOR\rMYCALL N0CALL\r"));
        QCOMPARE(rig.fakes.pauser.pauses, QList<double>{0.5});
        QCOMPARE(rig.host.modePanel, QStringLiteral("Pactor"));
        QCOMPARE(rig.host.buttonCaptions(), (QStringList{"Connect", "List", "", "", "", "", "", ""}));
        QCOMPARE(rig.host.buttons[0].tip, QStringLiteral("Connect to the BBS"));
        QCOMPARE(rig.host.buttons[1].tip, QString());
        QCOMPARE(rig.control->state().currentMode, 2);

        rig.written().clear();
        rig.control->selectMode(1);
        rig.control->selectMode(1); // chosen again, its lines run again
        QCOMPARE(rig.written(), QByteArray("PACKET\rPACKET\r"));
        rig.control->selectMode(3); // no buttons: the pane moves to the top
        QCOMPARE(rig.host.buttonCaptions(), QStringList(8, QString()));
        QCOMPARE(rig.host.layouts, (QList<bool>{true, true, true, false}));
    }

    void buttonPressRunsCurrentModesLinesEvenWhenHidden()
    {
        TncRig rig;
        rig.runAll(kTwoModes);
        rig.control->pressButton(0); // no mode chosen yet: mode 0 has no buttons
        QVERIFY(rig.written().isEmpty());

        rig.control->selectMode(2);
        rig.written().clear();
        const int focusBefore = rig.host.sendBoxFocus;
        rig.control->pressButton(0);
        QCOMPARE(rig.written(), QByteArray("\x03" "C W1AW\r"));
        QCOMPARE(rig.host.sendBoxFocus, focusBefore + 1);

        rig.written().clear();
        rig.host.buttons[1].visible = false; // F6 works on a hidden button too
        rig.control->pressButton(1);
        QCOMPARE(rig.written(), QByteArray("L\r"));
        rig.written().clear();
        rig.control->pressButton(2); // F7: the mode has no third button
        QVERIFY(rig.written().isEmpty());
    }

    // Mode 21, button 9 and line 201 are dropped with everything that belongs to them.
    void limitsOfModesButtonsAndLines()
    {
        TncRig rig;
        for (int mode = 1; mode <= 21; ++mode) {
            rig.runAll({QStringLiteral("$MODE MENU=Mode %1").arg(mode), QStringLiteral("$MODE FUNC=M%1").arg(mode),
                        QStringLiteral("$BUTTON CAPTION=B%1").arg(mode),
                        QStringLiteral("$BUTTON FUNCTION=F%1").arg(mode)});
        }
        QCOMPARE(rig.host.modeItems.size(), 21);
        rig.control->selectMode(20);
        QCOMPARE(rig.written(), QByteArray("M20\r"));
        QCOMPARE(rig.host.buttonCaptions().first(), QStringLiteral("B20"));

        rig.written().clear();
        rig.control->selectMode(21);
        QCOMPARE(rig.host.modePanel, QStringLiteral("Mode 21"));
        QVERIFY(rig.written().isEmpty());
        QCOMPARE(rig.host.buttonCaptions().first(), QStringLiteral("B20")); // selection ended early
        rig.control->pressButton(0);
        QVERIFY(rig.written().isEmpty());

        // One mode with 201 lines of its own and of its first button, then eight more buttons.
        TncRig many;
        many.runAll({"$MODE MENU=Long", "$BUTTON TIP=Orphan", "$BUTTON FUNCTION=ORPHAN", "$BUTTON CAPTION=Go"});
        for (int i = 1; i <= 201; ++i)
            many.runAll({QStringLiteral("$MODE FUNC=M%1").arg(i), QStringLiteral("$BUTTON FUNCTION=G%1").arg(i)});
        for (int b = 2; b <= 9; ++b)
            many.runAll({QStringLiteral("$BUTTON CAPTION=B%1").arg(b), QStringLiteral("$BUTTON TIP=T%1").arg(b),
                         QStringLiteral("$BUTTON FUNCTION=F%1").arg(b)});
        many.control->selectMode(1);
        QVERIFY(many.written().endsWith("M199\rM200\r"));
        QCOMPARE(many.writeList().size(), 400);
        QCOMPARE(many.host.buttonCaptions(), (QStringList{"Go", "B2", "B3", "B4", "B5", "B6", "B7", "B8"}));
        QCOMPARE(many.host.buttons[0].tip, QString()); // a tip before any caption changes nothing
        QCOMPARE(many.host.buttons[7].tip, QStringLiteral("T8"));
        many.written().clear();
        many.control->pressButton(7);
        QCOMPARE(many.written(), QByteArray("F8\r"));
    }

    void defaultModeTakesLeadingNumberRoundedToEven_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("mode");
        QTest::newRow("plain") << "$MODE DEFAULT=2" << 2;
        QTest::newRow("blanks") << "$mode default =   7 modes" << 7;
        QTest::newRow("half to even down") << "$MODE DEFAULT=2.5" << 2;
        QTest::newRow("half to even up") << "$MODE DEFAULT=3.5" << 4;
        QTest::newRow("no number") << "$MODE DEFAULT=two" << 0;
        QTest::newRow("no equals") << "$MODE DEFAULT 2" << 0;
        QTest::newRow("beyond 16 bits keeps old") << "$MODE DEFAULT=32768" << 5;
        QTest::newRow("lowest 16-bit mode") << "$MODE DEFAULT=-32768" << -32768;
        QTest::newRow("below 16 bits keeps old") << "$MODE DEFAULT=-32769" << 5;
    }

    void defaultModeTakesLeadingNumberRoundedToEven()
    {
        QFETCH(QString, line);
        TncRig rig;
        rig.run(QStringLiteral("$MODE DEFAULT=5"));
        rig.run(line);
        QTEST(rig.control->state().defaultMode, "mode");
    }

    void clearEmptiesMenuAndHidesButtons()
    {
        TncRig rig;
        rig.runAll(kTwoModes);
        rig.control->selectMode(2);
        rig.run(QStringLiteral("$Mode Menu Clear"));
        QVERIFY(rig.host.modeItems.isEmpty());
        QVERIFY(!rig.host.modeMenuVisible);
        QVERIFY(rig.host.placeholderVisible);
        QCOMPARE(rig.host.buttonCaptions(), QStringList(8, QString()));

        rig.written().clear();
        rig.runAll({"$MODE MENU=Again", "$BUTTON CAPTION=New"});
        QCOMPARE(rig.host.modeItems, (QMap<int, QString>{{1, "Again"}}));
        rig.control->selectMode(1);
        QVERIFY(!rig.written().contains("PACKET")); // the old mode lines are gone
    }

    // Lines of a mode (not of a button) set the connect command and file and
    // the echo and converse switches; word-out lines go only to AEA-family TNCs.
    void modeLinesSetSwitches_data()
    {
        QTest::addColumn<QString>("tnc");
        QTest::addColumn<QStringList>("modeLines");
        QTest::addColumn<QStringList>("buttonLines");
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<QString>("settings"); // connect command, file, echo, bypass, word-out
        const auto row = [](const char* name, const char* tnc, const QStringList& modeLines, const QByteArray& written,
                            const QString& settings, const QStringList& buttonLines = {}) {
            QTest::newRow(name) << tnc << modeLines << buttonLines << written << settings;
        };
        const QString file = QStringLiteral("C|\\VellicorConnects.txt|");
        row("connect and file", "KAM", {"$CONNECT = Connect ", "$CONFILE=\\NetList.txt"}, "",
            "Connect|\\NetList.txt|1|0|0");
        row("only upper-case ON sets", "KAM", {"$LOCALECHO=on", "$BYPASSCONV=ON"}, "", file + "0|1|0");
        row("echo on, bypass off again", "KAM", {"$LOCALECHO=on", "$BYPASSCONV=ON", "$LOCALECHO=ON", "$BYPASSCONV=off"},
            "", file + "1|0|0");
        // "ON" of "Connects" stands after the fourth character: the word-out test comes first.
        row("word-out test before connect lines", "KAM", {"$CONFILE=\\NetworkConnects.txt", "$CONNECT=WORK"}, "",
            file + "1|0|1");
        row("word-out on a KAM: set, not sent", "KAM", {"WORDOUT ON"}, "", file + "1|0|1");
        row("word-out on an AEA: set and sent", "AEA", {"wordout on"}, "wordout on\r", file + "1|0|1");
        row("word-out off on a PK900", "PK900", {"WORDOUT ON", "WORDOUT OFF"}, "WORDOUT ON\rWORDOUT OFF\r",
            file + "1|0|0");
        row("two-letter word keeps the switch", "KAM", {"WO ON"}, "", file + "1|0|0");
        row("button lines are only sent", "KAM", {}, "WORDOUT ON\r", file + "1|0|0",
            {"$CONNECT=CONNECT", "$LOCALECHO=off", "WORDOUT ON"});
    }

    void modeLinesSetSwitches()
    {
        QFETCH(QString, tnc);
        QFETCH(QStringList, modeLines);
        QFETCH(QStringList, buttonLines);
        TncRig rig;
        rig.globals.gLocalEcho = true;
        rig.runAll({QStringLiteral("$TNC=") + tnc, "$MODE MENU=Net", "$BUTTON CAPTION=Odd"});
        for (const QString& line : modeLines)
            rig.run(QStringLiteral("$MODE FUNC=") + line);
        for (const QString& line : buttonLines)
            rig.run(QStringLiteral("$BUTTON FUNCTION=") + line);
        rig.control->selectMode(1);
        rig.control->pressButton(0);
        QTEST(rig.written(), "written");
        const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
        QTEST(QStringList({rig.globals.gConnectCmd, rig.globals.gConnectsFile, flag(rig.globals.gLocalEcho),
                           flag(rig.globals.gBypassConv), flag(rig.globals.gWordOut)}).join('|'), "settings");
    }

    void clearDuringSelectionLeavesNothingDangling()
    {
        TncRig rig;
        rig.runAll({"$MODE MENU=Busy", "$MODE FUNC=FIRST", "$MODE FUNC=#", "$MODE FUNC=LAST",
                    "$BUTTON CAPTION=Kept"});
        rig.fakes.pauser.during = [&rig](double) {
            rig.fakes.pauser.during = nullptr;
            rig.run(QStringLiteral("$MODE MENU CLEAR")); // a second script clears the modes meanwhile
        };
        rig.control->selectMode(1);
        QCOMPARE(rig.written(), QByteArray("FIRST\r")); // the later line was read after the clear
        QCOMPARE(rig.host.buttonCaptions().first(), QStringLiteral("Kept"));
    }

    void secondPressDuringPauseRunsBothSequences()
    {
        TncRig rig;
        rig.runAll({"$MODE MENU=Net", "$BUTTON CAPTION=Slow", "$BUTTON FUNCTION=ONE", "$BUTTON FUNCTION=#",
                    "$BUTTON FUNCTION=TWO", "$BUTTON CAPTION=Fast", "$BUTTON FUNCTION=QUICK"});
        rig.control->selectMode(1);
        rig.fakes.pauser.during = [&rig](double) {
            rig.fakes.pauser.during = nullptr;
            rig.control->pressButton(1);
        };
        rig.control->pressButton(0);
        QCOMPARE(rig.written(), QByteArray("ONE\rQUICK\rTWO\r"));
    }
};

QTEST_GUILESS_MAIN(ModeSelectionTest)
#include "ModeSelectionTest.moc"
