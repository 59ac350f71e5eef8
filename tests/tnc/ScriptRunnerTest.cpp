#include "TncRig.h"
#include "tnc/ScriptRunner.h"

#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

// Running start-up, shut-down, custom and included scripts from files.
class ScriptRunnerTest : public QObject {
    Q_OBJECT
private slots:
    void runsThatSendNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("script"); // null: no start-up script
        QTest::addColumn<bool>("portOk");
        QTest::addColumn<QString>("pane");
        QTest::addColumn<QList<bool>>("busy");
        const QList<bool> busy{true, false};
        QTest::newRow("missing start-up script is silent") << "Start" << QByteArray() << true << "\r\n" << busy;
        QTest::newRow("port not usable") << "Start" << QByteArray("HELLO\r\n") << false << "" << QList<bool>{};
        QTest::newRow("unknown kind only marks the pane") << "Restart" << QByteArray("HELLO\r\n") << true << "\r\n"
                                                          << busy;
    }

    void runsThatSendNothing()
    {
        QFETCH(QByteArray, script);
        QFETCH(bool, portOk);
        QFETCH(QString, kind);
        TncRig rig;
        if (!script.isNull())
            rig.writeFile(QStringLiteral("VellicorStartup.txt"), script);
        rig.globals.gPortOk = portOk;
        const QStringList channelsBefore = rig.host.visibleChannels();
        rig.control->RunScript(kind);
        QTEST(rig.host.pane, "pane");
        QTEST(rig.host.busyChanges, "busy");
        QVERIFY(rig.written().isEmpty());
        QVERIFY(rig.fakes.prompter.prompts.isEmpty());
        QCOMPARE(rig.host.visibleChannels(), channelsBefore);
        QVERIFY(!rig.host.modeMenuVisible);
    }

    void startupScriptRunsEveryLineWhateverItsLineEnds()
    {
        TncRig rig;
        rig.writeFile(QStringLiteral("VellicorStartup.txt"), "ONE\r\nTWO\rTHREE\nFOUR");
        rig.control->RunScript(QStringLiteral("start"));
        QCOMPARE(rig.written(), QByteArray("ONE\rTWO\rTHREE\rFOUR\r"));
    }

    void shutdownScriptPausesTwoSecondsBeforeMenuSetUp()
    {
        TncRig rig;
        rig.writeFile(QStringLiteral("VellicorShutdown.txt"),
                      "$TNC=KAM\r\n$MODE MENU=Off\r\n$MODE FUNC=LAST\r\n$MODE DEFAULT=1\r\nBYE\r\n");
        QStringList channelsAtPause;
        QByteArray writtenAtPause;
        rig.fakes.pauser.during = [&](double) {
            channelsAtPause = rig.host.visibleChannels();
            writtenAtPause = rig.written();
        };
        rig.control->RunScript(QStringLiteral("Shut"));
        QCOMPARE(rig.fakes.pauser.pauses, QList<double>{2.0});
        QCOMPARE(writtenAtPause, QByteArray("BYE\r"));
        QCOMPARE(channelsAtPause.first(), QStringLiteral("Channel &0"));
        QCOMPARE(rig.host.visibleChannels().first(), QStringLiteral("Channel &A"));
        QCOMPARE(rig.written(), QByteArray("BYE\rLAST\r"));
    }

    void customScriptRunsTheChosenFile()
    {
        TncRig rig;
        rig.control->runCustomScript(); // cancelled: nothing runs
        QVERIFY(rig.host.busyChanges.isEmpty());
        QVERIFY(rig.host.pane.isEmpty());

        const QString path = rig.writeFile(QStringLiteral("net.txt"), "NET\r\n");
        rig.fakes.dialogs.fileAnswers = {path, std::nullopt};
        rig.control->runCustomScript();
        QCOMPARE(rig.written(), QByteArray("NET\r"));
        const FileDialogRequest& request = rig.fakes.dialogs.requests.last();
        QCOMPARE(request.title, QStringLiteral("Custom Script"));
        QCOMPARE(request.filter,
                 QStringLiteral("Vellicor (Vellicor*.*)|Vellicor*.*|Text (*.txt)|*.txt|All Files (*.*)|*.*"));
        QCOMPARE(request.defaultExtension, QStringLiteral(".txt"));
        rig.control->runCustomScript();
        QCOMPARE(rig.fakes.dialogs.requests.last().fileName, path); // the dialog remembers the file
    }

    // "$FILE" names arrive upper-cased: a plain name is in the program folder,
    // a path is used as given (relative ones from the program folder), and
    // each part matches an existing file or folder ignoring letter case.
    void includedFileIsFoundIgnoringCase_data()
    {
        QTest::addColumn<QString>("name"); // %1: the program folder
        QTest::addColumn<QByteArray>("sent");
        QTest::newRow("plain name") << "kam.txt" << QByteArray("INSIDE\r");
        QTest::newRow("absolute path") << "%1/Scripts/Kam.txt" << QByteArray("NESTED\r");
        QTest::newRow("relative path") << "scripts/kam.txt" << QByteArray("NESTED\r");
        QTest::newRow("dot at the start") << "./SCRIPTS/kam.TXT" << QByteArray("NESTED\r");
    }

    void includedFileIsFoundIgnoringCase()
    {
        QFETCH(QString, name);
        TncRig rig;
        QVERIFY(QDir(rig.folder()).mkdir(QStringLiteral("Scripts")));
        rig.writeFile(QStringLiteral("Scripts/Kam.txt"), "NESTED\r\n");
        rig.writeFile(QStringLiteral("Kam.txt"), "INSIDE\r\n");
        name.replace(QLatin1String("%1"), rig.folder());
        rig.runStartup("BEFORE\r\n$file = " + name.toLatin1() + "\r\nAFTER\r\n");
        QFETCH(QByteArray, sent);
        QCOMPARE(rig.written(), "BEFORE\r" + sent + "AFTER\r");
        QCOMPARE(rig.control->state().includeFile, name.toUpper());
        QVERIFY(rig.fakes.prompter.prompts.isEmpty());
    }

    // The default mode is chosen at the end of the run, also when set in an
    // included file; a default with no such item chooses nothing.
    void runEndsWithTheDefaultMode()
    {
        TncRig rig;
        rig.writeFile(QStringLiteral("MODES.TXT"), "$MODE MENU=Net\r\n$MODE FUNC=NET\r\n$MODE DEFAULT=1\r\n");
        rig.runStartup("$FILE=MODES.TXT\r\n$MODE MENU=&Second\r\n$MODE FUNC=SECOND\r\n$MODE DEFAULT=2\r\n");
        QCOMPARE(rig.written(), QByteArray("NET\rSECOND\r"));
        QCOMPARE(rig.host.modePanel, QStringLiteral("Second"));
        rig.runStartup("$MODE DEFAULT=9\r\n");
        QCOMPARE(rig.control->state().currentMode, 2);
    }

    void missingIncludedFileShowsError53()
    {
        TncRig rig;
        rig.runStartup("$FILE=NOWHERE.TXT\r\nAFTER\r\n");
        QCOMPARE(rig.fakes.prompter.prompts.size(), 1);
        const Prompt& box = rig.fakes.prompter.prompts.first();
        QCOMPARE(box.title, QStringLiteral("Vellicor Error 53"));
        QCOMPARE(box.text, rig.dir.filePath(QStringLiteral("NOWHERE.TXT")) + QStringLiteral("\r\nFile not found"));
        QCOMPARE(box.buttons, PromptButtons::OkCancel);
        QCOMPARE(box.icon, PromptIcon::Exclamation);
        QCOMPARE(rig.written(), QByteArray("AFTER\r"));
    }

    void unreadableScriptShowsFileError()
    {
        TncRig rig;
        QDir(rig.folder()).mkdir(QStringLiteral("adir"));
        rig.fakes.dialogs.fileAnswers = {rig.dir.filePath(QStringLiteral("adir"))};
        rig.control->runCustomScript();
        QCOMPARE(rig.fakes.prompter.prompts.size(), 1);
        QVERIFY(rig.fakes.prompter.prompts.first().title.startsWith(QStringLiteral("Vellicor Error ")));
        QVERIFY(rig.fakes.prompter.prompts.first().title != QStringLiteral("Vellicor Error 53"));
        QCOMPARE(rig.host.busyChanges.last(), false);
    }

    // Eleven levels of a file including itself, then a beep; the limit is per
    // run, not over the window's life, and a branching include ends too.
    void includeDepthIsBoundedForEachRun()
    {
        TncRig rig;
        rig.writeFile(QStringLiteral("SELF.TXT"), "X\r\n$FILE=SELF.TXT\r\n");
        rig.runStartup("$FILE=SELF.TXT\r\n");
        QCOMPARE(rig.written(), QByteArray("X\r").repeated(11));
        QCOMPARE(rig.fakes.beeper.beeps, 1);
        QCOMPARE(rig.host.busyChanges.last(), false);

        rig.written().clear();
        rig.writeFile(QStringLiteral("PIECE.TXT"), "P\r\n");
        for (int i = 0; i < 15; ++i)
            rig.runStartup("$FILE=PIECE.TXT\r\n");
        QCOMPARE(rig.written(), QByteArray("P\r").repeated(15));
        QCOMPARE(rig.fakes.beeper.beeps, 1);

        rig.written().clear();
        rig.writeFile(QStringLiteral("TREE.TXT"), QByteArray("$FILE=TREE.TXT\r\n").repeated(6) + "LEAF\r\n");
        rig.runStartup("$FILE=TREE.TXT\r\nDONE\r\n");
        QVERIFY(rig.written().count("LEAF\r") <= TncState::kMaxIncludeAttempts);
        QVERIFY(!rig.written().endsWith("DONE\r")); // the operation's remaining lines are dropped
        QCOMPARE(rig.fakes.beeper.beeps, 2);        // one beep for the whole operation
        rig.written().clear();
        rig.runStartup("FRESH\r\n");
        QCOMPARE(rig.written(), QByteArray("FRESH\r"));
    }

    // A button that starts an include loop while the start-up script waits
    // spends its own budget: the script's later lines still go out.
    void anIncludeLoopStartedDuringAPauseLeavesTheWaitingScriptAlone()
    {
        TncRig rig;
        rig.writeFile(QStringLiteral("TREE.TXT"), QByteArray("$FILE=TREE.TXT\r\n").repeated(6) + "LEAF\r\n");
        rig.fakes.pauser.during = [&rig](double) {
            rig.fakes.pauser.during = nullptr;
            rig.run(QStringLiteral("$FILE=TREE.TXT"));
        };
        rig.runStartup("FIRST\r\n#\r\nLAST\r\n$FILE=MISSING.TXT\r\n");
        QVERIFY(rig.written().startsWith("FIRST\rLEAF\r"));
        QVERIFY(rig.written().endsWith("LEAF\rLAST\r"));
        QCOMPARE(rig.fakes.beeper.beeps, 1);
        QCOMPARE(rig.fakes.prompter.prompts.size(), 1); // the script's own include was still tried
    }

    void survivesBinaryFiles()
    {
        TncRig rig;
        QByteArray binary;
        for (int i = 0; i < 4096; ++i)
            binary.append(static_cast<char>((i * 37) & 0xFF));
        rig.runStartup(QByteArray("A\0B\r\n", 5) + QByteArray(1 << 20, 'Z') + "\r\n" + binary);
        QVERIFY(rig.written().startsWith(QByteArray("A\0B\r", 4) + QByteArray(1 << 20, 'Z') + '\r'));
        QCOMPARE(rig.host.busyChanges.last(), false);
    }
};

QTEST_GUILESS_MAIN(ScriptRunnerTest)
#include "ScriptRunnerTest.moc"
