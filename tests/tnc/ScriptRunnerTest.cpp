#include "TncRig.h"
#include "tnc/ScriptRunner.h"

#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

// Running start-up, shut-down, custom and included scripts from files.
class ScriptRunnerTest : public QObject {
    Q_OBJECT
private slots:
    void missingStartupScriptIsSilentAndChangesNoMenu();
    void startupScriptRunsEveryLineWhateverItsLineEnds();
    void shutdownScriptPausesTwoSecondsBeforeMenuSetUp();
    void customScriptRunsTheChosenFile();
    void cancelledCustomDialogRunsNothing();
    void includedFileIsReadFromProgramFolderIgnoringCase();
    void missingIncludedFileShowsError53();
    void unreadableScriptShowsFileError();
    void selfIncludingFileStopsAfterElevenLevels();
    void includesAreNotLimitedOverTheWindowsLife();
    void branchingSelfIncludeEnds();
    void channelMenuFollowsTncModel_data();
    void channelMenuFollowsTncModel();
    void runEndsWithDefaultMode();
    void includedRunAppliesDefaultModeToo();
    void nothingHappensWhilePortIsNotUsable();
    void unknownKindOnlyMarksThePane();
    void survivesBinaryFiles();
    void closingWindowDuringScriptPauseEndsRun();
    void closingWindowDuringErrorBoxEndsRun();
};

void ScriptRunnerTest::missingStartupScriptIsSilentAndChangesNoMenu()
{
    TncRig rig;
    const auto channelsBefore = rig.host.visibleChannels();
    rig.control->RunScript(QStringLiteral("Start"));
    QVERIFY(rig.fakes.prompter.prompts.isEmpty());
    QCOMPARE(rig.host.visibleChannels(), channelsBefore);
    QVERIFY(!rig.host.modeMenuVisible);
    QCOMPARE(rig.host.busyChanges, (QList<bool>{true, false}));
    QCOMPARE(rig.host.pane, QStringLiteral("\r\n"));
    QVERIFY(rig.written().isEmpty());
}

void ScriptRunnerTest::startupScriptRunsEveryLineWhateverItsLineEnds()
{
    TncRig rig;
    rig.writeFile(QStringLiteral("VellicorStartup.txt"), "ONE\r\nTWO\rTHREE\nFOUR");
    rig.control->RunScript(QStringLiteral("start"));
    QCOMPARE(rig.written(), QByteArray("ONE\rTWO\rTHREE\rFOUR\r"));
    QCOMPARE(rig.host.busyChanges.last(), false);
}

void ScriptRunnerTest::shutdownScriptPausesTwoSecondsBeforeMenuSetUp()
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

void ScriptRunnerTest::customScriptRunsTheChosenFile()
{
    TncRig rig;
    const QString path = rig.writeFile(QStringLiteral("net.txt"), "NET\r\n");
    rig.fakes.dialogs.fileAnswers = {path};
    rig.control->runCustomScript();
    QCOMPARE(rig.written(), QByteArray("NET\r"));
    QCOMPARE(rig.fakes.dialogs.requests.size(), 1);
    const FileDialogRequest& request = rig.fakes.dialogs.requests.first();
    QCOMPARE(request.title, QStringLiteral("Custom Script"));
    QCOMPARE(request.filter,
             QStringLiteral("Vellicor (Vellicor*.*)|Vellicor*.*|Text (*.txt)|*.txt|All Files (*.*)|*.*"));
    QCOMPARE(request.defaultExtension, QStringLiteral(".txt"));

    rig.fakes.dialogs.fileAnswers = {std::nullopt};
    rig.control->runCustomScript();
    QCOMPARE(rig.fakes.dialogs.requests.last().fileName, path); // the dialog remembers the file
}

void ScriptRunnerTest::cancelledCustomDialogRunsNothing()
{
    TncRig rig;
    rig.control->runCustomScript();
    QVERIFY(rig.written().isEmpty());
    QVERIFY(rig.host.busyChanges.isEmpty());
    QVERIFY(rig.host.pane.isEmpty());
}

void ScriptRunnerTest::includedFileIsReadFromProgramFolderIgnoringCase()
{
    TncRig rig;
    rig.writeFile(QStringLiteral("Kam.txt"), "INSIDE\r\n");
    rig.writeFile(QStringLiteral("VellicorStartup.txt"), "BEFORE\r\n$file = kam.txt\r\nAFTER\r\n");
    rig.control->RunScript(QStringLiteral("Start"));
    QCOMPARE(rig.written(), QByteArray("BEFORE\rINSIDE\rAFTER\r"));
    QCOMPARE(rig.control->state().includeFile, QStringLiteral("KAM.TXT"));
    QVERIFY(rig.fakes.prompter.prompts.isEmpty());
}

