#include "AresExample.h"
#include "Fakes.h"
#include "terminal/TncWriter.h"
#include "traffic/ares/AresMessage.h"
#include "traffic/ares/AresTransmission.h"

#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {

const QString kSlashed = QString(QChar(0x00D8));
const QTime kNow(9, 7, 41);

// The message of the file example, as the form holds it after opening it,
// and what the TNC receives for it.
AresMessage exampleMessage()
{
    return aresexample::message();
}

const QByteArray kExampleBytes = aresexample::kTransmission;

// Sends a message as the form does and records what reaches the link.
struct SentMessage {
    QByteArray bytes;
    QList<double> pauses;
    QList<QByteArray> writtenAtPause;
    AresMessage after;
};

SentMessage send(AresMessage message, Globals& globals)
{
    TestPlatform fakes;
    fakes.link.open();
    TncWriter writer(fakes.link);
    SentMessage sent;
    fakes.pauser.during = [&](double) { sent.writtenAtPause.append(fakes.link.written); };
    AresTransmission::prepareForSend(message, globals, kNow);
    PlayTransmission(AresTransmission::build(message, globals), writer, fakes.pauser);
    sent.bytes = fakes.link.written;
    sent.pauses = fakes.pauser.pauses;
    sent.after = message;
    return sent;
}

} // namespace

class AresTransmissionTest : public QObject {
    Q_OBJECT
private slots:
    void completeMessageGoesOutByteForByte();
    void bypassStartsWithTheSendCommand();
    void slashedZerosGoOutAsPlainZerosAndStayRestored();
    void textIsReflowedOnTheFormOnlyWhenFormattingIsOn_data();
    void textIsReflowedOnTheFormOnlyWhenFormattingIsOn();
    void emptyToAndEmptyTextStillSendTheirCrs();
    void sentTimeIsFilledOnlyWhenBlank_data();
    void sentTimeIsFilledOnlyWhenBlank();
    void operatorCallComesFromFromWhenBlank_data();
    void operatorCallComesFromFromWhenBlank();
    void fieldsGoOutUntrimmedAndUnformatted();
};

void AresTransmissionTest::completeMessageGoesOutByteForByte()
{
    Globals globals;
    const SentMessage sent = send(exampleMessage(), globals);
    QCOMPARE(sent.bytes, kExampleBytes);
    QCOMPARE(sent.pauses, (QList<double>{0.5, 1.0}));
    QCOMPARE(sent.writtenAtPause[0], QByteArray("\x03" "CONV\r"));
    QCOMPARE(sent.writtenAtPause[1], kExampleBytes.chopped(1)); // the last CR comes after the second
}

void AresTransmissionTest::bypassStartsWithTheSendCommand()
{
    Globals globals;
    globals.gBypassConv = true;
    const SentMessage sent = send(exampleMessage(), globals);
    QCOMPARE(sent.bytes, kExampleBytes.mid(6));
    QCOMPARE(sent.pauses, QList<double>{1.0});
}

void AresTransmissionTest::slashedZerosGoOutAsPlainZerosAndStayRestored()
{
    Globals globals;
    AresMessage message = exampleMessage();
    message.to = "N" + kSlashed + "CALL";
    message.from = "W" + kSlashed + "XYZ";
    const SentMessage sent = send(message, globals);
    QVERIFY(sent.bytes.contains("\rS N0CALL\r"));
    QVERIFY(sent.bytes.contains("\rTO:   (N0CALL) Net control\rFROM: (W0XYZ) Shelter manager"));
    QVERIFY(!sent.bytes.contains('\xd8'));
    QCOMPARE(sent.after.to, QStringLiteral("N0CALL"));
    QCOMPARE(sent.after.from, QStringLiteral("W0XYZ"));
    QCOMPARE(sent.after.by, QStringLiteral("N0CALL"));
}

