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
    void linesEndAtCrLfOrCrLf_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::addColumn<int>("limit");
        const int none = LineAssembler::kDefaultLimit;
        QTest::newRow("CR") << QByteArray("ONE\rTWO\r") << QList<QByteArray>{"ONE", "TWO"} << none;
        QTest::newRow("CR LF") << QByteArray("ONE\r\nTWO\r\n") << QList<QByteArray>{"ONE", "TWO"} << none;
        QTest::newRow("empty line between CRs") << QByteArray("ONE\r\rTWO\r") << QList<QByteArray>{"ONE", "", "TWO"}
                                                << none;
        QTest::newRow("LF CR is two ends") << QByteArray("ONE\n\rTWO\r") << QList<QByteArray>{"ONE", "", "TWO"}
                                           << none;
        QTest::newRow("overlong line keeps its head") << QByteArray("ABCDEFGH\rXY\r")
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
        QTest::newRow("Ctrl-Z after CR lines") << true << QByteArray("HI\rTHERE\r\x1A") << QByteArray("HI\rTHERE\r\x1A")
                                               << false << QByteArray();
        QTest::newRow("Ctrl-Z after CR LF lines") << true << QByteArray("\nHI\r\nTHERE\r\n\x1A")
                                                  << QByteArray("HI\r\nTHERE\r\n\x1A") << false << QByteArray();
        QTest::newRow("Ctrl-Z in mid-line") << false << QByteArray("HI THERE\x1A") << QByteArray("HI THERE\x1A")
                                            << false << QByteArray();
        QTest::newRow("LF kept when title ended in LF") << false << QByteArray("\nHI\x1A") << QByteArray("\nHI\x1A")
                                                        << false << QByteArray();
        QTest::newRow("bytes after the end") << false << QByteArray("TEXT\x1A\rL\r") << QByteArray("TEXT\x1A") << false
                                             << QByteArray("\rL\r");
        QTest::newRow("/EX with CR") << true << QByteArray("HI\r/EX\r") << QByteArray("HI\r") << true << QByteArray();
        QTest::newRow("/EX with CR LF: LF left") << true << QByteArray("\nHI\r\n/EX\r") << QByteArray("HI\r\n") << true
                                                 << QByteArray();
        QTest::newRow("/EX with spaces round it") << true << QByteArray("HI\r /EX \r") << QByteArray("HI\r") << true
                                                  << QByteArray();
        QTest::newRow("/EX inside a line is text") << true << QByteArray("SEE /EX\r/EX\n") << QByteArray("SEE /EX\r")
                                                   << false << QByteArray();
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
        QVERIFY(!body.tooLong());
    }

    void overlongTextIsDroppedButItsEndStillFound()
    {
        BodyCollector body(false, 8);
        const QByteArray input("0123456789\rK 1\r/EX\r");
        qsizetype i = 0;
        while (i < input.size() && !body.feed(input.at(i)))
            ++i;
        QCOMPARE(i, input.size() - 1);
        QVERIFY(body.tooLong());
        QVERIFY(body.text().isEmpty());
    }

    void lineEndsBecomeCrLfForShowing_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("shown");
        QTest::newRow("CR") << QByteArray("A\rB\r") << QByteArray("A\r\nB\r\n");
        QTest::newRow("LF") << QByteArray("A\nB") << QByteArray("A\r\nB");
        QTest::newRow("CR CR LF") << QByteArray("A\r\r\n") << QByteArray("A\r\n\r\n");
    }

    void lineEndsBecomeCrLfForShowing()
    {
        QFETCH(QByteArray, input);
        QTEST(withCrLf(input), "shown");
    }

    void fillingPutsValuesInOnePass()
    {
        QCOMPARE(fillText("Message #%1 saved, %2 bytes.", "7", "120"), QByteArray("Message #7 saved, 120 bytes."));
        QCOMPARE(fillText("[%1] [%2]", "%2", "X"), QByteArray("[%2] [X]"));
        QCOMPARE(fillText("%1 \xE9t\xE9", "caf\xE9"), QByteArray("caf\xE9 \xE9t\xE9"));
    }
};

QTEST_GUILESS_MAIN(PracticeTextTest)
#include "PracticeTextTest.moc"
