// The check of a radiogram: counted, verified with the operator, shown for a
// received one, and verified again before the radiogram is printed.
#include "Fakes.h"
#include "TrafficTestSupport.h"
#include "traffic/nts/NtsCheck.h"
#include "traffic/nts/NtsPrintout.h"

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

} // namespace

class NtsCheckTest : public QObject {
    Q_OBJECT
private slots:
    void countsWords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("words");
        QTest::newRow("only blanks and breaks") << "  \r\n  " << 0;
        QTest::newRow("leading and trailing blanks and breaks") << "  \r\nARRIVED SAFE  LOVE\r\nBOB\r\n  " << 4;
        QTest::newRow("tab does not separate") << "A\tB" << 1;
        QTest::newRow("lone LF separates") << "A\nB" << 2;
        QTest::newRow("lone CR separates") << "A\rB" << 2;
        QTest::newRow("punctuation counts as word characters") << "ARL FIFTY ONE, X." << 4;
    }

    void countsWords()
    {
        QFETCH(QString, text);
        QFETCH(int, words);
        QCOMPARE(NtsCheck::ComputeCheck(text), qsizetype(words));
    }

    void verification_data()
    {
        QTest::addColumn<QString>("check");
        QTest::addColumn<int>("words");
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty check filled") << "" << 12 << true << false << "12";
        QTest::newRow("agreeing check") << "12" << 12 << true << false << "12";
        QTest::newRow("agreeing check with blanks") << " 1 2 " << 12 << true << false << " 1 2 ";
        QTest::newRow("number then letters reads the number") << "12A" << 12 << true << false << "12A";
        QTest::newRow("disagreeing, Yes") << "11" << 12 << true << true << "12";
        QTest::newRow("disagreeing, No keeps the operator's") << "11" << 12 << false << true << "11";
        QTest::newRow("fraction disagrees") << "12.5" << 12 << true << true << "12";
        QTest::newRow("not a number reads 0 and asks") << "TWELVE" << 12 << true << true << "12";
        QTest::newRow("ARL in lower case, blanks around") << " arl  12 " << 12 << true << false << " arl  12 ";
        QTest::newRow("ARL with a tab") << "ARL\t12" << 12 << true << false << "ARL\t12";
        QTest::newRow("ARL update keeps the prefix") << "ARL 12" << 13 << true << true << "ARL 13";
        QTest::newRow("ARL without a number asks and updates plainly") << "ARL" << 5 << true << true << "5";
    }

    void verification()
    {
        QFETCH(int, words);
        QFETCH(bool, answerYes);
        QFETCH(bool, asked);
        Radiogram radiogram;
        QFETCH(QString, check);
        radiogram.check = check;
        radiogram.message = QStringLiteral("WORD ").repeated(words);
        FakePrompter prompter;
        prompter.answers = {answerYes ? PromptAnswer::Yes : PromptAnswer::No};
        NtsCheck::verifyCheck(radiogram, prompter);
        QTEST(radiogram.check, "expected");
        QCOMPARE(prompter.prompts.size(), asked ? 1 : 0);
        if (asked) {
            const Prompt& box = prompter.prompts[0];
            QCOMPARE(box.text,
                     QStringLiteral("Check does not agree with computed value.\r\nUpdate Check with new value?"));
            QCOMPARE(box.title, QStringLiteral("Vellicor"));
            QCOMPARE(box.buttons, PromptButtons::YesNo);
            QCOMPARE(box.icon, PromptIcon::Question);
        }
    }

    void verdictOfAReceivedCheck_data()
    {
        QTest::addColumn<QString>("check");
        QTest::addColumn<int>("words");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("agrees") << "4" << 4 << "Check 4 agrees with the text";
        QTest::newRow("text longer") << "4" << 5 << "Check 4, text has 5 words";
        QTest::newRow("ARL, one word") << "ARL 4" << 1 << "Check ARL 4, text has 1 word";
    }

    void verdictOfAReceivedCheck()
    {
        QFETCH(QString, check);
        QFETCH(int, words);
        QTEST(NtsCheck::verdict(check, QStringLiteral("WORD\r\n").repeated(words)), "verdict");
    }

    // A disagreeing check is asked about before printing; a printer that
    // fails is not reported.
    void printsTheRadiogramInCourier()
    {
        Radiogram radiogram = printedRadiogram();
        radiogram.check = QStringLiteral("9");
        FakePrompter prompter; // Yes
        RecordingPrintService printer;
        printer.succeed = false;
        int jobsWhenAsked = -1;
        prompter.onShow = [&] { jobsWhenAsked = int(printer.jobs.size()); };
        NtsPrintout::print(radiogram, prompter, printer);
        QCOMPARE(jobsWhenAsked, 0);
        QCOMPARE(prompter.prompts.size(), 1);
        QCOMPARE(radiogram.check, QStringLiteral("4"));
        const PrintJob job = printer.jobs.value(0);
        QCOMPARE(job.fontFamily + QString::number(job.pointSize), QStringLiteral("Courier New12"));
        QCOMPARE(QPoint(job.leftTwips, job.topTwips), QPoint(500, 1000));
        QCOMPARE(job.lines.join(QLatin1Char('|')),
                 QStringLiteral("|Num 007 Emergency HXG W1AW 4 DENVER CO 14:30Z  12/05/2026||JOHN DOE|12 MAIN ST|APT 4|"
                                "BOULDER, CO 80302|(303) 555-1212 .BT.||ARRIVED SAFE LOVE|BOB .BT.||MARY"));
        QCOMPARE(radiogram.phone, QStringLiteral("(303) 555-1212")); // the form shows it formatted
    }
};

QTEST_GUILESS_MAIN(NtsCheckTest)
#include "NtsCheckTest.moc"
