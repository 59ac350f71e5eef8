#include "PracticeRig.h"

#include "practice/BodyCollector.h"
#include "practice/LineAssembler.h"
#include "practice/PracticeBoard.h"
#include "practice/PracticeText.h"

#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {

using B = QByteArray;

// The practice TNC's prompt after a Ctrl-C, and its sign-on.
const QByteArray kCmdPrompt = "\r\ncmd:";
const QByteArray kSignOn = "\r\nVellicor practice TNC 1.0 (no radio)\r\n"
                           "Stations on the air: N0BBS (bulletin board) and N0NET (net control).\r\ncmd:";
const QByteArray kPrompt = "N0BBS>\r\n";
const QByteArray kTitlePrompt = "Enter title of message:\r\n";
const QByteArray kTextPrompt = "Enter text. End with Ctrl-Z or /EX on a line of its own.\r\n";

// A board connected to by `caller`, on the rig's store and clock.
struct BoardRig : PracticeRig {
    explicit BoardRig(const QByteArray& caller = "W1AW", qsizetype limit = BodyCollector::kDefaultLimit)
        : board(store, clock, limit)
    {
        board.connect(caller);
    }
    QByteArray say(const QByteArray& bytes) { return board.receive(bytes); }
    PracticeBoard board;
};

} // namespace

