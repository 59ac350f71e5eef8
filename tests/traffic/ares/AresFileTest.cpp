#include "TrafficTestFiles.h"
#include "terminal/TextFile.h"
#include "terminal/Windows1252.h"
#include "traffic/ares/AresFile.h"
#include "traffic/ares/AresMessage.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {

const QString kSlashed = QString(QChar(0x00D8));
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

AresMessage exampleMessage(const QString& text)
{
    AresMessage m;
    m.priority = QStringLiteral("R");
    m.subject = QStringLiteral("Shelter status");
    m.date = QStringLiteral("12/05/2026");
    m.time = QStringLiteral("14:05");
    m.to = QStringLiteral("EOC");
    m.toName = QStringLiteral("Net control");
    m.from = QStringLiteral("SHELTER1");
    m.fromName = QStringLiteral("Shelter manager, Red Cross");
    m.message = text;
    m.msgSentTime = QStringLiteral("14:20");
    m.by = "N" + kSlashed + "CALL";
    return m;
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

} // namespace

class AresFileTest : public QObject {
    Q_OBJECT
private slots:
    void exampleIsWrittenByteForByte_data();
    void exampleIsWrittenByteForByte();
    void exampleReadsBackEveryField();
    void datesAndTimesAreWrittenInTheirNormalForms_data();
    void datesAndTimesAreWrittenInTheirNormalForms();
    void addressLinesAreTrimmedAndLinedUp();
    void emptyFormWritesNoTextLine();
    void emptyPriorityAndLongDateComeBack_data();
    void emptyPriorityAndLongDateComeBack();
    void savedFileReadsTheSameWithoutTrailingBlanks();
    void dateLineReadsAsDateAndTime_data();
    void dateLineReadsAsDateAndTime();
    void saveAndOpenNoLongerGrowTheText_data();
    void saveAndOpenNoLongerGrowTheText();
    void filesWrittenTheOldWayStillRead();
    void textLineStartingLikeTheClosingLineEndsTheText();
    void fileEndingBeforeTheClosingLineLeavesItEmpty();
    void closingLineWithoutByGivesOnlyTheTime();
    void readingStopsWhereTheFileLeavesTheLayout_data();
    void readingStopsWhereTheFileLeavesTheLayout();
    void binaryBytesAreReadAsText();
    void writeIsAtomicAndReportsFailure();
};

void AresFileTest::exampleIsWrittenByteForByte_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("text ending in a line break") << "All quiet.\r\nNeed 20 cots.\r\n";
    QTest::newRow("text without a final break") << "All quiet.\r\nNeed 20 cots.";
}

void AresFileTest::exampleIsWrittenByteForByte()
{
    QFETCH(QString, text);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("TORMELM1.txt"));
    QVERIFY(!AresFile::WriteMessageFile(path, exampleMessage(text)));
    QCOMPARE(fileBytes(path), kExampleFile);
}

void AresFileTest::exampleReadsBackEveryField()
{
    QCOMPARE(opened(kExampleFile), exampleMessage(QStringLiteral("All quiet.\r\nNeed 20 cots.\r\n")));
    // A lower-case priority reads as the combo shows it.
    AresMessage lower = opened("w, Shelter status\r\n" + kExampleFile.mid(19));
    QCOMPARE(lower.priority, QStringLiteral("W"));
}

void AresFileTest::datesAndTimesAreWrittenInTheirNormalForms_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QByteArray>("dateLine");
    QTest::addColumn<QByteArray>("closingLine");
    QTest::newRow("short forms") << "12/5/26" << "2:05 PM" << "9:30" << QByteArray("12/05/2026    14:05")
                                 << QByteArray("END MSG SENT 09:30 BY K1ABC");
    QTest::newRow("ISO date, seconds") << "2026-12-05" << "14:05:59" << "14:20Z"
                                       << QByteArray("12/05/2026    14:05") << QByteArray("END MSG SENT 14:20 BY K1ABC");
    QTest::newRow("unreadable stays") << "Dec 5" << "1405" << "noon" << QByteArray("Dec 5         1405")
                                      << QByteArray("END MSG SENT noon BY K1ABC");
    QTest::newRow("empty stays empty") << "" << "" << "" << QByteArray("              ")
                                       << QByteArray("END MSG SENT  BY K1ABC");
}

