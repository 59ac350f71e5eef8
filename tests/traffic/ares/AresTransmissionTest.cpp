#include "AresExample.h"
#include "TrafficTestFiles.h"
#include "traffic/ares/AresMessage.h"
#include "traffic/ares/AresTransmission.h"

#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

Q_DECLARE_METATYPE(vellicor::AresMessage)

namespace {

const QString kSlashed = QString(QChar(0x00D8));
const QTime kNow(9, 7, 41);
const QByteArray kExample = aresexample::kTransmission;

AresMessage example(std::initializer_list<std::pair<QString AresMessage::*, QString>> changes = {})
{
    return with(aresexample::message(), changes);
}

} // namespace

class AresTransmissionTest : public QObject {
    Q_OBJECT
private slots:
    void sendsTheFormAsTheMailboxExpects_data();
    void sendsTheFormAsTheMailboxExpects();
};

// Width 0 stands for formatting turned off.
void AresTransmissionTest::sendsTheFormAsTheMailboxExpects_data()
{
    QTest::addColumn<AresMessage>("message");
    QTest::addColumn<bool>("bypass");
    QTest::addColumn<int>("width");
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("complete example") << example() << false << 70 << kExample;
    QTest::newRow("bypass starts with the send command") << example() << true << 70 << kExample.mid(6);
    QTest::newRow("slashed zeros go out as zeros")
        << example({{&AresMessage::to, "N" + kSlashed + "CALL"}, {&AresMessage::from, "W" + kSlashed + "XYZ"}})
        << false << 70 << swapped(kExample, {{"S EOC", "S N0CALL"}, {"(EOC)", "(N0CALL)"}, {"(SHELTER1)", "(W0XYZ)"}});
    QTest::newRow("text reflowed at width 12") << example({{&AresMessage::message, "All quiet here. Need 20 cots."}})
                                               << false << 12
                                               << swapped(kExample, {{"All quiet.\r\nNeed 20 cots.\r\n\r",
                                                                      "All quiet \r\nhere. Need \r\n20 cots.\r\n\r"}});
    QTest::newRow("formatting off sends the text as typed")
        << example({{&AresMessage::message, "All quiet here. Need 20 cots."}}) << false << 0
        << swapped(kExample, {{"All quiet.\r\nNeed 20 cots.\r\n\r", "All quiet here. Need 20 cots.\r"}});
    QTest::newRow("empty To and empty text still send their CRs")
        << example({{&AresMessage::to, ""}, {&AresMessage::message, ""}}) << true << 70
        << swapped(kExample.mid(6), {{"S EOC", "S "}, {"(EOC)", "()"}, {"All quiet.\r\nNeed 20 cots.\r\n", ""}});
    QTest::newRow("empty sent time is now") << example({{&AresMessage::msgSentTime, ""}}) << false << 70
                                            << swapped(kExample, {{"SENT 14:20", "SENT 09:07"}});
    QTest::newRow("one-blank sent time is now") << example({{&AresMessage::msgSentTime, " "}}) << false << 70
                                                << swapped(kExample, {{"SENT 14:20", "SENT 09:07"}});
    QTest::newRow("two blanks stay") << example({{&AresMessage::msgSentTime, "  "}}) << false << 70
                                     << swapped(kExample, {{"SENT 14:20", "SENT   "}});
    QTest::newRow("empty By is From") << example({{&AresMessage::from, "W" + kSlashed + "XYZ"}, {&AresMessage::by, ""}})
                                      << false << 70
                                      << swapped(kExample, {{"(SHELTER1)", "(W0XYZ)"}, {"BY N0CALL", "BY W0XYZ"}});
    QTest::newRow("one-blank By is From") << example({{&AresMessage::by, " "}}) << false << 70
                                          << swapped(kExample, {{"BY N0CALL", "BY SHELTER1"}});
    QTest::newRow("fields go out untrimmed and unformatted")
        << example({{&AresMessage::priority, "RW"}, {&AresMessage::subject, " Shelter "},
                    {&AresMessage::date, "12/5/26"}, {&AresMessage::time, "2:05 PM"},
                    {&AresMessage::toName, " Net control "}})
        << false << 70
        << swapped(kExample, {{"R, Shelter status", "RW,  Shelter "}, {"12/05/2026    14:05", "12/5/26    2:05 PM"},
                              {"(EOC) Net control", "(EOC)  Net control "}});
}

// The form afterwards holds what went out: zeros restored, the text as
// reflowed, the sent time and the operator's call as filled in.
void AresTransmissionTest::sendsTheFormAsTheMailboxExpects()
{
    QFETCH(AresMessage, message);
    QFETCH(bool, bypass);
    QFETCH(int, width);
    QFETCH(QByteArray, sent);
    TrafficGlobals globals;
    globals.gBypassConv = bypass;
    globals.gAresFormatBody = width > 0;
    globals.gAresLineWidth = width > 0 ? width : 70;
    AresTransmission::prepareForSend(message, globals, kNow);
    QCOMPARE(streamOf(AresTransmission::build(message, globals)), withPauses(sent));
    for (const QString& field : {message.to, message.from, message.by, message.message, message.msgSentTime})
        QVERIFY(sent.contains(encodeWindows1252(field)));
}

QTEST_GUILESS_MAIN(AresTransmissionTest)
#include "AresTransmissionTest.moc"
