#include "Fakes.h"
#include "traffic/nts/NtsCheck.h"
#include "traffic/nts/Radiogram.h"

#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

class NtsCheckTest : public QObject {
    Q_OBJECT
private slots:
    void countsWords_data();
    void countsWords();
    void verification_data();
    void verification();
    void verdictOfAReceivedCheck_data();
    void verdictOfAReceivedCheck();
};

void NtsCheckTest::countsWords_data()
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

void NtsCheckTest::countsWords()
{
    QFETCH(QString, text);
    QFETCH(int, words);
    QCOMPARE(NtsCheck::ComputeCheck(text), qsizetype(words));
}

void NtsCheckTest::verification_data()
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

void NtsCheckTest::verification()
{
    QFETCH(QString, check);
    QFETCH(int, words);
    QFETCH(bool, answerYes);
    QFETCH(bool, asked);
    QFETCH(QString, expected);
    Radiogram radiogram;
    radiogram.check = check;
    radiogram.message = QStringLiteral("WORD ").repeated(words);
    FakePrompter prompter;
    prompter.answers = {answerYes ? PromptAnswer::Yes : PromptAnswer::No};
    NtsCheck::verifyCheck(radiogram, prompter);
    QCOMPARE(radiogram.check, expected);
    QCOMPARE(prompter.prompts.size(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(prompter.prompts[0].text,
                 QStringLiteral("Check does not agree with computed value.\r\nUpdate Check with new value?"));
        QCOMPARE(prompter.prompts[0].title, QStringLiteral("Vellicor"));
        QCOMPARE(prompter.prompts[0].buttons, PromptButtons::YesNo);
        QCOMPARE(prompter.prompts[0].icon, PromptIcon::Question);
    }
}

void NtsCheckTest::verdictOfAReceivedCheck_data()
{
    QTest::addColumn<QString>("check");
    QTest::addColumn<int>("words");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("agrees") << "4" << 4 << "Check 4 agrees with the text";
    QTest::newRow("text longer") << "4" << 5 << "Check 4, text has 5 words";
    QTest::newRow("ARL agrees") << "ARL 4" << 4 << "Check ARL 4 agrees with the text";
    QTest::newRow("ARL, one word") << "ARL 4" << 1 << "Check ARL 4, text has 1 word";
}

void NtsCheckTest::verdictOfAReceivedCheck()
{
    QFETCH(QString, check);
    QFETCH(int, words);
    QFETCH(QString, verdict);
    QCOMPARE(NtsCheck::verdict(check, QStringLiteral("WORD\r\n").repeated(words)), verdict);
}

QTEST_GUILESS_MAIN(NtsCheckTest)
#include "NtsCheckTest.moc"
