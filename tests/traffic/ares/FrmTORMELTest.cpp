// The ARES form's own field rules; what it shares with the NTS form is
// checked in MessageFormTest.
#include "MessageFormFixture.h"
#include "traffic/ares/FrmTORMEL.h"

#include <QComboBox>
#include <QLabel>
#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {

struct FormUnderTest : MessageFormFixture<FrmTORMEL> {
    QComboBox* priority() { return child<QComboBox>("cboPriority"); }
    QString priorityShown() { return priority()->currentText() + " " + child<QLabel>("labPriority")->text(); }
};

} // namespace

class FrmTORMELTest : public QObject {
    Q_OBJECT
private slots:
    void priorityStandsInCapitalsWithItsMeaning();
    void sentTimeComesFromTheClockAndTheCallFromFrom();
};

void FrmTORMELTest::priorityStandsInCapitalsWithItsMeaning()
{
    FormUnderTest ui;
    QCOMPARE(ui.priorityShown(), QStringLiteral("R (Routine)"));
    ui.priority()->clearEditText();
    QCOMPARE(ui.priorityShown(), QStringLiteral(" "));
    QTest::keyClicks(ui.priority(), QStringLiteral("p"));
    QCOMPARE(ui.priorityShown(), QStringLiteral("P (Priority)"));
    QTest::keyClicks(ui.priority(), QStringLiteral("w"));
    QCOMPARE(ui.priorityShown(), QStringLiteral("PW "));
    ui.priority()->setCurrentIndex(1);
    QCOMPARE(ui.priorityShown(), QStringLiteral("W (Health and Wealfare)"));
    ui.priority()->setEditText(QStringLiteral("e"));
    QCOMPARE(ui.priorityShown(), QStringLiteral("E (Emergency)"));
}

void FrmTORMELTest::sentTimeComesFromTheClockAndTheCallFromFrom()
{
    FormUnderTest ui;
    ui.globals.gBypassConv = true;
    QTest::keyClicks(ui.line("txtTo"), QStringLiteral("eoc"));
    QTest::keyClicks(ui.line("txtFrom"), QStringLiteral("w0xyz"));
    ui.fakes.clock.utc = QDateTime(QDate(2026, 12, 6), QTime(6, 59, 59), Qt::UTC); // 23:59 local
    ui.fakes.link.open();
    ui.trigger("mnuSend");
    QVERIFY(ui.fakes.link.written.startsWith("S EOC\r"));
    QVERIFY(ui.fakes.link.written.endsWith("\r\rEND MSG SENT 23:59    BY W0XYZ\r\x1a\r"));
    QCOMPARE(ui.line("txtMsgSentTime")->text(), QStringLiteral("23:59"));
    QCOMPARE(ui.line("txtFrom")->text(), QStringLiteral("W0XYZ"));
    QCOMPARE(ui.line("txtBy")->text(), QStringLiteral("W0XYZ"));
    QCOMPARE(ui.line("txtTime")->text(), QString());
}

QTEST_MAIN(FrmTORMELTest)
#include "FrmTORMELTest.moc"
