#include "Fakes.h"
#include "terminal/ReceivePane.h"
#include "terminal/Windows1252.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace vellicor;
using vellicor::test::FakePrompter;
using vellicor::test::RecordingPrintService;

namespace {

constexpr quint32 kRed = 0x0000FF;   // 0x00BBGGRR
constexpr quint32 kCyan = 0xFFFF00;

// A receive pane over a plain document, as the main window builds it.
struct Pane {
    Pane()
    {
        globals.gRxForeColor = kRed;
        globals.gTxForeColor = kCyan;
    }
    QTextDocument document;
    PaneDocument doc{document};
    Globals globals;
    StatusPanels status;
    ReceivePane pane{doc, globals, status};

    QString shown() const { return document.toPlainText(); }
    QString status_() const { return status.text(StatusPanels::kStatus); }
    // The colour of the character at a position of the shown text.
    QColor colorAt(int position) const
    {
        QTextCursor cursor(const_cast<QTextDocument*>(&document));
        cursor.setPosition(position + 1);
        return cursor.charFormat().foreground().color();
    }
};

} // namespace

// Received text cleaned and shown, held while scrolling is suspended, the
// echo and Clear Screen.
class ReceivePaneTest : public QObject {
    Q_OBJECT
private slots:
    void showsChunks_data();
    void showsChunks();
    void receivedTextTakesTheReceivedColour();
    void echoTakesTheSentColourEvenWhileSuspended();
    void holdsTextWhileSuspended();
    void leadingBackspaceDeletesWhileSuspended();
    void resumeShowsHeldTextAtOnce();
    void scrollButtonTogglesAndAsksForTheSendBox();
    void clearScreenAsksOnceWithoutHeldText();
    void clearScreenAsksTwiceWithHeldText_data();
    void clearScreenAsksTwiceWithHeldText();
    void controlCharacterGoesInAtTheCaret();
    void printsTheSelectionLineByLine();
    void megabyteChunkIsShownWhole();
    void randomBytesNeverCrash();
};

void ReceivePaneTest::showsChunks_data()
{
    QTest::addColumn<QStringList>("chunks");
    QTest::addColumn<QString>("shown");

    QTest::newRow("CR LF kept") << QStringList{"abc\r\n"} << "abc\n";
    QTest::newRow("last lone CR becomes a space") << QStringList{"abc\r"} << "abc ";
    QTest::newRow("only the last CR") << QStringList{"a\rb\r"} << "a\nb ";
    QTest::newRow("last CR inside the chunk") << QStringList{"a\rb\rc"} << "a\nb c";
    QTest::newRow("CR LF then lone CR") << QStringList{"a\r\nb\r"} << "a\nb ";
    QTest::newRow("lone LF is a line break") << QStringList{"a\nb"} << "a\nb";
    QTest::newRow("CR LF split over chunks") << QStringList{"abc\r", "\ndef"} << "abc \ndef";
    QTest::newRow("BS removes the character before") << QStringList{"ab\bc"} << "ac";
    QTest::newRow("BS first deletes from the pane") << QStringList{"xy", "\bz"} << "xz";
    QTest::newRow("BS first with an empty pane") << QStringList{"\bx"} << "x";
    QTest::newRow("only BS with an empty pane") << QStringList{"\b\b\b"} << "";
    QTest::newRow("run of BS eats into the pane") << QStringList{"12345", "ab\b\b\b\b"} << "123";
    QTest::newRow("BS deletes a line break as one") << QStringList{"line\r\n", "\b!"} << "line!";
    QTest::newRow("BS takes the LF of a CR LF") << QStringList{"ab\r\n\bc"} << "ab\nc";
    QTest::newRow("BS and trailing CR") << QStringList{"ab\b\r"} << "a ";
    QTest::newRow("empty chunk") << QStringList{"abc", ""} << "abc";
    QTest::newRow("NUL and high bytes") << QStringList{QStringLiteral("a\u0000b\u20AC\u00FF")}
                                        << QStringLiteral("a\u0000b\u20AC\u00FF");
}

