#include "Fakes.h"
#include "terminal/CommandLine.h"
#include "terminal/Conversions.h"
#include "terminal/Preferences.h"

#include <QTest>

using namespace vellicor;
using vellicor::test::FakeLink;
using vellicor::test::MemorySettings;

namespace {

// A converted value, or "fails"; a flag as 1 or 0.
template <typename T>
QString shown(std::optional<T> value)
{
    return value ? QString::number(qint64(*value)) : QStringLiteral("fails");
}

// The preferences as they ended up after loading (in the link, the globals or the pane colours).
QMap<QString, QString> loaded(const TerminalGlobals& g, const FakeLink& link, const Preferences::PaneColors& colors)
{
    return {
        {QStringLiteral("Settings"), link.settings()},
        {QStringLiteral("CommPort"), QString::number(link.portNumber())},
        {QStringLiteral("Handshaking"), QString::number(link.handshaking())},
        {QStringLiteral("Echo"), g.gLocalEcho ? QStringLiteral("on") : QStringLiteral("off")},
        {QStringLiteral("MaxLineLength"), QString::number(g.gMaxLineLength)},
        {QStringLiteral("TextReceivedForeColor"), QString::number(g.gRxForeColor)},
        {QStringLiteral("TextSentForeColor"), QString::number(g.gTxForeColor)},
        {QStringLiteral("TextReceivedBackColor"), shown(colors.receivedBack)},
        {QStringLiteral("TextSentBoxForeColor"), shown(colors.sentBoxFore)},
        {QStringLiteral("TextSentBoxBackColor"), shown(colors.sentBoxBack)}};
}

} // namespace

// The command line (comma-separated KEY=value tokens, upper-cased),
// conversions of stored texts, and the ten preferences read at start-up (the
// Properties dialog's test checks what it writes).
class PreferencesTest : public QObject {
    Q_OBJECT
private slots:
    void parsesOptions_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("parsed"); // port|settings|startup|shutdown