void ScriptRunnerTest::missingIncludedFileShowsError53()
{
    TncRig rig;
    rig.writeFile(QStringLiteral("VellicorStartup.txt"), "$FILE=NOWHERE.TXT\r\nAFTER\r\n");
    rig.control->RunScript(QStringLiteral("Start"));
    QCOMPARE(rig.fakes.prompter.prompts.size(), 1);
    const Prompt& box = rig.fakes.prompter.prompts.first();
    QCOMPARE(box.title, QStringLiteral("Vellicor Error 53"));
    QCOMPARE(box.text, rig.dir.filePath(QStringLiteral("NOWHERE.TXT")) + QStringLiteral("\r\nFile not found"));
    QCOMPARE(box.buttons, PromptButtons::OkCancel);
    QCOMPARE(box.icon, PromptIcon::Exclamation);
    QCOMPARE(rig.written(), QByteArray("AFTER\r"));
}

void ScriptRunnerTest::unreadableScriptShowsFileError()
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

void ScriptRunnerTest::selfIncludingFileStopsAfterElevenLevels()
{
    TncRig rig;
    rig.writeFile(QStringLiteral("SELF.TXT"), "X\r\n$FILE=SELF.TXT\r\n");
    rig.writeFile(QStringLiteral("VellicorStartup.txt"), "$FILE=SELF.TXT\r\n");
    rig.control->RunScript(QStringLiteral("Start"));
    QCOMPARE(rig.written(), QByteArray("X\r").repeated(11));
    QCOMPARE(rig.fakes.beeper.beeps, 1);
    QCOMPARE(rig.host.busyChanges.last(), false);
}

void ScriptRunnerTest::includesAreNotLimitedOverTheWindowsLife()
{
    TncRig rig;
    rig.writeFile(QStringLiteral("PIECE.TXT"), "P\r\n");
    rig.writeFile(QStringLiteral("VellicorStartup.txt"), "$FILE=PIECE.TXT\r\n");
    for (int i = 0; i < 15; ++i)
        rig.control->RunScript(QStringLiteral("Start"));
    QCOMPARE(rig.written(), QByteArray("P\r").repeated(15));
    QCOMPARE(rig.fakes.beeper.beeps, 0);
}

void ScriptRunnerTest::branchingSelfIncludeEnds()
{
    TncRig rig;
    rig.writeFile(QStringLiteral("TREE.TXT"), QByteArray("$FILE=TREE.TXT\r\n").repeated(6) + "LEAF\r\n");
    rig.writeFile(QStringLiteral("VellicorStartup.txt"), "$FILE=TREE.TXT\r\nDONE\r\n");
    rig.control->RunScript(QStringLiteral("Start"));
    QVERIFY(rig.written().count("LEAF\r") <= TncState::kMaxIncludeAttempts);
    QVERIFY(!rig.written().endsWith("DONE\r")); // the operation's remaining lines are dropped

    rig.written().clear();
    rig.writeFile(QStringLiteral("VellicorStartup.txt"), "FRESH\r\n");
    rig.control->RunScript(QStringLiteral("Start"));
    QCOMPARE(rig.written(), QByteArray("FRESH\r"));
}

void ScriptRunnerTest::channelMenuFollowsTncModel_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("visible");
    QTest::addColumn<int>("item");
    QTest::addColumn<QByteArray>("bytes");
    QStringList digits;
    QStringList letters;
    for (int i = 0; i < 10; ++i) {
        digits.append(QStringLiteral("Channel &") + QString::number(i));
        letters.append(QStringLiteral("Channel &") + QChar(u'A' + i));
    }
    QTest::newRow("AEA") << "AEA" << digits + letters << 3 << QByteArray("\x01" "3");
    QTest::newRow("PK900 letter item") << "PK900" << digits + letters << 11 << QByteArray("\x01" "B");
    QTest::newRow("KAM") << "KAM" << letters << 1 << QByteArray("\x01" "B");
    QTest::newRow("other") << "TNC2" << letters << 9 << QByteArray("\x01" "J");
    QTest::newRow("none") << "" << letters << 0 << QByteArray("\x01" "A");
}

