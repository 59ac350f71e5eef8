#include "Fakes.h"
#include "terminal/TncWriter.h"
#include "traffic/nts/NtsTransmission.h"
#include "traffic/nts/Radiogram.h"

#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {

// The radiogram of the complete example.
Radiogram exampleRadiogram()
{
    Radiogram r;
    r.msgNum = QStringLiteral("12");
    r.precedence = QStringLiteral("R (Routine)");
    r.station = QStringLiteral("W1AW");
    r.check = QStringLiteral("4");
    r.place = QStringLiteral("DENVER CO");
    r.timeFiled = QStringLiteral("1430Z");
    r.dateFiled = QStringLiteral("12/05/2026");
    r.name = QStringLiteral("JOHN DOE");
    r.address = QStringLiteral("12 MAIN ST");
    r.city = QStringLiteral("BOULDER");
    r.state = QStringLiteral("CO");
    r.zip = QStringLiteral("80302");
    r.phone = QStringLiteral("(303) 555-1212");
    r.message = QStringLiteral("ARRIVED SAFE LOVE BOB");
    r.signedBy = QStringLiteral("MARY");
    return r;
}

// What the TNC receives for the example, line by line.
const QByteArray kExampleBytes = QByteArray("\x03")
    + "CONV\r"
    + "ST 80302 @NTSCO\r"
    + "QTC 1 BOULDER, CO\r"
    + "12 R  W1AW 4 DENVER CO 1430Z 12/05/2026\r"
    + "\r"
    + "JOHN DOE\r"
    + "12 MAIN ST\r"
    + "BOULDER, CO, 80302\r"
    + "(303) 555-1212  BT\r"
    + "\r"
    + "ARRIVED SAFE LOVE BOB\r\n"
    + "  BT\r"
    + "\r"
    + "MARY\r" + "\x1a"
    + "\r";

// Sends a radiogram as the form does and records what reaches the link.
struct SentRadiogram {
    QByteArray bytes;
    QList<double> pauses;
    QList<QByteArray> writtenAtPause;
    Radiogram after;
};

SentRadiogram send(Radiogram radiogram, Globals& globals)
{
    TestPlatform fakes;
    fakes.link.open();
    TncWriter writer(fakes.link);
    SentRadiogram sent;
    fakes.pauser.during = [&](double) { sent.writtenAtPause.append(fakes.link.written); };
    NtsTransmission::prepareForSend(radiogram, globals);
    PlayTransmission(NtsTransmission::build(radiogram, globals), writer, fakes.pauser);
    sent.bytes = fakes.link.written;
    sent.pauses = fakes.pauser.pauses;
    sent.after = radiogram;
    return sent;
}

} // namespace

class NtsTransmissionTest : public QObject {
    Q_OBJECT
private slots:
    void completeExampleGoesOutByteForByte();
    void bypassSkipsTheConverseSwitch();
    void regularMessageUsesS();
    void precedenceWord_data();
    void precedenceWord();
    void formattingOffSendsTheTextAsTyped();
    void addressLosesTrailingBlanksAndBreaks_data();
    void addressLosesTrailingBlanksAndBreaks();
    void emptyFieldsGoOutEmpty();
    void stationIsTrimmedAndOtherFieldsAreNot();
};

void NtsTransmissionTest::completeExampleGoesOutByteForByte()
{
    Globals globals;
    const SentRadiogram sent = send(exampleRadiogram(), globals);
    QCOMPARE(sent.bytes, kExampleBytes);
    QCOMPARE(sent.pauses, (QList<double>{0.5, 1.0}));
    QCOMPARE(sent.writtenAtPause[0], QByteArray("\x03" "CONV\r"));
    QCOMPARE(sent.writtenAtPause[1], kExampleBytes.chopped(1)); // the last CR comes after the second
    QCOMPARE(sent.after.message, QStringLiteral("ARRIVED SAFE LOVE BOB\r\n"));
}

void NtsTransmissionTest::bypassSkipsTheConverseSwitch()
{
    Globals globals;
    globals.gBypassConv = true;
    const SentRadiogram sent = send(exampleRadiogram(), globals);
    QVERIFY(sent.bytes.startsWith("ST 80302 @NTSCO\r"));
    QCOMPARE(sent.bytes, kExampleBytes.mid(6));
    QCOMPARE(sent.pauses, QList<double>{1.0});
}

