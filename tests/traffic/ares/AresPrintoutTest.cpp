#include "Fakes.h"
#include "traffic/ares/AresMessage.h"
#include "traffic/ares/AresPrintout.h"

#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {

const QString kSlashed = QString(QChar(0x00D8));

AresMessage filledMessage(const QString& text)
{
    AresMessage m;
    m.priority = QStringLiteral("R");
    m.subject = QStringLiteral("Shelter status");
    m.date = QStringLiteral("12/5/2026");
    m.time = QStringLiteral("2:05 PM");
    m.to = QStringLiteral(" EOC ");
    m.toName = QStringLiteral("Net control");
    m.from = "SHELTER" + kSlashed;
    m.fromName = QStringLiteral("Shelter manager, Red Cross");
    m.message = text;
    m.msgSentTime = QStringLiteral("14:20");
    m.by = "N" + kSlashed + "CALL";
    return m;
}

const QStringList kHeader = {
    QStringLiteral("R, Shelter status"),
    QStringLiteral("12/05/2026    14:05"),
    QString(),
    QStringLiteral("TO:    (EOC) Net control"),
    "FROM:  (SHELTER" + kSlashed + ") Shelter manager, Red Cross",
    QString(),
};

const QString kClosing = "END MSG SENT 14:20 BY N" + kSlashed + "CALL";

QList<PrintJob> printed(const AresMessage& message)
{
    RecordingPrintService printer;
    AresPrintout::print(message, printer);
    return printer.jobs;
}

} // namespace

class AresPrintoutTest : public QObject {
    Q_OBJECT
private slots:
    void printsTheFileLayoutInCourierNew_data();
    void printsTheFileLayoutInCourierNew();
};

void AresPrintoutTest::printsTheFileLayoutInCourierNew_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("textLines");
    QTest::newRow("two lines") << "All quiet.\r\nNeed 20 cots.\r\n"
                               << QStringList{QStringLiteral("All quiet."), QStringLiteral("Need 20 cots.")};
    QTest::newRow("no final break") << "All quiet." << QStringList{QStringLiteral("All quiet.")};
    QTest::newRow("empty line inside and at the end")
        << "A\r\n\r\nB\r\n\r\n" << QStringList{QStringLiteral("A"), QString(), QStringLiteral("B"), QString()};
    QTest::newRow("empty text: closing line right after the header") << "" << QStringList{};
    const QString longLine(300, QLatin1Char('x'));
    QTest::newRow("long line is not wrapped") << longLine << QStringList{longLine};
}

void AresPrintoutTest::printsTheFileLayoutInCourierNew()
{
    QFETCH(QString, text);
    QFETCH(QStringList, textLines);
    const QList<PrintJob> jobs = printed(filledMessage(text));
    QCOMPARE(jobs.size(), 1);
    QCOMPARE(jobs[0].fontFamily, QStringLiteral("Courier New"));
    QCOMPARE(jobs[0].pointSize, 12);
    QCOMPARE(jobs[0].leftTwips, 500);
    QCOMPARE(jobs[0].topTwips, 1000);
    QCOMPARE(jobs[0].lines, kHeader + textLines + QStringList{kClosing});
}

QTEST_GUILESS_MAIN(AresPrintoutTest)
#include "AresPrintoutTest.moc"