void AresFileTest::datesAndTimesAreWrittenInTheirNormalForms()
{
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(QString, sent);
    QFETCH(QByteArray, dateLine);
    QFETCH(QByteArray, closingLine);
    AresMessage m = exampleMessage(QString());
    m.date = date;
    m.time = time;
    m.msgSentTime = sent;
    m.by = QStringLiteral("K1ABC");
    const QList<QByteArray> lines = written(m).split('\n');
    QCOMPARE(lines.value(1), dateLine + "\r");
    QCOMPARE(lines.value(6), closingLine + "\r");
    // A date shorter than ten columns is padded, so reopening keeps the time out of it.
    const AresMessage back = opened(written(m));
    QCOMPARE(back.date, QString::fromLatin1(dateLine.left(10)).trimmed());
    QCOMPARE(back.time, QString::fromLatin1(dateLine.mid(14)).trimmed());
}

void AresFileTest::addressLinesAreTrimmedAndLinedUp()
{
    AresMessage m = exampleMessage(QString());
    m.priority = QStringLiteral("P ");
    m.subject = QStringLiteral(" Cots ");
    m.to = QStringLiteral("  EOC ");
    m.toName = QStringLiteral(" Net control  ");
    m.from = QStringLiteral(" ");
    m.by = QStringLiteral(" K1ABC ");
    const QList<QByteArray> lines = written(m).split('\n');
    QCOMPARE(lines.value(0), QByteArray("P ,  Cots \r"));
    QCOMPARE(lines.value(3), QByteArray("TO:    (EOC) Net control\r"));
    QCOMPARE(lines.value(4), QByteArray("FROM:  () Shelter manager, Red Cross\r"));
    QCOMPARE(lines.value(3).indexOf('('), 7);
    QCOMPARE(lines.value(4).indexOf('('), 7);
    QCOMPARE(lines.value(6), QByteArray("END MSG SENT 14:20 BY  K1ABC \r"));
}

void AresFileTest::emptyFormWritesNoTextLine()
{
    QCOMPARE(written(AresMessage{}), QByteArray("R, \r\n              \r\n\r\nTO:    () \r\nFROM:  () \r\n\r\nEND MSG SENT  BY \r\n"));
}

void AresFileTest::emptyPriorityAndLongDateComeBack_data()
{
    QTest::addColumn<QString>("priority");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QByteArray>("dateLine");
    QTest::newRow("empty priority") << "" << "12/05/2026" << "14:05" << QByteArray("12/05/2026    14:05");
    QTest::newRow("long date") << "R" << "December 5, 2026" << "14:05" << QByteArray("December 5, 2026    14:05");
    QTest::newRow("long date, blank in column 11") << "R" << "December 5 2026" << "14:05"
                                                   << QByteArray("December 5 2026    14:05");
    QTest::newRow("long date, no time") << "R" << "Saturday 12/5" << "" << QByteArray("Saturday 12/5    ");
}

void AresFileTest::emptyPriorityAndLongDateComeBack()
{
    QFETCH(QString, priority);
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(QByteArray, dateLine);
    AresMessage m = exampleMessage(QStringLiteral("All quiet.\r\n"));
    m.priority = priority;
    m.date = date;
    m.time = time;
    QCOMPARE(written(m).split('\n').value(1), dateLine + "\r");
    QCOMPARE(opened(written(m)), m);
}

// An editor that drops the blanks at the ends of lines leaves ", " as ","
// and a closing line's " BY " as " BY".
void AresFileTest::savedFileReadsTheSameWithoutTrailingBlanks()
{
    AresMessage m = exampleMessage(QStringLiteral("All quiet.\r\n"));
    m.priority.clear();
    m.subject.clear();
    m.time.clear();
    m.by.clear();
    QByteArray stripped;
    for (const QByteArray& line : written(m).split('\n'))
        stripped += line.chopped(line.endsWith('\r') ? 1 : 0).trimmed() + "\r\n";
    QVERIFY(stripped.startsWith(",\r\n12/05/2026\r\n"));
    QVERIFY(stripped.contains("\r\nEND MSG SENT 14:20 BY\r\n"));
    QCOMPARE(opened(stripped), m);
}

