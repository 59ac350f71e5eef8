// How the message forms lay out text: each field's pattern, the trimming
// of blanks, and the message body reflowed to the line width.
#include "traffic/common/TrafficPatterns.h"
#include "traffic/common/WrapMessageBody.h"

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

// Test texts are written with "|" standing for CR LF, "^" for a lone CR and
// "~" for a lone LF, so the tables stay readable.
QString expand(QString text)
{
    return text.replace(QLatin1Char('|'), QLatin1String("\r\n"))
        .replace(QLatin1Char('^'), QLatin1String("\r"))
        .replace(QLatin1Char('~'), QLatin1String("\n"));
}

} // namespace

class TrafficTextTest : public QObject {
    Q_OBJECT
private slots:
    void fieldsTakeTheirPatterns_data()
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
        row("number", "arabic-indic digits are not plain digits", QString(QChar(0x663)), QString(QChar(0x663)));
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

    void fieldsTakeTheirPatterns()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(formatted(pattern, text), expected);
        QCOMPARE(formatted(pattern, expected), expected); // formatting twice changes nothing
        if (pattern == u"time" && expected.endsWith(QLatin1Char('Z')) && expected != text)
            QCOMPARE(TrafficPatterns::formatTimeHHMM(text), expected.chopped(1));
    }

    void trimmingTouchesSpacesOnly()
    {
        QCOMPARE(TrafficPatterns::trimSpaces(QStringLiteral("  a b  ")), QStringLiteral("a b"));
        QCOMPARE(TrafficPatterns::trimSpaces(QStringLiteral("\tab\t")), QStringLiteral("\tab\t"));
        QCOMPARE(TrafficPatterns::trimSpaces(QStringLiteral("   ")), QString());
        QCOMPARE(TrafficPatterns::trimTrailingSpaces(QStringLiteral("  x  ")) + TrafficPatterns::trimTrailingSpaces("  "),
                 QStringLiteral("  x"));
    }

    void reflowsLikeTheOperatorExpects_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("expected");

        QTest::newRow("empty text") << "" << 70 << "";
        QTest::newRow("width 0 keeps line ends as they are") << "a^b~c|" << 0 << "a^b~c|";
        QTest::newRow("width 2 gives one character a line") << "ab" << 2 << "a|b|";
        QTest::newRow("break at space keeps the space") << "hello world" << 7 << "hello |world|";
        QTest::newRow("space at the last place of the window") << "hello world" << 6 << "hello |world|";
        QTest::newRow("word of exactly the width is cut") << "abcdefg" << 7 << "abcdef|g|";
        QTest::newRow("long word cut into width-1 pieces") << "abcdefghij" << 4 << "abc|def|ghi|j|";
        QTest::newRow("last piece joined by what follows") << "abcde fg" << 4 << "abc|de |fg|";
        QTest::newRow("short text gets a final CR LF") << "ARRIVED SAFE" << 70 << "ARRIVED SAFE|";
        QTest::newRow("last space in the window wins") << "aa bb cc dd" << 8 << "aa bb |cc dd|";
        QTest::newRow("several spaces: break at the last one in the window")
            << "abc    def ghi" << 6 << "abc   | def |ghi|";
        QTest::newRow("CR LF pairs stay and restart the count") << "one|two" << 70 << "one|two|";
        QTest::newRow("text ending in CR LF gets nothing more") << "one|" << 70 << "one|";
        QTest::newRow("lone CR ends the line without LF") << "one^two" << 70 << "one^two|";
        QTest::newRow("text ending in a lone CR") << "one^" << 70 << "one^";
        QTest::newRow("lone LF is ordinary and does not restart the count") << "ab~cdef" << 5 << "ab~c|def|";
        QTest::newRow("CR just outside the window") << "abcd |x" << 5 << "abcd ||x|";
        QTest::newRow("tab is an ordinary character") << "a\tb c\td" << 4 << "a\tb |c\td|";
        QTest::newRow("only spaces") << "      " << 4 << "    |  |";
        QTest::newRow("line of exactly w characters ending in a space, then CR LF")
            << "abcd  |efg" << 6 << "abcd  ||efg|";
        QTest::newRow("reflowing a reflowed text adds empty lines")
            << "The quick |brown fox |jumps|" << 10 << "The quick ||brown fox ||jumps|";
        QTest::newRow("width 1 is raised to 2") << "ab c" << 1 << "a|b |c|";
        QTest::newRow("width -1 is raised to 2") << "ab c" << -1 << "a|b |c|";
    }

    void reflowsLikeTheOperatorExpects()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, expected);
        QString body = expand(text);
        int setting = width;
        WrapMessageBody(body, setting);
        QCOMPARE(body, expand(expected));
        QCOMPARE(setting, width < 2 && width != 0 ? 2 : width); // the caller's setting is raised too
    }

    void longTextIsReflowedWholeWithoutOverflow()
    {
        // 100,000 characters: far past what a 16-bit position could index.
        const QString word = QStringLiteral("ABCDEFGHI ");
        QString body = word.repeated(10000);
        int width = 70;
        WrapMessageBody(body, width);
        QCOMPARE(body, (word.repeated(7) + "\r\n").repeated(1428) + word.repeated(4) + "\r\n");

        QString unbroken(100000, QLatin1Char('x'));
        int wide = 32767;
        WrapMessageBody(unbroken, wide);
        QCOMPARE(unbroken, (QString(32766, 'x') + "\r\n").repeated(3) + QString(100000 - 3 * 32766, 'x') + "\r\n");
    }
};

QTEST_APPLESS_MAIN(TrafficTextTest)
#include "TrafficTextTest.moc"
