#include "traffic/ares/AresFields.h"

#include <QtTest>

using namespace vellicor;

namespace {
const QString kSlashed = QString(QChar(0x00D8));
}

class AresFieldsTest : public QObject {
    Q_OBJECT
private slots:
    void priorityIsSpelledOut_data();
    void priorityIsSpelledOut();
    void callSignTypingGivesCapitalsAndSlashedZeros_data();
    void callSignTypingGivesCapitalsAndSlashedZeros();
    void restoreZerosGivesPlainDigits_data();
    void restoreZerosGivesPlainDigits();
};

void AresFieldsTest::priorityIsSpelledOut_data()
{
    QTest::addColumn<QString>("priority");
    QTest::addColumn<QString>("label");
    QTest::newRow("routine") << "R" << "(Routine)";
    QTest::newRow("welfare, as the form writes it") << "W" << "(Health and Wealfare)";
    QTest::newRow("priority") << "P" << "(Priority)";
    QTest::newRow("emergency") << "E" << "(Emergency)";
    QTest::newRow("typed lower case") << "p" << "(Priority)";
    QTest::newRow("lower-case e") << "e" << "(Emergency)";
    QTest::newRow("two letters") << "RW" << "";
    QTest::newRow("unknown letter") << "X" << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("letter with a blank") << "R " << "";
}

void AresFieldsTest::priorityIsSpelledOut()
{
    QFETCH(QString, priority);
    QFETCH(QString, label);
    QCOMPARE(AresFields::priorityLabel(priority), label);
}

void AresFieldsTest::callSignTypingGivesCapitalsAndSlashedZeros_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("call with a zero") << "n0call" << "N" + kSlashed + "CALL";
    QTest::newRow("only zeros") << "00" << kSlashed + kSlashed;
    QTest::newRow("other digits stay") << "w1aw/9" << "W1AW/9";
    QTest::newRow("backspace passes") << "\b" << "\b";
    QTest::newRow("letter o is no zero") << "o" << "O";
    QTest::newRow("sharp s has no single capital") << QString(QChar(0x00DF)) << QString(QChar(0x00DF));
    QTest::newRow("micro sign has no Windows-1252 capital") << QString(QChar(0x00B5)) << QString(QChar(0x00B5));
    QTest::newRow("Windows-1252 capitals") << QStringLiteral("\u00E9\u00FF\u0161\u0153")
                                           << QStringLiteral("\u00C9\u0178\u0160\u0152");
}

void AresFieldsTest::callSignTypingGivesCapitalsAndSlashedZeros()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QCOMPARE(AresFields::callSignTyped(typed), shown);
}

void AresFieldsTest::restoreZerosGivesPlainDigits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("restored");
    QTest::newRow("one") << "N" + kSlashed + "CALL" << "N0CALL";
    QTest::newRow("several") << kSlashed + "A" + kSlashed + kSlashed << "0A00";
    QTest::newRow("lower-case o slash stays") << QString(QChar(0x00F8)) << QString(QChar(0x00F8));
    QTest::newRow("none") << "EOC" << "EOC";
    QTest::newRow("empty") << "" << "";
}

void AresFieldsTest::restoreZerosGivesPlainDigits()
{
    QFETCH(QString, text);
    QFETCH(QString, restored);
    QCOMPARE(AresFields::RestoreZeros(text), restored);
}

QTEST_APPLESS_MAIN(AresFieldsTest)
#include "AresFieldsTest.moc"
