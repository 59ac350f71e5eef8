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
