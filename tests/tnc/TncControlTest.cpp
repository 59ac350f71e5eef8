#include "TncRig.h"
#include "tnc/FrmConnect.h"
#include "tnc/FrmTactical.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {

const QString kListFile = QStringLiteral("VellicorConnects.txt");

// Three modes: two with lines and buttons, the third with neither.
const QStringList kTwoModes = {
    "$MODE MENU=&Packet", "$MODE FUNC=PACKET", "$BUTTON CAPTION=Beacon", "$BUTTON TIP=Send a beacon",
    "$BUTTON FUNCTION=BEACON EVERY 10", "$MODE MENU=P&actor", "$MODE FUNC=PACTOR", "$MODE FUNC=#",
    "$MODE FUNC=MYCALL $CMD LINE", "$BUTTON CAPTION=Connect", "$BUTTON TIP=Connect to the BBS", "$BUTTON FUNCTION=^C",
    "$BUTTON FUNCTION=C W1AW", "$BUTTON CAPTION=List", "$BUTTON FUNCTION=L", "$MODE MENU=Plain"};

} // namespace

// What the TNC control does for the operator: the Mode menu and function
// buttons a script builds, choosing a mode and pressing buttons, "Cmd: (F3)",
// "Conv (F4)", the channel items, the autobaud characters, the window
// closing while the control waits, the connect list and its dialog, and the
// tactical call dialog.
class TncControlTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TncRig> rig; // a fresh one for each case