// The practice stations as a terminal sees them. The practice TNC: command
// and converse modes, the commands a start-up script sends, channels, autobaud
// and the net station. The practice board N0BBS: what a caller sees and what
// lands on disk, and how it cuts what it is sent into lines and message texts.
class PracticeBoardTest : public QObject {
    Q_OBJECT
private slots:
    void tncAnswers_data()
    {
        QTest::addColumn<QByteArray>("before"); // sent first, its answer not checked
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<bool>("converse"); // afterwards
        const QByteArray none;
        QTest::newRow("CONV") << none << B("CONV\r") << none << true;
        QTest::newRow("K") << none << B("K\r") << none << true;
        QTest::newRow("CONVERSE") << none << B("CONVERSE\r") << none << true;
        QTest::newRow("Ctrl-C leaves converse") << B("K\r") << B("\x03") << kCmdPrompt << false;
        QTest::newRow("Ctrl-C drops a half-typed command") << none << B("MYCA\x03" "MYCALL\r")
            << kCmdPrompt + "MYCALL N0CALL\r\ncmd:" << false;
        QTest::newRow("converse text without a connection") << B("CONV\r") << B("CQ DE N0CALL\r") << none
            << true;
        QTest::newRow("MYCALL sets") << none << B("mycall w1aw-4\rMY\r") << B("cmd:MYCALL W1AW-4\r\ncmd:")
            << false;
        QTest::newRow("MYCALL bad") << none << B("MYCALL W1AW-16\r") << B("?BAD\r\ncmd:") << false;
        QTest::newRow("unknown command") << none << B("MONITOR ON\r") << B("?EH\r\ncmd:") << false;
        QTest::newRow("echo on: command") << B("ECHO ON\r") << B("MY\r\n")
            << B("MY\r\nMYCALL N0CALL\r\ncmd:") << false;
        QTest::newRow("echo on: converse") << B("ECHO ON\r") << B("K\rHELLO\r") << B("K\r\nHELLO\r\n")
            << true;
        QTest::newRow("echo off again") << B("ECHO ON\rK\r") << B("\x03" "ECHO OFF\rK\rHELLO\r")
            << kCmdPrompt + "ECHO OFF\r\ncmd:" << true;
        QTest::newRow("WORDOUT set and shown") << none << B("WO ON\rWORDOUT\r")
            << B("cmd:WORDOUT ON\r\ncmd:") << false;
        QTest::newRow("DAYTIME unset") << none << B("DAYTIME\r") << B("?clock not set\r\ncmd:") << false;
        QTest::newRow("DAYTIME 10 digits") << B("DAYTIME 2605121430\r") << B("DAYTIME\r")
            << B("DAYTIME 2026-05-12 14:30:00\r\ncmd:") << false;
        QTest::newRow("DAYTIME 12 digits") << B("DAYTIME 261231235958\r") << B("DA\r")
            << B("DAYTIME 2026-12-31 23:59:58\r\ncmd:") << false;
        QTest::newRow("DAYTIME bad date") << none << B("DAYTIME 2602301200\r") << B("?BAD\r\ncmd:") << false;
        QTest::newRow("D not connected") << none << B("D\r") << B("?not while disconnected\r\ncmd:") << false;
        QTest::newRow("C unknown station") << none << B("C W9XYZ\r")
            << B("*** retry count exceeded\r\n*** DISCONNECTED from W9XYZ\r\ncmd:") << false;
        // Ctrl-C while connected keeps the link; the board never sees it nor "CONV".
        QTest::newRow("C while connected") << B("C N0BBS\r\x03") << B("C N0NET\r")
            << B("?already connected to N0BBS\r\ncmd:") << false;
        QTest::newRow("link state while connected") << B("C N0BBS\r\x03") << B("C\r")
            << B("Link state is: CONNECTED to N0BBS\r\ncmd:") << false;
        QTest::newRow("disconnect drops a partial message") << B("C N0BBS\rS W1AW\rHALF DONE\rFIRST LINE\r")
            << B("\x03" "D\r") << kCmdPrompt + "*** DISCONNECTED from N0BBS\r\ncmd:" << false;
        QTest::newRow("board bye") << B("C N0BBS\r") << B("B\rMYCALL\r")
            << B("73 de N0BBS\r\n*** DISCONNECTED from N0BBS\r\ncmd:MYCALL N0CALL\r\ncmd:") << false;
        QTest::newRow("channel B") << B("C N0BBS\r") << B("\x01" "B")
            << B("\r\n*** CHANNEL B: not connected\r\n") << true;
        QTest::newRow("back on channel a") << B("C N0BBS\r\x01" "B\x03" "C N0NET\r") << B("\x01" "a")
            << B("\r\n*** CHANNEL A: connected to N0BBS\r\n") << true;
        // Autobaud stars in converse are answered once with the sign-on, in command mode.
        QTest::newRow("autobaud") << B("CONV\r") << B(10, '*') << kSignOn << false;
        QTest::newRow("board banner") << B("MYCALL W1AW\r") << B("C N0BBS\r")
            << B("*** CONNECTED to N0BBS\r\n[VELLICOR-PRACTICE-1.0-H$]\r\nHello W1AW, welcome to N0BBS, the Vellicor "
                 "practice board.\r\nMessages stay on this computer; nothing goes on the air.\r\n"
                 "Type H for the list of commands.\r\nN0BBS>\r\n") << true;
        QTest::newRow("link state on channel B") << B("C N0BBS\r\x01" "B\x03" "C N0NET\r\x03") << B("C\r")
            << B("Link state is: CONNECTED to N0NET\r\ncmd:") << false;
        QTest::newRow("channel in command mode") << B("C N0BBS\r") << B("\x03\x01" "0")
            << kCmdPrompt + "\r\n*** CHANNEL 0: not connected\r\ncmd:" << false;
    }