// The date is the first ten columns, unless a longer date pushed the four
// blanks before the time further right.
void AresFileTest::dateLineReadsAsDateAndTime_data()
{
    QTest::addColumn<QByteArray>("dateLine");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::newRow("usual") << QByteArray("12/05/2026    14:05") << "12/05/2026" << "14:05";
    QTest::newRow("one blank") << QByteArray("12/05/2026 14:05") << "12/05/2026" << "14:05";
    QTest::newRow("four blanks in the time") << QByteArray("12/05/2026    14:05    Z") << "12/05/2026" << "14:05    Z";
    QTest::newRow("no blanks") << QByteArray("12/05/202614:05") << "12/05/2026" << "14:05";
    QTest::newRow("long date") << QByteArray("Sat, Dec 5 2026    2 PM") << "Sat, Dec 5 2026" << "2 PM";
    QTest::newRow("short line") << QByteArray("12/5") << "12/5" << "";
}

void AresFileTest::dateLineReadsAsDateAndTime()
{
    QFETCH(QByteArray, dateLine);
    QFETCH(QString, date);
    QFETCH(QString, time);
    const AresMessage m = opened("R, Cots\r\n" + dateLine + "\r\n");
    QCOMPARE(m.date, date);
    QCOMPARE(m.time, time);
}

void AresFileTest::saveAndOpenNoLongerGrowTheText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("ends in CR LF") << "All quiet.\r\n" << "All quiet.\r\n";
    QTest::newRow("ends in an empty line") << "All quiet.\r\n\r\n" << "All quiet.\r\n\r\n";
    QTest::newRow("no final break gains one") << "All quiet." << "All quiet.\r\n";
    QTest::newRow("empty") << "" << "";
}

// With the date, times and call in their normal forms, every field comes
// back; empty times come back empty.
void AresFileTest::saveAndOpenNoLongerGrowTheText()
{
    QFETCH(QString, text);
    QFETCH(QString, readBack);
    AresMessage m = exampleMessage(text);
    for (int round = 0; round < 3; ++round)
        m = opened(written(m));
    QCOMPARE(m, exampleMessage(readBack));
    m.time.clear();
    m.msgSentTime.clear();
    QCOMPARE(opened(written(m)), m);
}

void AresFileTest::filesWrittenTheOldWayStillRead()
{
    // Earlier saves always added a line break after the text, so a text
    // ending in one left an empty line before the closing line.
    const QByteArray oldFile = kExampleFile.left(kExampleFile.indexOf("END MSG")) + "\r\n" + "END MSG SENT 14:20 BY K1ABC\r\n";
    const AresMessage m = opened(oldFile);
    QCOMPARE(m.message, QStringLiteral("All quiet.\r\nNeed 20 cots.\r\n\r\n"));
    QCOMPARE(m.by, QStringLiteral("K1ABC"));
}

void AresFileTest::textLineStartingLikeTheClosingLineEndsTheText()
{
    AresMessage m = exampleMessage(QStringLiteral("Copy:\r\nEND MSG SENT 13:00 BY W1AW\r\nmore\r\n"));
    const AresMessage read = opened(written(m));
    QCOMPARE(read.message, QStringLiteral("Copy:\r\n"));
    QCOMPARE(read.msgSentTime, QStringLiteral("13:00"));
    QCOMPARE(read.by, QStringLiteral("W1AW"));
    // "END MSG SENT" without its blank is ordinary text.
    QCOMPARE(opened(written(exampleMessage(QStringLiteral("END MSG SENTINEL\r\n")))).message,
             QStringLiteral("END MSG SENTINEL\r\n"));
}

void AresFileTest::fileEndingBeforeTheClosingLineLeavesItEmpty()
{
    const AresMessage m = opened(kExampleFile.left(kExampleFile.indexOf("END MSG")));
    QCOMPARE(m.message, QStringLiteral("All quiet.\r\nNeed 20 cots.\r\n"));
    QCOMPARE(m.msgSentTime, QString());
    QCOMPARE(m.by, QString());
    QCOMPARE(m.fromName, QStringLiteral("Shelter manager, Red Cross"));
}

