#include "Fakes.h"
#include "traffic/nts/NtsPrintout.h"
#include "traffic/nts/Radiogram.h"

#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {

Radiogram printedRadiogram()
{
    Radiogram r;
    r.msgNum = QStringLiteral("7");
    r.precedence = QStringLiteral("Emergency");
    r.handling = QStringLiteral("HXG");
    r.station = QStringLiteral("W1AW");
    r.check = QStringLiteral("4");
    r.place = QStringLiteral("DENVER CO");
    r.timeFiled = QStringLiteral("14:30");
    r.dateFiled = QStringLiteral("12/05/2026");
    r.name = QStringLiteral("JOHN DOE");
    r.address = QStringLiteral("12 MAIN ST\r\nAPT 4");
    r.city = QStringLiteral("BOULDER");
    r.state = QStringLiteral("CO");
    r.zip = QStringLiteral("80302");
    r.phone = QStringLiteral("3035551212");
    r.message = QStringLiteral("ARRIVED SAFE LOVE\r\nBOB");
    r.signedBy = QStringLiteral(" MARY ");
    return r;
}

PrintJob printed(Radiogram& radiogram, FakePrompter& prompter)
{
    RecordingPrintService printer;
    NtsPrintout::print(radiogram, prompter, printer);
    return printer.jobs.value(0);
}

} // namespace

class NtsPrintoutTest : public QObject {
    Q_OBJECT
private slots:
    void printsTheRadiogramInCourier();
    void preambleLine_data();
    void preambleLine();
    void reflowedTextPutsTheMarkerOnItsOwnLine();
    void disagreeingCheckIsAskedBeforePrinting();
    void noPrinterIsNotReported();
};

void NtsPrintoutTest::printsTheRadiogramInCourier()
{
    Radiogram radiogram = printedRadiogram();
    FakePrompter prompter;
    const PrintJob job = printed(radiogram, prompter);
    QCOMPARE(job.fontFamily, QStringLiteral("Courier New"));
    QCOMPARE(job.pointSize, 12);
    QCOMPARE(job.leftTwips, 500);
    QCOMPARE(job.topTwips, 1000);
    QCOMPARE(job.lines, (QStringList{
                            QString(),
                            QStringLiteral("Num 007 Emergency HXG W1AW 4 DENVER CO 14:30Z  12/05/2026"),
                            QString(),
                            QStringLiteral("JOHN DOE"),
                            QStringLiteral("12 MAIN ST"),
                            QStringLiteral("APT 4"),
                            QStringLiteral("BOULDER, CO 80302"),
                            QStringLiteral("(303) 555-1212 .BT."),
                            QString(),
                            QStringLiteral("ARRIVED SAFE LOVE"),
                            QStringLiteral("BOB .BT."),
                            QString(),
                            QStringLiteral("MARY"),
                        }));
    QCOMPARE(radiogram.phone, QStringLiteral("(303) 555-1212")); // the form shows it formatted
    QVERIFY(prompter.prompts.isEmpty());
}

void NtsPrintoutTest::preambleLine_data()
{
    QTest::addColumn<QString>("msgNum");
    QTest::addColumn<QString>("handling");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("line");
    QTest::newRow("number with letters as it stands")
        << "12A" << "HXG" << "14:30" << "Num 12A Emergency HXG W1AW 4 DENVER CO 14:30Z  12/05/2026";
    QTest::newRow("empty handling leaves two spaces")
        << "7" << "" << "14:30" << "Num 007 Emergency  W1AW 4 DENVER CO 14:30Z  12/05/2026";
    QTest::newRow("time that is no clock time as it stands")
        << "7" << "HXG" << "1430Z" << "Num 007 Emergency HXG W1AW 4 DENVER CO 1430Z  12/05/2026";
}

void NtsPrintoutTest::preambleLine()
{
    QFETCH(QString, msgNum);
    QFETCH(QString, handling);
    QFETCH(QString, time);
    QFETCH(QString, line);
    Radiogram radiogram = printedRadiogram();
    radiogram.msgNum = msgNum;
    radiogram.handling = handling;
    radiogram.timeFiled = time;
    QCOMPARE(NtsPrintout::job(radiogram).lines.value(1), line);
}

void NtsPrintoutTest::reflowedTextPutsTheMarkerOnItsOwnLine()
{
    Radiogram radiogram = printedRadiogram();
    radiogram.message = QStringLiteral("ARRIVED SAFE \r\nLOVE BOB\r\n");
    radiogram.address = QStringLiteral("12 MAIN ST\r\n");
    const QStringList lines = NtsPrintout::job(radiogram).lines;
    QCOMPARE(lines.mid(4, 2), (QStringList{QStringLiteral("12 MAIN ST"), QString()}));
    QCOMPARE(lines.mid(9, 3),
             (QStringList{QStringLiteral("ARRIVED SAFE "), QStringLiteral("LOVE BOB"), QStringLiteral(" .BT.")}));
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

void NtsPrintoutTest::noPrinterIsNotReported()
{
    Radiogram radiogram = printedRadiogram();
    FakePrompter prompter;
    RecordingPrintService printer;
    printer.succeed = false;
    NtsPrintout::print(radiogram, prompter, printer);
    QCOMPARE(printer.jobs.size(), 1);
    QVERIFY(prompter.prompts.isEmpty());
}

QTEST_GUILESS_MAIN(NtsPrintoutTest)
#include "NtsPrintoutTest.moc"
