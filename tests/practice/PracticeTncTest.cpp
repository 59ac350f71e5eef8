#include "PracticeRig.h"

#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {
const QByteArray kPrompt = "\r\ncmd:";
const QByteArray kSignOn = "\r\nVellicor practice TNC 1.0 (no radio)\r\n"
                           "Stations on the air: N0BBS (bulletin board) and N0NET (net control).\r\ncmd:";
} // namespace

// The practice TNC as a terminal sees it: command and converse modes, the
// commands a start-up script sends, channels, autobaud and the net station.
class PracticeTncTest : public QObject {
    Q_OBJECT
private slots:
    void startsInCommandModeWithSignOn();
    void ctrlCGivesThePromptAndConvOrKGivesConverse_data();
    void ctrlCGivesThePromptAndConvOrKGivesConverse();
    void commandsAnswer_data();
    void commandsAnswer();
    void echoOnSendsTypedBytesBack();
    void converseTextWithoutAConnectionGetsNoAnswer();
    void connectingToTheBoardShowsBannerAndEntersConverse();
    void ctrlCWhileConnectedKeepsTheLink();
    void disconnectDropsTheLinkAndThePartialMessage();
    void boardByeReturnsToCommandMode();
    void eachChannelKeepsItsOwnConnection();
    void ctrlAWithoutAChannelIdIsDropped();
    void autobaudStarsAnswerOnceWithTheSignOn();
    void netControlAnswersLikeAnOperator();
    void lostTerminalLinkDropsEveryConnection();
    void anyBytesLeaveTheTncAnswering();
};

void PracticeTncTest::startsInCommandModeWithSignOn()
{
    PracticeRig rig;
    QCOMPARE(rig.tnc.signOn(), kSignOn);
    QVERIFY(!rig.tnc.inConverse());
}

void PracticeTncTest::ctrlCGivesThePromptAndConvOrKGivesConverse_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::newRow("CONV") << QByteArray("CONV\r");
    QTest::newRow("conv with CR LF") << QByteArray("conv\r\n");
    QTest::newRow("K") << QByteArray("K\r");
    QTest::newRow("CONVERSE") << QByteArray("CONVERSE\r");
}

void PracticeTncTest::ctrlCGivesThePromptAndConvOrKGivesConverse()
{
    QFETCH(QByteArray, command);
    PracticeRig rig;
    QCOMPARE(rig.send(command), QByteArray());
    QVERIFY(rig.tnc.inConverse());
    QCOMPARE(rig.send("\x03"), kPrompt);
    QVERIFY(!rig.tnc.inConverse());
    // Ctrl-C also throws away a half-typed command.
    QCOMPARE(rig.send("MYCA\x03" "MYCALL\r"), kPrompt + "MYCALL N0CALL\r\ncmd:");
}

void PracticeTncTest::commandsAnswer_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("MYCALL shows") << QByteArray("MYCALL\r") << QByteArray("MYCALL N0CALL\r\ncmd:");
    QTest::newRow("MYCALL sets") << QByteArray("mycall w1aw-4\rMY\r") << QByteArray("cmd:MYCALL W1AW-4\r\ncmd:");
    QTest::newRow("MYCALL bad") << QByteArray("MYCALL W1AW-16\r") << QByteArray("?BAD\r\ncmd:");
    QTest::newRow("unknown command") << QByteArray("MONITOR ON\r") << QByteArray("?EH\r\ncmd:");
    QTest::newRow("empty line") << QByteArray("\r") << QByteArray("cmd:");
    QTest::newRow("ECHO") << QByteArray("ECHO\r") << QByteArray("ECHO OFF\r\ncmd:");
    QTest::newRow("WORDOUT set and shown") << QByteArray("WO ON\rWORDOUT\r") << QByteArray("cmd:WORDOUT ON\r\ncmd:");
    QTest::newRow("WORDOUT bad") << QByteArray("WORDOUT MAYBE\r") << QByteArray("?BAD\r\ncmd:");
    QTest::newRow("DAYTIME unset") << QByteArray("DAYTIME\r") << QByteArray("?clock not set\r\ncmd:");
    QTest::newRow("DAYTIME 10 digits") << QByteArray("DAYTIME 2605121430\rDAYTIME\r")
                                       << QByteArray("cmd:DAYTIME 2026-05-12 14:30:00\r\ncmd:");
    QTest::newRow("DAYTIME 12 digits") << QByteArray("DAYTIME 261231235958\rDA\r")
                                       << QByteArray("cmd:DAYTIME 2026-12-31 23:59:58\r\ncmd:");
    QTest::newRow("DAYTIME bad date") << QByteArray("DAYTIME 2602301200\r") << QByteArray("?BAD\r\ncmd:");
    QTest::newRow("DAYTIME 11 digits") << QByteArray("DAYTIME 26051214301\r") << QByteArray("?BAD\r\ncmd:");
    QTest::newRow("D not connected") << QByteArray("D\r") << QByteArray("?not while disconnected\r\ncmd:");
    QTest::newRow("C alone") << QByteArray("C\r") << QByteArray("Link state is: DISCONNECTED\r\ncmd:");
    QTest::newRow("C unknown station") << QByteArray("C W9XYZ\r")
                                       << QByteArray("*** retry count exceeded\r\n*** DISCONNECTED from W9XYZ\r\ncmd:");
    QTest::newRow("star inside a command") << QByteArray("MY*\r") << QByteArray("?EH\r\ncmd:");
}

void PracticeTncTest::commandsAnswer()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, answer);
    PracticeRig rig;
    QCOMPARE(rig.send(input), answer);
    QVERIFY(!rig.tnc.inConverse());
}