void ReceivePaneTest::showsChunks()
{
    QFETCH(QStringList, chunks);
    QFETCH(QString, shown);
    Pane p;
    for (const QString& chunk : chunks)
        p.pane.ShowReceivedText(chunk);
    QCOMPARE(p.shown(), shown);
    QCOMPARE(p.pane.heldText(), QString());
}

void ReceivePaneTest::receivedTextTakesTheReceivedColour()
{
    Pane p;
    p.pane.ShowReceivedText(QStringLiteral("one\r\n"));
    p.globals.gRxForeColor = 0x00FF00; // a colour change applies to the next chunk
    p.pane.ShowReceivedText(QStringLiteral("two"));
    QCOMPARE(p.shown(), QStringLiteral("one\ntwo"));
    QCOMPARE(p.colorAt(0), QColor(255, 0, 0));
    QCOMPARE(p.colorAt(2), QColor(255, 0, 0));
    QCOMPARE(p.colorAt(4), QColor(0, 255, 0));
    QCOMPARE(p.colorAt(6), QColor(0, 255, 0));
}

void ReceivePaneTest::echoTakesTheSentColourEvenWhileSuspended()
{
    Pane p;
    p.pane.ShowReceivedText(QStringLiteral("rx"));
    p.pane.suspend();
    p.pane.AppendToReceivePane(QStringLiteral("hello\r\n"), p.globals.gTxForeColor);
    p.pane.ShowReceivedText(QStringLiteral("held"));
    QCOMPARE(p.shown(), QStringLiteral("rxhello\n"));
    QCOMPARE(p.colorAt(1), QColor(255, 0, 0));
    QCOMPARE(p.colorAt(2), QColor(0, 255, 255));
    QCOMPARE(p.colorAt(6), QColor(0, 255, 255));
}

void ReceivePaneTest::holdsTextWhileSuspended()
{
    Pane p;
    p.pane.ShowReceivedText(QStringLiteral("before "));
    QSignalSpy buttonChanges(&p.pane, &ReceivePane::scrollButtonChanged);
    p.pane.suspend();
    QVERIFY(!p.pane.scrollActive());
    QCOMPARE(p.status_(), QStringLiteral("Status: Scroll Suspended"));
    QCOMPARE(p.status.toolTip(StatusPanels::kStatus), QStringLiteral("Status: Scroll Suspended"));
    QCOMPARE(p.pane.scrollButtonCaption(), QStringLiteral("Activate Scroll"));
    QVERIFY(!p.pane.heldTextWaiting());

    p.pane.ShowReceivedText(QStringLiteral("one\r"));
    p.pane.ShowReceivedText(QStringLiteral("two\r\n"));
    QCOMPARE(p.shown(), QStringLiteral("before "));
    QVERIFY(p.pane.heldTextWaiting());
    QVERIFY(buttonChanges.count() >= 2);
    QCOMPARE(p.status_(), QStringLiteral("Status: Scroll Suspended, new data received"));
    QCOMPARE(p.status.toolTip(StatusPanels::kStatus), QStringLiteral("Status: Scroll Suspended, new data received"));
    QCOMPARE(p.pane.heldText(), QStringLiteral("one two\r\n"));
}

void ReceivePaneTest::leadingBackspaceDeletesWhileSuspended()
{
    Pane p;
    p.pane.ShowReceivedText(QStringLiteral("abc"));
    p.pane.suspend();
    p.pane.ShowReceivedText(QStringLiteral("\bx"));
    QCOMPARE(p.shown(), QStringLiteral("ab"));
    QCOMPARE(p.pane.heldText(), QStringLiteral("x"));
}

