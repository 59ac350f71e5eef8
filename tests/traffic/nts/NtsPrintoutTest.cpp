#include "ExampleRadiogram.h"
#include "Fakes.h"
#include "traffic/nts/NtsPrintout.h"
#include "traffic/nts/Radiogram.h"

#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {

using R = Radiogram;

Radiogram printedRadiogram()
{
    return exampleRadiogram({{&R::msgNum, "7"}, {&R::precedence, "Emergency"}, {&R::handling, "HXG"},
                             {&R::timeFiled, "14:30"}, {&R::address, "12 MAIN ST\r\nAPT 4"}, {&R::phone, "3035551212"},
                             {&R::message, "ARRIVED SAFE LOVE\r\nBOB"}, {&R::signedBy, " MARY "}});
}

// Printed on a printer that fails, which is not reported.
PrintJob printed(Radiogram& radiogram, FakePrompter& prompter)
{
    RecordingPrintService printer;
    printer.succeed = false;
    NtsPrintout::print(radiogram, prompter, printer);
    return printer.jobs.value(0);
}

} // namespace

class NtsPrintoutTest : public QObject {
    Q_OBJECT
private slots:
    void printsTheRadiogramInCourier();
    void disagreeingCheckIsAskedBeforePrinting();
};

void NtsPrintoutTest::printsTheRadiogramInCourier()
{
    Radiogram radiogram = printedRadiogram();
    FakePrompter prompter;
    const PrintJob job = printed(radiogram, prompter);
    QCOMPARE(job.fontFamily + QString::number(job.pointSize), QStringLiteral("Courier New12"));
    QCOMPARE(QPoint(job.leftTwips, job.topTwips), QPoint(500, 1000));
    QCOMPARE(job.lines.join(QLatin1Char('|')),
             QStringLiteral("|Num 007 Emergency HXG W1AW 4 DENVER CO 14:30Z  12/05/2026||JOHN DOE|12 MAIN ST|APT 4|"
                            "BOULDER, CO 80302|(303) 555-1212 .BT.||ARRIVED SAFE LOVE|BOB .BT.||MARY"));
    QCOMPARE(radiogram.phone, QStringLiteral("(303) 555-1212")); // the form shows it formatted
    QVERIFY(prompter.prompts.isEmpty());
}

void NtsPrintoutTest::disagreeingCheckIsAskedBeforePrinting()
{
    Radiogram radiogram = printedRadiogram();
    radiogram.check = QStringLiteral("9");
    FakePrompter prompter; // Yes
    RecordingPrintService printer;
    int jobsWhenAsked = -1;
    prompter.onShow = [&] { jobsWhenAsked = int(printer.jobs.size()); };
    NtsPrintout::print(radiogram, prompter, printer);
    QCOMPARE(jobsWhenAsked, 0);
    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(radiogram.check, QStringLiteral("4"));
    QCOMPARE(printer.jobs.value(0).lines.value(1), QStringLiteral("Num 007 Emergency HXG W1AW 4 DENVER CO 14:30Z  12/05/2026"));
}

QTEST_GUILESS_MAIN(NtsPrintoutTest)
#include "NtsPrintoutTest.moc"