void AresFileTest::closingLineWithoutByGivesOnlyTheTime()
{
    const QByteArray head = kExampleFile.left(kExampleFile.indexOf("END MSG"));
    AresMessage m = opened(head + "END MSG SENT 14:20  \r\n");
    QCOMPARE(m.msgSentTime, QStringLiteral("14:20"));
    QCOMPARE(m.by, QString());
    m = opened(head + "END MSG SENT 14:20 BYK1ABC BY  W1AW  BY X\r\n");
    QCOMPARE(m.msgSentTime, QStringLiteral("14:20 BYK1ABC"));
    QCOMPARE(m.by, QStringLiteral("W1AW  BY X"));
}

void AresFileTest::readingStopsWhereTheFileLeavesTheLayout_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("fieldsRead"); // 0 none, 1 header, 2 TO, 3 FROM, 4 text and closing line
    const QByteArray head = "P, Cots\r\n12/05/2026    14:05\r\n\r\n";
    const QByteArray to = "TO:    (EOC) Net control\r\n";
    const QByteArray from = "FROM:  (SHELTER1) Manager\r\n";
    const QByteArray rest = "\r\nNeed cots.\r\nEND MSG SENT 14:20 BY K1ABC\r\n";
    QTest::newRow("empty file") << QByteArray() << 0;
    QTest::newRow("ends after line 2") << head.left(head.size() - 2) << 1;
    QTest::newRow("no ) in line 4") << head + "TO:    (EOC Net control\r\n" + from + rest << 1;
    QTest::newRow(") before column 9 in line 4") << head + "TO: ) (EOC) Net\r\n" + from + rest << 1;
    QTest::newRow("no ) in line 5") << head + to + "FROM:  SHELTER1\r\n" + rest << 2;
    QTest::newRow("ends before line 6") << head + to + from << 3;
    QTest::newRow("complete") << head + to + from + rest << 4;
    QTest::newRow(") in column 9 gives an empty call") << head + to + "FROM:  () Manager\r\n" + rest << 4;
}

void AresFileTest::readingStopsWhereTheFileLeavesTheLayout()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, fieldsRead);
    const AresMessage m = opened(bytes);
    AresMessage expected = AresMessage::cleared(kToday);
    if (fieldsRead >= 1) {
        expected.priority = QStringLiteral("P");
        expected.subject = QStringLiteral("Cots");
        expected.date = QStringLiteral("12/05/2026");
        expected.time = QStringLiteral("14:05");
    }
    if (fieldsRead >= 2) {
        expected.to = QStringLiteral("EOC");
        expected.toName = QStringLiteral("Net control");
    }
    if (fieldsRead >= 3) {
        expected.from = bytes.contains("SHELTER1") ? QStringLiteral("SHELTER1") : QString();
        expected.fromName = QStringLiteral("Manager");
    }
    if (fieldsRead >= 4) {
        expected.message = QStringLiteral("Need cots.\r\n");
        expected.msgSentTime = QStringLiteral("14:20");
        expected.by = QStringLiteral("K1ABC");
    }
    QCOMPARE(m, expected);
}

void AresFileTest::binaryBytesAreReadAsText()
{
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk.append(char((i * 37) % 256));
    const AresMessage m = opened(junk);
    QVERIFY(m.priority.size() <= 1);
    const AresMessage tail = opened(kExampleFile.left(kExampleFile.indexOf("All quiet")) + junk);
    QCOMPARE(tail.to, QStringLiteral("EOC"));
    QVERIFY(!tail.message.isEmpty());
}

void AresFileTest::writeIsAtomicAndReportsFailure()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("TORMELM1.txt"));
    QVERIFY(!AresFile::WriteMessageFile(path, exampleMessage(QStringLiteral("All quiet.\r\nNeed 20 cots."))));
    const QString missingFolder = dir.filePath(QStringLiteral("gone/TORMELM2.txt"));
    QVERIFY(AresFile::WriteMessageFile(missingFolder, exampleMessage(QString())).has_value());
    QVERIFY(!QFile::exists(missingFolder));
    QCOMPARE(fileBytes(path), kExampleFile);

    const AresFile::ReadResult read = AresFile::readLines(path);
    QVERIFY(!read.error);
    QCOMPARE(read.lines.size(), 9);
    QCOMPARE(read.lines.last(), "END MSG SENT 14:20 BY N" + kSlashed + "CALL");
    QVERIFY(AresFile::readLines(missingFolder).error.has_value());
}

QTEST_GUILESS_MAIN(AresFileTest)
#include "AresFileTest.moc"
