#include "traffic/common/WrapMessageBody.h"

#include <QtTest>

using namespace vellicor;

namespace {
// Test texts are written with "|" standing for CR LF, "^" for a lone CR and
// "~" for a lone LF, so the tables stay readable.
QString expand(QString text)
{
    return text.replace(QLatin1Char('|'), QLatin1String("\r\n"))
        .replace(QLatin1Char('^'), QLatin1String("\r"))
        .replace(QLatin1Char('~'), QLatin1String("\n"));
}
}

class WrapMessageBodyTest : public QObject {
    Q_OBJECT
private slots:
    void reflowsLikeTheOperatorExpects_data();
    void reflowsLikeTheOperatorExpects();
    void longTextIsReflowedWholeWithoutOverflow();
};

void WrapMessageBodyTest::reflowsLikeTheOperatorExpects_data()
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

void WrapMessageBodyTest::reflowsLikeTheOperatorExpects()
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

void WrapMessageBodyTest::longTextIsReflowedWholeWithoutOverflow()
{
    // 100,000 characters: far past what a 16-bit position could index.
    const QString word = QStringLiteral("ABCDEFGHI ");
    QString body = word.repeated(10000);
    QCOMPARE(body.size(), 100000);
    int width = 70;
    WrapMessageBody(body, width);

    const QStringList lines = body.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.last(), QString()); // ends in a line break
    QString rejoined;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        QVERIFY2(lines[i].size() <= 70, qPrintable(QString::number(i)));
        QVERIFY(lines[i].endsWith(QLatin1Char(' ')));
        rejoined += lines[i];
    }
    QCOMPARE(rejoined, word.repeated(10000)); // nothing lost, nothing added

    QString unbroken(100000, QLatin1Char('x'));
    int wide = 32767;
    WrapMessageBody(unbroken, wide);
    const QStringList pieces = unbroken.split(QStringLiteral("\r\n"));
    QCOMPARE(pieces.size(), 5);
    QCOMPARE(pieces[0].size(), 32766);
    QCOMPARE(pieces[3].size(), 100000 - 3 * 32766);
}

QTEST_APPLESS_MAIN(WrapMessageBodyTest)
#include "WrapMessageBodyTest.moc"
