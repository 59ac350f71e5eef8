#include "practice/BodyCollector.h"
#include "practice/LineAssembler.h"
#include "practice/PracticeText.h"

#include <QtTest>

using namespace vellicor;
using B = QByteArray;

// How the practice stations cut what a terminal sends into lines, and where a
// message text starts and ends.
class PracticeTextTest : public QObject {
    Q_OBJECT
private slots:
    void linesEndAtCrLfOrCrLf_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::addColumn<int>("limit");
        const int none = LineAssembler::kDefaultLimit;
        QTest::newRow("empty line between CRs") << B("ONE\r\rTWO\r") << QList<QByteArray>{"ONE", "", "TWO"}
            << none;
        QTest::newRow("LF CR is two ends") << B("ONE\n\rTWO\r") << QList<QByteArray>{"ONE", "", "TWO"}
            << none;
        QTest::newRow("overlong line keeps its head") << B("ABCDEFGH\rXY\r")
            << QList<QByteArray>{"ABCD*", "XY"} << 4;
    }

    void linesEndAtCrLfOrCrLf()
    {
        QFETCH(QByteArray, input);
        QFETCH(int, limit);
        LineAssembler assembler(limit);
        QList<QByteArray> got;
        for (char byte : input) {
            if (assembler.feed(byte))
                got.append(assembler.takeLine() + (assembler.lastLineWasCut() ? "*" : ""));
        }
        QTEST(got, "lines");
    }

    void messageTextEndsAtCtrlZOrExLine_data()
    {
        QTest::addColumn<bool>("afterCr");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("endedOnCr");
        QTest::addColumn<QByteArray>("left"); // for the caller after the end
        QTest::newRow("Ctrl-Z after CR LF lines") << true << B("\nHI\r\nTHERE\r\n\x1A")
            << B("HI\r\nTHERE\r\n\x1A") << false << B();
        QTest::newRow("Ctrl-Z in mid-line") << false << B("HI THERE\x1A") << B("HI THERE\x1A") << false
            << B();
        QTest::newRow("LF kept when title ended in LF") << false << B("\nHI\x1A") << B("\nHI\x1A") << false
            << B();
        QTest::newRow("bytes after the end") << false << B("TEXT\x1A\rL\r") << B("TEXT\x1A") << false
            << B("\rL\r");
        QTest::newRow("/EX with spaces round it") << true << B("HI\r /EX \r") << B("HI\r") << true << B();
        QTest::newRow("/EX inside a line is text") << true << B("SEE /EX\r/EX\n") << B("SEE /EX\r") << false
            << B();
    }

    void messageTextEndsAtCtrlZOrExLine()
    {
        QFETCH(bool, afterCr);
        QFETCH(QByteArray, input);
        BodyCollector body(afterCr);
        qsizetype i = 0;
        while (i < input.size() && !body.feed(input.at(i)))
            ++i;
        QVERIFY(i < input.size());
        QTEST(input.mid(i + 1), "left");
        QTEST(body.text(), "text");
        QTEST(body.endedOnCr(), "endedOnCr");
    }

    void lineEndsBecomeCrLfForShowing_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("shown");
        QTest::newRow("LF") << B("A\nB") << B("A\r\nB");
        QTest::newRow("CR CR LF") << B("A\r\r\n") << B("A\r\n\r\n");
    }

    void lineEndsBecomeCrLfForShowing()
    {
        QFETCH(QByteArray, input);
        QTEST(withCrLf(input), "shown");
    }

    void fillingPutsValuesInOnePass()
    {
        QCOMPARE(fillText("[%1] [%2]", "%2", "X"), QByteArray("[%2] [X]"));
        QCOMPARE(fillText("%1 \xE9t\xE9", "caf\xE9"), QByteArray("caf\xE9 \xE9t\xE9"));
    }
};

QTEST_GUILESS_MAIN(PracticeTextTest)
#include "PracticeTextTest.moc"
