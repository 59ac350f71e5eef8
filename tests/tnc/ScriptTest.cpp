#include "TncRig.h"

#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

// What each kind of script line sends to the TNC and shows in the receive
// pane, and running start-up, shut-down, custom and included scripts from files.
class ScriptTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TncRig> rig; // a fresh one for each case

private slots:
    void init() { rig = std::make_unique<TncRig>(); }
    void cleanup() { rig.reset(); }

    void sendsWhatEachLineKindMeans_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<int>("pauses"); // half a second each
        QTest::addColumn<QString>("pane");
        const auto row = [](const char* name, const QString& line, const QByteArray& bytes, int beeps = 0,
                            int pauses = 0, const QString& pane = {}) {
            QTest::newRow(name) << line << bytes << beeps << pauses << pane;
        };
        const QString invalid = QStringLiteral("Invalid Hex string in Settings File:\r\n%1\r\n");
        row("comment", "* MYCALL N0CALL", "");
        row("only spaces", "     ", "");
        row("text gets CR", "MYCALL N0CALL", "MYCALL N0CALL\r");
        row("trimmed of spaces", "   MYCALL N0CALL  ", "MYCALL N0CALL\r");
        row("tab is not trimmed", "\tX", "\tX\r");
        row("semicolon is sent", "; not a comment", "; not a comment\r");
        row("hash pauses", "#", "", 0, 1);
        row("ampersand without H'", "&X'41'", "");
        row("unknown directive", "$WHATEVER=1", "");
        row("mode-only directive in a script", "$CONNECT=CONNECT", "");
        row("cmd line at start is a directive", "$CMD LINE", "");
        row("hex CR LF", "&H'0D0A'", "\r\n");
        row("hex lower case", "&h'0d0a'", "\r\n");
        row("hex high bytes", "&H'FF8000'", QByteArray("\xFF\x80\x00", 3));
        row("hex text after quote", "&H'41'IGNORED", "A");
        row("hex odd digits", "&H'0D0'", "", 0, 0, invalid.arg("&H'0D0'"));
        row("hex no closing quote", "&H'0D0A", "", 0, 0, invalid.arg("&H'0D0A"));
        // A character that is no hexadecimal digit beeps and counts as 0.
        row("hex bad high digit", "&H'G1'", "\x01", 1);
        row("hex bad low digit", "&H'4Z'", "\x40", 1);
        row("^C ends without CR", "ABC^C", "ABC\x03");
        row("^M ends without CR", "X^M", "X\r");
        row("^X below 25", "^X", "\x18");
        row("^Y gets CR", "^Y", "\x19\r");
        row("^@ is NUL", "^@", QByteArray("\x00", 1));
        row("^_ is 31", "^_", "\x1F\r");
        row("lower-case letter", "^a^b", "\x01\x02");
        row("trailing caret removed", "AB^", "AB\r");
        row("caret before digit", "^1X", "1X\r");
        row("caret before question mark", "^?X", "?X\r");
        row("triple caret", "^^^", "\x1E\r");
        row("caret alone sends nothing", "^", "");
        row("caret before the euro sign", QStringLiteral("^\u20AC"), "@\r");
        row("caret before accented letter", QString::fromLatin1("^\xE9"), "\x89\r");
    }

    void sendsWhatEachLineKindMeans()
    {
        QFETCH(QString, line);
        QFETCH(int, pauses);
        rig->run(line);
        QTEST(rig->written(), "bytes");
        QTEST(rig->host.pane, "pane");
        QTEST(rig->fakes.beeper.beeps, "beeps");
        QCOMPARE(rig->fakes.pauser.pauses, QList<double>(pauses, 0.5));
    }

    void substitutesSendBoxTextForCmdLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("with text") << "SEND $CMD LINE NOW" << "hello" << QByteArray("SEND hello NOW\r");
        QTest::newRow("empty box") << "SEND $CMD LINE NOW" << "" << QByteArray("SEND  NOW\r");
        QTest::newRow("token in lower case") << "C $cmd line" << "W1AW" << QByteArray("C W1AW\r");
        QTest::newRow("only first token") << "A $CMD LINE $CMD LINE" << "z" << QByteArray("A z $CMD LINE\r");
        QTest::newRow("caret notation in box text") << "X $CMD LINE" << "^C" << QByteArray("X \x03");
    }

    void substitutesSendBoxTextForCmdLine()
    {
        QFETCH(QString, box);
        rig->host.sendBox = box;
        QFETCH(QString, line);
        rig->run(line);
        QTEST(rig->written(), "bytes");
        QCOMPARE(rig->host.sendBox, QString());
    }

    void ignoresEveryLineWhilePortIsNotUsable()
    {
        rig->globals.gPortOk = false;
        rig->host.sendBox = QStringLiteral("keep");
        rig->runAll({"$TNC=KAM", "$CAPTION=Net", "$MODE MENU=&Packet", "#", "TEXT $CMD LINE", "&H'41'",
                    "$FILE=MISSING.TXT"});
        QVERIFY(rig->written().isEmpty() && rig->fakes.prompter.prompts.isEmpty());
        QCOMPARE(rig->control->state().tncType, QString());
        QCOMPARE(rig->host.windowCaption, QStringLiteral("Vellicor - Version 1.0.0"));
        QVERIFY(rig->host.modeItems.isEmpty() && rig->fakes.pauser.pauses.isEmpty());
        QCOMPARE(rig->host.sendBox, QStringLiteral("keep"));
    }

    void stopsLineAtFirstFailedWrite()
    {
        rig->fakes.link.failWritesAfter = 1;
        rig->run(QStringLiteral("&H'414243'"));
        QCOMPARE(rig->written(), QByteArray("A"));

        TncRig closed;
        closed.fakes.link.close();
        closed.run(QStringLiteral("MYCALL N0CALL"));
        closed.fakes.link.open();
        QVERIFY(closed.written().isEmpty()); // no CR after a failed write
    }

    // "$TNC=" names the model in any case; "$SetDayTime" sends seconds only
    // to the models known to take them.
    void setDaytimeSendsSecondsOnlyForKnownModels_data()
    {
        QTest::addColumn<QString>("directive");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QByteArray>("bytes");
        // 14:43:07 UTC is 07:43:07 in the fake clock's local time (UTC-7).
        const QByteArray seconds("DAYTIME 261205074307\r");
        const QByteArray minutes("DAYTIME 2612050743\r");
        QTest::newRow("KAM") << "$TNC=KAM" << "KAM" << seconds;
        QTest::newRow("lower keyword and value, blanks") << "$tnc = pk900 " << "PK900" << seconds;
        QTest::newRow("keyword as prefix") << "$TNCMODEL=aea" << "AEA" << seconds;
        QTest::newRow("no equals gives the whole line") << "$TNC KAM" << "$TNC KAM" << minutes;
        QTest::newRow("other model") << "$TNC=TNC2" << "TNC2" << minutes;
        QTest::newRow("no model") << "" << "" << minutes;
    }

    void setDaytimeSendsSecondsOnlyForKnownModels()
    {
        QFETCH(QString, directive);
        rig->fakes.clock.utc = QDateTime(QDate(2026, 12, 5), QTime(14, 43, 7), Qt::UTC);
        rig->run(directive);
        QTEST(rig->control->state().tncType, "type");
        rig->run(QStringLiteral("$SetDayTime"));
        QTEST(rig->written(), "bytes");
        QCOMPARE(rig->writeList().size(), 1);
    }

    void captionDirectiveAppendsEachTime()
    {
        rig->runAll({"$CAPTION=  County ARES ", "$caption=Net 2"});
        QCOMPARE(rig->host.windowCaption,
                 QStringLiteral("Vellicor - Version 1.0.0        County ARES        Net 2"));
    }

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
        if (!script.isNull())
            rig->writeFile(QStringLiteral("VellicorStartup.txt"), script);
        rig->globals.gPortOk = portOk;
        const QStringList channelsBefore = rig->host.visibleChannels();
        rig->control->RunScript(kind);
        QTEST(rig->host.pane, "pane");
        QTEST(rig->host.busyChanges, "busy");
        QVERIFY(rig->written().isEmpty() && rig->fakes.prompter.prompts.isEmpty());
        QCOMPARE(rig->host.visibleChannels(), channelsBefore);
        QVERIFY(!rig->host.modeMenuVisible);
    }

    void shutdownScriptPausesTwoSecondsBeforeMenuSetUp()
    {
        rig->writeFile(QStringLiteral("VellicorShutdown.txt"),
                      "$TNC=KAM\r\n$MODE MENU=Off\r\n$MODE FUNC=LAST\r\n$MODE DEFAULT=1\r\nBYE\r\n");
        QStringList channelsAtPause;
        QByteArray writtenAtPause;
        rig->fakes.pauser.during = [&](double) {
            channelsAtPause = rig->host.visibleChannels();
            writtenAtPause = rig->written();
        };
        rig->control->RunScript(QStringLiteral("Shut"));
        QCOMPARE(rig->fakes.pauser.pauses, QList<double>{2.0});
        QCOMPARE(writtenAtPause, QByteArray("BYE\r"));
        QCOMPARE(channelsAtPause.first() + "|" + rig->host.visibleChannels().first(),
                 QStringLiteral("Channel &0|Channel &A"));
        QCOMPARE(rig->written(), QByteArray("BYE\rLAST\r"));
    }

    // The chosen file runs and the dialog remembers it; a folder cannot be
    // read and shows its own file error, not error 53.
    void customScriptRunsTheChosenFile()
    {
        rig->control->runCustomScript(); // cancelled: nothing runs
        QVERIFY(rig->host.busyChanges.isEmpty() && rig->host.pane.isEmpty());

        const QString path = rig->writeFile(QStringLiteral("net.txt"), "NET\r\n");
        QVERIFY(QDir(rig->folder()).mkdir(QStringLiteral("adir")));
        rig->fakes.dialogs.fileAnswers = {path, rig->dir.filePath(QStringLiteral("adir"))};
        rig->control->runCustomScript();
        QCOMPARE(rig->written(), QByteArray("NET\r"));
        const FileDialogRequest& request = rig->fakes.dialogs.requests.last();
        QCOMPARE(request.title, QStringLiteral("Custom Script"));
        QCOMPARE(request.filter,
                 QStringLiteral("Vellicor (Vellicor*.*)|Vellicor*.*|Text (*.txt)|*.txt|All Files (*.*)|*.*"));
        QCOMPARE(request.defaultExtension, QStringLiteral(".txt"));
        rig->control->runCustomScript();
        QCOMPARE(rig->fakes.dialogs.requests.last().fileName, path); // the dialog remembers the file
        QCOMPARE(rig->fakes.prompter.prompts.size(), 1);
        QVERIFY(rig->fakes.prompter.prompts[0].title.startsWith(QStringLiteral("Vellicor Error ")));
        QVERIFY(rig->fakes.prompter.prompts[0].title != QStringLiteral("Vellicor Error 53"));
        QCOMPARE(rig->host.busyChanges.last(), false);
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
        QVERIFY(QDir(rig->folder()).mkdir(QStringLiteral("Scripts")));
        rig->writeFile(QStringLiteral("Scripts/Kam.txt"), "NESTED\r\n");
        rig->writeFile(QStringLiteral("Kam.txt"), "INSIDE\r\n");
        name.replace(QLatin1String("%1"), rig->folder());
        rig->runStartup("BEFORE\r\n$file = " + name.toLatin1() + "\r\nAFTER\r\n");
        QFETCH(QByteArray, sent);
        QCOMPARE(rig->written(), "BEFORE\r" + sent + "AFTER\r");
        QCOMPARE(rig->control->state().includeFile, name.toUpper());
        QVERIFY(rig->fakes.prompter.prompts.isEmpty());
    }

    // The default mode is chosen at the end of the run, also when set in an
    // included file; a default with no such item chooses nothing. Lines end
    // in CR LF, CR or LF, the last in nothing, and the kind of run is named in any case.
    void runEndsWithTheDefaultMode()
    {
        rig->writeFile(QStringLiteral("MODES.TXT"), "$MODE MENU=Net\r\n$MODE FUNC=NET\r\n$MODE DEFAULT=1\r\n");
        rig->writeFile(QStringLiteral("VellicorStartup.txt"),
                      "$FILE=MODES.TXT\r\n$MODE MENU=&Second\r$MODE FUNC=SECOND\n$MODE DEFAULT=2");
        rig->control->RunScript(QStringLiteral("start"));
        QCOMPARE(rig->written(), QByteArray("NET\rSECOND\r"));
        QCOMPARE(rig->host.modePanel, QStringLiteral("Second"));
        rig->runStartup("$MODE DEFAULT=9\r\n");
        QCOMPARE(rig->control->state().currentMode, 2);
    }

    // A missing included file shows error 53 and the script goes on.
    void missingIncludedFileShowsError53()
    {
        rig->runStartup("$FILE=NOWHERE.TXT\r\nAFTER\r\n");
        QCOMPARE(rig->fakes.prompter.prompts.size(), 1);
        const Prompt box = rig->fakes.prompter.prompts.first();
        QCOMPARE(box.title, QStringLiteral("Vellicor Error 53"));
        QCOMPARE(std::pair(box.buttons, box.icon), std::pair(PromptButtons::OkCancel, PromptIcon::Exclamation));
        QCOMPARE(box.text, rig->dir.filePath(QStringLiteral("NOWHERE.TXT")) + QStringLiteral("\r\nFile not found"));
        QCOMPARE(rig->written(), QByteArray("AFTER\r"));
    }

    // Eleven levels of a file including itself, then a beep; the limit is per
    // run, not over the window's life, and a branching include ends too.
    void includeDepthIsBoundedForEachRun()
    {
        rig->writeFile(QStringLiteral("SELF.TXT"), "X\r\n$FILE=SELF.TXT\r\n");
        rig->runStartup("$FILE=SELF.TXT\r\n");
        QCOMPARE(rig->taken(), QByteArray("X\r").repeated(11));
        QCOMPARE(rig->fakes.beeper.beeps, 1);
        QCOMPARE(rig->host.busyChanges.last(), false);

        rig->writeFile(QStringLiteral("PIECE.TXT"), "P\r\n");
        for (int i = 0; i < 15; ++i)
            rig->runStartup("$FILE=PIECE.TXT\r\n");
        QCOMPARE(rig->taken(), QByteArray("P\r").repeated(15));
        QCOMPARE(rig->fakes.beeper.beeps, 1);

        rig->writeFile(QStringLiteral("TREE.TXT"), QByteArray("$FILE=TREE.TXT\r\n").repeated(6) + "LEAF\r\n");
        rig->runStartup("$FILE=TREE.TXT\r\nDONE\r\n");
        QVERIFY(rig->written().count("LEAF\r") <= TncState::kMaxIncludeAttempts);
        QVERIFY(!rig->written().endsWith("DONE\r")); // the operation's remaining lines are dropped
        QCOMPARE(rig->fakes.beeper.beeps, 2);        // one beep for the whole operation
        rig->written().clear();
        rig->runStartup("FRESH\r\n");
        QCOMPARE(rig->written(), QByteArray("FRESH\r"));
    }

    // A button that starts an include loop while the start-up script waits
    // spends its own budget: the script's later lines still go out.
    void anIncludeLoopStartedDuringAPauseLeavesTheWaitingScriptAlone()
    {
        rig->writeFile(QStringLiteral("TREE.TXT"), QByteArray("$FILE=TREE.TXT\r\n").repeated(6) + "LEAF\r\n");
        rig->fakes.pauser.during = [this](double) {
            rig->fakes.pauser.during = nullptr;
            rig->run(QStringLiteral("$FILE=TREE.TXT"));
        };
        rig->runStartup("FIRST\r\n#\r\nLAST\r\n$FILE=MISSING.TXT\r\n");
        QVERIFY(rig->written().startsWith("FIRST\rLEAF\r") && rig->written().endsWith("LEAF\rLAST\r"));
        QCOMPARE(rig->fakes.beeper.beeps, 1);
        QCOMPARE(rig->fakes.prompter.prompts.size(), 1); // the script's own include was still tried
    }

    void survivesHugeAndBinaryScripts()
    {
        QByteArray binary;
        for (int i = 0; i < 4096; ++i)
            binary.append(static_cast<char>((i * 37) & 0xFF));
        const QByteArray huge(1 << 20, 'Z');
        rig->runStartup(QByteArray("A\0B\x01\r\n", 6) + huge + "\r\n" + QByteArray(1 << 20, '^') + "\r\n" + binary);
        // The first line ends in a control character, so no CR follows it; the
        // carets are half a million ^^ pairs.
        const QByteArray carets(1 << 19, '\x1E');
        QVERIFY(rig->written().startsWith(QByteArray("A\0B\x01", 4) + huge + '\r' + carets + '\r'));
        QCOMPARE(rig->host.busyChanges.last(), false);
    }
};

QTEST_GUILESS_MAIN(ScriptTest)
#include "ScriptTest.moc"
