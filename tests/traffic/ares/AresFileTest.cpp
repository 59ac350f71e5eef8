#include "AresExample.h"
#include "TrafficTestFiles.h"
#include "terminal/TextFile.h"
#include "traffic/ares/AresFile.h"
#include "traffic/ares/AresMessage.h"

#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

Q_DECLARE_METATYPE(vellicor::AresMessage)

namespace {

using M = AresMessage;
const QDate kToday(2026, 12, 7);

// The complete file example, the slashed zero as byte 216.
const QByteArray kExampleFile = "R, Shelter status\r\n"
                                "12/05/2026    14:05\r\n"
                                "\r\n"
                                "TO:    (EOC) Net control\r\n"
                                "FROM:  (SHELTER1) Shelter manager, Red Cross\r\n"
                                "\r\n"
                                "All quiet.\r\n"
                                "Need 20 cots.\r\n"
                                "END MSG SENT 14:20 BY N\xd8" "CALL\r\n";

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
    return swapped(kExampleFile, swaps);
}

} // namespace

class AresFileTest : public QObject {
    Q_OBJECT
private slots:
    void formIsWrittenInTheFileLayout_data();
    void formIsWrittenInTheFileLayout();
    void savedFormOpensAsItWasSaved_data();
    void savedFormOpensAsItWasSaved();
    void savedFileReadsTheSameWithoutTrailingBlanks();
    void filesReadIntoTheForm_data();
    void filesReadIntoTheForm();
};

void AresFileTest::formIsWrittenInTheFileLayout_data()
{
    QTest::addColumn<AresMessage>("message");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("example") << example() << kExampleFile;
    QTest::newRow("text without a final break gets one") << example({{&M::message, "All quiet.\r\nNeed 20 cots."}})
                                                         << kExampleFile;
    QTest::newRow("empty line at the end of the text")
        << example({{&M::message, "A\r\n\r\n"}}) << exampleWith({{"All quiet.\r\nNeed 20 cots.\r\n", "A\r\n\r\n"}});
    QTest::newRow("dates and times in their normal forms")
        << example({{&M::date, "12/5/26"}, {&M::time, "2:05 PM"}, {&M::msgSentTime, "9:30"}})
        << exampleWith({{"SENT 14:20", "SENT 09:30"}});
    QTest::newRow("unreadable dates and times stay")
        << example({{&M::date, "Dec 5"}, {&M::time, "1405"}, {&M::msgSentTime, "noon"}})
        << exampleWith({{"12/05/2026    14:05", "Dec 5         1405"}, {"SENT 14:20", "SENT noon"}});
    QTest::newRow("empty date and times: the date's columns stay")
        << example({{&M::date, ""}, {&M::time, ""}, {&M::msgSentTime, ""}})
        << exampleWith({{"12/05/2026    14:05", "              "}, {"SENT 14:20", "SENT "}});
    QTest::newRow("date longer than ten columns written whole")
        << example({{&M::date, "Saturday 12/5"}, {&M::time, ""}}) << exampleWith({{"12/05/2026    14:05", "Saturday 12/5    "}});
    QTest::newRow("address trimmed and lined up, the rest untrimmed")
        << example({{&M::priority, "P "}, {&M::subject, " Cots "}, {&M::to, "  EOC "}, {&M::toName, " Net control  "},
                    {&M::from, " "}, {&M::by, " K1ABC "}})
        << exampleWith({{"R, Shelter status", "P ,  Cots "}, {"(SHELTER1)", "()"}, {"BY N\xd8" "CALL", "BY  K1ABC "}});
    QTest::newRow("empty form writes no text line")
        << AresMessage{} << QByteArray("R, \r\n              \r\n\r\nTO:    () \r\nFROM:  () \r\n\r\nEND MSG SENT  BY \r\n");
}

void AresFileTest::formIsWrittenInTheFileLayout()
{
    QFETCH(AresMessage, message);
    QFETCH(QByteArray, file);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("TORMELM1.txt"));
    QVERIFY(!AresFile::WriteMessageFile(path, message));
    QCOMPARE(fileBytes(path), file);
}

