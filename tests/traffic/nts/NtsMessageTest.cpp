// A radiogram in its three texts: the file the form saves and opens, what the
// TNC receives when it is sent, and how it is read back from received text;
// its check, counted, verified with the operator and shown for a received
// one; and its printout.
#include "Fakes.h"
#include "TrafficTestSupport.h"
#include "terminal/TextFile.h"
#include "traffic/nts/NtsCheck.h"
#include "traffic/nts/NtsFile.h"
#include "traffic/nts/NtsPrintout.h"
#include "traffic/nts/NtsReader.h"
#include "traffic/nts/NtsTransmission.h"

#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

Q_DECLARE_METATYPE(vellicor::Radiogram)

namespace {

using R = Radiogram;
const QDate kToday(2026, 12, 5);
const QByteArray kExample = kExampleTransmission;

Radiogram fullRadiogram()
{
    return exampleRadiogram({{&R::msgNum, "7"}, {&R::precedence, "P (Priority)"}, {&R::handling, "HXG"},
                             {&R::check, "ARL 5"}, {&R::timeFiled, "2:30 PM"}, {&R::dateFiled, "12/5/2026"},
                             {&R::address, "12 MAIN ST\r\nAPT 4"}, {&R::phone, "3035551212"},
                             {&R::message, "ARL FIFTY\r\nLOVE BOB\r\n"}});
}

const QString kFullFile = QStringLiteral("007\r\nP (Priority)\r\nHXG\r\nW1AW\r\nARL 5\r\nDENVER CO\r\n14:30Z\r\n"
                                         "12/05/2026\r\nJOHN DOE\r\n12 MAIN ST\r\nAPT 4 .AA.\r\nBOULDER\r\nCO\r\n"
                                         "80302\r\n"
                                         "(303) 555-1212 .BT.\r\nARL FIFTY\r\nLOVE BOB\r\n .BT.\r\nMARY\r\n");

// The full radiogram as it reads back: number, time, date and phone in their patterns.
Radiogram fullReadBack()
{
    return with(fullRadiogram(), {{&R::msgNum, "007"}, {&R::timeFiled, "14:30Z"}, {&R::dateFiled, "12/05/2026"},
                                  {&R::phone, "(303) 555-1212"}});
}

Radiogram opened(const QByteArray& bytes)
{
    Radiogram radiogram = Radiogram::cleared(kToday);
    NtsFile::readInto(TextFile::splitLines(decodeWindows1252(bytes)), radiogram);
    return radiogram;
}

QByteArray withAddress(const QByteArray& address)
{
    return swapped(kExample, {{"JOHN DOE\r12 MAIN ST\r", "JOHN DOE\r" + address + "\r"}});
}

// The example as the program sends it: the same bytes the transmission rows expect.
const QString kSent = QString::fromLatin1(kExampleTransmission);

// The practice board's answer to "R 1" for it.
const QString kBoardAnswer = QStringLiteral(
    "Msg #1  Type: T  Status: N  Size: 135\r\nFrom: N0CALL  To: 80302 @NTSCO\r\nDate: 2026-05-12 14:30\r\n"
    "Title: QTC 1 BOULDER, CO\r\n\r\n12 R  W1AW 4 DENVER CO 1430Z 12/05/2026\r\n\r\nJOHN DOE\r\n12 MAIN ST\r\n"
    "BOULDER, CO, 80302\r\n(303) 555-1212  BT\r\n\r\nARRIVED SAFE LOVE BOB\r\n  BT\r\n\r\nMARY\r\n"
    "[End of message #1]\r\n");

// As other stations write it: "NR", words for the precedence, "ARL" checks,
// BT on lines of their own, the phone on its own line, LF line ends,
// extra blank lines and trailing blanks.
const QString kOtherStation = QStringLiteral(
    "QTC 1 BOULDER, CO\n\nNR 207 PRIORITY HXC HXG K0XYZ ARL 5 FORT COLLINS CO 1830Z DEC 5  \n\n"
    "ANNA LOPEZ  \n1450 PINE ST\nAPT 4\nBOULDER CO 80302\n303 555 0188\n\nBT\n\n"
    "ARL FIFTY ONE\nLOVE MOM\n\n\nBT\n\nCARLOS LOPEZ   \n");

QStringList example(std::initializer_list<std::pair<QString R::*, QString>> changes = {})
{
    return fieldsOf(exampleRadiogram(changes));
}

Radiogram printedRadiogram()
{
    return exampleRadiogram({{&R::msgNum, "7"}, {&R::precedence, "Emergency"}, {&R::handling, "HXG"},
                             {&R::timeFiled, "14:30"}, {&R::address, "12 MAIN ST\r\nAPT 4"}, {&R::phone, "3035551212"},
                             {&R::message, "ARRIVED SAFE LOVE\r\nBOB"}, {&R::signedBy, " MARY "}});
}

} // namespace

