#include "ExampleRadiogram.h"
#include "traffic/nts/NtsTransmission.h"
#include "traffic/nts/Radiogram.h"

#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

Q_DECLARE_METATYPE(vellicor::Radiogram)

namespace {

using R = Radiogram;

const QByteArray kExample = kExampleTransmission;

QByteArray withPrecedence(const QByteArray& word)
{
    return swapped(kExample, {{"12 R  W1AW", "12 " + word + "  W1AW"}});
}

QByteArray withAddress(const QByteArray& address)
{
    return swapped(kExample, {{"JOHN DOE\r12 MAIN ST\r", "JOHN DOE\r" + address + "\r"}});
}

} // namespace

class NtsTransmissionTest : public QObject {
    Q_OBJECT
private slots:
    void sendsTheRadiogramAsTheBoardExpects_data();
    void sendsTheRadiogramAsTheBoardExpects();
};

// Width 0 stands for formatting turned off.
void NtsTransmissionTest::sendsTheRadiogramAsTheBoardExpects_data()
{
    QTest::addColumn<Radiogram>("radiogram");
    QTest::addColumn<bool>("bypass");
    QTest::addColumn<bool>("asTraffic");
    QTest::addColumn<int>("width");
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("complete example") << exampleRadiogram() << false << true << 70 << kExample;
    QTest::newRow("bypass starts with the send command") << exampleRadiogram() << true << true << 70 << kExample.mid(6);
    QTest::newRow("regular message uses S") << exampleRadiogram() << false << false << 70
                                           << swapped(kExample, {{"ST 80302", "S 80302"}});
    QTest::newRow("Emergency spelled out") << exampleRadiogram({{&R::precedence, "Emergency"}}) << false << true << 70
                                           << withPrecedence("Emergency");
    QTest::newRow("Priority") << exampleRadiogram({{&R::precedence, "P (Priority)"}}) << false << true << 70
                              << withPrecedence("P");
    QTest::newRow("test traffic keeps TEST") << exampleRadiogram({{&R::precedence, "TEST P (Priority)"}}) << false
                                             << true << 70 << withPrecedence("TEST P");
    QTest::newRow("lower-case e") << exampleRadiogram({{&R::precedence, "emergency"}}) << false << true << 70
                                  << withPrecedence("e");
    QTest::newRow("formatting off sends the text as typed")
        << exampleRadiogram({{&R::message, "ARRIVED SAFE LOVE BOB AND THE WHOLE FAMILY"}}) << false << true << 0
        << swapped(kExample, {{"ARRIVED SAFE LOVE BOB\r\n  BT", "ARRIVED SAFE LOVE BOB AND THE WHOLE FAMILY  BT"}});
    QTest::newRow("text reflowed at width 10") << exampleRadiogram() << false << true << 10
                                               << swapped(kExample, {{"ARRIVED SAFE LOVE BOB\r\n",
                                                                      "ARRIVED \r\nSAFE LOVE \r\nBOB\r\n"}});
    QTest::newRow("address loses trailing blanks and breaks")
        << exampleRadiogram({{&R::address, "12 MAIN ST\r\nAPT 4  \r\n\r\n  "}}) << false << true << 70
        << withAddress("12 MAIN ST\r\nAPT 4");
    QTest::newRow("address of nothing but breaks") << exampleRadiogram({{&R::address, "\r\n \r\n"}}) << false << true << 70
                                                   << withAddress("");
    QTest::newRow("tab after the address is kept") << exampleRadiogram({{&R::address, "12 MAIN ST\t"}}) << false << true
                                                   << 70 << withAddress("12 MAIN ST\t");
    QTest::newRow("station trimmed, place not")
        << exampleRadiogram({{&R::station, "  W1AW "}, {&R::place, " DENVER CO "}}) << false << true << 70
        << swapped(kExample, {{"W1AW 4 DENVER CO 1430Z", "W1AW 4  DENVER CO  1430Z"}});
    // The empty text is reflowed to nothing, so "  BT" follows directly.
    QTest::newRow("empty form") << Radiogram{} << true << true << 70
                                << QByteArray("ST  @NTS\rQTC 1 , \r R      \r\r\r\r, , \r  BT\r\r  BT\r\r\r\x1a\r");
}

// The form afterwards holds the text and the address as they went out.
void NtsTransmissionTest::sendsTheRadiogramAsTheBoardExpects()
{
    QFETCH(Radiogram, radiogram);
    QFETCH(bool, bypass);
    QFETCH(bool, asTraffic);
    QFETCH(int, width);
    QFETCH(QByteArray, sent);
    TrafficGlobals globals;
    globals.gBypassConv = bypass;
    globals.gNtsSendAsTraffic = asTraffic;
    globals.gNtsFormatBody = width > 0;
    globals.gNtsLineWidth = width > 0 ? width : 70;
    NtsTransmission::prepareForSend(radiogram, globals);
    QCOMPARE(streamOf(NtsTransmission::build(radiogram, globals)), withPauses(sent));
    QVERIFY(sent.contains("\r" + radiogram.address.toLatin1() + "\r"));
    QVERIFY(sent.contains(radiogram.message.toLatin1() + "  BT\r"));
}

QTEST_GUILESS_MAIN(NtsTransmissionTest)
#include "NtsTransmissionTest.moc"