// Opened again, a saved form gives back every field, three times over: an
// empty text stays empty, and the priority, the date and the times come
// back even when empty or long.
void AresFileTest::savedFormOpensAsItWasSaved_data()
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

void AresFileTest::savedFormOpensAsItWasSaved()
{
    QFETCH(AresMessage, message);
    QFETCH(AresMessage, reopened);
    for (int round = 0; round < 3; ++round)
        message = opened(written(message));
    QCOMPARE(message, reopened);
}

// An editor that drops the blanks at the ends of lines leaves ", " as ","
// and a closing line's " BY " as " BY".
void AresFileTest::savedFileReadsTheSameWithoutTrailingBlanks()
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
void AresFileTest::filesReadIntoTheForm_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<AresMessage>("read");
    const AresMessage cleared = AresMessage::cleared(kToday);
    const AresMessage header = with(cleared, {{&M::priority, "R"}, {&M::subject, "Shelter status"},
                                              {&M::date, "12/05/2026"}, {&M::time, "14:05"}});
    const AresMessage to = with(header, {{&M::to, "EOC"}, {&M::toName, "Net control"}});
    const AresMessage from = with(to, {{&M::from, "SHELTER1"}, {&M::fromName, "Shelter manager, Red Cross"}});
    const QByteArray head = kExampleFile.left(kExampleFile.indexOf("All quiet"));
    QTest::newRow("lower-case priority") << exampleWith({{"R, ", "w, "}}) << example({{&M::priority, "W"}});
    QTest::newRow("empty file") << QByteArray() << cleared;
    QTest::newRow("ends after the date line") << kExampleFile.left(kExampleFile.indexOf("\r\n\r\n")) << header;
    QTest::newRow("no ) in the TO line") << exampleWith({{"(EOC)", "(EOC"}}) << header;
    QTest::newRow(") before column 9 in the TO line") << exampleWith({{"TO:    (EOC)", "TO: ) (EOC)"}}) << header;
    QTest::newRow("ends before the text") << head.left(head.size() - 2) << from;
    QTest::newRow(") in column 9 gives an empty call") << exampleWith({{"(SHELTER1)", "()"}})
                                                     << example({{&M::from, ""}});
    QTest::newRow("ends before the closing line") << head + "All quiet.\r\n"
                                                  << with(from, {{&M::message, "All quiet.\r\n"}});
    QTest::newRow("closing line without BY") << head + "END MSG SENT 14:20  \r\n"
                                             << with(from, {{&M::msgSentTime, "14:20"}});
    QTest::newRow("BY without its blanks is no BY") << head + "END MSG SENT 14:20 BYK1ABC BY  W1AW  BY X\r\n"
                                                    << with(from, {{&M::msgSentTime, "14:20 BYK1ABC"}, {&M::by, "W1AW  BY X"}});
    // Earlier saves always added a line break after the text.
    QTest::newRow("older file with an empty line after the text")
        << exampleWith({{"cots.\r\n", "cots.\r\n\r\n"}}) << example({{&M::message, "All quiet.\r\nNeed 20 cots.\r\n\r\n"}});
    QTest::newRow("date line with one blank") << exampleWith({{"2026    14", "2026 14"}}) << example();
    QTest::newRow("four blanks inside the time") << exampleWith({{"14:05", "14:05    Z"}})
                                                 << example({{&M::time, "14:05    Z"}});
    QTest::newRow("long date") << exampleWith({{"12/05/2026", "Sat, Dec 5 2026"}})
                               << example({{&M::date, "Sat, Dec 5 2026"}});
    const QString binaryLine = QString(QChar(0)) + QChar(0x81) + QChar(0xFF) + QChar(0x1A) + QChar(0x20AC);
    QTest::newRow("binary bytes read as text") << head + QByteArray("\x00\x81\xff\x1a\x80", 5) + "\r\n"
                                               << with(from, {{&M::message, binaryLine + "\r\n"}});
}

void AresFileTest::filesReadIntoTheForm()
{
    QFETCH(QByteArray, bytes);
    QFETCH(AresMessage, read);
    QCOMPARE(opened(bytes), read);
}

QTEST_GUILESS_MAIN(AresFileTest)
#include "AresFileTest.moc"
