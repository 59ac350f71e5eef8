// An ARES message in its three texts: the file the form saves and opens,
// what the TNC receives when it is sent, and how it is read back from
// received text (the program's own transmission and a board's answer to "R n").
#include "AresExample.h"
#include "TrafficTestSupport.h"
#include "terminal/TextFile.h"
#include "traffic/ares/AresFile.h"
#include "traffic/ares/AresReader.h"
#include "traffic/ares/AresTransmission.h"

#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

Q_DECLARE_METATYPE(vellicor::AresMessage)

namespace {

using M = AresMessage;
const QDate kToday(2026, 12, 7);
const QTime kNow(9, 7, 41);
const QString kSlashed = QString(QChar(0x00D8));
const QByteArray kExample = aresexample::kTransmission;
const QString kSent = decodeWindows1252(kExample);

// The practice board's answer to "R 1" for it.
const QString kBoardAnswer = QStringLiteral(
    "Msg #1  Type: P  Status: N  Size: 131\r\nFrom: SHELTER1  To: EOC\r\nDate: 2026-05-12 14:30\r\n"
    "Title: R, Shelter status\r\n\r\n12/05/2026    14:05\r\n\r\nTO:   (EOC) Net control\r\n"
    "FROM: (SHELTER1) Shelter manager, Red Cross\r\n\r\nAll quiet.\r\nNeed 20 cots.\r\n\r\n"
    "END MSG SENT 14:20    BY N0CALL\r\n[End of message #1]\r\n");

AresMessage example(std::initializer_list<std::pair<QString AresMessage::*, QString>> changes = {})
{
    return with(aresexample::message(), changes);
}

QByteArray written(const AresMessage& message)
{
    return encodeWindows1252(AresFile::contents(message));
}

// Reads file bytes into a cleared form, as Open does.
AresMessage opened(const QByteArray& bytes)
{
    AresMessage m = AresMessage::cleared(kToday);
    AresFile::readInto(TextFile::splitLines(decodeWindows1252(bytes)), m);
    return m;
}

// The file's lines with these replaced.
QByteArray exampleWith(std::initializer_list<std::pair<QByteArray, QByteArray>> swaps)
{
    return swapped(kTormelFile, swaps);
}

} // namespace

class AresMessageTest : public QObject {
    Q_OBJECT
private slots:
    void formIsWrittenInTheFileLayout_data()
    {
        QTest::addColumn<AresMessage>("message");
        QTest::addColumn<QByteArray>("file");
        const auto row = [](const char* name, const AresMessage& m, const QByteArray& file) {
            QTest::newRow(name) << m << file;
        };
        row("example", example(), kTormelFile);
        row("text without a final break gets one", example({{&M::message, "All quiet.\r\nNeed 20 cots."}}),
            kTormelFile);
        row("empty line at the end of the text", example({{&M::message, "A\r\n\r\n"}}),
            exampleWith({{"All quiet.\r\nNeed 20 cots.\r\n", "A\r\n\r\n"}}));
        row("dates and times in their normal forms",
            example({{&M::date, "12/5/26"}, {&M::time, "2:05 PM"}, {&M::msgSentTime, "9:30"}}),
            exampleWith({{"SENT 14:20", "SENT 09:30"}}));
        row("unreadable dates and times stay",
            example({{&M::date, "Dec 5"}, {&M::time, "1405"}, {&M::msgSentTime, "noon"}}),
            exampleWith({{"12/05/2026    14:05", "Dec 5         1405"}, {"SENT 14:20", "SENT noon"}}));
        row("empty date and times: the date's columns stay",
            example({{&M::date, ""}, {&M::time, ""}, {&M::msgSentTime, ""}}),
            exampleWith({{"12/05/2026    14:05", "              "}, {"SENT 14:20", "SENT "}}));
        row("date longer than ten columns written whole", example({{&M::date, "Saturday 12/5"}, {&M::time, ""}}),
            exampleWith({{"12/05/2026    14:05", "Saturday 12/5    "}}));
        row("address trimmed and lined up, the rest untrimmed",
            example({{&M::priority, "P "}, {&M::subject, " Cots "}, {&M::to, "  EOC "},
                     {&M::toName, " Net control  "}, {&M::from, " "}, {&M::by, " K1ABC "}}),
            exampleWith({{"R, Shelter status", "P ,  Cots "}, {"(SHELTER1)", "()"},
                         {"BY N\xd8" "CALL", "BY  K1ABC "}}));
        row("empty form writes no text line", AresMessage{},
            "R, \r\n              \r\n\r\nTO:    () \r\nFROM:  () \r\n\r\nEND MSG SENT  BY \r\n");
    }

