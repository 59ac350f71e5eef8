#include "Fakes.h"
#include "terminal/BoardAnswer.h"
#include "terminal/ReceivePane.h"
#include "terminal/Windows1252.h"

#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>

using namespace vellicor;
using namespace std::chrono_literals; // a frame of an hour never ends by itself in a test
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
    TerminalGlobals globals;
    StatusPanels status;
    ReceivePane pane{doc, globals, status};

    QString shown() const { return document.toPlainText(); }
    void receiveLines(int first, int last)
    {
        for (int i = first; i <= last; ++i)
            pane.ShowReceivedText(QStringLiteral("line %1\r\n").arg(i));
    }
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
    void showsChunks_data()
    {
        QTest::addColumn<QStringList>("chunks");
        QTest::addColumn<QString>("shown");

        QTest::newRow("CR LF kept") << QStringList{"abc\r\n"} << "abc\n";
        QTest::newRow("last lone CR becomes a space") << QStringList{"abc\r"} << "abc ";
        QTest::newRow("only the last CR") << QStringList{"a\rb\r"} << "a\nb ";
        QTest::newRow("last CR inside the chunk") << QStringList{"a\rb\rc"} << "a\nb c";
        QTest::newRow("lone LF is a line break") << QStringList{"a\nb"} << "a\nb";
        QTest::newRow("CR LF split over chunks") << QStringList{"abc\r", "\ndef"} << "abc \ndef";
        QTest::newRow("BS removes the character before") << QStringList{"ab\bc"} << "ac";
        QTest::newRow("BS first deletes from the pane") << QStringList{"xy", "\bz"} << "xz";
        QTest::newRow("only BS with an empty pane") << QStringList{"\b\b\b"} << "";
        QTest::newRow("run of BS eats into the pane") << QStringList{"12345", "ab\b\b\b\b"} << "123";
        QTest::newRow("BS deletes a line break as one") << QStringList{"line\r\n", "\b!"} << "line!";
        QTest::newRow("BS takes the LF of a CR LF") << QStringList{"ab\r\n\bc"} << "ab\nc";
        QTest::newRow("BS and trailing CR") << QStringList{"ab\b\r"} << "a ";
        QTest::newRow("BS across lines not yet drawn") << QStringList{"ab", "cd\r\n", "\b\b\bX"} << "abX";
        QTest::newRow("BS across drawn and undrawn") << QStringList{"ab", "c", "\b\b\bX"} << "X";
        QTest::newRow("NUL and high bytes") << QStringList{QStringLiteral("a\u0000b\u20AC\u00FF")}
                                            << QStringLiteral("a\u0000b\u20AC\u00FF");
    }

    void showsChunks()
    {
        QFETCH(QStringList, chunks);
        QFETCH(QString, shown);
        Pane p;
        Pane framed; // drawn once a frame: the first chunk at once, the rest at the frame's end
        framed.pane.setDisplayFrames(1h, 1h);
        for (const QString& chunk : chunks) {
            p.pane.ShowReceivedText(chunk);
            framed.pane.ShowReceivedText(chunk);
        }
        QCOMPARE(p.shown(), shown);
        QCOMPARE(p.pane.heldText(), QString());
        framed.pane.showPendingText();
        QCOMPARE(framed.shown(), shown);
    }

    void streamedTextIsDrawnOncePerFrame()
    {
        Pane p;
        p.pane.setDisplayFrames(1h, 1h);
        QSignalSpy drawn(&p.pane, &ReceivePane::lastLineShown);
        p.pane.ShowReceivedText(QStringLiteral("one\r\n"));
        p.pane.ShowReceivedText(QStringLiteral("two\r\n"));
        p.pane.ShowReceivedText(QStringLiteral("three"));
        QCOMPARE(p.shown(), QStringLiteral("one\n"));
        QCOMPARE(drawn.count(), 1);

        // The echo, a suspend and Clear Screen take what waits along, in order.
        p.pane.AppendToReceivePane(QStringLiteral("typed"), kCyan);
        QCOMPARE(p.shown(), QStringLiteral("one\ntwo\nthreetyped"));
        QCOMPARE(p.colorAt(10), QColor(255, 0, 0));
        p.pane.ShowReceivedText(QStringLiteral("four"));
        p.pane.suspend();
        p.pane.ShowReceivedText(QStringLiteral("five"));
        QCOMPARE(p.shown() + "|" + p.pane.heldText(), QStringLiteral("one\ntwo\nthreetypedfour|five"));
        p.pane.resume();
        p.pane.ShowReceivedText(QStringLiteral("six"));
        FakePrompter yes;
        p.pane.clearScreen(yes);
        p.pane.showPendingText();
        QCOMPARE(p.shown(), QString());

        // A burst is drawn in pieces of bounded size, not held whole.
        p.pane.ShowReceivedText(QStringLiteral("start"));
        p.pane.ShowReceivedText(QString(100000, QLatin1Char('x')));
        QCOMPARE(p.shown().size(), 100005);
    }

    void coloursReceivedAndEchoedText()
    {
        Pane p;
        p.pane.ShowReceivedText(QStringLiteral("rx\r\n"));
        p.globals.gRxForeColor = 0x00FF00; // applies from the next chunk on
        p.pane.ShowReceivedText(QStringLiteral("ab"));
        p.pane.suspend(); // the echo still goes to the end of the pane
        p.pane.AppendToReceivePane(QStringLiteral("hi\r\n"), p.globals.gTxForeColor);
        p.pane.insertAtCaret(QStringLiteral("\x1a"));
        QCOMPARE(p.shown(), QStringLiteral("rx\nabhi\n\x1a"));
        // The inserted character at 8 takes the colour of the text before it.
        QCOMPARE((QList<QColor>{p.colorAt(1), p.colorAt(3), p.colorAt(5), p.colorAt(8)}),
                 (QList<QColor>{Qt::red, Qt::green, Qt::cyan, Qt::cyan}));
    }

    void holdsTextWhileSuspendedAndShowsItOnResume()
    {
        Pane p;
        p.pane.ShowReceivedText(QStringLiteral("first\r\n"));
        QSignalSpy focus(&p.pane, &ReceivePane::sendBoxFocusRequested);
        p.pane.toggleScroll(); // the scroll button suspends and hands the focus back
        QCOMPARE(focus.count(), 1);
        QCOMPARE(p.status_(), QStringLiteral("Status: Scroll Suspended"));
        QCOMPARE(p.pane.scrollButtonCaption(), QStringLiteral("Activate Scroll"));
        QVERIFY(!p.pane.heldTextWaiting());

        QSignalSpy button(&p.pane, &ReceivePane::scrollButtonChanged);
        p.pane.ShowReceivedText(QStringLiteral("second\r"));
        p.pane.ShowReceivedText(QStringLiteral("\bthird")); // a leading BS still deletes from the pane
        QCOMPARE(p.shown() + '|' + p.pane.heldText(), QStringLiteral("first|second third"));
        QVERIFY(p.pane.heldTextWaiting());
        QCOMPARE(button.count(), 1);
        QCOMPARE(p.status_(), QStringLiteral("Status: Scroll Suspended, new data received"));

        p.pane.toggleScroll();
        QCOMPARE(p.colorAt(16), QColor(255, 0, 0));
        QVERIFY(!p.pane.heldTextWaiting());
        QCOMPARE((QStringList{p.shown(), p.pane.heldText(), p.status_(), p.pane.scrollButtonCaption()}),
                 (QStringList{"firstsecond third", "", "Status: ", "Suspend Scroll"}));
        QCOMPARE(focus.count(), 2);
        p.pane.ShowReceivedText(QStringLiteral("!"));
        QCOMPARE(p.shown(), QStringLiteral("firstsecond third!"));
    }

    void clearScreenAsks_data()
    {
        QTest::addColumn<bool>("held");
        QTest::addColumn<QList<PromptAnswer>>("answers");
        QTest::addColumn<int>("questions");
        QTest::addColumn<bool>("cleared");
        using A = PromptAnswer;
        QTest::newRow("No") << false << QList<A>{A::No} << 1 << false;
        QTest::newRow("Yes") << false << QList<A>{A::Yes} << 1 << true;
        QTest::newRow("held text, first No") << true << QList<A>{A::No} << 1 << false;
        QTest::newRow("held text, second No") << true << QList<A>{A::Yes, A::No} << 2 << false;
        QTest::newRow("held text, Yes twice") << true << QList<A>{A::Yes, A::Yes} << 2 << true;
    }

    void clearScreenAsks()
    {
        QFETCH(bool, held);
        QFETCH(QList<PromptAnswer>, answers);
        QFETCH(int, questions);
        QFETCH(bool, cleared);
        Pane p;
        p.pane.ShowReceivedText(QStringLiteral("seen"));
        if (held) {
            p.pane.suspend();
            p.pane.ShowReceivedText(QStringLiteral("unseen"));
        }
        FakePrompter prompter;
        prompter.answers = answers;
        p.pane.clearScreen(prompter);

        QStringList asked; // title: text
        for (const test::Prompt& box : std::as_const(prompter.prompts))
            asked.append(box.title + QStringLiteral(": ") + box.text);
        QCOMPARE(asked, QStringList({QStringLiteral("Vellicor: Clear Screen Contents?"),
                                     QStringLiteral("Vellicor Warning: There is new data that you have not seen yet."
                                                    "\r\nClear Screen Contents Anyway?")})
                            .mid(0, questions));
        QCOMPARE(p.shown(), cleared ? QString() : QStringLiteral("seen"));
        QCOMPARE(p.pane.heldText(), (held && !cleared) ? QStringLiteral("unseen") : QString());
        QCOMPARE(p.pane.heldTextWaiting(), held && !cleared);
        QCOMPARE(p.pane.scrollActive(), !held); // clearing leaves scrolling alone
    }

    void printsTheSelectionLineByLine()
    {
        Pane p;
        RecordingPrintService printer;
        p.pane.printSelection(QStringLiteral("one\u2029two\r\nthree"), printer);
        p.pane.printSelection(QString(), printer); // nothing selected: one empty line
        QCOMPARE(printer.jobs.size(), 2);
        QCOMPARE(printer.jobs[0].lines, QStringList({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")}));
        QCOMPARE(printer.jobs[1].lines, QStringList{QString()});
    }

    // The pane keeps its newest lines only while the log keeps the rest.
    void scrollbackDropsTheOldestLinesOnlyWhileTheLogWrites()
    {
        Pane p;
        bool logWriting = false;
        p.pane.setScrollback(5, [&logWriting] { return logWriting; });
        p.receiveLines(1, 6);
        QCOMPARE(p.document.blockCount(), 7);
        QCOMPARE(p.status_(), QStringLiteral("Status: The scrollback limit needs the session log; nothing is dropped"));
        p.status.SetStatusText(QStringLiteral("Status: "));
        p.receiveLines(7, 8);
        QCOMPARE(p.status_(), QStringLiteral("Status: ")); // said once
        p.pane.suspend();
        p.receiveLines(9, 16);
        QVERIFY(p.pane.heldText().startsWith(QStringLiteral("line 9\n"))); // nor is held text dropped
        p.pane.resume();

        logWriting = true;
        p.receiveLines(17, 20);
        QCOMPARE(p.shown(), QStringLiteral("line 17\nline 18\nline 19\nline 20\n"));
        p.pane.ShowReceivedText(QStringLiteral("\b\b\bX"));
        QVERIFY(p.shown().endsWith(QStringLiteral("line 19\nline X")));
    }

    void scrollbackWaitsWhileSuspendedAndKeepsTheCaretOnItsText()
    {
        Pane p;
        p.pane.setScrollback(5, [] { return true; });
        p.receiveLines(1, 5);
        QTextCursor caret(&p.document);
        caret.setPosition(p.shown().indexOf(QStringLiteral("line 4")));
        p.doc.useCaret([&caret] { return caret; }, [&caret](const QTextCursor& c) { caret = c; });
        QTextCursor watched = caret;
        p.receiveLines(6, 7);
        watched.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        QCOMPARE(watched.selectedText(), QStringLiteral("line 4"));

        p.pane.suspend();
        p.receiveLines(8, 20);
        QCOMPARE(p.shown(), QStringLiteral("line 4\nline 5\nline 6\nline 7\n"));
        QCOMPARE(p.pane.heldText(), QStringLiteral("line 17\nline 18\nline 19\nline 20\n"));
        p.pane.resume();
        QCOMPARE(p.shown(), QStringLiteral("line 17\nline 18\nline 19\nline 20\n"));
    }

    // What the commands that open received traffic read when nothing is
    // selected. "|" separates chunks; a chunk starting with ">" was sent.
    void boardAnswerIsWhatCameSinceTheLastLineSent_data()
    {
        QTest::addColumn<QString>("traffic");
        QTest::addColumn<QString>("answer");
        QTest::newRow("board prompt and its blank dropped") << ">R 1\r|Msg #1\r\nTEXT\r\n[End of message #1]\r\nN0BBS> \r\n"
                                              << "Msg #1\r\nTEXT\r\n[End of message #1]\r\n";
        QTest::newRow("TNC prompt dropped") << ">MYCALL\r|MYCALL N0CALL\r\ncmd:" << "MYCALL N0CALL\r\n";
        QTest::newRow("earlier answers dropped") << "L1\r\n|>R 1\r|ONE\r\n|>R 2\r|TW|O\r\nN0BBS>\r\n" << "TWO\r\n";
        QTest::newRow("keys without a line end keep the answer") << ">R 1\r|ONE\r\n|>\x03|>\b \b" << "ONE\r\n";
        QTest::newRow("no prompt yet") << ">R 1\r|ONE\r\nTWO" << "ONE\r\nTWO";
        QTest::newRow("only the prompt") << ">R 1\r|N0BBS>" << "";
    }

    void boardAnswerIsWhatCameSinceTheLastLineSent()
    {
        QFETCH(QString, traffic);
        BoardAnswer board;
        for (const QString& chunk : traffic.split(QLatin1Char('|'))) {
            if (chunk.startsWith(QLatin1Char('>')))
                board.sent(chunk.mid(1));
            else
                board.received(chunk);
        }
        QTEST(board.answer(), "answer");
        QCOMPARE(board.textToOpen(QStringLiteral("SELECTED")), QStringLiteral("SELECTED"));
    }
};

QTEST_MAIN(ReceivePaneTest)
#include "ReceivePaneTest.moc"
