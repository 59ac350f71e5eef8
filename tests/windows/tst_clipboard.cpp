// The clipboard editor as the operator uses it: files on disk, the text
// box, the file label, prints and the bytes sent to the TNC.
#include "Fakes.h"
#include "terminal/TncWriter.h"
#include "windows/FrmClipboard.h"
#include "windows/HelpFacility.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

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
    bool saveEnabled() { return window.findChild<QAction*>("mnuFileSave")->isEnabled(); }
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    void answerFile(const QString& path) { fakes.dialogs.fileAnswers.append(path); }

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
    void openReplacesTheTextAndMakesTheFileActive();
    void openOfAMissingFileIsReportedAndChangesNothing();
    void cancelledOpenChangesNothing();
    void appendAddsAtTheEndAndMakesThatFileActive();
    void openAndSaveLeaveAFileByteIdentical();
    void saveAddsTheFinalLineEndOnlyWhenMissing_data();
    void saveAddsTheFinalLineEndOnlyWhenMissing();
    void saveAsOntoAnExistingFileAsks_data();
    void saveAsOntoAnExistingFileAsks();
    void saveAsIntoAMissingFolderIsReported();
    void failedSaveIsReportedAndTheFileStaysActive();
    void clearEmptiesTheTextAndDisablesSave();
    void printsTheWholeTextOrTheSelection();
    void sendsAndAddsACarriageReturnOnlyWhenNeeded_data();
    void sendsAndAddsACarriageReturnOnlyWhenNeeded();
    void sendsTheSelectionOrAnEmptyLine();
    void answeringNoSendsNothing();
    void sendWithThePortClosedSaysSoAndStays();
    void closeBoxOnlyHidesTheEditor();
    void helpItemsOpenContentsAndClipboardTopic();
};

void ClipboardTest::openReplacesTheTextAndMakesTheFileActive()
{
    Editor e;
    writeBytes(e.path("net.txt"), "CQ NET\r\nW0ABC\nlast");
    e.box()->setPlainText("old text");
    e.answerFile(e.path("net.txt"));
    e.run("mnuFileOpen");

    QCOMPARE(e.box()->toPlainText(), QStringLiteral("CQ NET\nW0ABC\nlast\n"));
    QCOMPARE(e.box()->textCursor().position(), 0);
    QCOMPARE(e.label()->text(), e.path("net.txt"));
    QCOMPARE(e.label()->toolTip(), e.path("net.txt"));
    QVERIFY(e.saveEnabled());
    const FileDialogRequest& request = e.fakes.dialogs.requests.first();
    QCOMPARE(request.filter, QStringLiteral("Text (*.txt)|*.txt|All Files (*.*)|*.*"));
    QCOMPARE(request.defaultExtension, QStringLiteral(".txt"));
}

void ClipboardTest::openOfAMissingFileIsReportedAndChangesNothing()
{
    Editor e;
    e.box()->setPlainText("keep me");
    e.answerFile(e.path("gone.txt"));
    e.run("mnuFileOpen");
    QCOMPARE(e.fakes.prompter.prompts.size(), 1);
    const Prompt& box = e.fakes.prompter.prompts.first();
    QCOMPARE(box.title, QStringLiteral("Vellicor Error 53"));
    QCOMPARE(box.text, e.path("gone.txt") + QStringLiteral("\r\nFile not found"));
    QCOMPARE(box.buttons, PromptButtons::OkCancel);
    QCOMPARE(box.icon, PromptIcon::Exclamation);
    QCOMPARE(e.box()->toPlainText(), QStringLiteral("keep me"));
    QCOMPARE(e.label()->text(), QStringLiteral("No Active File"));
    QVERIFY(!e.saveEnabled());
}

void ClipboardTest::cancelledOpenChangesNothing()
{
    Editor e;
    e.box()->setPlainText("keep me");
    e.run("mnuFileOpen");
    QCOMPARE(e.box()->toPlainText(), QStringLiteral("keep me"));
    QVERIFY(e.fakes.prompter.prompts.isEmpty());
}