    void formIsWrittenInTheFileLayout()
    {
        QFETCH(AresMessage, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("TORMELM1.txt"));
        QVERIFY(!AresFile::WriteMessageFile(path, message));
        QTEST(fileBytes(path), "file");
    }

    // Opened again, a saved form gives back every field, three times over: an
    // empty text stays empty, and the priority, the date and the times come
    // back even when empty or long.
    void savedFormOpensAsItWasSaved_data()
    {
        QTest::addColumn<AresMessage>("message");
        QTest::addColumn<AresMessage>("reopened");
        const auto same = [](const char* name, const AresMessage& m) { QTest::newRow(name) << m << m; };
        same("text ending in an empty line", example({{&M::message, "All quiet.\r\n\r\n"}}));
        same("empty text", example({{&M::message, ""}}));
        same("empty times", example({{&M::time, ""}, {&M::msgSentTime, ""}}));
        same("empty priority", example({{&M::priority, ""}}));
        same("long date, blank in column 11", example({{&M::date, "December 5 2026"}}));
        same("long date, no time", example({{&M::date, "Saturday 12/5"}, {&M::time, ""}}));
        same("END MSG SENT without its blank is text", example({{&M::message, "END MSG SENTINEL\r\n"}}));
        QTest::newRow("a text line like the closing line ends the text")
            << example({{&M::message, "Copy:\r\nEND MSG SENT 13:00 BY W1AW\r\nmore\r\n"}})
            << example({{&M::message, "Copy:\r\n"}, {&M::msgSentTime, "13:00"}, {&M::by, "W1AW"}});
    }

    void savedFormOpensAsItWasSaved()
    {
        QFETCH(AresMessage, message);
        for (int round = 0; round < 3; ++round)
            message = opened(written(message));
        QTEST(message, "reopened");
    }

    // An editor that drops the blanks at the ends of lines leaves ", " as ","
    // and a closing line's " BY " as " BY".
    void savedFileReadsTheSameWithoutTrailingBlanks()
    {
        const AresMessage m = example({{&M::priority, ""}, {&M::subject, ""}, {&M::time, ""}, {&M::by, ""}});
        QByteArray stripped;
        for (const QByteArray& line : written(m).split('\n'))
            stripped += line.chopped(line.endsWith('\r') ? 1 : 0).trimmed() + "\r\n";
        QVERIFY(stripped.startsWith(",\r\n12/05/2026\r\n"));
        QVERIFY(stripped.contains("\r\nEND MSG SENT 14:20 BY\r\n"));
        QCOMPARE(opened(stripped), m);
    }

