#include "practice/BodyCollector.h"
#include "practice/LineAssembler.h"
#include "practice/PracticeText.h"

#include <QtTest>

using namespace vellicor;

// How the practice stations cut what a terminal sends into lines, and where a
// message text starts and ends.
class PracticeTextTest : public QObject {
    Q_OBJECT
private slots:
    void linesEndAtCrLfOrCrLf_data();
    void linesEndAtCrLfOrCrLf();
    void overlongLineKeepsItsHead();
    void messageTextEndsAtCtrlZOrExLine_data();
    void messageTextEndsAtCtrlZOrExLine();
    void bytesAfterTheEndAreLeftForTheCaller();
    void overlongTextIsDroppedButItsEndStillFound();
    void lineEndsBecomeCrLfForShowing_data();
    void lineEndsBecomeCrLfForShowing();
    void fillingPutsValuesInOnePass();
};

void PracticeTextTest::linesEndAtCrLfOrCrLf_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QList<QByteArray>>("lines");
    QTest::newRow("CR") << QByteArray("ONE\rTWO\r") << QList<QByteArray>{"ONE", "TWO"};
    QTest::newRow("CR LF") << QByteArray("ONE\r\nTWO\r\n") << QList<QByteArray>{"ONE", "TWO"};
    QTest::newRow("LF") << QByteArray("ONE\nTWO\n") << QList<QByteArray>{"ONE", "TWO"};
    QTest::newRow("empty line between CRs") << QByteArray("ONE\r\rTWO\r") << QList<QByteArray>{"ONE", "", "TWO"};
    QTest::newRow("LF CR is two ends") << QByteArray("ONE\n\rTWO\r") << QList<QByteArray>{"ONE", "", "TWO"};
    QTest::newRow("no end yet") << QByteArray("ONE") << QList<QByteArray>{};
}

void PracticeTextTest::linesEndAtCrLfOrCrLf()
{
    QFETCH(QByteArray, input);
    QFETCH(QList<QByteArray>, lines);
    LineAssembler assembler;
    QList<QByteArray> got;
    for (char byte : input) {
        if (assembler.feed(byte))
            got.append(assembler.takeLine());
    }
    QCOMPARE(got, lines);
}

void PracticeTextTest::overlongLineKeepsItsHead()
{
    LineAssembler assembler(4);
    QByteArray line;
    for (char byte : QByteArray("ABCDEFGH\rXY\r")) {
        if (assembler.feed(byte)) {
            line = assembler.takeLine();
            if (line == "ABCD")
                QVERIFY(assembler.lastLineWasCut());
        }
    }
    QCOMPARE(line, QByteArray("XY"));
    QVERIFY(!assembler.lastLineWasCut());
}

void PracticeTextTest::messageTextEndsAtCtrlZOrExLine_data()
{
    QTest::addColumn<bool>("afterCr");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("endedOnCr");
    QTest::newRow("Ctrl-Z after CR lines") << true << QByteArray("HI\rTHERE\r\x1A") << QByteArray("HI\rTHERE\r\x1A") << false;
    QTest::newRow("Ctrl-Z after CR LF lines") << true << QByteArray("\nHI\r\nTHERE\r\n\x1A") << QByteArray("HI\r\nTHERE\r\n\x1A") << false;
    QTest::newRow("Ctrl-Z in mid-line") << false << QByteArray("HI THERE\x1A") << QByteArray("HI THERE\x1A") << false;
    QTest::newRow("LF kept when title ended in LF") << false << QByteArray("\nHI\x1A") << QByteArray("\nHI\x1A") << false;
    QTest::newRow("/EX with CR") << true << QByteArray("HI\r/EX\r") << QByteArray("HI\r") << true;
    QTest::newRow("/EX with CR LF: LF left") << true << QByteArray("\nHI\r\n/EX\r") << QByteArray("HI\r\n") << true;
    QTest::newRow("/ex in lower case") << true << QByteArray("HI\r/ex\r") << QByteArray("HI\r") << true;
    QTest::newRow("/EX with spaces round it") << true << QByteArray("HI\r /EX \r") << QByteArray("HI\r") << true;
    QTest::newRow("/EX first: empty text") << true << QByteArray("/EX\r") << QByteArray() << true;
    QTest::newRow("/EX inside a line is text") << true << QByteArray("SEE /EX\r/EX\n") << QByteArray("SEE /EX\r") << false;
}

void PracticeTextTest::messageTextEndsAtCtrlZOrExLine()
{
    QFETCH(bool, afterCr);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, text);
    QFETCH(bool, endedOnCr);
    BodyCollector body(afterCr);
    qsizetype endedAt = -1;
    for (qsizetype i = 0; i < input.size() && endedAt < 0; ++i) {
        if (body.feed(input.at(i)))
            endedAt = i;
    }
    QCOMPARE(endedAt, input.size() - 1);
    QCOMPARE(body.text(), text);
    QCOMPARE(body.endedOnCr(), endedOnCr);
    QVERIFY(!body.tooLong());
}

void PracticeTextTest::bytesAfterTheEndAreLeftForTheCaller()
{
    BodyCollector body(false);
    const QByteArray input("TEXT\x1A\rL\r");
    qsizetype i = 0;
    while (!body.feed(input.at(i)))
        ++i;
    QCOMPARE(input.mid(i + 1), QByteArray("\rL\r"));
    QCOMPARE(body.text(), QByteArray("TEXT\x1A"));
}

void PracticeTextTest::overlongTextIsDroppedButItsEndStillFound()
{
    BodyCollector body(false, 8);
    const QByteArray input("0123456789\rK 1\r/EX\r");
    qsizetype endedAt = -1;
    for (qsizetype i = 0; i < input.size() && endedAt < 0; ++i) {
        if (body.feed(input.at(i)))
            endedAt = i;
    }
    QCOMPARE(endedAt, input.size() - 1);
    QVERIFY(body.tooLong());
    QVERIFY(body.text().isEmpty());
}

void PracticeTextTest::lineEndsBecomeCrLfForShowing_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("shown");
    QTest::newRow("CR") << QByteArray("A\rB\r") << QByteArray("A\r\nB\r\n");
    QTest::newRow("CR LF stays") << QByteArray("A\r\nB") << QByteArray("A\r\nB");
    QTest::newRow("LF") << QByteArray("A\nB") << QByteArray("A\r\nB");
    QTest::newRow("CR CR LF") << QByteArray("A\r\r\n") << QByteArray("A\r\n\r\n");
}

void PracticeTextTest::lineEndsBecomeCrLfForShowing()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, shown);
    QCOMPARE(withCrLf(input), shown);
}

void PracticeTextTest::fillingPutsValuesInOnePass()
{
    QCOMPARE(fillText("Message #%1 saved, %2 bytes.", "7", "120"), QByteArray("Message #7 saved, 120 bytes."));
    QCOMPARE(fillText("[%1] [%2]", "%2", "X"), QByteArray("[%2] [X]"));
    QCOMPARE(fillText("%1 \xE9t\xE9", "caf\xE9"), QByteArray("caf\xE9 \xE9t\xE9"));
}

QTEST_GUILESS_MAIN(PracticeTextTest)
#include "PracticeTextTest.moc"