void PracticeTncTest::echoOnSendsTypedBytesBack()
{
    PracticeRig rig;
    QCOMPARE(rig.send("ECHO ON\r"), QByteArray("cmd:"));
    QCOMPARE(rig.send("MY\r\n"), QByteArray("MY\r\nMYCALL N0CALL\r\ncmd:"));
    QCOMPARE(rig.send("K\rHELLO\r"), QByteArray("K\r\nHELLO\r\n"));
    QCOMPARE(rig.send("\x03" "ECHO OFF\rK\rHELLO\r"), kPrompt + "ECHO OFF\r\ncmd:");
}

void PracticeTncTest::converseTextWithoutAConnectionGetsNoAnswer()
{
    PracticeRig rig;
    rig.send("CONV\r");
    QCOMPARE(rig.send("CQ CQ DE N0CALL\r"), QByteArray());
    QVERIFY(rig.tnc.inConverse());
}

void PracticeTncTest::connectingToTheBoardShowsBannerAndEntersConverse()
{
    PracticeRig rig;
    rig.send("MYCALL W1AW\r");
    const QByteArray answer = rig.send("C N0BBS\r");
    QVERIFY2(answer.startsWith("*** CONNECTED to N0BBS\r\n[VELLICOR-PRACTICE-1.0-H$]\r\n"
                               "Hello W1AW, welcome to N0BBS"), answer.constData());
    QVERIFY(answer.endsWith("\r\nN0BBS>\r\n"));
    QVERIFY(rig.tnc.inConverse());
    QCOMPARE(rig.tnc.connectedTo('A'), QByteArray("N0BBS"));
    QCOMPARE(rig.send("L\r"), QByteArray("No messages.\r\nN0BBS>\r\n"));
}

void PracticeTncTest::ctrlCWhileConnectedKeepsTheLink()
{
    PracticeRig rig;
    rig.send("C N0BBS\r");
    QCOMPARE(rig.send("\x03"), kPrompt);
    QCOMPARE(rig.send("C N0NET\r"), QByteArray("?already connected to N0BBS\r\ncmd:"));
    QCOMPARE(rig.send("C\r"), QByteArray("Link state is: CONNECTED to N0BBS\r\ncmd:"));
    // The board never sees the Ctrl-C nor "CONV".
    QCOMPARE(rig.send("CONV\rL\r"), QByteArray("No messages.\r\nN0BBS>\r\n"));
}

void PracticeTncTest::disconnectDropsTheLinkAndThePartialMessage()
{
    PracticeRig rig;
    rig.send("C N0BBS\rS W1AW\rHALF DONE\rFIRST LINE\r");
    QCOMPARE(rig.send("\x03" "D\r"), kPrompt + "*** DISCONNECTED from N0BBS\r\ncmd:");
    QVERIFY(rig.messageFiles().isEmpty());
    QVERIFY(rig.store.messages().isEmpty());
    rig.send("C N0BBS\r");
    QCOMPARE(rig.send("L\r"), QByteArray("No messages.\r\nN0BBS>\r\n"));
}

void PracticeTncTest::boardByeReturnsToCommandMode()
{
    PracticeRig rig;
    rig.send("C N0BBS\r");
    QCOMPARE(rig.send("B\rMYCALL\r"),
             QByteArray("73 de N0BBS\r\n*** DISCONNECTED from N0BBS\r\ncmd:MYCALL N0CALL\r\ncmd:"));
    QVERIFY(rig.tnc.connectedTo('A').isEmpty());
}

void PracticeTncTest::eachChannelKeepsItsOwnConnection()
{
    PracticeRig rig;
    rig.send("C N0BBS\r");
    QCOMPARE(rig.send("\x01" "B"), QByteArray("\r\n*** CHANNEL B: not connected\r\n"));
    rig.send("\x03" "C N0NET\r");
    QCOMPARE(rig.tnc.connectedTo('B'), QByteArray("N0NET"));
    QCOMPARE(rig.send("\x01" "a"), QByteArray("\r\n*** CHANNEL A: connected to N0BBS\r\n"));
    QCOMPARE(rig.tnc.channel(), 'A');
    QCOMPARE(rig.send("L\r"), QByteArray("No messages.\r\nN0BBS>\r\n"));
    // In command mode the switch ends with the prompt.
    QCOMPARE(rig.send("\x03\x01" "0"), kPrompt + "\r\n*** CHANNEL 0: not connected\r\ncmd:");
}

void PracticeTncTest::ctrlAWithoutAChannelIdIsDropped()
{
    PracticeRig rig;
    QCOMPARE(rig.send("\x01" "MYCALL\r"), QByteArray("MYCALL N0CALL\r\ncmd:"));
    QCOMPARE(rig.tnc.channel(), PracticeTnc::kFirstChannel);
}

void PracticeTncTest::autobaudStarsAnswerOnceWithTheSignOn()
{
    PracticeRig rig;
    rig.send("CONV\r");
    QByteArray answers;
    for (int i = 0; i < 10; ++i)
        answers += rig.send("*");
    QCOMPARE(answers, kSignOn);
    QVERIFY(!rig.tnc.inConverse());
    QCOMPARE(rig.send("MYCALL\r"), QByteArray("MYCALL N0CALL\r\ncmd:"));
}

void PracticeTncTest::netControlAnswersLikeAnOperator()
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

void PracticeTncTest::lostTerminalLinkDropsEveryConnection()
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
void PracticeTncTest::anyBytesLeaveTheTncAnswering()
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

QTEST_GUILESS_MAIN(PracticeTncTest)
#include "PracticeTncTest.moc"
