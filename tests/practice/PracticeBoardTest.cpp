#include "PracticeRig.h"

#include "practice/PracticeBoard.h"

#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {

using B = QByteArray;

const QByteArray kPrompt = "N0BBS>\r\n";
const QByteArray kTitlePrompt = "Enter title of message:\r\n";
const QByteArray kTextPrompt = "Enter text. End with Ctrl-Z or /EX on a line of its own.\r\n";
const QByteArray kNoMessages = "No messages.\r\n" + kPrompt;

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

// The practice board N0BBS: what a caller sees and what lands on disk.
class PracticeBoardTest : public QObject {
    Q_OBJECT
private slots:
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

    void answers_data()
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
        QTest::newRow("too long: not stored, its lines no commands") << one
            << "S EOC\rLONG\r" + B(40, 'X') + "\rK 1\r/EX\r"
            << kTitlePrompt + kTextPrompt + "Message too long (over 16 bytes): not saved.\r\n" << 1;
    }

    void answers()
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

    // The tactical call dialog sends "SET/ALIAS x" then "SWITCH" to set, and
    // "SWITCH" then "SET/NOALIAS" to clear; both must end where the operator
    // meant, also when repeated.
    void tacticalCallCommandsAsTheProgramSendsThem()
    {
        BoardRig rig;
        QCOMPARE(rig.say("SET/ALIAS shelter1\rSWITCH\r"),
                 "Tactical call SHELTER1 set; SWITCH to work under it.\r\n" + kPrompt
                     + "You are now SHELTER1.\r\n" + kPrompt);
        rig.say("SET/ALIAS EOC2\rSWITCH\r");
        QCOMPARE(rig.board.workingCall(), QByteArray("EOC2"));
        rig.say("S NET\rSTATUS\rOPEN\r\x1A\r");
        QCOMPARE(rig.store.messages().first().from, QByteArray("EOC2"));
        QCOMPARE(rig.say("SWITCH\rSET/NOALIAS\r"),
                 "You are now W1AW.\r\n" + kPrompt + "Tactical call EOC2 removed; you are W1AW.\r\n" + kPrompt);
        QCOMPARE(rig.board.workingCall(), QByteArray("W1AW"));
        QCOMPARE(rig.say("SWITCH\rSET/NOALIAS\r"), "No tactical call set: use SET/ALIAS first.\r\n" + kPrompt
                                                       + "No tactical call to remove.\r\n" + kPrompt);
        rig.say("SET/ALIAS EOC\rSWITCH\rSET/NOALIAS\r"); // removed while in use
        QCOMPARE(rig.board.workingCall(), QByteArray("W1AW"));
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
        QCOMPARE(next.receive("L\r"), kNoMessages);
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
};

QTEST_GUILESS_MAIN(PracticeBoardTest)
#include "PracticeBoardTest.moc"
