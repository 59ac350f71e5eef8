#include "Fakes.h"
#include "TrafficTestFiles.h"
#include "traffic/nts/NtsFile.h"
#include "traffic/nts/Radiogram.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

using namespace vellicor;
using namespace vellicor::test;

namespace {

Radiogram fullRadiogram()
{
    Radiogram r;
    r.msgNum = QStringLiteral("7");
    r.precedence = QStringLiteral("P (Priority)");
    r.handling = QStringLiteral("HXG");
    r.station = QStringLiteral("W1AW");
    r.check = QStringLiteral("ARL 5");
    r.place = QStringLiteral("DENVER CO");
    r.timeFiled = QStringLiteral("2:30 PM");
    r.dateFiled = QStringLiteral("12/5/2026");
    r.name = QStringLiteral("JOHN DOE");
    r.address = QStringLiteral("12 MAIN ST\r\nAPT 4");
    r.city = QStringLiteral("BOULDER");
    r.state = QStringLiteral("CO");
    r.zip = QStringLiteral("80302");
    r.phone = QStringLiteral("3035551212");
    r.message = QStringLiteral("ARL FIFTY\r\nLOVE BOB\r\n");
    r.signedBy = QStringLiteral("MARY");
    return r;
}

Radiogram readBack(const QByteArray& bytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("NTS1.txt"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    file.close();
    Radiogram radiogram = Radiogram::cleared(QDate(2026, 12, 5));
    NtsFile::readInto(NtsFile::readLines(path).lines, radiogram);
    return radiogram;
}

} // namespace

class NtsFileTest : public QObject {
    Q_OBJECT
private slots:
    void allEmptyFormIsWrittenAsTheLayout();
    void writingVerifiesTheCheckAndFormatsThePhone();
    void everyFieldIsWrittenWithItsPattern();
    void everyFieldReadsBack();
    void twoLineAddressReadsBackAsTwoLines();
    void textLineEndingInBtEndsTheTextEarly();
    void lineEndsOfAnyKindAreRead_data();
    void lineEndsOfAnyKindAreRead();
    void fileEndingEarlyFillsWhatItCan();
    void fileWithoutAddressMarkerPutsTheRestInTheAddress();
    void binaryBytesAreReadAsText();
    void hugeFileIsReadOnlyInPart();
    void failedSaveLeavesTheOldFileWhole();
};

void NtsFileTest::allEmptyFormIsWrittenAsTheLayout()
{
    Radiogram empty;
    empty.precedence.clear();
    QCOMPARE(NtsFile::contents(empty), QStringLiteral("\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
                                                      " .AA.\r\n"
                                                      "\r\n\r\n\r\n"
                                                      " .BT.\r\n"
                                                      " .BT.\r\n"
                                                      "\r\n"));
}

void NtsFileTest::writingVerifiesTheCheckAndFormatsThePhone()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("NTS1.txt"));
    Radiogram radiogram;
    radiogram.message = QStringLiteral("ONE TWO THREE");
    radiogram.check = QStringLiteral("2");
    radiogram.phone = QStringLiteral(" 3035551212 ");
    FakePrompter prompter; // answers Yes
    QVERIFY(!NtsFile::WriteNtsFile(path, radiogram, prompter));
    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(radiogram.check, QStringLiteral("3"));
    QCOMPARE(radiogram.phone, QStringLiteral("(303) 555-1212"));
    const QList<QByteArray> lines = fileBytes(path).split('\n');
    QCOMPARE(lines[4], QByteArray("3\r"));
    QCOMPARE(lines[13], QByteArray("(303) 555-1212 .BT.\r"));
}

void NtsFileTest::everyFieldIsWrittenWithItsPattern()
{
    Radiogram radiogram = fullRadiogram();
    radiogram.station = QStringLiteral("  W1AW  ");
    QCOMPARE(NtsFile::contents(radiogram), QStringLiteral("007\r\n"
                                                          "P (Priority)\r\n"
                                                          "HXG\r\n"
                                                          "W1AW\r\n"
                                                          "ARL 5\r\n"
                                                          "DENVER CO\r\n"
                                                          "14:30Z\r\n"
                                                          "12/05/2026\r\n"
                                                          "JOHN DOE\r\n"
                                                          "12 MAIN ST\r\n"
                                                          "APT 4 .AA.\r\n"
                                                          "BOULDER\r\n"
                                                          "CO\r\n"
                                                          "80302\r\n"
                                                          "(303) 555-1212 .BT.\r\n"
                                                          "ARL FIFTY\r\n"
                                                          "LOVE BOB\r\n"
                                                          " .BT.\r\n"
                                                          "MARY\r\n"));
}

void NtsFileTest::everyFieldReadsBack()
{
    Radiogram written = fullRadiogram();
    const Radiogram read = readBack(NtsFile::contents(written).toLatin1());
    written.msgNum = QStringLiteral("007");
    written.timeFiled = QStringLiteral("14:30Z");
    written.dateFiled = QStringLiteral("12/05/2026");
    written.phone = QStringLiteral("(303) 555-1212");
    QCOMPARE(read, written);
}

