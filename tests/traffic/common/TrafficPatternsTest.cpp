#include "traffic/common/TrafficPatterns.h"

#include <QtTest>

using namespace vellicor;

class TrafficPatternsTest : public QObject {
    Q_OBJECT
private slots:
    void messageNumbers_data();
    void messageNumbers();
    void phoneNumbers_data();
    void phoneNumbers();
    void times_data();
    void times();
    void dates_data();
    void dates();
    void trimmingTouchesSpacesOnly();
};

void TrafficPatternsTest::messageNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one digit") << "7" << "007";
    QTest::newRow("four digits stay") << "1234" << "1234";
    QTest::newRow("leading zeros dropped to three digits") << "0012" << "012";
    QTest::newRow("zero") << "0" << "000";
    QTest::newRow("fraction rounded down") << "6.4" << "006";
    QTest::newRow("fraction rounded up") << "6.5" << "007";
    QTest::newRow("rounding carries") << "999.9" << "1000";
    QTest::newRow("fraction only") << ".6" << "001";
    QTest::newRow("empty stays empty") << "" << "";
    QTest::newRow("letters kept") << "12A" << "12A";
    QTest::newRow("lone point kept") << "." << ".";
    QTest::newRow("very long digit string")
        << "123456789012345678901234567890" << "123456789012345678901234567890";
    QTest::newRow("arabic-indic digits are not plain digits") << QString::fromUtf8("\u0663") << QString::fromUtf8("\u0663");
}

void TrafficPatternsTest::messageNumbers()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(TrafficPatterns::formatNumber000(text), expected);
    QCOMPARE(TrafficPatterns::formatNumber000(expected), expected); // formatting twice changes nothing
}

void TrafficPatternsTest::phoneNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ten digits") << "3035551212" << "(303) 555-1212";
    QTest::newRow("seven digits") << "5551212" << "() 555-1212";
    QTest::newRow("five digits") << "12345" << "() 1-2345";
    QTest::newRow("eleven digits") << "13035551212" << "(1303) 555-1212";
    QTest::newRow("punctuation kept") << "303-555-1212" << "303-555-1212";
    QTest::newRow("empty") << "" << "";
}

void TrafficPatternsTest::phoneNumbers()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(TrafficPatterns::formatPhone(text), expected);
}

void TrafficPatternsTest::times_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("HH:MM") << "14:30" << "14:30Z";
    QTest::newRow("PM") << "2:30 PM" << "14:30Z";
    QTest::newRow("pm without blank") << "2:30pm" << "14:30Z";
    QTest::newRow("noon") << "12:00 PM" << "12:00Z";
    QTest::newRow("midnight") << "12:05 AM" << "00:05Z";
    QTest::newRow("seconds dropped") << "14:30:59" << "14:30Z";
    QTest::newRow("already formatted") << "14:30Z" << "14:30Z";
    QTest::newRow("no colon stays") << "1430Z" << "1430Z";
    QTest::newRow("hour 24 stays") << "24:00" << "24:00";
    QTest::newRow("13 PM stays") << "13:30 PM" << "13:30 PM";
}

void TrafficPatternsTest::times()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(TrafficPatterns::formatTimeHHMMZ(text), expected);
    if (expected.endsWith(QLatin1Char('Z')) && expected != text)
        QCOMPARE(TrafficPatterns::formatTimeHHMM(text), expected.chopped(1));
}

void TrafficPatternsTest::dates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("MM/DD/YYYY") << "12/05/2026" << "12/05/2026";
    QTest::newRow("M/D/YYYY") << "1/5/2026" << "01/05/2026";
    QTest::newRow("two-digit year is 20xx") << "12/5/26" << "12/05/2026";
    QTest::newRow("29 February 2000 through two digits") << "2/29/00" << "02/29/2000";
    QTest::newRow("ISO") << "2026-12-05" << "12/05/2026";
    QTest::newRow("leap day") << "2/29/2024" << "02/29/2024";
    QTest::newRow("no such day stays") << "2/29/2025" << "2/29/2025";
    QTest::newRow("words stay") << "TODAY" << "TODAY";
}

void TrafficPatternsTest::dates()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(TrafficPatterns::formatDateMMDDYYYY(text), expected);
}

void TrafficPatternsTest::trimmingTouchesSpacesOnly()
{
    QCOMPARE(TrafficPatterns::trimSpaces(QStringLiteral("  a b  ")), QStringLiteral("a b"));
    QCOMPARE(TrafficPatterns::trimSpaces(QStringLiteral("\tab\t")), QStringLiteral("\tab\t"));
    QCOMPARE(TrafficPatterns::trimSpaces(QStringLiteral("   ")), QString());
    QCOMPARE(TrafficPatterns::trimTrailingSpaces(QStringLiteral("  x  ")), QStringLiteral("  x"));
}

QTEST_APPLESS_MAIN(TrafficPatternsTest)
#include "TrafficPatternsTest.moc"