void ClipboardTest::appendAddsAtTheEndAndMakesThatFileActive()
{
    Editor e;
    writeBytes(e.path("a.txt"), "first\r\n");
    writeBytes(e.path("b.txt"), "second\r\nthird\r\n");
    e.answerFile(e.path("a.txt"));
    e.answerFile(e.path("b.txt"));
    e.run("mnuFileOpen");
    e.run("mnuFileAppend");
    QCOMPARE(e.box()->toPlainText(), QStringLiteral("first\nsecond\nthird\n"));
    QCOMPARE(e.box()->textCursor().position(), 0);
    QCOMPARE(e.label()->text(), e.path("b.txt"));

    e.run("mnuFileSave");
    QCOMPARE(readBytes(e.path("b.txt")), QByteArray("first\r\nsecond\r\nthird\r\n"));
    QCOMPARE(readBytes(e.path("a.txt")), QByteArray("first\r\n"));
}

void ClipboardTest::openAndSaveLeaveAFileByteIdentical()
{
    Editor e;
    const QByteArray original("Net control: W0ABC\r\n\r\nCaf\xe9 open 24 h\r\n  indented\r\n");
    writeBytes(e.path("log.txt"), original);
    e.answerFile(e.path("log.txt"));
    e.run("mnuFileOpen");
    e.run("mnuFileSave");
    e.run("mnuFileSave");
    QCOMPARE(readBytes(e.path("log.txt")), original);
}

void ClipboardTest::saveAddsTheFinalLineEndOnlyWhenMissing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("no final line end") << "abc\ndef" << QByteArray("abc\r\ndef\r\n");
    QTest::newRow("final line end") << "abc\n" << QByteArray("abc\r\n");
    QTest::newRow("empty") << "" << QByteArray();
    QTest::newRow("Windows-1252") << QStringLiteral("\u00e9\u20ac") << QByteArray("\xe9\x80\r\n");
}

void ClipboardTest::saveAddsTheFinalLineEndOnlyWhenMissing()
{
    QFETCH(QString, typed);
    QFETCH(QByteArray, written);
    Editor e;
    e.box()->setPlainText(typed);
    e.answerFile(e.path("out.txt"));
    e.run("mnuFileSaveAs");
    QCOMPARE(readBytes(e.path("out.txt")), written);
    QCOMPARE(e.label()->text(), e.path("out.txt"));
    QVERIFY(e.saveEnabled());
    QVERIFY(e.fakes.prompter.prompts.isEmpty());
}

void ClipboardTest::saveAsOntoAnExistingFileAsks_data()
{
    QTest::addColumn<PromptAnswer>("answer");
    QTest::addColumn<QByteArray>("left");
    QTest::newRow("yes") << PromptAnswer::Yes << QByteArray("new\r\n");
    QTest::newRow("no") << PromptAnswer::No << QByteArray("precious\r\n");
}

void ClipboardTest::saveAsOntoAnExistingFileAsks()
{
    QFETCH(PromptAnswer, answer);
    QFETCH(QByteArray, left);
    Editor e;
    writeBytes(e.path("first.txt"), "first\r\n");
    writeBytes(e.path("keep.txt"), "precious\r\n");
    e.answerFile(e.path("first.txt"));
    e.answerFile(e.path("keep.txt"));
    e.run("mnuFileOpen");
    e.box()->setPlainText("new");
    e.fakes.prompter.answers = {answer};
    e.run("mnuFileSaveAs");

    QCOMPARE(e.fakes.prompter.prompts.size(), 1);
    const Prompt& box = e.fakes.prompter.prompts.first();
    QCOMPARE(box.text, e.path("keep.txt") + QStringLiteral("\r\nAlready exists.  Overwrite it?"));
    QCOMPARE(box.title, QStringLiteral("Vellicor Clipboard"));
    QCOMPARE(box.buttons, PromptButtons::YesNo);
    QCOMPARE(box.icon, PromptIcon::Question);
    QCOMPARE(readBytes(e.path("keep.txt")), left);
    const bool yes = answer == PromptAnswer::Yes;
    QCOMPARE(e.label()->text(), yes ? e.path("keep.txt") : e.path("first.txt"));

    // Save goes to the file the label shows.
    e.run("mnuFileSave");
    QCOMPARE(readBytes(e.path("first.txt")), yes ? QByteArray("first\r\n") : QByteArray("new\r\n"));
    QCOMPARE(readBytes(e.path("keep.txt")), left);
}

