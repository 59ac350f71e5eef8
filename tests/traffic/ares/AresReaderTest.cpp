// ARES messages read from received text: the program's own transmission
// and a board's answer to "R n".
#include "AresExample.h"
#include "MessageFields.h"
#include "TrafficTestFiles.h"
#include "terminal/Windows1252.h"
#include "traffic/ares/AresReader.h"

#include <QtTest>

using namespace vellicor;

namespace {

const QString kSent = decodeWindows1252(test::aresexample::kTransmission);

// The practice board's answer to "R 1" for it.
const QString kBoardAnswer = QStringLiteral(
    "Msg #1  Type: P  Status: N  Size: 131\r\nFrom: SHELTER1  To: EOC\r\nDate: 2026-05-12 14:30\r\n"
    "Title: R, Shelter status\r\n\r\n12/05/2026    14:05\r\n\r\nTO:   (EOC) Net control\r\n"
    "FROM: (SHELTER1) Shelter manager, Red Cross\r\n\r\nAll quiet.\r\nNeed 20 cots.\r\n\r\n"
    "END MSG SENT 14:20    BY N0CALL\r\n[End of message #1]\r\n");

QStringList example(std::initializer_list<std::pair<QString AresMessage::*, QString>> changes = {})
{
    return test::fieldsOf(test::with(test::aresexample::message(), changes));
}

} // namespace

class AresReaderTest : public QObject {
    Q_OBJECT
private slots:
    void readsEveryField_data();
    void readsEveryField();
};

void AresReaderTest::readsEveryField_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected"); // the fields, or the reason alone
    const QString slashed(QChar(0x00D8));
    QTest::newRow("the program's transmission") << kSent << example();
    QTest::newRow("board answer to R n") << kBoardAnswer << example();
    QTest::newRow("zeros of the calls shown slashed, letters as capitals")
        << QString(kSent).replace("(EOC)", "(k0eoc)").replace("(SHELTER1) Shelter", "(SHELTER10) Shelter")
        << example({{&AresMessage::to, "K" + slashed + "EOC"}, {&AresMessage::from, "SHELTER1" + slashed}});
    QTest::newRow("text without a final line break, empty operator's call")
        << QString(kBoardAnswer).replace("cots.\r\n\r\nEND", "cots.\r\nEND").replace("BY N0CALL", "BY")
        << example({{&AresMessage::message, "All quiet.\r\nNeed 20 cots."}, {&AresMessage::by, ""}});
    QTest::newRow("closed-up date line, no empty line before TO:, subject without priority")
        << QStringLiteral("Shelter status\n12/05/2026 14:05\nTO: (EOC) Net control\nFROM: (SHELTER1) Shelter manager, "
                          "Red Cross\nAll quiet.\nNeed 20 cots.\n\nEND MSG SENT 14:20    BY N0CALL")
        << example({{&AresMessage::priority, ""}});
    const QString addressed = QStringLiteral("TO: (EOC) Net control\nFROM: (SHELTER1) Shelter manager, Red Cross\n"
                                             "All quiet.\nNeed 20 cots.\n\nEND MSG SENT 14:20    BY N0CALL");
    QTest::newRow("date line first") << "12/05/2026 14:05\n" + addressed
                                     << example({{&AresMessage::priority, ""}, {&AresMessage::subject, ""}});
    QTest::newRow("TO: first") << addressed << example({{&AresMessage::priority, ""}, {&AresMessage::subject, ""},
                                                        {&AresMessage::date, ""}, {&AresMessage::time, ""}});
    QTest::newRow("empty date and time, empty priority")
        << QString(kSent).replace("R, Shelter", ", Shelter").replace("12/05/2026    14:05", "    ")
        << example({{&AresMessage::priority, ""}, {&AresMessage::date, ""}, {&AresMessage::time, ""}});
    QTest::newRow("a radiogram") << QStringLiteral("12 R  W1AW 4 DENVER CO 1430Z 12/05/2026\r\rJOHN DOE\r")
                                 << QStringList{AresReader::kNoAddressLines};
    QTest::newRow("TO: without FROM: after it")
        << QString(kSent).remove("FROM: (SHELTER1) Shelter manager, Red Cross\r") << QStringList{AresReader::kNoAddressLines};
    QTest::newRow("no closing line") << kSent.left(kSent.indexOf("END MSG SENT"))
                                     << QStringList{AresReader::kNoClosingLine};
}

void AresReaderTest::readsEveryField()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    const ReceivedReading<AresMessage> reading = AresReader::read(text);
    QCOMPARE(reading.message ? test::fieldsOf(*reading.message) : QStringList{reading.reason}, expected);
}

QTEST_GUILESS_MAIN(AresReaderTest)
#include "AresReaderTest.moc"