void ReceivePaneTest::resumeShowsHeldTextAtOnce()
{
    Pane p;
    p.pane.ShowReceivedText(QStringLiteral("first\r\n"));
    p.pane.suspend();
    p.pane.ShowReceivedText(QStringLiteral("second\r\n"));
    p.pane.ShowReceivedText(QStringLiteral("third"));
    QSignalSpy focus(&p.pane, &ReceivePane::sendBoxFocusRequested);
    QSignalSpy shownLast(&p.pane, &ReceivePane::lastLineShown);
    p.pane.resume();
    QCOMPARE(p.shown(), QStringLiteral("first\nsecond\nthird"));
    QCOMPARE(p.colorAt(int(p.shown().size()) - 1), QColor(255, 0, 0));
    QVERIFY(p.pane.scrollActive());
    QVERIFY(!p.pane.heldTextWaiting());
    QCOMPARE(p.pane.heldText(), QString());
    QCOMPARE(p.status_(), QStringLiteral("Status: "));
    QCOMPARE(p.status.toolTip(StatusPanels::kStatus), QStringLiteral("Status: "));
    QCOMPARE(p.pane.scrollButtonCaption(), QStringLiteral("Suspend Scroll"));
    QCOMPARE(focus.count(), 1);
    QVERIFY(shownLast.count() >= 1);

    // Following again: the next chunk goes straight into the pane.
    p.pane.ShowReceivedText(QStringLiteral("!"));
    QCOMPARE(p.shown(), QStringLiteral("first\nsecond\nthird!"));
}

void ReceivePaneTest::scrollButtonTogglesAndAsksForTheSendBox()
{
    Pane p;
    QSignalSpy focus(&p.pane, &ReceivePane::sendBoxFocusRequested);
    p.pane.toggleScroll();
    QVERIFY(!p.pane.scrollActive());
    QCOMPARE(focus.count(), 1);
    p.pane.ShowReceivedText(QStringLiteral("x"));
    p.pane.toggleScroll();
    QVERIFY(p.pane.scrollActive());
    QCOMPARE(p.shown(), QStringLiteral("x"));
    QCOMPARE(focus.count(), 2);
    // Resuming while already active changes nothing but the status.
    p.pane.resume();
    QCOMPARE(p.shown(), QStringLiteral("x"));
}

void ReceivePaneTest::clearScreenAsksOnceWithoutHeldText()
{
    Pane p;
    p.pane.ShowReceivedText(QStringLiteral("data"));
    FakePrompter prompter;
    prompter.answers = {PromptAnswer::No};
    p.pane.clearScreen(prompter);
    QCOMPARE(p.shown(), QStringLiteral("data"));
    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(prompter.prompts[0].text, QStringLiteral("Clear Screen Contents?"));
    QCOMPARE(prompter.prompts[0].title, QStringLiteral("Vellicor"));
    QCOMPARE(prompter.prompts[0].buttons, PromptButtons::YesNo);
    QCOMPARE(prompter.prompts[0].icon, PromptIcon::Question);

    prompter.answers = {PromptAnswer::Yes};
    p.pane.clearScreen(prompter);
    QCOMPARE(prompter.prompts.size(), 2);
    QCOMPARE(p.shown(), QString());
    p.pane.ShowReceivedText(QStringLiteral("new"));
    QCOMPARE(p.shown(), QStringLiteral("new"));
}

void ReceivePaneTest::clearScreenAsksTwiceWithHeldText_data()
{
    QTest::addColumn<bool>("secondYes");
    QTest::newRow("No keeps everything") << false;
    QTest::newRow("Yes clears pane and held text") << true;
}

