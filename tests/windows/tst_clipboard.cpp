// The clipboard editor as the operator uses it: files on disk, the text
// box, the file label, prints and the bytes sent to the TNC.
#include "Fakes.h"
#include "TestFiles.h"
#include "terminal/TncWriter.h"
#include "windows/FrmClipboard.h"
#include "windows/HelpFacility.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {

struct Editor {
    Editor()
    {
        fakes.link.open();
        window.show();
    }
    void run(const char* item)
    {
        QAction* action = window.findChild<QAction*>(QLatin1String(item));
        QVERIFY2(action, item);
        if (action->isEnabled())
            action->trigger();
    }
    QPlainTextEdit* box() { return window.findChild<QPlainTextEdit*>("txtClipboard"); }
    QLabel* label() { return window.findChild<QLabel*>("lblFileName"); }
    // The text, the file label and whether Save is offered.
    QStringList shown()
    {
        const bool save = window.findChild<QAction*>("mnuFileSave")->isEnabled();
        return {box()->toPlainText(), label()->text(), save ? "Save" : "no Save"};
    }
    // Writes a file in the folder (none when `bytes` is null) and answers the next file dialog with it.
    QString file(const char* name, const QByteArray& bytes = QByteArray())
    {
        const QString path = dir.filePath(QLatin1String(name));
        if (!bytes.isNull())
            writeBytes(path, bytes);
        fakes.dialogs.fileAnswers.append(path);
        return path;
    }
    void select(int from, int to)
    {
        QTextCursor cursor = box()->textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        box()->setTextCursor(cursor);
    }
    const Prompt& lastBox() const { return fakes.prompter.prompts.last(); }

    QTemporaryDir dir;
    TestPlatform fakes;
    TncWriter writer{fakes.link};
    HelpFacility help{fakes.help};
    FrmClipboard window{fakes.platform(), writer, help};
};

} // namespace

class ClipboardTest : public QObject {
    Q_OBJECT
private slots:
    // Open replaces the text, Append adds at its end; each makes its file the
    // active one, and Save writes back every byte as it was read.
    void openAndAppendMakeTheFileActiveAndSaveKeepsEveryByte()
    {
        Editor e;
        e.box()->setPlainText("old text");
        // A no-break space (0xA0) is kept, not turned into a plain space.
        const QByteArray original("Net control: W0ABC\r\n\r\nCaf\xe9 open 24\xa0h\r\n  indented\r\n");
        // The text as the box shows it.
        const QString text = QStringLiteral("Net control: W0ABC\n\nCaf\u00e9 open 24 h\n  indented\n");
        const QString log = e.file("log.txt", original);
        const QString net = e.file("net.txt", "CQ NET\nW0ABC\r\nlast");
        e.run("mnuFileOpen");
        QCOMPARE(e.shown(), (QStringList{text, log, "Save"}));
        QCOMPARE(e.box()->textCursor().position(), 0);
        QCOMPARE(e.label()->toolTip(), log);
        e.run("mnuFileSave");
        e.run("mnuFileSave");
        QCOMPARE(fileBytes(log), original);
        e.run("mnuFileAppend");
        QCOMPARE(e.shown(), (QStringList{text + "CQ NET\nW0ABC\nlast\n", net, "Save"}));
        QCOMPARE(e.box()->textCursor().position(), 0);
        e.run("mnuFileSave");
        QCOMPARE(fileBytes(net), original + "CQ NET\r\nW0ABC\r\nlast\r\n");
        QCOMPARE(fileBytes(log), original);
    }

    void openThatLoadsNothingChangesNothing()
    {
        Editor e;
        e.box()->setPlainText("keep me");
        e.run("mnuFileOpen"); // cancelled
        QVERIFY(e.fakes.prompter.prompts.isEmpty());
        e.file("gone.txt");
        e.run("mnuFileOpen");
        QCOMPARE(e.fakes.prompter.prompts.size(), 1);
        QCOMPARE(e.lastBox().title, QStringLiteral("Vellicor Error 53")); // its text as every file error's
        QCOMPARE(e.shown(), (QStringList{"keep me", "No Active File", "no Save"}));
    }

