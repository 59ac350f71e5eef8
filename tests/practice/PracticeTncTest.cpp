#include "PracticeRig.h"

#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {
const QByteArray kPrompt = "\r\ncmd:";
const QByteArray kSignOn = "\r\nVellicor practice TNC 1.0 (no radio)\r\n"
                           "Stations on the air: N0BBS (bulletin board) and N0NET (net control).\r\ncmd:";
const QByteArray kNoMessages = "No messages.\r\nN0BBS>\r\n";
} // namespace

// The practice TNC as a terminal sees it: command and converse modes, the
// commands a start-up script sends, channels, autobaud and the net station.
class PracticeTncTest : public QObject {
    Q_OBJECT
private slots:
    void answers_data()
    {
        QTest::addColumn<QByteArray>("before"); // sent first, its answer not checked
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<bool>("converse"); // afterwards
        const QByteArray none;
        QTest::newRow("CONV") << none << QByteArray("CONV\r") << none << true;
        QTest::newRow("K") << none << QByteArray("K\r") << none << true;
        QTest::newRow("CONVERSE") << none << QByteArray("CONVERSE\r") << none << true;
        QTest::newRow("Ctrl-C leaves converse") << QByteArray("K\r") << QByteArray("\x03") << kPrompt << false;
        QTest::newRow("Ctrl-C drops a half-typed command")
            << none << QByteArray("MYCA\x03" "MYCALL\r") << kPrompt + "MYCALL N0CALL\r\ncmd:" << false;
        QTest::newRow("converse text without a connection") << QByteArray("CONV\r") << QByteArray("CQ DE N0CALL\r")
                                                            << none << true;
        QTest::newRow("MYCALL sets") << none << QByteArray("mycall w1aw-4\rMY\r")
                                     << QByteArray("cmd:MYCALL W1AW-4\r\ncmd:") << false;
        QTest::newRow("MYCALL bad") << none << QByteArray("MYCALL W1AW-16\r") << QByteArray("?BAD\r\ncmd:") << false;
        QTest::newRow("unknown command") << none << QByteArray("MONITOR ON\r") << QByteArray("?EH\r\ncmd:") << false;
        QTest::newRow("echo on: command") << QByteArray("ECHO ON\r") << QByteArray("MY\r\n")
                                          << QByteArray("MY\r\nMYCALL N0CALL\r\ncmd:") << false;
        QTest::newRow("echo on: converse") << QByteArray("ECHO ON\r") << QByteArray("K\rHELLO\r")
                                           << QByteArray("K\r\nHELLO\r\n") << true;
        QTest::newRow("echo off again") << QByteArray("ECHO ON\rK\r") << QByteArray("\x03" "ECHO OFF\rK\rHELLO\r")
                                        << kPrompt + "ECHO OFF\r\ncmd:" << true;
        QTest::newRow("WORDOUT set and shown") << none << QByteArray("WO ON\rWORDOUT\r")
                                               << QByteArray("cmd:WORDOUT ON\r\ncmd:") << false;
        QTest::newRow("DAYTIME unset") << none << QByteArray("DAYTIME\r") << QByteArray("?clock not set\r\ncmd:")
                                       << false;
        QTest::newRow("DAYTIME 10 digits") << QByteArray("DAYTIME 2605121430\r") << QByteArray("DAYTIME\r")
                                           << QByteArray("DAYTIME 2026-05-12 14:30:00\r\ncmd:") << false;
        QTest::newRow("DAYTIME 12 digits") << QByteArray("DAYTIME 261231235958\r") << QByteArray("DA\r")
                                           << QByteArray("DAYTIME 2026-12-31 23:59:58\r\ncmd:") << false;
        QTest::newRow("DAYTIME bad date") << none << QByteArray("DAYTIME 2602301200\r") << QByteArray("?BAD\r\ncmd:")
                                          << false;
        QTest::newRow("D not connected") << none << QByteArray("D\r")
                                         << QByteArray("?not while disconnected\r\ncmd:") << false;
        QTest::newRow("C unknown station")
            << none << QByteArray("C W9XYZ\r")
            << QByteArray("*** retry count exceeded\r\n*** DISCONNECTED from W9XYZ\r\ncmd:") << false;
        QTest::newRow("board answers in converse") << QByteArray("C N0BBS\r") << QByteArray("L\r") << kNoMessages
                                                   << true;
        // Ctrl-C while connected keeps the link; the board never sees it nor "CONV".
        QTest::newRow("C while connected") << QByteArray("C N0BBS\r\x03") << QByteArray("C N0NET\r")
                                           << QByteArray("?already connected to N0BBS\r\ncmd:") << false;
        QTest::newRow("link state while connected") << QByteArray("C N0BBS\r\x03") << QByteArray("C\r")
                                                    << QByteArray("Link state is: CONNECTED to N0BBS\r\ncmd:")
                                                    << false;
        QTest::newRow("disconnect drops a partial message")
            << QByteArray("C N0BBS\rS W1AW\rHALF DONE\rFIRST LINE\r") << QByteArray("\x03" "D\r")
            << kPrompt + "*** DISCONNECTED from N0BBS\r\ncmd:" << false;
        QTest::newRow("board bye") << QByteArray("C N0BBS\r") << QByteArray("B\rMYCALL\r")
                                   << QByteArray("73 de N0BBS\r\n*** DISCONNECTED from N0BBS\r\ncmd:MYCALL N0CALL\r\ncmd:")
                                   << false;
        QTest::newRow("channel B") << QByteArray("C N0BBS\r") << QByteArray("\x01" "B")
                                   << QByteArray("\r\n*** CHANNEL B: not connected\r\n") << true;
        QTest::newRow("back on channel a") << QByteArray("C N0BBS\r\x01" "B\x03" "C N0NET\r") << QByteArray("\x01" "a")
                                           << QByteArray("\r\n*** CHANNEL A: connected to N0BBS\r\n") << true;
        QTest::newRow("channel in command mode") << QByteArray("C N0BBS\r") << QByteArray("\x03\x01" "0")
                                                 << kPrompt + "\r\n*** CHANNEL 0: not connected\r\ncmd:" << false;
    }