        QTest::newRow("port alone") << "COMPORT=4" << "4|||";
        QTest::newRow("port leading digits") << "COMPORT=7X" << "7|||";
        QTest::newRow("port leading blanks") << "COMPORT= 5" << "5|||";
        QTest::newRow("port half rounds to even up") << "COMPORT=3.5" << "4|||";
        QTest::newRow("port out of range") << "COMPORT=99999" << "0|||";
        QTest::newRow("negative port") << "COMPORT=-3" << "0|||";
        QTest::newRow("all four keys") << "COMPORT=1,SETTINGS=1200,N,8,1,STARTUP=A.TXT,SHUTDOWN=B.TXT"
                                       << "1|1200,N,8,1|A.TXT|B.TXT";
        QTest::newRow("value keeps only text after first equals") << "STARTUP=A=B" << "0||A=B|";
        QTest::newRow("key inside a path is no key") << "STARTUP=/home/op/settings/kam.txt"
                                                     << "0||/HOME/OP/SETTINGS/KAM.TXT|";
        QTest::newRow("comma first ends the scan") << ",COMPORT=2" << "2|||";
        QTest::newRow("comma first later: rest is one token") << "COMPORT=3,,STARTUP=X,SHUTDOWN=Y"
                                                              << "3||X,SHUTDOWN=Y|X,SHUTDOWN=Y";
        QTest::newRow("later token wins") << "COMPORT=3,COMPORT=5" << "5|||";
        QTest::newRow("unknown token ignored") << "FOO=1,COMPORT=2" << "2|||";
    }

    void parsesOptions()
    {
        QFETCH(QString, commandLine);
        const CommandLineOptions o = CommandLineOptions::parse(commandLine);
        const QStringList parsed{QString::number(o.commPort), o.settings, o.startupFile, o.shutdownFile};
        QTEST(parsed.join('|'), "parsed");
    }

    void convertsNumbersAndFlags_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown"); // as a 16-bit and a 32-bit number, and as a flag

        QTest::newRow("decimal") << "70" << "70|70|1";
        QTest::newRow("blanks and sign") << "  +70 " << "70|70|1";
        QTest::newRow("zero") << "0" << "0|0|0";
        QTest::newRow("negative") << "-1" << "-1|-1|1";
        QTest::newRow("hex red") << "&HFF" << "255|255|1";
        QTest::newRow("hex yellow") << "&H00FFFF" << "fails|65535|1";
        QTest::newRow("half to even, down") << "2.5" << "2|2|1";
        QTest::newRow("fraction") << "70.6" << "71|71|1";
        QTest::newRow("16-bit top") << "32767" << "32767|32767|1";
        QTest::newRow("16-bit overflow") << "32768" << "fails|32768|1";
        QTest::newRow("rounds past the top") << "32767.5" << "fails|32768|1";
        QTest::newRow("16-bit bottom") << "-32768" << "-32768|-32768|1";
        QTest::newRow("32-bit overflow") << "2147483648" << "fails|fails|1";
        QTest::newRow("True") << "True" << "fails|fails|1";
        QTest::newRow("false, any case") << " fAlSe " << "fails|fails|0";
        QTest::newRow("empty") << "" << "fails|fails|fails";
        QTest::newRow("trailing garbage") << "70x" << "fails|fails|fails";
        QTest::newRow("hex without digits") << "&H" << "fails|fails|fails";
        QTest::newRow("hex bad digit") << "&HFG" << "fails|fails|fails";
        QTest::newRow("hex too long") << "&H1FFFFFFFFFFFFFFFF" << "fails|fails|fails";
        QTest::newRow("yes") << "Yes" << "fails|fails|fails";
    }

    void convertsNumbersAndFlags()
    {
        QFETCH(QString, text);
        const QStringList shownAs{shown(Conversions::int16(text)), shown(Conversions::int32(text)),
                                  shown(Conversions::flag(text))};
        QTEST(shownAs.join('|'), "shown");
    }

    void readsStoredValues_data()
    {
        QTest::addColumn<QString>("key"); // empty: the store is not INI and reads as empty
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("fails");

        QTest::newRow("unreadable store: every default") << "" << "" << "" << true;
        QTest::newRow("settings") << "Settings" << "4800,e,7,1" << "4800,e,7,1" << false;
        QTest::newRow("settings the link refuses") << "Settings" << "fast" << "9600,n,8,1" << true;
        QTest::newRow("port") << "CommPort" << "5" << "5" << false;
        QTest::newRow("port not a number") << "CommPort" << "two" << "1" << true;
        QTest::newRow("handshaking none") << "Handshaking" << "0" << "0" << false;
        QTest::newRow("handshaking out of range") << "Handshaking" << "4" << "0" << true;
        QTest::newRow("echo False") << "Echo" << "False" << "off" << false;
        QTest::newRow("echo garbage") << "Echo" << "maybe" << "off" << true;
        QTest::newRow("length half to even") << "MaxLineLength" << "71.5" << "72" << false;
        QTest::newRow("length too big") << "MaxLineLength" << "40000" << "0" << true;
        QTest::newRow("received red in hex") << "TextReceivedForeColor" << "&HFF" << "255" << false;
        QTest::newRow("received colour bad") << "TextReceivedForeColor" << "yellow" << "0" << true;
        QTest::newRow("sent colour") << "TextSentForeColor" << "16711680" << "16711680" << false;
        QTest::newRow("sent colour too big") << "TextSentForeColor" << "4294967296" << "0" << true;
        QTest::newRow("pane back") << "TextReceivedBackColor" << "&HFFFFFF" << "16777215" << false;
        QTest::newRow("pane back bad") << "TextReceivedBackColor" << "black" << "fails" << true;
        QTest::newRow("box fore") << "TextSentBoxForeColor" << "128" << "128" << false;
        QTest::newRow("box back bad") << "TextSentBoxBackColor" << "&HXYZ" << "fails" << true;
    }

    void readsStoredValues()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(QString, expected);
        MemorySettings store;
        store.brokenFile = key.isEmpty();
        store.values.insert(QStringLiteral("Properties/") + key, stored);
        FakeLink link; // before loading: port 1, 9600,n,8,1, handshaking 0
        TerminalGlobals g;
        const Preferences::LoadResult result = Preferences::load(store, g, link);
        QTEST(result.anyFailed, "fails");
        // A bad value is skipped; the others are still read.
        QMap<QString, QString> values{{"Settings", "9600,n,8,1"}, {"CommPort", "2"}, {"Handshaking", "2"},
                                      {"Echo", "on"}, {"MaxLineLength", "70"},
                                      {"TextReceivedForeColor", "65535"}, {"TextSentForeColor", "16776960"},
                                      {"TextReceivedBackColor", "0"}, {"TextSentBoxForeColor", "65535"},
                                      {"TextSentBoxBackColor", "0"}};
        if (!key.isEmpty())
            values[key] = expected;
        QCOMPARE(loaded(g, link, result.colors), values);
        QVERIFY(store.writes.isEmpty());
        if (key.isEmpty()) { // the globals hold the defaults too
            QCOMPARE(g.gPortSettings + "|" + QString::number(g.gCommPort), QStringLiteral("9600,n,8,1|2"));
            QVERIFY(g.gSettingsFromPrefs && g.gCommPortFromPrefs);
        }
    }
};

QTEST_APPLESS_MAIN(PreferencesTest)
#include "PreferencesTest.moc"