void ClipboardTest::saveAsIntoAMissingFolderIsReported()
{
    Editor e;
    e.box()->setPlainText("text");
    e.answerFile(e.path("no/such/folder.txt"));
    e.run("mnuFileSaveAs");
    QCOMPARE(e.fakes.prompter.prompts.size(), 1);
    QCOMPARE(e.fakes.prompter.prompts.first().title, QStringLiteral("Vellicor Error 76"));
    QCOMPARE(e.fakes.prompter.prompts.first().buttons, PromptButtons::Ok);
    QVERIFY(!e.saveEnabled());
    QCOMPARE(e.label()->text(), QStringLiteral("No Active File"));
}

void ClipboardTest::failedSaveIsReportedAndTheFileStaysActive()
{
    Editor e;
    e.box()->setPlainText("text");
    e.answerFile(e.path("log.txt"));
    e.run("mnuFileSaveAs");
    // The file's place is taken by a folder, so it cannot be written.
    QVERIFY(QFile::remove(e.path("log.txt")));
    QVERIFY(QDir(e.dir.path()).mkdir("log.txt"));
    e.run("mnuFileSave");
    QCOMPARE(e.fakes.prompter.prompts.size(), 1);
    const Prompt& box = e.fakes.prompter.prompts.first();
    QVERIFY(box.title.startsWith(QStringLiteral("Vellicor Error ")));
    QVERIFY(box.text.startsWith(e.path("log.txt") + QStringLiteral("\r\n")));
    QCOMPARE(box.buttons, PromptButtons::Ok);
    QCOMPARE(box.icon, PromptIcon::Exclamation);
    QVERIFY(e.saveEnabled());
}

void ClipboardTest::clearEmptiesTheTextAndDisablesSave()
{
    Editor e;
    e.box()->setPlainText("abc");
    e.answerFile(e.path("x.txt"));
    e.run("mnuFileSaveAs");
    QVERIFY(e.saveEnabled());
    e.run("mnuFileClearClipboard");
    QCOMPARE(e.box()->toPlainText(), QString());
    QVERIFY(!e.saveEnabled());
    QCOMPARE(e.label()->text(), QString());
    QCOMPARE(e.label()->toolTip(), QStringLiteral("No active file"));
    e.box()->setPlainText("other");
    e.run("mnuFileSave");
    QCOMPARE(readBytes(e.path("x.txt")), QByteArray("abc\r\n"));
}

void ClipboardTest::printsTheWholeTextOrTheSelection()
{
    Editor e;
    e.box()->setPlainText("line one\nline two\nline three");
    QTextCursor cursor = e.box()->textCursor();
    cursor.setPosition(5);
    cursor.setPosition(13, QTextCursor::KeepAnchor);
    e.box()->setTextCursor(cursor);
    e.run("mnuFilePrintEntireClipboard");
    e.run("mnuFilePrintSelectedText");
    QCOMPARE(e.fakes.printer.jobs.size(), 2);
    const PrintJob& whole = e.fakes.printer.jobs[0];
    QCOMPARE(whole.lines, QStringList({"line one", "line two", "line three"}));
    QCOMPARE(whole.fontFamily, QStringLiteral("Courier New"));
    QCOMPARE(whole.pointSize, 12);
    QCOMPARE(whole.leftTwips, 500);
    QCOMPARE(whole.topTwips, 1000);
    QCOMPARE(e.fakes.printer.jobs[1].lines, QStringList({"one", "line"}));
}