    void answers()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, input);
        PracticeRig rig;
        rig.send(before);
        QTEST(rig.send(input), "answer");
        QTEST(rig.tnc.inConverse(), "converse");
        QVERIFY(rig.messageFiles().isEmpty());
    }

    void connectingToTheBoardShowsItsBanner()
    {
        PracticeRig rig;
        rig.send("MYCALL W1AW\r");
        const QByteArray answer = rig.send("C N0BBS\r");
        QVERIFY2(answer.startsWith("*** CONNECTED to N0BBS\r\n[VELLICOR-PRACTICE-1.0-H$]\r\n"
                                   "Hello W1AW, welcome to N0BBS"), answer.constData());
        QVERIFY(answer.endsWith("\r\nN0BBS>\r\n"));
        QCOMPARE(rig.tnc.connectedTo('A'), QByteArray("N0BBS"));
        rig.send("\x01" "B\x03" "C N0NET\r");
        QCOMPARE(rig.tnc.connectedTo('B'), QByteArray("N0NET"));
        QCOMPARE(rig.tnc.channel(), 'B');
    }

    void autobaudStarsAnswerOnceWithTheSignOn()
    {
        PracticeRig rig;
        QCOMPARE(rig.tnc.signOn(), kSignOn);
        rig.send("CONV\r");
        QByteArray answers;
        for (int i = 0; i < 10; ++i)
            answers += rig.send("*");
        QCOMPARE(answers, kSignOn);
        QVERIFY(!rig.tnc.inConverse());
        QCOMPARE(rig.send("MYCALL\r"), QByteArray("MYCALL N0CALL\r\ncmd:"));
    }

    void netControlAnswersLikeAnOperator()
    {
        PracticeRig rig;
        rig.send("MYCALL KD0ABC\r");
        QVERIFY(rig.send("C N0NET\r").contains("Good day KD0ABC, this is N0NET"));
        QCOMPARE(rig.send("KD0ABC checking in, Boulder\r"),
                 QByteArray("Roger KD0ABC, you are checked in. Any traffic for the net? K\r\n"));
        QVERIFY(rig.send("I have one QTC\r").contains("post your traffic on N0BBS"));
        QCOMPARE(rig.send("the shelter is open\r"),
                 QByteArray("Roger KD0ABC, copy \"the shelter is open\". Anything else? K\r\n"));
        QCOMPARE(rig.send("73\r"), QByteArray("73 KD0ABC, thanks for joining the net. N0NET clear.\r\n"
                                              "*** DISCONNECTED from N0NET\r\ncmd:"));
    }

    void lostTerminalLinkDropsEveryConnection()
    {
        PracticeRig rig;
        rig.send("C N0BBS\rSP W1AW\rTITLE\rTEXT WITHOUT END");
        rig.tnc.linkLost();
        QVERIFY(rig.tnc.connectedTo('A').isEmpty());
        QVERIFY(!rig.tnc.inConverse());
        QVERIFY(rig.messageFiles().isEmpty());
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
        QCOMPARE(rig.send("\x03" "MYCALL\r"), kPrompt + "MYCALL N0CALL\r\ncmd:");
        QCOMPARE(rig.messageFiles().size(), rig.store.messages().size());
    }
};

QTEST_GUILESS_MAIN(PracticeTncTest)
#include "PracticeTncTest.moc"