void ScriptRunnerTest::channelMenuFollowsTncModel()
{
    QFETCH(QString, type);
    QFETCH(QStringList, visible);
    QFETCH(int, item);
    QFETCH(QByteArray, bytes);
    TncRig rig;
    rig.writeFile(QStringLiteral("VellicorStartup.txt"), (QStringLiteral("$TNC=") + type).toLatin1());
    rig.control->RunScript(QStringLiteral("Start"));
    QCOMPARE(rig.host.visibleChannels(), visible);
    rig.control->switchChannel(item);
    QCOMPARE(rig.written(), bytes);
}

void ScriptRunnerTest::runEndsWithDefaultMode()
{
    TncRig rig;
    rig.writeFile(QStringLiteral("VellicorStartup.txt"),
                  "$MODE MENU=&One\r\n$MODE MENU=&Second\r\n$MODE FUNC=SECOND\r\n$MODE DEFAULT=2\r\n");
    rig.control->RunScript(QStringLiteral("Start"));
    QCOMPARE(rig.host.modePanel, QStringLiteral("Second"));
    QCOMPARE(rig.written(), QByteArray("SECOND\r"));

    rig.writeFile(QStringLiteral("VellicorStartup.txt"), "$MODE DEFAULT=9\r\n");
    rig.control->RunScript(QStringLiteral("Start")); // no ninth item: nothing is chosen
    QCOMPARE(rig.control->state().currentMode, 2);
}

void ScriptRunnerTest::includedRunAppliesDefaultModeToo()
{
    TncRig rig;
    rig.writeFile(QStringLiteral("MODES.TXT"), "$MODE MENU=Net\r\n$MODE FUNC=NET\r\n$MODE DEFAULT=1\r\n");
    rig.writeFile(QStringLiteral("VellicorStartup.txt"), "$FILE=MODES.TXT\r\n");
    rig.control->RunScript(QStringLiteral("Start"));
    QCOMPARE(rig.written(), QByteArray("NET\rNET\r"));
}

void ScriptRunnerTest::nothingHappensWhilePortIsNotUsable()
{
    TncRig rig;
    rig.writeFile(QStringLiteral("VellicorStartup.txt"), "HELLO\r\n");
    rig.globals.gPortOk = false;
    rig.control->RunScript(QStringLiteral("Start"));
    QVERIFY(rig.host.busyChanges.isEmpty());
    QVERIFY(rig.host.pane.isEmpty());
    QVERIFY(rig.written().isEmpty());
}

void ScriptRunnerTest::unknownKindOnlyMarksThePane()
{
    TncRig rig;
    rig.writeFile(QStringLiteral("VellicorStartup.txt"), "HELLO\r\n");
    rig.control->RunScript(QStringLiteral("Restart"));
    QCOMPARE(rig.host.pane, QStringLiteral("\r\n"));
    QCOMPARE(rig.host.busyChanges, (QList<bool>{true, false}));
    QVERIFY(rig.written().isEmpty());
}

void ScriptRunnerTest::survivesBinaryFiles()
{
    TncRig rig;
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(static_cast<char>((i * 37) & 0xFF));
    rig.writeFile(QStringLiteral("VellicorStartup.txt"),
                  QByteArray("A\0B\r\n", 5) + QByteArray(1 << 20, 'Z') + "\r\n" + binary);
    rig.control->RunScript(QStringLiteral("Start"));
    QVERIFY(rig.written().startsWith(QByteArray("A\0B\r", 4) + QByteArray(1 << 20, 'Z') + '\r'));
    QCOMPARE(rig.host.busyChanges.last(), false);
}

void ScriptRunnerTest::closingWindowDuringScriptPauseEndsRun()
{
    TncRig rig;
    rig.writeFile(QStringLiteral("VellicorStartup.txt"), "ONE\r\n#\r\nTWO\r\n$MODE MENU=M\r\n$MODE DEFAULT=1\r\n");
    rig.fakes.pauser.during = [&rig](double) { delete rig.control.data(); };
    rig.control->RunScript(QStringLiteral("Start"));
    QVERIFY(rig.control.isNull());
    QCOMPARE(rig.written(), QByteArray("ONE\r"));
    QCOMPARE(rig.host.busyChanges, QList<bool>{true});
}

void ScriptRunnerTest::closingWindowDuringErrorBoxEndsRun()
{
    TncRig rig;
    rig.writeFile(QStringLiteral("VellicorStartup.txt"), "$FILE=GONE.TXT\r\nAFTER\r\n");
    rig.fakes.prompter.onShow = [&rig] { delete rig.control.data(); };
    rig.control->RunScript(QStringLiteral("Start"));
    QVERIFY(rig.control.isNull());
    QVERIFY(rig.written().isEmpty());
}

QTEST_GUILESS_MAIN(ScriptRunnerTest)
#include "ScriptRunnerTest.moc"