void AresTransmissionTest::textIsReflowedOnTheFormOnlyWhenFormattingIsOn_data()
{
    QTest::addColumn<bool>("formatted");
    QTest::addColumn<QString>("sentText");
    QTest::newRow("on, width 12") << true << "All quiet \r\nhere. Need \r\n20 cots.\r\n";
    QTest::newRow("off") << false << "All quiet here. Need 20 cots.";
}

void AresTransmissionTest::textIsReflowedOnTheFormOnlyWhenFormattingIsOn()
{
    QFETCH(bool, formatted);
    QFETCH(QString, sentText);
    Globals globals;
    globals.gAresFormatBody = formatted;
    globals.gAresLineWidth = 12;
    AresMessage message = exampleMessage();
    message.message = QStringLiteral("All quiet here. Need 20 cots.");
    const SentMessage sent = send(message, globals);
    QCOMPARE(sent.after.message, sentText);
    QVERIFY(sent.bytes.contains("Red Cross\r\r" + sentText.toLatin1() + "\rEND MSG SENT "));
}

void AresTransmissionTest::emptyToAndEmptyTextStillSendTheirCrs()
{
    Globals globals;
    globals.gBypassConv = true;
    AresMessage message = exampleMessage();
    message.to.clear();
    message.message.clear();
    const SentMessage sent = send(message, globals);
    QVERIFY(sent.bytes.startsWith("S \rR, Shelter status\r"));
    QVERIFY(sent.bytes.contains("\rTO:   () Net control\r"));
    QVERIFY(sent.bytes.contains("Red Cross\r\r\rEND MSG SENT 14:20    BY N0CALL\r\x1a"));
}

void AresTransmissionTest::sentTimeIsFilledOnlyWhenBlank_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("sent");
    QTest::newRow("empty") << "" << "09:07";
    QTest::newRow("one blank") << " " << "09:07";
    QTest::newRow("two blanks stay") << "  " << "  ";
    QTest::newRow("typed time goes out as typed") << "1405" << "1405";
}

void AresTransmissionTest::sentTimeIsFilledOnlyWhenBlank()
{
    QFETCH(QString, typed);
    QFETCH(QString, sent);
    Globals globals;
    AresMessage message = exampleMessage();
    message.msgSentTime = typed;
    const SentMessage result = send(message, globals);
    QCOMPARE(result.after.msgSentTime, sent);
    QVERIFY(result.bytes.contains("\rEND MSG SENT " + sent.toLatin1() + "    BY N0CALL\r\x1a"));
}

void AresTransmissionTest::operatorCallComesFromFromWhenBlank_data()
{
    QTest::addColumn<QString>("by");
    QTest::addColumn<QString>("sent");
    QTest::newRow("empty") << "" << "W0XYZ";
    QTest::newRow("one blank") << " " << "W0XYZ";
    QTest::newRow("own call kept") << "K1ABC" << "K1ABC";
}

void AresTransmissionTest::operatorCallComesFromFromWhenBlank()
{
    QFETCH(QString, by);
    QFETCH(QString, sent);
    Globals globals;
    AresMessage message = exampleMessage();
    message.from = "W" + kSlashed + "XYZ";
    message.by = by;
    const SentMessage result = send(message, globals);
    QCOMPARE(result.after.by, sent);
    QVERIFY(result.bytes.endsWith("    BY " + sent.toLatin1() + "\r\x1a\r"));
}

void AresTransmissionTest::fieldsGoOutUntrimmedAndUnformatted()
{
    Globals globals;
    globals.gBypassConv = true;
    AresMessage message = exampleMessage();
    message.priority = QStringLiteral("RW");
    message.subject = QStringLiteral(" Shelter ");
    message.date = QStringLiteral("12/5/26");
    message.time = QStringLiteral("2:05 PM");
    message.toName = QStringLiteral(" Net control ");
    const SentMessage sent = send(message, globals);
    QVERIFY(sent.bytes.startsWith("S EOC\rRW,  Shelter \r12/5/26    2:05 PM\r\rTO:   (EOC)  Net control \r"));
}

QTEST_GUILESS_MAIN(AresTransmissionTest)
#include "AresTransmissionTest.moc"