class NtsMessageTest : public QObject {
    Q_OBJECT
private slots:
    void fieldsAreWrittenTrimmedWithTheirPatterns_data()
    {
        QTest::addColumn<Radiogram>("radiogram");
        QTest::addColumn<QString>("contents");
        QTest::newRow("all empty") << with(R{}, {{&R::precedence, ""}})
                                   << QString("\r\n").repeated(9) + " .AA.\r\n\r\n\r\n\r\n .BT.\r\n .BT.\r\n\r\n";
        QTest::newRow("every field") << with(fullRadiogram(), {{&R::station, "  W1AW  "}}) << kFullFile;
        QTest::newRow("address lines trimmed at the ends of the address")
            << with(fullRadiogram(), {{&R::address, "  12 MAIN ST  \r\n  APT 4  "}})
            << QString(kFullFile).replace("12 MAIN ST\r\nAPT 4", "12 MAIN ST  \r\n  APT 4");
    }

    void fieldsAreWrittenTrimmedWithTheirPatterns()
    {
        QFETCH(Radiogram, radiogram);
        QTEST(NtsFile::contents(radiogram), "contents");
    }

    void filesReadIntoTheForm_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Radiogram>("read");
        const QByteArray full = kFullFile.toLatin1();
        const Radiogram headRead = with(Radiogram::cleared(kToday),
            {{&R::msgNum, "001"}, {&R::precedence, "R"}, {&R::station, "W1AW"}, {&R::check, "3"},
             {&R::place, "HERE"}, {&R::dateFiled, ""}, {&R::name, "JOE"}, {&R::address, "LINE A\r\nLINE B\r\n"}});
        QTest::newRow("every field, CR LF") << full << fullReadBack();
        QTest::newRow("address ending in a break keeps it")
            << QByteArray(full).replace("APT 4 .AA.", " .AA.")
            << with(fullReadBack(), {{&R::address, "12 MAIN ST\r\n"}});
        QTest::newRow("trimmed address lines")
            << QByteArray(full).replace("12 MAIN ST\r\nAPT 4", "  12 MAIN ST  \r\n  APT 4") << fullReadBack();
        QTest::newRow("text line ending in .BT. ends the text")
            << QByteArray(full).replace("ARL FIFTY\r\nLOVE BOB\r\n .BT.", "SEE ITEM.BT.\r\nMORE TEXT .BT.")
            << with(fullReadBack(), {{&R::message, "SEE ITE"}, {&R::signedBy, "MORE TEXT .BT."}});
        QTest::newRow("empty file") << QByteArray() << Radiogram::cleared(kToday);
        QTest::newRow("file ending early")
            << QByteArray("12\r\nEmergency\r\n")
            << with(Radiogram::cleared(kToday), {{&R::msgNum, "012"}, {&R::precedence, "Emergency"}});
        QTest::newRow("no address marker: the rest is the address")
            << QByteArray("1\r\nR\r\n\r\nW1AW\r\n3\r\nHERE\r\n\r\n\r\nJOE\r\nLINE A\r\nLINE B\r\n") << headRead;
    }

    void filesReadIntoTheForm()
    {
        QFETCH(QByteArray, bytes);
        QTEST(opened(bytes), "read");
    }

    // Width 0 stands for formatting turned off.
    void sendsTheRadiogramAsTheBoardExpects_data()
    {
        QTest::addColumn<Radiogram>("radiogram");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("bypass");
        QTest::addColumn<bool>("asTraffic");
        const auto row = [](const char* name, const Radiogram& r, const QByteArray& sent, int width = 70,
                            bool bypass = false, bool asTraffic = true) {
            QTest::newRow(name) << r << sent << width << bypass << asTraffic;
        };
        row("complete example", exampleRadiogram(), kExample);
        row("bypass starts with the send command", exampleRadiogram(), kExample.mid(6), 70, true);
        row("regular message uses S", exampleRadiogram(), swapped(kExample, {{"ST 80302", "S 80302"}}), 70, false,
            false);
        // Each precedence as typed, and the word that goes out for it.
        for (const auto& [typed, word] : {std::pair{"Emergency", "Emergency"}, {"P (Priority)", "P"},
                                          {"TEST P (Priority)", "TEST P"}, {"emergency", "e"}}) {
            row(typed, exampleRadiogram({{&R::precedence, typed}}),
                swapped(kExample, {{"12 R  W1AW", "12 " + QByteArray(word) + "  W1AW"}}));
        }
        row("formatting off sends the text as typed",
            exampleRadiogram({{&R::message, "ARRIVED SAFE LOVE BOB AND THE WHOLE FAMILY"}}),
            swapped(kExample, {{"LOVE BOB\r\n  BT", "LOVE BOB AND THE WHOLE FAMILY  BT"}}), 0);
        row("text reflowed at width 10", exampleRadiogram(),
            swapped(kExample, {{"ARRIVED SAFE LOVE BOB\r\n", "ARRIVED \r\nSAFE LOVE \r\nBOB\r\n"}}), 10);
        row("address loses trailing blanks and breaks",
            exampleRadiogram({{&R::address, "12 MAIN ST\r\nAPT 4  \r\n\r\n  "}}), withAddress("12 MAIN ST\r\nAPT 4"));
        row("address of nothing but breaks", exampleRadiogram({{&R::address, "\r\n \r\n"}}), withAddress(""));
        row("tab after the address is kept", exampleRadiogram({{&R::address, "12 MAIN ST\t"}}),
            withAddress("12 MAIN ST\t"));
        row("station trimmed, place not", exampleRadiogram({{&R::station, "  W1AW "}, {&R::place, " DENVER CO "}}),
            swapped(kExample, {{"W1AW 4 DENVER CO 1430Z", "W1AW 4  DENVER CO  1430Z"}}));
        // The empty text is reflowed to nothing, so "  BT" follows directly.
        row("empty form", Radiogram{}, "ST  @NTS\rQTC 1 , \r R      \r\r\r\r, , \r  BT\r\r  BT\r\r\r\x1a\r", 70, true);
    }

    // The form afterwards holds the text and the address as they went out.
    void sendsTheRadiogramAsTheBoardExpects()
    {
        QFETCH(Radiogram, radiogram);
        QFETCH(QByteArray, sent);
        QFETCH(int, width);
        TrafficGlobals globals;
        QFETCH(bool, bypass);
        QFETCH(bool, asTraffic);
        globals.gBypassConv = bypass;
        globals.gNtsSendAsTraffic = asTraffic;
        globals.gNtsFormatBody = width > 0;
        globals.gNtsLineWidth = width > 0 ? width : 70;
        NtsTransmission::prepareForSend(radiogram, globals);
        QCOMPARE(streamOf(NtsTransmission::build(radiogram, globals)), withPauses(sent));
        QVERIFY(sent.contains("\r" + radiogram.address.toLatin1() + "\r"));
        QVERIFY(sent.contains(radiogram.message.toLatin1() + "  BT\r"));
    }

    void readsEveryField_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected"); // the fields, or the reason alone
        const QStringList sentFields = example({{&R::message, "ARRIVED SAFE LOVE BOB\r\n"}});
        QTest::newRow("the program's transmission") << kSent << sentFields;
        QTest::newRow("board answer to R n") << kBoardAnswer << sentFields;
        QTest::newRow("CR line ends, no prompt") << QString(kBoardAnswer).replace("\r\n", "\r") << sentFields;
        QTest::newRow("text not reflowed, BT after its last word")
            << QString(kSent).replace("BOB\r\n  BT", "BOB  BT") << example();
        QTest::newRow("reflowed text keeps the blanks at its line ends")
            << QString(kSent).replace("SAFE LOVE", "SAFE \r\nLOVE")
            << example({{&R::message, "ARRIVED SAFE \r\nLOVE BOB\r\n"}});
        QTest::newRow("other station")
            << kOtherStation
            << QStringList{"207", "P (Priority)", "HXC HXG", "K0XYZ", "ARL 5", "FORT COLLINS CO", "1830Z", "DEC 5",
                           "ANNA LOPEZ", "1450 PINE ST\r\nAPT 4", "BOULDER", "CO", "80302", "303 555 0188",
                           "ARL FIFTY ONE\r\nLOVE MOM\r\n", "CARLOS LOPEZ"};
        QTest::newRow("test emergency, no time filed, empty address, empty phone")
            << QStringLiteral("12 TEST EMERGENCY W1AW 4 DENVER 12/05/2026\rJOHN DOE\r\rBOULDER, CO, 80302\r  BT\r"
                              "ARRIVED SAFE LOVE BOB  BT\rMARY")
            << example({{&R::precedence, "TEST Emergency"}, {&R::place, "DENVER"}, {&R::timeFiled, ""},
                        {&R::address, ""}, {&R::phone, ""}});
        QTest::newRow("welfare word, city and state before the ZIP")
            << QString(kSent).replace(" R  W1AW", " welfare  W1AW").replace("BOULDER, CO, 80302", "BOULDER, CO 80302")
            << example({{&R::precedence, "W (H & W)"}, {&R::message, "ARRIVED SAFE LOVE BOB\r\n"}});
        const QStringList unsigned_ = example({{&R::message, "ARRIVED SAFE LOVE BOB\r\n"}, {&R::signedBy, ""}});
        QTest::newRow("no signature before the board's end marker") << QString(kBoardAnswer).remove("MARY\r\n")
                                                                    << unsigned_;
        QTest::newRow("the file's Ctrl-Z where the signature stands") << QString(kSent).replace("MARY", QChar(26))
                                                                      << unsigned_;
        const auto failed = [](const char* name, const QString& text, const QString& reason) {
            QTest::newRow(name) << text << QStringList{reason};
        };
        failed("nothing like a preamble", "No messages.\r\nN0BBS>\r\n", NtsReader::kNoPreamble);
        failed("preamble without station", "12 R 4 DENVER 12/05/2026\r\nJOHN\r\nX\r\nBT\r\n", NtsReader::kNoPreamble);
        failed("preamble without precedence", "12 W1AW 4 DENVER 12/05/2026\r\nJOHN\r\nX\r\nBT\r\n",
               NtsReader::kNoPreamble);
        failed("preamble without check", "12 R W1AW DENVER 12/05/2026\r\nJOHN\r\nX\r\nBT\r\n", NtsReader::kNoPreamble);
        failed("no BT after the address", kSent.left(kSent.indexOf("(303)")), NtsReader::kNoFirstBt);
        failed("BT right after the addressee", "12 R W1AW 4 DENVER 12/05/2026\rJOHN DOE\rBT\rTEXT\rBT\r",
               NtsReader::kNoAddress);
        failed("no BT after the text", kSent.left(kSent.indexOf("  BT\r\rMARY")), NtsReader::kNoSecondBt);
    }

    void readsEveryField()
    {
        QFETCH(QString, text);
        const ReceivedReading<Radiogram> reading = NtsReader::read(text);
        QTEST(reading.message ? fieldsOf(*reading.message) : QStringList{reading.reason}, "expected");
    }

    void countsWords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("words");
        QTest::newRow("only blanks and breaks") << "  \r\n  " << 0;
        QTest::newRow("leading and trailing blanks and breaks") << "  \r\nARRIVED SAFE  LOVE\r\nBOB\r\n  " << 4;
        QTest::newRow("tab does not separate") << "A\tB" << 1;
        QTest::newRow("lone LF separates") << "A\nB" << 2;
        QTest::newRow("lone CR separates") << "A\rB" << 2;
        QTest::newRow("punctuation counts as word characters") << "ARL FIFTY ONE, X." << 4;
    }

    void countsWords()
    {
        QFETCH(QString, text);
        QFETCH(int, words);
        QCOMPARE(NtsCheck::ComputeCheck(text), qsizetype(words));
    }

    void verification_data()
    {
        QTest::addColumn<QString>("check");
        QTest::addColumn<int>("words");
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty check filled") << "" << 12 << true << false << "12";
        QTest::newRow("agreeing check") << "12" << 12 << true << false << "12";
        QTest::newRow("agreeing check with blanks") << " 1 2 " << 12 << true << false << " 1 2 ";
        QTest::newRow("number then letters reads the number") << "12A" << 12 << true << false << "12A";
        QTest::newRow("disagreeing, Yes") << "11" << 12 << true << true << "12";
        QTest::newRow("disagreeing, No keeps the operator's") << "11" << 12 << false << true << "11";
        QTest::newRow("fraction disagrees") << "12.5" << 12 << true << true << "12";
        QTest::newRow("not a number reads 0 and asks") << "TWELVE" << 12 << true << true << "12";
        QTest::newRow("ARL in lower case, blanks around") << " arl  12 " << 12 << true << false << " arl  12 ";
        QTest::newRow("ARL with a tab") << "ARL\t12" << 12 << true << false << "ARL\t12";
        QTest::newRow("ARL update keeps the prefix") << "ARL 12" << 13 << true << true << "ARL 13";
        QTest::newRow("ARL without a number asks and updates plainly") << "ARL" << 5 << true << true << "5";
    }

    void verification()
    {
        QFETCH(int, words);
        QFETCH(bool, answerYes);
        QFETCH(bool, asked);
        QFETCH(QString, check);
        Radiogram radiogram = with(R{}, {{&R::check, check}, {&R::message, QStringLiteral("WORD ").repeated(words)}});
        FakePrompter prompter;
        prompter.answers = {answerYes ? PromptAnswer::Yes : PromptAnswer::No};
        NtsCheck::verifyCheck(radiogram, prompter);
        QTEST(radiogram.check, "expected");
        QCOMPARE(prompter.prompts.size(), asked ? 1 : 0);
        if (asked) {
            const Prompt& box = prompter.prompts[0];
            QCOMPARE(std::tuple(box.title, box.buttons, box.icon, box.text),
                     std::tuple(QStringLiteral("Vellicor"), PromptButtons::YesNo, PromptIcon::Question,
                                QStringLiteral("Check does not agree with computed value.\r\n"
                                               "Update Check with new value?")));
        }
    }

    void verdictOfAReceivedCheck_data()
    {
        QTest::addColumn<QString>("check");
        QTest::addColumn<int>("words");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("agrees") << "4" << 4 << "Check 4 agrees with the text";
        QTest::newRow("text longer") << "4" << 5 << "Check 4, text has 5 words";
        QTest::newRow("ARL, one word") << "ARL 4" << 1 << "Check ARL 4, text has 1 word";
    }

    void verdictOfAReceivedCheck()
    {
        QFETCH(QString, check);
        QFETCH(int, words);
        QTEST(NtsCheck::verdict(check, QStringLiteral("WORD\r\n").repeated(words)), "verdict");
    }

    // A disagreeing check is asked about before printing; a printer that
    // fails is not reported.
    void printsTheRadiogramInCourier()
    {
        Radiogram radiogram = printedRadiogram();
        radiogram.check = QStringLiteral("9");
        FakePrompter prompter; // Yes
        RecordingPrintService printer;
        printer.succeed = false;
        int jobsWhenAsked = -1;
        prompter.onShow = [&] { jobsWhenAsked = int(printer.jobs.size()); };
        NtsPrintout::print(radiogram, prompter, printer);
        QCOMPARE(std::pair(jobsWhenAsked, prompter.prompts.size()), (std::pair<int, qsizetype>(0, 1)));
        QCOMPARE(radiogram.check, QStringLiteral("4"));
        const PrintJob job = printer.jobs.value(0);
        QCOMPARE(job.fontFamily + QString::number(job.pointSize), QStringLiteral("Courier New12"));
        QCOMPARE(QPoint(job.leftTwips, job.topTwips), QPoint(500, 1000));
        QCOMPARE(job.lines.join(QLatin1Char('|')),
                 QStringLiteral("|Num 007 Emergency HXG W1AW 4 DENVER CO 14:30Z  12/05/2026||JOHN DOE|12 MAIN ST|APT 4|"
                                "BOULDER, CO 80302|(303) 555-1212 .BT.||ARRIVED SAFE LOVE|BOB .BT.||MARY"));
        QCOMPARE(radiogram.phone, QStringLiteral("(303) 555-1212")); // the form shows it formatted
    }
};

QTEST_GUILESS_MAIN(NtsMessageTest)
#include "NtsMessageTest.moc"