    void saveAddsTheFinalLineEndOnlyWhenMissing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("no final line end") << "abc\ndef" << QByteArray("abc\r\ndef\r\n");
        QTest::newRow("final line end") << "abc\n" << QByteArray("abc\r\n");
        QTest::newRow("empty") << "" << QByteArray();
    }

    void saveAddsTheFinalLineEndOnlyWhenMissing()
    {
        QFETCH(QString, typed);
        Editor e;
        e.box()->setPlainText(typed);
        const QString out = e.file("out.txt");
        e.run("mnuFileSaveAs");
        QTEST(fileBytes(out), "written");
        QCOMPARE(e.shown(), (QStringList{typed, out, "Save"}));
        QVERIFY(e.fakes.prompter.prompts.isEmpty());
    }

    void saveAsOntoAnExistingFileAsks_data()
    {
        QTest::addColumn<PromptAnswer>("answer");
        QTest::addColumn<QByteArray>("left");
        QTest::newRow("yes") << PromptAnswer::Yes << QByteArray("new\r\n");
        QTest::newRow("no") << PromptAnswer::No << QByteArray("precious\r\n");
    }

    void saveAsOntoAnExistingFileAsks()
    {
        QFETCH(PromptAnswer, answer);
        QFETCH(QByteArray, left);
        Editor e;
        const QString first = e.file("first.txt", "first\r\n");
        const QString keep = e.file("keep.txt", "precious\r\n");
        e.run("mnuFileOpen");
        e.box()->setPlainText("new");
        e.fakes.prompter.answers = {answer};
        e.run("mnuFileSaveAs");

        QCOMPARE(e.fakes.prompter.prompts.size(), 1);
        QCOMPARE(e.lastBox().text, keep + QStringLiteral("\r\nAlready exists.  Overwrite it?"));
        QCOMPARE(fileBytes(keep), left);
        const bool yes = answer == PromptAnswer::Yes;
        QCOMPARE(e.label()->text(), yes ? keep : first);
        e.run("mnuFileSave"); // Save goes to the file the label shows
        QCOMPARE(fileBytes(first), yes ? QByteArray("first\r\n") : QByteArray("new\r\n"));
        QCOMPARE(fileBytes(keep), left);
    }

    void failedSaveIsReported_data()
    {
        QTest::addColumn<bool>("saveAs"); // Save As into a missing folder, else Save onto a folder
        QTest::newRow("Save As") << true;
        QTest::newRow("Save") << false;
    }

    void failedSaveIsReported()
    {
        QFETCH(bool, saveAs);
        Editor e;
        e.box()->setPlainText("text");
        const QString log = e.file(saveAs ? "no/such/folder.txt" : "log.txt");
        e.run("mnuFileSaveAs");
        if (!saveAs) { // the file's place is taken by a folder, so it cannot be written
            QVERIFY(QFile::remove(log) && QDir(e.dir.path()).mkdir("log.txt"));
            e.run("mnuFileSave");
        }
        QCOMPARE(e.fakes.prompter.prompts.size(), 1);
        QVERIFY(e.lastBox().title.startsWith(saveAs ? "Vellicor Error 76" : "Vellicor Error "));
        QVERIFY(e.lastBox().text.startsWith(log + QStringLiteral("\r\n")));
        // A failed Save keeps the file active.
        QCOMPARE(e.shown(), (QStringList{"text", saveAs ? "No Active File" : log, saveAs ? "no Save" : "Save"}));
    }

    void printsTheWholeTextOrTheSelection()
    {
        Editor e;
        e.box()->setPlainText("line one\nline two\nline three");
        e.select(5, 13);
        e.run("mnuFilePrintEntireClipboard");
        e.run("mnuFilePrintSelectedText");
        QCOMPARE(e.fakes.printer.jobs.size(), 2);
        QCOMPARE(e.fakes.printer.jobs[0].lines, QStringList({"line one", "line two", "line three"}));
        QCOMPARE(e.fakes.printer.jobs[1].lines, QStringList({"one", "line"}));
    }

    void sendsAfterAskingAndAddsACarriageReturnOnlyWhenNeeded_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selectFrom"); // -1: the whole clipboard is sent
        QTest::addColumn<PromptAnswer>("answer");
        QTest::addColumn<QByteArray>("sent");
        const PromptAnswer yes = PromptAnswer::Yes;
        QTest::newRow("ends in a letter") << "SP W0ABC\nHello" << -1 << yes << QByteArray("SP W0ABC\r\nHello\r");
        QTest::newRow("ends in a line break") << "Hello\n" << -1 << yes << QByteArray("Hello\r\n");
        QTest::newRow("empty") << "" << -1 << yes << QByteArray("\r");
        QTest::newRow("answered No") << "abc" << -1 << PromptAnswer::No << QByteArray();
        QTest::newRow("selection") << "abc def" << 4 << yes << QByteArray("def\r");
        QTest::newRow("empty selection") << "abc def" << 7 << yes << QByteArray("\r");
    }

    void sendsAfterAskingAndAddsACarriageReturnOnlyWhenNeeded()
    {
        QFETCH(QString, text);
        QFETCH(int, selectFrom);
        QFETCH(PromptAnswer, answer);
        QFETCH(QByteArray, sent);
        Editor e;
        e.box()->setPlainText(text);
        e.fakes.prompter.answers = {answer};
        if (selectFrom >= 0)
            e.select(selectFrom, text.size());
        e.run(selectFrom < 0 ? "mnuSendEntireClipboard" : "mnuSendSelectedText");
        QCOMPARE(e.lastBox().text, selectFrom < 0 ? QStringLiteral("Send the entire clipboard to the TNC?")
                                                  : QStringLiteral("Send the selected (highlighted) text to the TNC?"));
        QCOMPARE(e.fakes.link.written, sent);
        QCOMPARE(e.window.isVisible(), answer == PromptAnswer::No);
        QCOMPARE(e.box()->toPlainText(), text);
    }

    void sendWithThePortClosedSaysSoAndStays()
    {
        Editor e;
        e.fakes.link.close();
        e.box()->setPlainText("abc");
        e.run("mnuSendEntireClipboard");
        QCOMPARE(e.fakes.prompter.prompts.size(), 2);
        QVERIFY(e.lastBox().text.startsWith(QStringLiteral("Nothing was sent to the TNC.\r\n")));
        QCOMPARE(e.lastBox().icon, PromptIcon::Exclamation);
        QVERIFY(e.window.isVisible());
    }

    // The close box and "E&xit Clipboard" only hide the editor, keeping its
    // text and file; Clear forgets both. The Help items and the help key on
    // the File and Send menus open their topics.
    void closeOnlyHidesTheEditorAndClearForgetsItsFile()
    {
        Editor e;
        QVERIFY(QTest::qWaitForWindowExposed(&e.window));
        e.box()->setPlainText("draft");
        const QString draft = e.file("d.txt");
        e.run("mnuFileSaveAs");
        QPointer<FrmClipboard> alive(&e.window);
        e.window.windowHandle()->close();
        QVERIFY(!e.window.isVisible() && alive);
        e.window.show();
        QCOMPARE(e.shown(), (QStringList{"draft", draft, "Save"}));
        e.run("mnuFileClearClipboard");
        QCOMPARE(e.shown(), (QStringList{"", "", "no Save"}));
        QCOMPARE(e.label()->toolTip(), QStringLiteral("No active file"));
        e.box()->setPlainText("other");
        e.run("mnuFileSave");
        QCOMPARE(fileBytes(draft), QByteArray("draft\r\n"));
        e.run("mnuFileExit");
        QVERIFY(!e.window.isVisible());

        e.run("mnuContents");
        e.run("mnuClipboard");
        for (const QString name : {"mnuFile", "mnuSend"}) {
            QMenu* menu = e.window.findChild<QMenu*>(name);
            menu->setActiveAction(menu->actions().last());
            QTest::keyClick(menu, Qt::Key_F1);
        }
        QCOMPARE(e.fakes.help.contentsCommands, QStringList{"Contents()"});
        QCOMPARE(e.fakes.help.contexts, (QList<int>{300, 410, 420}));
    }
};

QTEST_MAIN(ClipboardTest)
#include "tst_clipboard.moc"