void ClipboardTest::sendsAndAddsACarriageReturnOnlyWhenNeeded_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("ends in a letter") << "SP W0ABC\nHello" << QByteArray("SP W0ABC\r\nHello\r");
    QTest::newRow("ends in a line break") << "Hello\n" << QByteArray("Hello\r\n");
    QTest::newRow("empty") << "" << QByteArray("\r");
}

void ClipboardTest::sendsAndAddsACarriageReturnOnlyWhenNeeded()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, sent);
    Editor e;
    e.box()->setPlainText(text);
    e.run("mnuSendEntireClipboard");
    QCOMPARE(e.fakes.prompter.prompts.first().text, QStringLiteral("Send the entire clipboard to the TNC?"));
    QCOMPARE(e.fakes.prompter.prompts.first().title, QStringLiteral("Vellicor"));
    QCOMPARE(e.fakes.prompter.prompts.first().buttons, PromptButtons::YesNo);
    QCOMPARE(e.fakes.link.written, sent);
    QVERIFY(!e.window.isVisible());
    QCOMPARE(e.box()->toPlainText(), text);
}

void ClipboardTest::sendsTheSelectionOrAnEmptyLine()
{
    Editor e;
    e.box()->setPlainText("abc def");
    e.run("mnuSendSelectedText");
    QCOMPARE(e.fakes.prompter.prompts.first().text,
             QStringLiteral("Send the selected (highlighted) text to the TNC?"));
    QCOMPARE(e.fakes.link.written, QByteArray("\r"));

    e.window.show();
    QTextCursor cursor = e.box()->textCursor();
    cursor.setPosition(4);
    cursor.setPosition(7, QTextCursor::KeepAnchor);
    e.box()->setTextCursor(cursor);
    e.run("mnuSendSelectedText");
    QCOMPARE(e.fakes.link.written, QByteArray("\rdef\r"));
}

void ClipboardTest::answeringNoSendsNothing()
{
    Editor e;
    e.box()->setPlainText("abc");
    e.fakes.prompter.answers = {PromptAnswer::No};
    e.run("mnuSendEntireClipboard");
    QCOMPARE(e.fakes.link.written, QByteArray());
    QVERIFY(e.window.isVisible());
}

void ClipboardTest::sendWithThePortClosedSaysSoAndStays()
{
    Editor e;
    e.fakes.link.close();
    e.box()->setPlainText("abc");
    e.run("mnuSendEntireClipboard");
    QCOMPARE(e.fakes.prompter.prompts.size(), 2);
    const Prompt& box = e.fakes.prompter.prompts[1];
    QVERIFY(box.text.startsWith(QStringLiteral("Nothing was sent to the TNC.\r\n")));
    QCOMPARE(box.icon, PromptIcon::Exclamation);
    QVERIFY(e.window.isVisible());
}

void ClipboardTest::closeBoxOnlyHidesTheEditor()
{
    Editor e;
    QVERIFY(QTest::qWaitForWindowExposed(&e.window));
    e.box()->setPlainText("draft");
    e.answerFile(e.path("d.txt"));
    e.run("mnuFileSaveAs");
    QPointer<FrmClipboard> alive(&e.window);
    e.window.windowHandle()->close();
    QVERIFY(!e.window.isVisible());
    QVERIFY(alive);
    e.window.show();
    QCOMPARE(e.box()->toPlainText(), QStringLiteral("draft"));
    QVERIFY(e.saveEnabled());
    e.run("mnuFileExit");
    QVERIFY(!e.window.isVisible());
}

void ClipboardTest::helpItemsOpenContentsAndClipboardTopic()
{
    Editor e;
    e.run("mnuContents");
    e.run("mnuClipboard");
    QCOMPARE(e.fakes.help.contentsCommands, QStringList{"Contents()"});
    QCOMPARE(e.fakes.help.contexts, QList<int>{300});
}

QTEST_MAIN(ClipboardTest)
#include "tst_clipboard.moc"