void NtsFileTest::twoLineAddressReadsBackAsTwoLines()
{
    Radiogram radiogram = fullRadiogram();
    radiogram.address = QStringLiteral("  12 MAIN ST  \r\n  APT 4  ");
    const QString contents = NtsFile::contents(radiogram);
    QVERIFY(contents.contains(QStringLiteral("\r\nJOHN DOE\r\n12 MAIN ST  \r\n  APT 4 .AA.\r\n")));
    QCOMPARE(readBack(contents.toLatin1()).address, QStringLiteral("12 MAIN ST\r\nAPT 4"));

    radiogram.address = QStringLiteral("12 MAIN ST\r\n");
    QCOMPARE(readBack(NtsFile::contents(radiogram).toLatin1()).address, QStringLiteral("12 MAIN ST\r\n"));
}

void NtsFileTest::textLineEndingInBtEndsTheTextEarly()
{
    Radiogram radiogram = fullRadiogram();
    radiogram.message = QStringLiteral("SEE ITEM.BT.\r\nMORE TEXT");
    const Radiogram read = readBack(NtsFile::contents(radiogram).toLatin1());
    QCOMPARE(read.message, QStringLiteral("SEE ITE"));
    QCOMPARE(read.signedBy, QStringLiteral("MORE TEXT .BT."));
}

void NtsFileTest::lineEndsOfAnyKindAreRead_data()
{
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::newRow("CR LF") << QByteArray("\r\n");
    QTest::newRow("LF") << QByteArray("\n");
    QTest::newRow("CR") << QByteArray("\r");
}

void NtsFileTest::lineEndsOfAnyKindAreRead()
{
    QFETCH(QByteArray, lineEnd);
    QByteArray bytes = NtsFile::contents(fullRadiogram()).toLatin1();
    bytes.replace("\r\n", lineEnd);
    const Radiogram read = readBack(bytes);
    QCOMPARE(read.address, QStringLiteral("12 MAIN ST\r\nAPT 4"));
    QCOMPARE(read.message, QStringLiteral("ARL FIFTY\r\nLOVE BOB\r\n"));
    QCOMPARE(read.signedBy, QStringLiteral("MARY"));
}

void NtsFileTest::fileEndingEarlyFillsWhatItCan()
{
    const Radiogram empty = readBack(QByteArray());
    QCOMPARE(empty, Radiogram::cleared(QDate(2026, 12, 5)));

    const Radiogram partial = readBack("12\r\nEmergency\r\n");
    QCOMPARE(partial.msgNum, QStringLiteral("012"));
    QCOMPARE(partial.precedence, QStringLiteral("Emergency"));
    QCOMPARE(partial.handling, QString());
    QCOMPARE(partial.dateFiled, QStringLiteral("12/05/2026"));
}

void NtsFileTest::fileWithoutAddressMarkerPutsTheRestInTheAddress()
{
    const Radiogram read = readBack("1\r\nR\r\n\r\nW1AW\r\n3\r\nHERE\r\n\r\n\r\nJOE\r\nLINE A\r\nLINE B\r\n");
    QCOMPARE(read.address, QStringLiteral("LINE A\r\nLINE B\r\n"));
    QCOMPARE(read.city, QString());
    QCOMPARE(read.message, QString());
}

void NtsFileTest::binaryBytesAreReadAsText()
{
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes.append(char(i));
    const Radiogram read = readBack(bytes.repeated(40));
    QVERIFY(!read.msgNum.isEmpty());
    QVERIFY(read.handling.contains(QChar(0x20AC))); // byte 0x80 reads as the euro sign
}

void NtsFileTest::hugeFileIsReadOnlyInPart()
{
    QByteArray bytes = "1\r\nR\r\n\r\nW1AW\r\n3\r\nHERE\r\n\r\n\r\nJOE\r\n";
    bytes += QByteArray("ADDRESS LINE\r\n").repeated(1000000); // 14 MB without a marker
    const Radiogram read = readBack(bytes);
    QVERIFY(read.address.startsWith(QStringLiteral("ADDRESS LINE\r\n")));
    QVERIFY(read.address.size() <= NtsFile::kMaxReadBytes);
}

void NtsFileTest::failedSaveLeavesTheOldFileWhole()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("NTS1.txt"));
    FakePrompter prompter;
    Radiogram old = fullRadiogram();
    QVERIFY(!NtsFile::WriteNtsFile(path, old, prompter));
    const QByteArray before = fileBytes(path);

    // A file-size limit makes the write fail the way a full disk does,
    // also for a test run by the superuser.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit tiny = saved;
    tiny.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &tiny);
    Radiogram changed = fullRadiogram();
    changed.message = QStringLiteral("A COMPLETELY DIFFERENT AND MUCH LONGER TEXT ").repeated(20);
    const std::optional<FileError> error = NtsFile::WriteNtsFile(path, changed, prompter);
    setrlimit(RLIMIT_FSIZE, &saved);

    QVERIFY(error);
    QCOMPARE(fileBytes(path), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("NTS1.txt")});
}

QTEST_GUILESS_MAIN(NtsFileTest)
#include "NtsFileTest.moc"
