// Radiograms read from received text: the program's own transmission, a
// board's answer to "R n", and what other stations write.
#include "ExampleRadiogram.h"
#include "MessageFields.h"
#include "traffic/nts/NtsReader.h"

#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {

using R = Radiogram;

// The example as the program sends it: the same bytes the transmission test expects.
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

} // namespace

class NtsReaderTest : public QObject {
    Q_OBJECT
private slots:
    void readsEveryField_data();
    void readsEveryField();
};

void NtsReaderTest::readsEveryField_data()
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
    QTest::newRow("other station") << kOtherStation
                                   << QStringList{"207", "P (Priority)", "HXC HXG", "K0XYZ", "ARL 5", "FORT COLLINS CO",
                                                  "1830Z", "DEC 5", "ANNA LOPEZ", "1450 PINE ST\r\nAPT 4", "BOULDER",
                                                  "CO", "80302", "303 555 0188", "ARL FIFTY ONE\r\nLOVE MOM\r\n",
                                                  "CARLOS LOPEZ"};
    QTest::newRow("test emergency, no time filed, empty address, empty phone")
        << QStringLiteral("12 TEST EMERGENCY W1AW 4 DENVER 12/05/2026\rJOHN DOE\r\rBOULDER, CO, 80302\r  BT\r"
                          "ARRIVED SAFE LOVE BOB  BT\rMARY")
        << example({{&R::precedence, "TEST Emergency"}, {&R::place, "DENVER"}, {&R::timeFiled, ""},
                    {&R::address, ""}, {&R::phone, ""}});
    QTest::newRow("welfare word, city and state before the ZIP")
        << QString(kSent).replace(" R  W1AW", " welfare  W1AW").replace("BOULDER, CO, 80302", "BOULDER, CO 80302")
        << example({{&R::precedence, "W (H & W)"}, {&R::message, "ARRIVED SAFE LOVE BOB\r\n"}});
    QTest::newRow("no signature before the board's end marker")
        << QString(kBoardAnswer).remove("MARY\r\n") << example({{&R::message, "ARRIVED SAFE LOVE BOB\r\n"},
                                                              {&R::signedBy, ""}});
    QTest::newRow("the file's Ctrl-Z where the signature stands")
        << QString(kSent).replace("MARY", QChar(26))
        << example({{&R::message, "ARRIVED SAFE LOVE BOB\r\n"}, {&R::signedBy, ""}});
    QTest::newRow("nothing like a preamble") << QStringLiteral("No messages.\r\nN0BBS>\r\n")
                                             << QStringList{NtsReader::kNoPreamble};
    QTest::newRow("preamble without station") << QStringLiteral("12 R 4 DENVER 12/05/2026\r\nJOHN\r\nX\r\nBT\r\n")
                                              << QStringList{NtsReader::kNoPreamble};
    QTest::newRow("preamble without check") << QStringLiteral("12 R W1AW DENVER 12/05/2026\r\nJOHN\r\nX\r\nBT\r\n")
                                            << QStringList{NtsReader::kNoPreamble};
    QTest::newRow("no BT after the address") << kSent.left(kSent.indexOf("(303)"))
                                             << QStringList{NtsReader::kNoFirstBt};
    QTest::newRow("BT right after the addressee")
        << QStringLiteral("12 R W1AW 4 DENVER 12/05/2026\rJOHN DOE\rBT\rTEXT\rBT\r")
        << QStringList{NtsReader::kNoAddress};
    QTest::newRow("no BT after the text") << kSent.left(kSent.indexOf("  BT\r\rMARY"))
                                          << QStringList{NtsReader::kNoSecondBt};
}

void NtsReaderTest::readsEveryField()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    const ReceivedReading<Radiogram> reading = NtsReader::read(text);
    QCOMPARE(reading.message ? fieldsOf(*reading.message) : QStringList{reading.reason}, expected);
}

QTEST_GUILESS_MAIN(NtsReaderTest)
#include "NtsReaderTest.moc"
