#include "traffic/common/TrafficPatterns.h"

#include <QtTest>

using namespace vellicor;

namespace {

// Each field pattern by the name the rows below give it.
QString formatted(const QString& pattern, const QString& text)
{
    if (pattern == u"number")
        return TrafficPatterns::formatNumber000(text);
    if (pattern == u"phone")
        return TrafficPatterns::formatPhone(text);
    if (pattern == u"time")
        return TrafficPatterns::formatTimeHHMMZ(text);
    return TrafficPatterns::formatDateMMDDYYYY(text);
}

} // namespace

class TrafficPatternsTest : public QObject {
    Q_OBJECT
private slots:
    void fieldsTakeTheirPatterns_data();
    void fieldsTakeTheirPatterns();
    void trimmingTouchesSpacesOnly();
};

void TrafficPatternsTest::fieldsTakeTheirPatterns_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* pattern, const char* name, const QString& text, const QString& expected) {
        QTest::addRow("%s: %s", pattern, name) << pattern << text << expected;
    };
    row("number", "one digit", "7", "007");
    row("number", "four digits stay", "1234", "1234");
    row("number", "leading zeros dropped to three digits", "0012", "012");
    row("number", "zero", "0", "000");
    row("number", "fraction rounded down", "6.4", "006");
    row("number", "fraction rounded up", "6.5", "007");
    row("number", "rounding carries", "999.9", "1000");
    row("number", "fraction only", ".6", "001");
    row("number", "empty stays empty", "", "");
    row("number", "letters kept", "12A", "12A");
    row("number", "lone point kept", ".", ".");
    row("number", "very long digit string", "123456789012345678901234567890", "123456789012345678901234567890");
    row("number", "arabic-indic digits are not plain digits", QString::fromUtf8("\u0663"), QString::fromUtf8("\u0663"));
    row("phone", "ten digits", "3035551212", "(303) 555-1212");
    row("phone", "seven digits", "5551212", "() 555-1212");
    row("phone", "five digits", "12345", "() 1-2345");
    row("phone", "eleven digits", "13035551212", "(1303) 555-1212");
    row("phone", "punctuation kept", "303-555-1212", "303-555-1212");
    row("phone", "empty", "", "");
    row("time", "HH:MM", "14:30", "14:30Z");
    row("time", "PM", "2:30 PM", "14:30Z");
    row("time", "pm without blank", "2:30pm", "14:30Z");
    row("time", "noon", "12:00 PM", "12:00Z");
    row("time", "midnight", "12:05 AM", "00:05Z");
    row("time", "seconds dropped", "14:30:59", "14:30Z");
    row("time", "already formatted", "14:30Z", "14:30Z");
    row("time", "no colon stays", "1430Z", "1430Z");
    row("time", "hour 24 stays", "24:00", "24:00");
    row("time", "13 PM stays", "13:30 PM", "13:30 PM");
    row("date", "MM/DD/YYYY", "12/05/2026", "12/05/2026");
    row("date", "M/D/YYYY", "1/5/2026", "01/05/2026");
    row("date", "two-digit year is 20xx", "12/5/26", "12/05/2026");
    row("date", "29 February 2000 through two digits", "2/29/00", "02/29/2000");
    row("date", "ISO", "2026-12-05", "12/05/2026");
    row("date", "leap day", "2/29/2024", "02/29/2024");
    row("date", "no such day stays", "2/29/2025", "2/29/2025");
    row("date", "words stay", "TODAY", "TODAY");
}

void TrafficPatternsTest::fieldsTakeTheirPatterns()
{
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(formatted(pattern, text), expected);
    QCOMPARE(formatted(pattern, expected), expected); // formatting twice changes nothing
    if (pattern == u"time" && expected.endsWith(QLatin1Char('Z')) && expected != text)
        QCOMPARE(TrafficPatterns::formatTimeHHMM(text), expected.chopped(1));
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