    // Reading follows the layout as far as the file does, and stops silently
    // where it leaves it.
    void filesReadIntoTheForm_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<AresMessage>("read");
        const AresMessage cleared = AresMessage::cleared(kToday);
        const AresMessage header = with(cleared, {{&M::priority, "R"}, {&M::subject, "Shelter status"},
                                                  {&M::date, "12/05/2026"}, {&M::time, "14:05"}});
        const AresMessage to = with(header, {{&M::to, "EOC"}, {&M::toName, "Net control"}});
        const AresMessage from = with(to, {{&M::from, "SHELTER1"}, {&M::fromName, "Shelter manager, Red Cross"}});
        const QByteArray file = kTormelFile;
        const QByteArray head = file.left(file.indexOf("All quiet"));
        const auto row = [](const char* name, const QByteArray& bytes, const AresMessage& m) {
            QTest::newRow(name) << bytes << m;
        };
        row("lower-case priority", exampleWith({{"R, ", "w, "}}), example({{&M::priority, "W"}}));
        row("empty file", "", cleared);
        row("name right after the )", exampleWith({{"(EOC) Net", "(EOC)Net"}}), example());
        row("ends after the date line", file.left(file.indexOf("\r\n\r\n")), header);
        row("no ) in the TO line", exampleWith({{"(EOC)", "(EOC"}}), header);
        row(") before column 9 in the TO line", exampleWith({{"TO:    (EOC)", "TO: ) (EOC)"}}), header);
        row("ends before the text", head.left(head.size() - 2), from);
        row(") in column 9 gives an empty call", exampleWith({{"(SHELTER1)", "()"}}), example({{&M::from, ""}}));
        row("ends before the closing line", head + "All quiet.\r\n", with(from, {{&M::message, "All quiet.\r\n"}}));
        row("closing line without BY", head + "END MSG SENT 14:20  \r\n", with(from, {{&M::msgSentTime, "14:20"}}));
        row("BY without its blanks is no BY", head + "END MSG SENT 14:20 BYK1ABC BY  W1AW  BY X\r\n",
            with(from, {{&M::msgSentTime, "14:20 BYK1ABC"}, {&M::by, "W1AW  BY X"}}));
        // Earlier saves always added a line break after the text.
        row("older file with an empty line after the text", exampleWith({{"cots.\r\n", "cots.\r\n\r\n"}}),
            example({{&M::message, "All quiet.\r\nNeed 20 cots.\r\n\r\n"}}));
        row("date line with one blank", exampleWith({{"2026    14", "2026 14"}}), example());
        row("four blanks inside the time", exampleWith({{"14:05", "14:05    Z"}}), example({{&M::time, "14:05    Z"}}));
        row("long date", exampleWith({{"12/05/2026", "Sat, Dec 5 2026"}}), example({{&M::date, "Sat, Dec 5 2026"}}));
        const QString binaryLine = QString(QChar(0)) + QChar(0x81) + QChar(0xFF) + QChar(0x1A) + QChar(0x20AC);
        row("binary bytes read as text", head + QByteArray("\x00\x81\xff\x1a\x80", 5) + "\r\n",
            with(from, {{&M::message, binaryLine + "\r\n"}}));
    }

    void filesReadIntoTheForm()
    {
        QFETCH(QByteArray, bytes);
        QTEST(opened(bytes), "read");
    }

    // Width 0 stands for formatting turned off.
    void sendsTheFormAsTheMailboxExpects_data()
    {
        QTest::addColumn<AresMessage>("message");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("bypass");
        const auto row = [](const char* name, const AresMessage& m, const QByteArray& sent, int width = 70,
                            bool bypass = false) { QTest::newRow(name) << m << sent << width << bypass; };
        row("complete example", example(), kExample);
        row("bypass starts with the send command", example(), kExample.mid(6), 70, true);
        row("slashed zeros go out as zeros",
            example({{&M::to, "N" + kSlashed + "CALL"}, {&M::from, "W" + kSlashed + "XYZ"}}),
            swapped(kExample, {{"S EOC", "S N0CALL"}, {"(EOC)", "(N0CALL)"}, {"(SHELTER1)", "(W0XYZ)"}}));
        const AresMessage longer = example({{&M::message, "All quiet here. Need 20 cots."}});
        row("text reflowed at width 12", longer,
            swapped(kExample, {{"quiet.\r\nNeed 20 cots.\r\n\r", "quiet \r\nhere. Need \r\n20 cots.\r\n\r"}}), 12);
        row("formatting off sends the text as typed", longer,
            swapped(kExample, {{"All quiet.\r\nNeed 20 cots.\r\n\r", "All quiet here. Need 20 cots.\r"}}), 0);
        row("empty To and empty text still send their CRs", example({{&M::to, ""}, {&M::message, ""}}),
            swapped(kExample.mid(6), {{"S EOC", "S "}, {"(EOC)", "()"}, {"All quiet.\r\nNeed 20 cots.\r\n", ""}}), 70,
            true);
        row("empty sent time is now", example({{&M::msgSentTime, ""}}),
            swapped(kExample, {{"SENT 14:20", "SENT 09:07"}}));
        row("one-blank sent time is now", example({{&M::msgSentTime, " "}}),
            swapped(kExample, {{"SENT 14:20", "SENT 09:07"}}));
        row("two blanks stay", example({{&M::msgSentTime, "  "}}), swapped(kExample, {{"SENT 14:20", "SENT   "}}));
        row("empty By is From", example({{&M::from, "W" + kSlashed + "XYZ"}, {&M::by, ""}}),
            swapped(kExample, {{"(SHELTER1)", "(W0XYZ)"}, {"BY N0CALL", "BY W0XYZ"}}));
        row("one-blank By is From", example({{&M::by, " "}}), swapped(kExample, {{"BY N0CALL", "BY SHELTER1"}}));
        row("fields go out untrimmed and unformatted",
            example({{&M::priority, "RW"}, {&M::subject, " Shelter "}, {&M::date, "12/5/26"}, {&M::time, "2:05 PM"},
                     {&M::toName, " Net control "}}),
            swapped(kExample, {{"R, Shelter status", "RW,  Shelter "}, {"12/05/2026    14:05", "12/5/26    2:05 PM"},
                               {"(EOC) Net control", "(EOC)  Net control "}}));
    }

    // The form afterwards holds what went out: zeros restored, the text as
    // reflowed, the sent time and the operator's call as filled in.
    void sendsTheFormAsTheMailboxExpects()
    {
        QFETCH(AresMessage, message);
        QFETCH(QByteArray, sent);
        QFETCH(int, width);
        QFETCH(bool, bypass);
        TrafficGlobals globals;
        globals.gBypassConv = bypass;
        globals.gAresFormatBody = width > 0;
        globals.gAresLineWidth = width > 0 ? width : 70;
        AresTransmission::prepareForSend(message, globals, kNow);
        QCOMPARE(streamOf(AresTransmission::build(message, globals)), withPauses(sent));
        for (const QString& field : {message.to, message.from, message.by, message.message, message.msgSentTime})
            QVERIFY(sent.contains(encodeWindows1252(field)));
    }

    void readsEveryField_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected"); // the fields, or the reason alone
        const auto read = [](const char* name, const QString& text, const AresMessage& m) {
            QTest::newRow(name) << text << fieldsOf(m);
        };
        read("the program's transmission", kSent, example());
        read("board answer to R n", kBoardAnswer, example());
        read("zeros of the calls shown slashed, letters as capitals",
             QString(kSent).replace("(EOC)", "(k0eoc)").replace("(SHELTER1) Shelter", "(SHELTER10) Shelter"),
             example({{&M::to, "K" + kSlashed + "EOC"}, {&M::from, "SHELTER1" + kSlashed}}));
        read("text without a final line break, empty operator's call",
             QString(kBoardAnswer).replace("cots.\r\n\r\nEND", "cots.\r\nEND").replace("BY N0CALL", "BY"),
             example({{&M::message, "All quiet.\r\nNeed 20 cots."}, {&M::by, ""}}));
        const QString addressed = QStringLiteral("TO: (EOC) Net control\nFROM: (SHELTER1) Shelter manager, Red Cross\n"
                                                 "All quiet.\nNeed 20 cots.\n\nEND MSG SENT 14:20    BY N0CALL");
        read("closed-up date line, no empty line before TO:, subject without priority",
             "Shelter status\n12/05/2026 14:05\n" + addressed, example({{&M::priority, ""}}));
        read("date line first", "12/05/2026 14:05\n" + addressed, example({{&M::priority, ""}, {&M::subject, ""}}));
        read("TO: first", addressed,
             example({{&M::priority, ""}, {&M::subject, ""}, {&M::date, ""}, {&M::time, ""}}));
        read("empty date, times and priority",
             QString(kSent).replace("R, Shelter", ", Shelter").replace("12/05/2026    14:05", "    ")
                 .replace("14:20    BY", " BY"),
             example({{&M::priority, ""}, {&M::date, ""}, {&M::time, ""}, {&M::msgSentTime, ""}}));
        QTest::newRow("a radiogram") << QStringLiteral("12 R  W1AW 4 DENVER CO 1430Z 12/05/2026\r\rJOHN DOE\r")
                                     << QStringList{AresReader::kNoAddressLines};
        QTest::newRow("TO: without FROM: after it")
            << QString(kSent).remove("FROM: (SHELTER1) Shelter manager, Red Cross\r")
            << QStringList{AresReader::kNoAddressLines};
        QTest::newRow("TO: last") << QStringLiteral("S\nTO: (E) N") << QStringList{AresReader::kNoAddressLines};
        QTest::newRow("no closing line") << kSent.left(kSent.indexOf("END MSG SENT"))
                                         << QStringList{AresReader::kNoClosingLine};
    }

    void readsEveryField()
    {
        QFETCH(QString, text);
        const ReceivedReading<AresMessage> reading = AresReader::read(text);
        QTEST(reading.message ? fieldsOf(*reading.message) : QStringList{reading.reason}, "expected");
    }
};

QTEST_GUILESS_MAIN(AresMessageTest)
#include "AresMessageTest.moc"