void ReceivePaneTest::clearScreenAsksTwiceWithHeldText()
{
    QFETCH(bool, secondYes);
    Pane p;
    p.pane.ShowReceivedText(QStringLiteral("seen"));
    p.pane.suspend();
    p.pane.ShowReceivedText(QStringLiteral("unseen"));
    FakePrompter prompter;
    prompter.answers = {PromptAnswer::Yes, secondYes ? PromptAnswer::Yes : PromptAnswer::No};
    p.pane.clearScreen(prompter);

    QCOMPARE(prompter.prompts.size(), 2);
    QCOMPARE(prompter.prompts[1].text,
             QStringLiteral("There is new data that you have not seen yet.\r\nClear Screen Contents Anyway?"));
    QCOMPARE(prompter.prompts[1].title, QStringLiteral("Vellicor Warning"));
    QCOMPARE(prompter.prompts[1].buttons, PromptButtons::YesNo);
    QCOMPARE(prompter.prompts[1].icon, PromptIcon::Question);
    QCOMPARE(p.shown(), secondYes ? QString() : QStringLiteral("seen"));
    QCOMPARE(p.pane.heldText(), secondYes ? QString() : QStringLiteral("unseen"));
    QCOMPARE(p.pane.heldTextWaiting(), !secondYes);
    // Clearing leaves the scrolling state and the caption alone.
    QVERIFY(!p.pane.scrollActive());
    QCOMPARE(p.pane.scrollButtonCaption(), QStringLiteral("Activate Scroll"));
}

void ReceivePaneTest::controlCharacterGoesInAtTheCaret()
{
    Pane p;
    p.pane.ShowReceivedText(QStringLiteral("ab"));
    p.pane.insertAtCaret(QStringLiteral("\x1a"));
    QCOMPARE(p.shown(), QStringLiteral("ab\x1a"));
    QCOMPARE(p.colorAt(2), QColor(255, 0, 0)); // the colour of the text before it
}

void ReceivePaneTest::printsTheSelectionLineByLine()
{
    Pane p;
    RecordingPrintService printer;
    p.pane.printSelection(QStringLiteral("one\u2029two\r\nthree"), printer);
    QCOMPARE(printer.jobs.size(), 1);
    const PrintJob& job = printer.jobs[0];
    QCOMPARE(job.lines, QStringList({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")}));
    QCOMPARE(job.fontFamily, QStringLiteral("Courier New"));
    QCOMPARE(job.pointSize, 12);
    QCOMPARE(job.leftTwips, 500);
    QCOMPARE(job.topTwips, 1000);

    p.pane.printSelection(QString(), printer); // nothing selected: one empty line
    QCOMPARE(printer.jobs.size(), 2);
    QCOMPARE(printer.jobs[1].lines, QStringList{QString()});
}

void ReceivePaneTest::megabyteChunkIsShownWhole()
{
    Pane p;
    QString line = QString(QLatin1Char('x')).repeated(79) + QStringLiteral("\r\n");
    const QString chunk = line.repeated((1 << 20) / 81);
    p.pane.ShowReceivedText(chunk);
    p.pane.ShowReceivedText(QStringLiteral("END"));
    const QString shown = p.shown();
    QCOMPARE(shown.size(), chunk.size() - (1 << 20) / 81 + 3);
    QVERIFY(shown.endsWith(QStringLiteral("x\nEND")));
    QCOMPARE(p.document.blockCount(), (1 << 20) / 81 + 1);
}

void ReceivePaneTest::randomBytesNeverCrash()
{
    Pane p;
    QRandomGenerator random(2026);
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    p.pane.ShowReceivedText(decodeWindows1252(all));
    for (int round = 0; round < 200; ++round) {
        QByteArray bytes(int(random.bounded(1, 2048)), Qt::Uninitialized);
        for (char& b : bytes)
            b = char(random.bounded(256));
        if (round == 100)
            p.pane.suspend();
        if (round == 150)
            p.pane.resume();
        p.pane.ShowReceivedText(decodeWindows1252(bytes));
    }
    p.pane.ShowReceivedText(QStringLiteral("\r\nEND"));
    QVERIFY(p.shown().endsWith(QStringLiteral("\nEND")));
}

QTEST_MAIN(ReceivePaneTest)
#include "ReceivePaneTest.moc"