    void tncAnswers()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, input);
        PracticeRig rig;
        rig.send(before);
        QTEST(rig.send(input), "answer");
        QTEST(rig.tnc.inConverse(), "converse");
        QVERIFY(rig.messageFiles().isEmpty());
    }

    void netControlAnswersLikeAnOperator()
    {
        PracticeRig rig;
        rig.send("MYCALL KD0ABC\r");
        QVERIFY(rig.send("C N0NET\r").contains("Good day KD0ABC, this is N0NET"));
        QCOMPARE(rig.send("KD0ABC checking in, Boulder\rI have one QTC\rthe shelter is open\r73\r"),
                 B("Roger KD0ABC, you are checked in. Any traffic for the net? K\r\n"
                   "Roger KD0ABC, go ahead and post your traffic on N0BBS: ST zip @NTSxx for a radiogram,\r\n"
                   "S and the tactical call for an ARES message. Tell me the message number when done. K\r\n"
                   "Roger KD0ABC, copy \"the shelter is open\". Anything else? K\r\n"
                   "73 KD0ABC, thanks for joining the net. N0NET clear.\r\n*** DISCONNECTED from N0NET\r\ncmd:"));
    }

    void lostTerminalLinkDropsEveryConnection()
    {
        PracticeRig rig;
        rig.send("C N0BBS\rSP W1AW\rTITLE\rTEXT WITHOUT END");
        rig.tnc.linkLost();
        QVERIFY(rig.tnc.connectedTo('A').isEmpty() && !rig.tnc.inConverse() && rig.messageFiles().isEmpty());
    }

    // Bytes from anyone: a fixed-seed stream rich in control characters and
    // command words must leave the TNC working and the store readable.
    void anyBytesLeaveTheTncAnswering()
    {
        PracticeRig rig;
        QRandomGenerator random(7);
        const QList<QByteArray> pieces{"\r", "\n", "\x03", "\x01", "\x1A", "*", "C N0BBS\r", "C N0NET\r", "CONV\r",
                                       "S EOC\r", "ST 80302 @NTSCO\r", "/EX\r", "L\r", "R 1\r", "K 1\r", "ECHO ON\r",
                                       "SWITCH\r", "SET/ALIAS X\r", "B\r", "D\r", "73\r", "TEXT "};
        for (int i = 0; i < 20000; ++i) {
            QByteArray chunk = pieces.at(random.bounded(int(pieces.size())));
            if (random.bounded(4) == 0)
                chunk = QByteArray(1, char(random.bounded(256)));
            rig.send(chunk);
        }
        QVERIFY(!rig.store.messages().isEmpty()); // the stream did reach the board
        rig.send("\x03" "ECHO OFF\r");
        QCOMPARE(rig.send("\x03" "MYCALL\r"), kCmdPrompt + "MYCALL N0CALL\r\ncmd:");
        QCOMPARE(rig.messageFiles().size(), rig.store.messages().size());
    }

    void sendCommandsStoreTheExactText_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QByteArray>("heading"); // type;to;at
        QTest::newRow("S, CR lines, Ctrl-Z") << B("S W1XYZ\rHELLO\rLINE 1\rLINE 2\r\x1A\r")
            << B("LINE 1\rLINE 2\r\x1A") << B("P;W1XYZ;");
        QTest::newRow("SB, /EX with CR") << B("SB ALL @ARES\rNET TONIGHT\rNET AT 7\r/EX\r")
            << B("NET AT 7\r") << B("B;ALL;ARES");
        QTest::newRow("ST, /EX with CR LF") << B("ST 80302@NTSCO\r\nQTC 1\r\nTEXT\r\n/ex\r\n")
            << B("TEXT\r\n") << B("T;80302;NTSCO");
        QTest::newRow("8-bit bytes kept") << B("S EOC\rT\r\xC9T\xC9 \xB0\r\x1A") << B("\xC9T\xC9 \xB0\r\x1A")
            << B("P;EOC;");
    }

    void sendCommandsStoreTheExactText()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, stored);
        BoardRig rig;
        const QByteArray answer = rig.say(input);
        const QByteArray saved = "Message #1 saved, " + QByteArray::number(stored.size()) + " bytes.\r\n";
        QVERIFY2(answer.startsWith(kTitlePrompt + kTextPrompt + saved), answer.constData());
        QCOMPARE(rig.messageFiles(), QStringList{"msg00001.txt"});
        QCOMPARE(rig.stored(1), stored);
        const BoardMessage m = rig.store.messages().first();
        QTEST(m.type + (';' + m.to + ';' + m.at), "heading");
    }

    void boardAnswers_data()
    {
        QTest::addColumn<QByteArray>("before"); // said first, its answer not checked
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("answer"); // before the prompt
        QTest::addColumn<int>("messages"); // left on disk
        const QByteArray one = "S EOC\rT\rA\r\x1A\r";
        QTest::newRow("no messages") << B() << B("L\r") << B("No messages.\r\n") << 0;
        QTest::newRow("send without a call") << B() << B("S \r")
            << B("Missing call: use S CALL, SP CALL, SB TOPIC or ST ZIP @NTSxx.\r\n") << 0;
        QTest::newRow("send to a bad call") << B() << B("SP W1;AW\r") << B("Bad call or routing: W1;AW\r\n")
            << 0;
        QTest::newRow("send without a title") << B() << B("S EOC\r\r")
            << kTitlePrompt + "No title: message cancelled.\r\n" << 0;
        QTest::newRow("lines after a refused send are commands") << B("S \rS EOC\r\r") << B("L\r")
            << B("No messages.\r\n") << 0;
        QTest::newRow("empty line") << B() << B("\r") << B() << 0;
        QTest::newRow("unknown command") << B() << B("DIR\r")
            << B("Unknown command 'DIR'. Type H for help.\r\n") << 0;
        QTest::newRow("R alone") << one << B("R\r") << B("Give a message number, e.g. R 3.\r\n") << 1;
        QTest::newRow("R unknown") << one << B("R 9\r") << B("Message #9 not found.\r\n") << 1;
        QTest::newRow("K own") << one << B("K 1\r") << B("Message #1 killed.\r\n") << 0;
        QTest::newRow("alias without a call") << B() << B("SET/ALIAS\r")
            << B("SET/ALIAS needs a tactical call, e.g. SET/ALIAS SHELTER1.\r\n") << 0;
        // The tactical call dialog sends "SET/ALIAS x" then "SWITCH" to set,
        // and "SWITCH" then "SET/NOALIAS" to clear.
        QTest::newRow("alias set and switched to") << B() << B("SET/ALIAS shelter1\rSWITCH\r")
            << "Tactical call SHELTER1 set; SWITCH to work under it.\r\n" + kPrompt + "You are now SHELTER1.\r\n"
            << 0;
        QTest::newRow("sent under the alias")
            << B("SET/ALIAS X1\rSWITCH\rSET/ALIAS EOC2\rSWITCH\rS NET\rSTATUS\rOPEN\r\x1A\r") << B("L\r")
            << B("Msg#  St   Size To      @BBS     From      Date      Title\r\n"
                 "   1  PN      6 NET              EOC2      0512/1430 STATUS\r\n") << 1;
        QTest::newRow("alias cleared") << B("SET/ALIAS EOC2\rSWITCH\r") << B("SWITCH\rSET/NOALIAS\r")
            << "You are now W1AW.\r\n" + kPrompt + "Tactical call EOC2 removed; you are W1AW.\r\n" << 0;
        QTest::newRow("sent after the alias was cleared in use")
            << B("SET/ALIAS EOC\rSWITCH\rSET/NOALIAS\rS NET\rSTATUS\rOPEN\r\x1A\r") << B("L\r")
            << B("Msg#  St   Size To      @BBS     From      Date      Title\r\n"
                 "   1  PN      6 NET              W1AW      0512/1430 STATUS\r\n") << 1;
        QTest::newRow("no alias") << B() << B("SWITCH\rSET/NOALIAS\r")
            << "No tactical call set: use SET/ALIAS first.\r\n" + kPrompt + "No tactical call to remove.\r\n" << 0;
        QTest::newRow("too long: not stored, its lines no commands") << one
            << "S EOC\rLONG\r" + B(40, 'X') + "\rK 1\r/EX\r"
            << kTitlePrompt + kTextPrompt + "Message too long (over 16 bytes): not saved.\r\n" << 1;
    }

    void boardAnswers()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, answer);
        BoardRig rig("W1AW", 16);
        rig.say(before);
        QCOMPARE(rig.say(input), answer + kPrompt);
        QTEST(int(rig.messageFiles().size()), "messages");
    }

    void listingIsNewestFirstAndCutsTitlesTo60()
    {
        BoardRig rig;
        const QByteArray title = QByteArray("QTC 1 ") + QByteArray(54, 'X') + "TAIL OF IT";
        rig.say("S EOC\rFIRST\rA\r\x1A\rST 80302 @NTSCO\r" + title + "\rTEXT\r\x1A");
        QCOMPARE(rig.say("L\r"), "Msg#  St   Size To      @BBS     From      Date      Title\r\n"
                                 "   2  TN      6 80302   @NTSCO   W1AW      0512/1430 " + title.left(60) + "\r\n"
                                 "   1  PN      3 EOC              W1AW      0512/1430 FIRST\r\n" + kPrompt);
        QVERIFY(rig.say("R 2\r").contains("Title: " + title + "\r\n"));
        QCOMPARE(rig.store.messages().last().title, title);
    }

    void readShowsTheTextWithCrLfAndMarksItRead()
    {
        BoardRig rig;
        rig.say("ST 80302 @NTSCO\rQTC 1 BOULDER, CO\rLINE 1\rLINE 2\r\x1A\r");
        QCOMPARE(rig.say("R 1\r"), QByteArray("Msg #1  Type: T  Status: N  Size: 15\r\n"
                                              "From: W1AW  To: 80302 @NTSCO\r\n"
                                              "Date: 2026-05-12 14:30\r\n"
                                              "Title: QTC 1 BOULDER, CO\r\n\r\n"
                                              "LINE 1\r\nLINE 2\r\n"
                                              "[End of message #1]\r\n") + kPrompt);
        QVERIFY(rig.say("L\r").contains("   1  TY "));
    }

    void killRemovesOwnMessageOnly()
    {
        BoardRig rig;
        rig.say("S EOC\rMINE\rA\r\x1A\r");
        PracticeBoard other(rig.store, rig.clock);
        other.connect("KD0XYZ");
        QCOMPARE(other.receive("K 1\r"), "Message #1 is not yours to kill.\r\n" + kPrompt);
        QCOMPARE(rig.messageFiles(), QStringList{"msg00001.txt"});
    }

    // A new caller starts at the prompt, and numbering starts at 1.
    void droppedLinkInMidMessageStoresNothing()
    {
        BoardRig rig;
        rig.say("S EOC\rHALF\rFIRST LINE\rSECOND");
        rig.board.linkLost();
        QVERIFY(rig.messageFiles().isEmpty());
        PracticeBoard next(rig.store, rig.clock);
        next.connect("W1AW");
        QCOMPARE(next.receive("L\r"), "No messages.\r\n" + kPrompt);
        next.receive("S EOC\rWHOLE\rTEXT\r\x1A");
        QCOMPARE(rig.messageFiles(), QStringList{"msg00001.txt"});
    }

    void storeKeepsMessagesAndNumbersAcrossRuns()
    {
        BoardRig rig;
        rig.say("S EOC\rONE;WITH;SEMICOLONS\rA\r\x1A\rS EOC\rTWO\rB\r\x1A\rR 1\r");
        QFile orphan(rig.store.pathOf(7)); // a text left without a heading
        QVERIFY(orphan.open(QIODevice::WriteOnly));
        orphan.close();

        MessageStore again(rig.folder.path());
        QVERIFY(again.open().isEmpty());
        QCOMPARE(again.messages().size(), 2);
        QCOMPARE(again.messages().first().title, QByteArray("ONE;WITH;SEMICOLONS"));
        QVERIFY(again.messages().first().read);
        QCOMPARE(again.messages().last().size, 3); // "B", CR, Ctrl-Z
        PracticeBoard board(again, rig.clock);
        board.connect("W1AW");
        QVERIFY(board.receive("S EOC\rTHREE\rC\r\x1A").contains("Message #8 saved"));
        QCOMPARE(rig.stored(7), QByteArray());
    }

    // How the board cuts what a terminal sends into lines, and where a
    // message text starts and ends.
    void linesEndAtCrLfOrCrLf_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::addColumn<int>("limit");
        const int none = LineAssembler::kDefaultLimit;
        QTest::newRow("empty line between CRs") << B("ONE\r\rTWO\r") << QList<QByteArray>{"ONE", "", "TWO"}
            << none;
        QTest::newRow("LF CR is two ends") << B("ONE\n\rTWO\r") << QList<QByteArray>{"ONE", "", "TWO"}
            << none;
        QTest::newRow("overlong line keeps its head") << B("ABCDEFGH\rXY\r")
            << QList<QByteArray>{"ABCD*", "XY"} << 4;
    }

    void linesEndAtCrLfOrCrLf()
    {
        QFETCH(QByteArray, input);
        QFETCH(int, limit);
        LineAssembler assembler(limit);
        QList<QByteArray> got;
        for (char byte : input) {
            if (assembler.feed(byte))
                got.append(assembler.takeLine() + (assembler.lastLineWasCut() ? "*" : ""));
        }
        QTEST(got, "lines");
    }

    void messageTextEndsAtCtrlZOrExLine_data()
    {
        QTest::addColumn<bool>("afterCr");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("endedOnCr");
        QTest::addColumn<QByteArray>("left"); // for the caller after the end
        QTest::newRow("Ctrl-Z after CR LF lines") << true << B("\nHI\r\nTHERE\r\n\x1A")
            << B("HI\r\nTHERE\r\n\x1A") << false << B();
        QTest::newRow("Ctrl-Z in mid-line") << false << B("HI THERE\x1A") << B("HI THERE\x1A") << false
            << B();
        QTest::newRow("LF kept when title ended in LF") << false << B("\nHI\x1A") << B("\nHI\x1A") << false
            << B();
        QTest::newRow("bytes after the end") << false << B("TEXT\x1A\rL\r") << B("TEXT\x1A") << false
            << B("\rL\r");
        QTest::newRow("/EX with spaces round it") << true << B("HI\r /EX \r") << B("HI\r") << true << B();
        QTest::newRow("/EX inside a line is text") << true << B("SEE /EX\r/EX\n") << B("SEE /EX\r") << false
            << B();
    }

    void messageTextEndsAtCtrlZOrExLine()
    {
        QFETCH(bool, afterCr);
        QFETCH(QByteArray, input);
        BodyCollector body(afterCr);
        qsizetype i = 0;
        while (i < input.size() && !body.feed(input.at(i)))
            ++i;
        QVERIFY(i < input.size());
        QTEST(input.mid(i + 1), "left");
        QTEST(body.text(), "text");
        QTEST(body.endedOnCr(), "endedOnCr");
    }

    void lineEndsBecomeCrLfForShowing_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("shown");
        QTest::newRow("LF") << B("A\nB") << B("A\r\nB");
        QTest::newRow("CR CR LF") << B("A\r\r\n") << B("A\r\n\r\n");
    }

    void lineEndsBecomeCrLfForShowing()
    {
        QFETCH(QByteArray, input);
        QTEST(withCrLf(input), "shown");
    }

    void fillingPutsValuesInOnePass()
    {
        QCOMPARE(fillText("[%1] [%2]", "%2", "X"), QByteArray("[%2] [X]"));
        QCOMPARE(fillText("%1 \xE9t\xE9", "caf\xE9"), QByteArray("caf\xE9 \xE9t\xE9"));
    }
};

QTEST_GUILESS_MAIN(PracticeBoardTest)
#include "PracticeBoardTest.moc"