private slots:
    void init() { rig = std::make_unique<TncRig>(); }
    void cleanup() { rig.reset(); }

    void choosingModeRunsLinesShowsButtonsAndNamesMode()
    {
        rig->runAll(kTwoModes);
        QVERIFY(rig->host.modeMenuVisible && !rig->host.placeholderVisible);
        QCOMPARE(rig->host.modeItems, (QMap<int, QString>{{1, "&Packet"}, {2, "P&actor"}, {3, "Plain"}}));

        rig->host.sendBox = QStringLiteral("N0CALL");
        rig->control->selectMode(2);
        QCOMPARE(rig->taken(), QByteArray("PACTOR\rMYCALL N0CALL\r"));
        QCOMPARE(rig->fakes.pauser.pauses, QList<double>{0.5});
        QCOMPARE(rig->host.buttonCaptions(), (QStringList{"Connect", "List", "", "", "", "", "", ""}));
        QCOMPARE(rig->host.modePanel + "|" + rig->host.buttons[0].tip + "|" + rig->host.buttons[1].tip,
                 QStringLiteral("Pactor|Connect to the BBS|"));
        QCOMPARE(rig->control->state().currentMode, 2);

        rig->control->selectMode(1);
        rig->control->selectMode(1); // chosen again, its lines run again
        QCOMPARE(rig->written(), QByteArray("PACKET\rPACKET\r"));
        rig->control->selectMode(3); // no buttons: the pane moves to the top
        QCOMPARE(rig->host.buttonCaptions(), QStringList(8, QString()));
        QCOMPARE(rig->host.layouts, (QList<bool>{true, true, true, false}));
    }

    void buttonPressRunsCurrentModesLinesEvenWhenHidden()
    {
        rig->runAll(kTwoModes);
        rig->control->pressButton(0); // no mode chosen yet: mode 0 has no buttons
        rig->control->selectMode(2);
        QCOMPARE(rig->taken(), QByteArray("PACTOR\rMYCALL \r"));
        const int focusBefore = rig->host.sendBoxFocus;
        rig->control->pressButton(0);
        QCOMPARE(rig->taken(), QByteArray("\x03" "C W1AW\r"));
        QCOMPARE(rig->host.sendBoxFocus, focusBefore + 1);

        rig->host.buttons[1].visible = false; // F6 works on a hidden button too
        rig->control->pressButton(1);
        QCOMPARE(rig->taken(), QByteArray("L\r"));
        rig->control->pressButton(2); // F7: the mode has no third button
        QVERIFY(rig->written().isEmpty());
    }

    // Mode 21, button 9 and line 201 are dropped with everything that belongs to them.
    void limitsOfModesButtonsAndLines()
    {
        for (int mode = 1; mode <= 21; ++mode) {
            rig->runAll({QStringLiteral("$MODE MENU=Mode %1").arg(mode), QStringLiteral("$MODE FUNC=M%1").arg(mode),
                        QStringLiteral("$BUTTON CAPTION=B%1").arg(mode),
                        QStringLiteral("$BUTTON FUNCTION=F%1").arg(mode)});
        }
        QCOMPARE(rig->host.modeItems.size(), 21);
        rig->control->selectMode(20);
        QCOMPARE(rig->taken(), QByteArray("M20\r"));
        QCOMPARE(rig->host.buttonCaptions().first(), QStringLiteral("B20"));

        rig->control->selectMode(21);
        QCOMPARE(rig->host.modePanel, QStringLiteral("Mode 21"));
        QCOMPARE(rig->host.buttonCaptions().first(), QStringLiteral("B20")); // selection ended early
        rig->control->pressButton(0);
        QVERIFY(rig->written().isEmpty());

        // One mode with 201 lines of its own and of its first button, then eight more buttons.
        TncRig many;
        many.runAll({"$MODE MENU=Long", "$BUTTON TIP=Orphan", "$BUTTON FUNCTION=ORPHAN", "$BUTTON CAPTION=Go"});
        for (int i = 1; i <= 201; ++i)
            many.runAll({QStringLiteral("$MODE FUNC=M%1").arg(i), QStringLiteral("$BUTTON FUNCTION=G%1").arg(i)});
        for (int b = 2; b <= 9; ++b)
            many.runAll({QStringLiteral("$BUTTON CAPTION=B%1").arg(b), QStringLiteral("$BUTTON TIP=T%1").arg(b),
                         QStringLiteral("$BUTTON FUNCTION=F%1").arg(b)});
        many.control->selectMode(1);
        QVERIFY(many.taken().endsWith("M199\rM200\r"));
        QCOMPARE(many.writeList().size(), 400);
        QCOMPARE(many.host.buttonCaptions(), (QStringList{"Go", "B2", "B3", "B4", "B5", "B6", "B7", "B8"}));
        // A tip before any caption changes nothing.
        QCOMPARE(many.host.buttons[0].tip + "|" + many.host.buttons[7].tip, QStringLiteral("|T8"));
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
        rig->run(QStringLiteral("$MODE DEFAULT=5"));
        rig->run(line);
        QTEST(rig->control->state().defaultMode, "mode");
    }

    // "$MODE MENU CLEAR" empties the menu and hides the buttons. Run by a
    // second script while a selection waits, it leaves nothing dangling: the
    // selection's later lines are read after the clear, its buttons stay.
    void clearEmptiesMenuAndHidesButtons()
    {
        rig->runAll(kTwoModes);
        rig->fakes.pauser.during = [this](double) {
            rig->fakes.pauser.during = nullptr;
            rig->run(QStringLiteral("$Mode Menu Clear"));
        };
        rig->control->selectMode(2);
        QCOMPARE(rig->taken(), QByteArray("PACTOR\r"));
        QCOMPARE(rig->host.buttonCaptions().first(), QStringLiteral("Connect"));
        QVERIFY(rig->host.modeItems.isEmpty() && !rig->host.modeMenuVisible && rig->host.placeholderVisible);
        rig->run(QStringLiteral("$MODE MENU CLEAR"));
        QCOMPARE(rig->host.buttonCaptions(), QStringList(8, QString()));

        rig->runAll({"$MODE MENU=Again", "$BUTTON CAPTION=New"});
        QCOMPARE(rig->host.modeItems, (QMap<int, QString>{{1, "Again"}}));
        rig->control->selectMode(1);
        QCOMPARE(rig->written(), QByteArray()); // the old mode lines are gone
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
        rig->globals.gLocalEcho = true;
        rig->runAll({QStringLiteral("$TNC=") + tnc, "$MODE MENU=Net", "$BUTTON CAPTION=Odd"});
        for (const QString& line : modeLines)
            rig->run(QStringLiteral("$MODE FUNC=") + line);
        for (const QString& line : buttonLines)
            rig->run(QStringLiteral("$BUTTON FUNCTION=") + line);
        rig->control->selectMode(1);
        rig->control->pressButton(0);
        QTEST(rig->written(), "written");
        const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
        QTEST(QStringList({rig->globals.gConnectCmd, rig->globals.gConnectsFile, flag(rig->globals.gLocalEcho),
                           flag(rig->globals.gBypassConv), flag(rig->globals.gWordOut)}).join('|'), "settings");
    }

    void secondPressDuringPauseRunsBothSequences()
    {
        rig->runAll({"$MODE MENU=Net", "$BUTTON CAPTION=Slow", "$BUTTON FUNCTION=ONE", "$BUTTON FUNCTION=#",
                    "$BUTTON FUNCTION=TWO", "$BUTTON CAPTION=Fast", "$BUTTON FUNCTION=QUICK"});
        rig->control->selectMode(1);
        rig->fakes.pauser.during = [this](double) {
            rig->fakes.pauser.during = nullptr;
            rig->control->pressButton(1);
        };
        rig->control->pressButton(0);
        QCOMPARE(rig->written(), QByteArray("ONE\rQUICK\rTWO\r"));
    }

    void commandAndConverseMode()
    {
        rig->control->commandMode();
        QCOMPARE(rig->taken(), QByteArray("\x03"));
        QCOMPARE(rig->host.sendBoxFocus, 1);

        QList<QByteArray> writtenAtPauses;
        rig->fakes.pauser.during = [&](double) { writtenAtPauses.append(rig->written()); };
        rig->control->converseMode();
        QCOMPARE(rig->written(), QByteArray("\x03" "CONV\r"));
        QCOMPARE(rig->fakes.pauser.pauses, (QList<double>{0.1, 0.5}));
        QCOMPARE(writtenAtPauses, (QList<QByteArray>{"\x03", "\x03" "CONV\r"}));
        QCOMPARE(rig->host.pane, QStringLiteral("\r\nNow in converse mode\r\n"));
        QCOMPARE(std::pair(rig->host.caretMovedToEnd, rig->host.sendBoxFocus), std::pair(1, 2));

        rig->fakes.link.close(); // a closed port does not stop it
        rig->control->converseMode();
        QCOMPARE(rig->host.pane, QStringLiteral("\r\nNow in converse mode\r\n").repeated(2));
        QCOMPARE(rig->fakes.pauser.pauses.size(), 4);
    }

    // A later run for a KAM re-captions items 0 to 9; back on a PK900 they
    // are the digit channels again and say so.
    void channelMenuFollowsTncModel_data()
    {
        QTest::addColumn<QStringList>("models"); // each named by a start-up script of its own
        QTest::addColumn<QStringList>("visible");
        QTest::addColumn<int>("item");
        QTest::addColumn<QByteArray>("bytes");
        QStringList digits;
        QStringList letters;
        for (int i = 0; i < 10; ++i) {
            digits.append(QStringLiteral("Channel &") + QString::number(i));
            letters.append(QStringLiteral("Channel &") + QChar(u'A' + i));
        }
        QTest::newRow("before any script") << QStringList() << digits << 4 << QByteArray("\x01");
        QTest::newRow("AEA") << QStringList{"AEA"} << digits + letters << 3 << QByteArray("\x01" "3");
        QTest::newRow("PK900 letter item") << QStringList{"PK900"} << digits + letters << 11 << QByteArray("\x01" "B");
        QTest::newRow("KAM") << QStringList{"KAM"} << letters << 1 << QByteArray("\x01" "B");
        QTest::newRow("other") << QStringList{"TNC2"} << letters << 9 << QByteArray("\x01" "J");
        QTest::newRow("none") << QStringList{""} << letters << 0 << QByteArray("\x01" "A");
        QTest::newRow("KAM after PK900") << QStringList{"PK900", "KAM"} << letters + letters << 0
                                         << QByteArray("\x01" "A");
        QTest::newRow("PK900 after KAM") << QStringList{"PK900", "KAM", "PK900"} << digits + letters << 0
                                         << QByteArray("\x01" "0");
    }

    void channelMenuFollowsTncModel()
    {
        QFETCH(QStringList, models);
        QFETCH(int, item);
        for (const QString& model : models)
            rig->runStartup("$TNC=" + model.toLatin1() + "\r\n");
        rig->host.pane.clear();
        QTEST(rig->host.visibleChannels(), "visible");
        rig->control->switchChannel(item);
        QTEST(rig->written(), "bytes");
        QCOMPARE(rig->host.pane, QStringLiteral("Channel %1\r\n").arg(QString::fromLatin1(rig->written().mid(1))));
    }

    void autobaudSendsTenStarsASecondApart()
    {
        QList<QByteArray> writtenAtPauses;
        rig->fakes.pauser.during = [&](double) { writtenAtPauses.append(rig->written()); };
        rig->control->sendAutobaud();
        QCOMPARE(rig->written(), QByteArray(10, '*'));
        QCOMPARE(rig->fakes.pauser.pauses, QList<double>(10, 1.0));
        for (int i = 0; i < 10; ++i)
            QCOMPARE(writtenAtPauses.at(i), QByteArray(i + 1, '*'));

        TncRig failing;
        failing.fakes.link.failWritesAfter = 3;
        failing.control->sendAutobaud();
        QCOMPARE(failing.written(), QByteArray(3, '*'));
        QCOMPARE(failing.fakes.pauser.pauses.size(), 3);
    }

    void closingTheWindowMidwayEndsTheWork_data()
    {
        QTest::addColumn<QString>("work");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("autobaud") << "autobaud" << QByteArray("*");
        QTest::newRow("script pause") << "script" << QByteArray("ONE\r");
        QTest::newRow("script error box") << "error" << QByteArray();
        QTest::newRow("mode selection pause") << "mode" << QByteArray();
    }

    void closingTheWindowMidwayEndsTheWork()
    {
        QFETCH(QString, work);
        rig->runAll({"$MODE MENU=Net", "$BUTTON CAPTION=Slow", "$BUTTON FUNCTION=ONE", "$MODE FUNC=#",
                    "$MODE FUNC=AFTER"});
        rig->fakes.pauser.during = [this](double) { delete rig->control.data(); };
        rig->fakes.prompter.onShow = [this] { delete rig->control.data(); };
        const int focusBefore = rig->host.sendBoxFocus;
        if (work == QLatin1String("autobaud"))
            rig->control->sendAutobaud();
        else if (work == QLatin1String("script"))
            rig->runStartup("ONE\r\n#\r\nTWO\r\n$MODE MENU=M\r\n$MODE DEFAULT=1\r\n");
        else if (work == QLatin1String("error"))
            rig->runStartup("$FILE=GONE.TXT\r\nAFTER\r\n");
        else
            rig->control->selectMode(1);
        QVERIFY(rig->control.isNull());
        QTEST(rig->written(), "written");
        QCOMPARE(rig->host.sendBoxFocus, focusBefore);
        QVERIFY(!rig->host.busyChanges.contains(false)); // the run never told the window it ended
    }

    void connectSendsCtrlCThenCommandAndCall_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        // The plain call and the one with a note are sent from the dialog below.
        QTest::newRow("space before semicolon kept") << "C" << "  W1AW ;Hiram " << QByteArray("\x03" "C W1AW \r");
        QTest::newRow("other command word") << "CONNECT" << "K2ABC-3" << QByteArray("\x03" "CONNECT K2ABC-3\r");
        QTest::newRow("empty text") << "C" << "" << QByteArray();
    }

    void connectSendsCtrlCThenCommandAndCall()
    {
        QFETCH(QString, command);
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        rig->globals.gConnectCmd = command;
        rig->connectList()->connectStation(text);
        QCOMPARE(rig->written(), bytes);
        QCOMPARE(rig->writeList().size(), bytes.isEmpty() ? 0 : 2);
    }

    void listFileKeepsEntriesOneALine()
    {
        rig->writeFile(kListFile, "W1AW;Hiram\r\n \r\n\r\n  K2ABC  \nN0CALL\r");
        const auto list = rig->connectList();
        QCOMPARE(list->entries(), (QStringList{"W1AW;Hiram", "K2ABC", "N0CALL"}));
        list->addToList(QStringLiteral(" KB1XYZ "));
        QCOMPARE(rig->readFile(kListFile), QByteArray("W1AW;Hiram\r\nK2ABC\r\nN0CALL\r\nKB1XYZ\r\n"));
        QCOMPARE(rig->connectList()->entries(), list->entries());

        list->addToList(QStringLiteral("K2ABC")); // already there: a beep, the file is left alone
        QCOMPARE(rig->fakes.beeper.beeps, 1);
        list->deleteFromList(1);
        list->deleteFromList(-1);
        QCOMPARE(rig->readFile(kListFile), QByteArray("W1AW;Hiram\r\nN0CALL\r\nKB1XYZ\r\n"));
    }

    // The list's file follows the "$CONFILE" setting but stays inside the
    // program folder; a list that cannot be saved says so in the status panel.
    void listFileFollowsConFileSetting()
    {
        rig->writeFile(QStringLiteral("netlist.txt"), "NET1\r\n");
        rig->globals.gConnectsFile = QStringLiteral("\\NETLIST.TXT");
        const auto list = rig->connectList();
        QCOMPARE(list->entries(), QStringList{"NET1"});
        rig->globals.gConnectsFile = QStringLiteral("\\..\\..\\outside.txt");
        QVERIFY(list->filePath().startsWith(rig->folder() + QLatin1Char('/')));

        rig->writeFile(QStringLiteral("plainfile"), "not a folder");
        rig->globals.gConnectsFile = QStringLiteral("\\plainfile\\list.txt");
        list->addToList(QStringLiteral("W1AW"));
        QVERIFY(rig->host.status.startsWith(QStringLiteral("Status: Connect list not saved (Vellicor Error ")));
        QCOMPARE(rig->readFile(QStringLiteral("plainfile")), QByteArray("not a folder"));
        QVERIFY(rig->fakes.prompter.prompts.isEmpty());
    }

    // Only what is typed is upper-cased: a note stored in the list keeps its
    // case, and typing never completes to an entry.
    void dialogShowsEditsAndConnects()
    {
        rig->writeFile(kListFile, "W1AW;Hiram\r\n");
        FrmConnect dialog(rig->globals, ProgramFolder(rig->folder()), rig->writer, rig->fakes.platform(), rig->host);
        QComboBox* list = dialog.cmbStationList;
        QCOMPARE(dialog.focusWidget(), list); // ready for a call
        QCOMPARE(QStringList({QString::number(list->count()), list->currentText(), dialog.labConnect->text()}),
                 (QStringList{"1", "W1AW;Hiram", "W1AW"}));
        QCOMPARE(dialog.mnuHelp->property("helpContext").toInt(), 1010); // F1 on the highlighted Help item
        dialog.mnuHelp->trigger();
        QCOMPARE(rig->fakes.help.contexts, QList<int>{760});

        dialog.cmbStationList->setEditText(QStringLiteral("KB1XYZ;NET"));
        QCOMPARE(dialog.labConnect->text(), QStringLiteral("KB1XYZ"));
        dialog.mnuAddToList->trigger();
        QCOMPARE(rig->readFile(kListFile), QByteArray("W1AW;Hiram\r\nKB1XYZ;NET\r\n"));
        QCOMPARE(dialog.cmbStationList->count(), 2);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.cmbStationList->setFocus();
        dialog.cmbStationList->clearEditText();
        QTest::keyClicks(dialog.cmbStationList, QStringLiteral("kb1"));
        QCOMPARE(dialog.labConnect->text(), QStringLiteral("KB1"));
        dialog.cmbStationList->setEditText(QStringLiteral("TYPED"));
        dialog.mnuDeleteFromList->trigger(); // the typed text is not an entry: nothing goes
        QCOMPARE(dialog.cmbStationList->count(), 2);
        dialog.cmbStationList->setCurrentIndex(1);
        dialog.mnuDeleteFromList->trigger();
        QCOMPARE(rig->readFile(kListFile), QByteArray("W1AW;Hiram\r\n"));

        dialog.cmdCancel->click();
        QVERIFY(rig->written().isEmpty());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        dialog.show();
        dialog.cmdOK->click();
        QCOMPARE(rig->written(), QByteArray("\x03" "C W1AW\r"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        dialog.mnuDeleteFromList->trigger();
        QCOMPARE(dialog.cmbStationList->count(), 0);
        QCOMPARE(rig->readFile(kListFile), QByteArray());
    }

    void tacticalDialogSetsOrClearsTheAlias_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("writes");
        QTest::newRow("set") << " eoc " << QStringList{"SET/ALIAS EOC\r", "SWITCH\r"};
        QTest::newRow("inner blank kept") << "shelter 2" << QStringList{"SET/ALIAS SHELTER 2\r", "SWITCH\r"};
        QTest::newRow("empty resets") << "" << QStringList{"SWITCH\r", "SET/NOALIAS\r"};
    }

    // The main window keeps one dialog and only hides it, so the text stays.
    void tacticalDialogSetsOrClearsTheAlias()
    {
        QFETCH(QString, typed);
        FrmTactical dialog(rig->writer);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Vellicor Tactical Call"));
        dialog.show();
        QTest::keyClicks(dialog.txtTactical, typed);
        QTest::keyClick(dialog.txtTactical, Qt::Key_Return); // OK is the default button
        QTEST(rig->writeList(), "writes");
        QVERIFY(!dialog.isVisible());

        dialog.show();
        QCOMPARE(dialog.txtTactical->text(), typed.toUpper());
        dialog.cmdCancel->click();
        QCOMPARE(rig->writeList().size(), 2);
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(TncControlTest)
#include "TncControlTest.moc"