void NtsTransmissionTest::regularMessageUsesS()
{
    Globals globals;
    globals.gNtsSendAsTraffic = false;
    const SentRadiogram sent = send(exampleRadiogram(), globals);
    QVERIFY(sent.bytes.mid(6).startsWith("S 80302 @NTSCO\r"));
}

void NtsTransmissionTest::precedenceWord_data()
{
    QTest::addColumn<QString>("precedence");
    QTest::addColumn<QString>("written");
    QTest::newRow("Emergency spelled out") << "Emergency" << "Emergency";
    QTest::newRow("typed E word spelled out") << "EMERG" << "EMERG";
    QTest::newRow("Priority") << "P (Priority)" << "P";
    QTest::newRow("Health and welfare") << "W (H & W)" << "W";
    QTest::newRow("Routine") << "R (Routine)" << "R";
    QTest::newRow("lower-case e") << "emergency" << "e";
    QTest::newRow("empty") << "" << "";
}

void NtsTransmissionTest::precedenceWord()
{
    QFETCH(QString, precedence);
    QFETCH(QString, written);
    Globals globals;
    Radiogram radiogram = exampleRadiogram();
    radiogram.precedence = precedence;
    const SentRadiogram sent = send(radiogram, globals);
    QVERIFY2(sent.bytes.contains("\r12 " + written.toLatin1() + "  W1AW 4 "), sent.bytes.constData());
}

void NtsTransmissionTest::formattingOffSendsTheTextAsTyped()
{
    Globals globals;
    globals.gNtsFormatBody = false;
    globals.gNtsLineWidth = 10;
    Radiogram radiogram = exampleRadiogram();
    radiogram.message = QStringLiteral("ARRIVED SAFE LOVE BOB AND THE WHOLE FAMILY");
    const SentRadiogram sent = send(radiogram, globals);
    QVERIFY(sent.bytes.contains("\r\rARRIVED SAFE LOVE BOB AND THE WHOLE FAMILY  BT\r\rMARY\r\x1a"));
    QCOMPARE(sent.after.message, radiogram.message);
}

void NtsTransmissionTest::addressLosesTrailingBlanksAndBreaks_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("kept");
    QTest::newRow("blanks and blank lines") << "12 MAIN ST\r\nAPT 4  \r\n\r\n  " << "12 MAIN ST\r\nAPT 4";
    QTest::newRow("nothing but breaks") << "\r\n \r\n" << "";
    QTest::newRow("inner breaks kept") << "12 MAIN ST\r\nAPT 4" << "12 MAIN ST\r\nAPT 4";
    QTest::newRow("tab is kept") << "12 MAIN ST\t" << "12 MAIN ST\t";
}

void NtsTransmissionTest::addressLosesTrailingBlanksAndBreaks()
{
    QFETCH(QString, address);
    QFETCH(QString, kept);
    Globals globals;
    Radiogram radiogram = exampleRadiogram();
    radiogram.address = address;
    const SentRadiogram sent = send(radiogram, globals);
    QCOMPARE(sent.after.address, kept);
    QVERIFY(sent.bytes.contains("JOHN DOE\r" + kept.toLatin1() + "\rBOULDER, "));
}

void NtsTransmissionTest::emptyFieldsGoOutEmpty()
{
    Globals globals;
    globals.gBypassConv = true;
    const SentRadiogram sent = send(Radiogram{}, globals);
    // The empty text is reflowed to nothing, so "  BT" follows directly.
    QCOMPARE(sent.bytes, QByteArray("ST  @NTS\rQTC 1 , \r") + " " + "R " + "     \r\r" + "\r" + "\r" + ", , \r"
                             + "  BT\r\r" + "  BT\r\r" + "\r\x1a" + "\r");
}

void NtsTransmissionTest::stationIsTrimmedAndOtherFieldsAreNot()
{
    Globals globals;
    Radiogram radiogram = exampleRadiogram();
    radiogram.station = QStringLiteral("  W1AW ");
    radiogram.place = QStringLiteral(" DENVER CO ");
    const SentRadiogram sent = send(radiogram, globals);
    QVERIFY(sent.bytes.contains("12 R  W1AW 4  DENVER CO  1430Z 12/05/2026\r\r"));
}

QTEST_GUILESS_MAIN(NtsTransmissionTest)
#include "NtsTransmissionTest.moc"
