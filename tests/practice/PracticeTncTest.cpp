#include "PracticeRig.h"

#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {
using B = QByteArray;
const QByteArray kPrompt = "\r\ncmd:";
const QByteArray kSignOn = "\r\nVellicor practice TNC 1.0 (no radio)\r\n"
                           "Stations on the air: N0BBS (bulletin board) and N0NET (net control).\r\ncmd:";
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
        QTest::newRow("CONV") << none << B("CONV\r") << none << true;
        QTest::newRow("K") << none << B("K\r") << none << true;
        QTest::newRow("CONVERSE") << none << B("CONVERSE\r") << none << true;
        QTest::newRow("Ctrl-C leaves converse") << B("K\r") << B("\x03") << kPrompt << false;
        QTest::newRow("Ctrl-C drops a half-typed command") << none << B("MYCA\x03" "MYCALL\r")
            << kPrompt + "MYCALL N0CALL\r\ncmd:" << false;
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
            << kPrompt + "ECHO OFF\r\ncmd:" << true;
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
            << B("\x03" "D\r") << kPrompt + "*** DISCONNECTED from N0BBS\r\ncmd:" << false;
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
