#include "Fakes.h"
#include "terminal/Conversions.h"
#include "terminal/Preferences.h"

#include <QTest>

using namespace vellicor;
using vellicor::test::FakeLink;
using vellicor::test::MemorySettings;

namespace {
const QString kGroup = QStringLiteral("Properties/");
}

// Conversions of stored texts and the ten preferences read at start-up and
// written by the Properties dialog.
class PreferencesTest : public QObject {
    Q_OBJECT
private slots:
    void convertsWholeNumbers_data();
    void convertsWholeNumbers();
    void convertsFlags_data();
    void convertsFlags();

    void emptyStoreGivesTheDefaults();
    void readsEachStoredValue_data();
    void readsEachStoredValue();
    void badValueIsSkippedAndFlagged_data();
    void badValueIsSkippedAndFlagged();
    void unreadableStoreGivesDefaultsAndFails();
    void commandLinePortAndSettingsAreNotReadNorWrittenBack();
    void storesPortAndTypingInOrder();
    void storesColorsInDecimal();
};

void PreferencesTest::convertsWholeNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok16");
    QTest::addColumn<int>("value16");
    QTest::addColumn<bool>("ok32");
    QTest::addColumn<qint64>("value32");

    QTest::newRow("decimal") << "70" << true << 70 << true << qint64(70);
    QTest::newRow("blanks and sign") << "  +70 " << true << 70 << true << qint64(70);
    QTest::newRow("negative") << "-5" << true << -5 << true << qint64(-5);
    QTest::newRow("hex red") << "&HFF" << true << 255 << true << qint64(255);
    QTest::newRow("hex lower case") << "&hff" << true << 255 << true << qint64(255);
    QTest::newRow("hex yellow") << "&H00FFFF" << false << 0 << true << qint64(65535);
    QTest::newRow("hex yellow eight digits") << "&H0000FFFF" << false << 0 << true << qint64(65535);
    QTest::newRow("hex cyan") << "&HFFFF00" << false << 0 << true << qint64(16776960);
    QTest::newRow("half to even down") << "2.5" << true << 2 << true << qint64(2);
    QTest::newRow("half to even up") << "3.5" << true << 4 << true << qint64(4);
    QTest::newRow("negative half") << "-2.5" << true << -2 << true << qint64(-2);
    QTest::newRow("fraction below half") << "70.4" << true << 70 << true << qint64(70);
    QTest::newRow("fraction above half") << "70.6" << true << 71 << true << qint64(71);
    QTest::newRow("16-bit top") << "32767" << true << 32767 << true << qint64(32767);
    QTest::newRow("16-bit overflow") << "32768" << false << 0 << true << qint64(32768);
    QTest::newRow("16-bit bottom") << "-32768" << true << -32768 << true << qint64(-32768);
    QTest::newRow("16-bit underflow") << "-32769" << false << 0 << true << qint64(-32769);
    QTest::newRow("rounds past the top") << "32767.5" << false << 0 << true << qint64(32768);
    QTest::newRow("32-bit top") << "2147483647" << false << 0 << true << qint64(2147483647);
    QTest::newRow("32-bit overflow") << "2147483648" << false << 0 << false << qint64(0);
    QTest::newRow("empty") << "" << false << 0 << false << qint64(0);
    QTest::newRow("blank") << "   " << false << 0 << false << qint64(0);
    QTest::newRow("word") << "seventy" << false << 0 << false << qint64(0);
    QTest::newRow("trailing garbage") << "70x" << false << 0 << false << qint64(0);
    QTest::newRow("two numbers") << "7 0" << false << 0 << false << qint64(0);
    QTest::newRow("hex without digits") << "&H" << false << 0 << false << qint64(0);
    QTest::newRow("hex bad digit") << "&HFG" << false << 0 << false << qint64(0);
    QTest::newRow("hex too long") << "&H1FFFFFFFFFFFFFFFF" << false << 0 << false << qint64(0);
    QTest::newRow("sign only") << "-" << false << 0 << false << qint64(0);
    QTest::newRow("huge") << "1e400" << false << 0 << false << qint64(0);
}

void PreferencesTest::convertsWholeNumbers()
{
    QFETCH(QString, text);
    QFETCH(bool, ok16);
    QFETCH(bool, ok32);
    const std::optional<qint16> small = Conversions::int16(text);
    const std::optional<qint32> large = Conversions::int32(text);
    QCOMPARE(small.has_value(), ok16);
    QCOMPARE(large.has_value(), ok32);
    if (ok16)
        QTEST(int(*small), "value16");
    if (ok32)
        QTEST(qint64(*large), "value32");
}

void PreferencesTest::convertsFlags_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("value");

    QTest::newRow("True") << "True" << true << true;
    QTest::newRow("false any case") << "fAlSe" << true << false;
    QTest::newRow("TRUE") << "TRUE" << true << true;
    QTest::newRow("blanks") << " False " << true << false;
    QTest::newRow("zero") << "0" << true << false;
    QTest::newRow("one") << "1" << true << true;
    QTest::newRow("minus one") << "-1" << true << true;
    QTest::newRow("hex zero") << "&H0" << true << false;
    QTest::newRow("yes") << "Yes" << false << false;
    QTest::newRow("empty") << "" << false << false;
    QTest::newRow("garbage") << "Tru" << false << false;
}

void PreferencesTest::convertsFlags()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    const std::optional<bool> flag = Conversions::flag(text);
    QCOMPARE(flag.has_value(), ok);
    if (ok)
        QTEST(*flag, "value");
}

void PreferencesTest::emptyStoreGivesTheDefaults()
{
    MemorySettings store;
    FakeLink link;
    Globals globals;
    const Preferences::LoadResult result = Preferences::load(store, globals, link);

    QVERIFY(!result.anyFailed);
    QCOMPARE(globals.gPortSettings, QStringLiteral("9600,n,8,1"));
    QCOMPARE(link.settings(), QStringLiteral("9600,n,8,1"));
    QCOMPARE(globals.gCommPort, 2);
    QCOMPARE(link.portNumber(), 2);
    QCOMPARE(link.handshaking(), 2);
    QVERIFY(globals.gSettingsFromPrefs);
    QVERIFY(globals.gCommPortFromPrefs);
    QVERIFY(globals.gLocalEcho);
    QCOMPARE(globals.gMaxLineLength, 70);
    QCOMPARE(globals.gRxForeColor, 65535u);
    QCOMPARE(globals.gTxForeColor, 16776960u);
    QCOMPARE(result.colors.receivedBack, std::optional<quint32>(0));
    QCOMPARE(result.colors.sentBoxFore, std::optional<quint32>(65535));
    QCOMPARE(result.colors.sentBoxBack, std::optional<quint32>(0));
    QVERIFY(store.writes.isEmpty());
}

void PreferencesTest::readsEachStoredValue_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected"); // as the test reads it back below

    QTest::newRow("settings") << "Settings" << "4800,e,7,1" << "4800,e,7,1";
    QTest::newRow("port") << "CommPort" << "5" << "5";
    QTest::newRow("handshaking none") << "Handshaking" << "0" << "0";
    QTest::newRow("echo False") << "Echo" << "False" << "false";
    QTest::newRow("echo 0") << "Echo" << "0" << "false";
    QTest::newRow("echo true") << "Echo" << "true" << "true";
    QTest::newRow("length") << "MaxLineLength" << "40" << "40";
    QTest::newRow("length half to even") << "MaxLineLength" << "71.5" << "72";
    QTest::newRow("received red in hex") << "TextReceivedForeColor" << "&HFF" << "255";
    QTest::newRow("received red in decimal") << "TextReceivedForeColor" << "255" << "255";
    QTest::newRow("sent colour") << "TextSentForeColor" << "16711680" << "16711680";
    QTest::newRow("received back") << "TextReceivedBackColor" << "&HFFFFFF" << "16777215";
    QTest::newRow("box fore") << "TextSentBoxForeColor" << "128" << "128";
    QTest::newRow("box back") << "TextSentBoxBackColor" << "&H808080" << "8421504";
}

namespace {
QString loadedValue(const QString& key, const Globals& g, const FakeLink& link,
                    const Preferences::PaneColors& colors)
{
    const auto number = [](std::optional<quint32> v) { return v ? QString::number(*v) : QStringLiteral("none"); };
    if (key == QLatin1String("Settings")) return link.settings();
    if (key == QLatin1String("CommPort")) return QString::number(link.portNumber());
    if (key == QLatin1String("Handshaking")) return QString::number(link.handshaking());
    if (key == QLatin1String("Echo")) return g.gLocalEcho ? QStringLiteral("true") : QStringLiteral("false");
    if (key == QLatin1String("MaxLineLength")) return QString::number(g.gMaxLineLength);
    if (key == QLatin1String("TextReceivedForeColor")) return QString::number(g.gRxForeColor);
    if (key == QLatin1String("TextSentForeColor")) return QString::number(g.gTxForeColor);
    if (key == QLatin1String("TextReceivedBackColor")) return number(colors.receivedBack);
    if (key == QLatin1String("TextSentBoxForeColor")) return number(colors.sentBoxFore);
    return number(colors.sentBoxBack);
}
}

void PreferencesTest::readsEachStoredValue()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    MemorySettings store;
    store.values.insert(kGroup + key, stored);
    FakeLink link;
    Globals globals;
    const Preferences::LoadResult result = Preferences::load(store, globals, link);
    QVERIFY(!result.anyFailed);
    QTEST(loadedValue(key, globals, link, result.colors), "expected");
}

void PreferencesTest::badValueIsSkippedAndFlagged_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected"); // the value that stays

    QTest::newRow("length not a number") << "MaxLineLength" << "long" << "0";
    QTest::newRow("length too big") << "MaxLineLength" << "40000" << "0";
    QTest::newRow("echo garbage") << "Echo" << "maybe" << "false";
    QTest::newRow("port not a number") << "CommPort" << "two" << "1";
    QTest::newRow("port zero") << "CommPort" << "0" << "1";
    QTest::newRow("handshaking out of range") << "Handshaking" << "4" << "0";
    QTest::newRow("handshaking not a number") << "Handshaking" << "RTS" << "0";
    QTest::newRow("settings the link refuses") << "Settings" << "fast" << "9600,n,8,1";
    QTest::newRow("colour not a number") << "TextReceivedForeColor" << "yellow" << "0";
    QTest::newRow("colour too big") << "TextSentForeColor" << "4294967296" << "0";
    QTest::newRow("pane colour bad") << "TextReceivedBackColor" << "black" << "none";
    QTest::newRow("box colour bad") << "TextSentBoxBackColor" << "&HXYZ" << "none";
}

void PreferencesTest::badValueIsSkippedAndFlagged()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    MemorySettings store;
    store.values.insert(kGroup + key, stored);
    FakeLink link; // starts at port 1, 9600,n,8,1, handshaking 0
    Globals globals;
    const Preferences::LoadResult result = Preferences::load(store, globals, link);
    QVERIFY(result.anyFailed);
    QTEST(loadedValue(key, globals, link, result.colors), "expected");
    // The other preferences are still read.
    if (key != QLatin1String("MaxLineLength"))
        QCOMPARE(globals.gMaxLineLength, 70);
    if (key != QLatin1String("TextSentForeColor"))
        QCOMPARE(globals.gTxForeColor, 16776960u);
}

void PreferencesTest::unreadableStoreGivesDefaultsAndFails()
{
    MemorySettings store;
    store.brokenFile = true;
    FakeLink link;
    Globals globals;
    const Preferences::LoadResult result = Preferences::load(store, globals, link);
    QVERIFY(result.anyFailed);
    QCOMPARE(link.portNumber(), 2);
    QCOMPARE(globals.gMaxLineLength, 70);
    QCOMPARE(globals.gRxForeColor, 65535u);
}

void PreferencesTest::commandLinePortAndSettingsAreNotReadNorWrittenBack()
{
    MemorySettings store;
    store.values.insert(kGroup + QStringLiteral("CommPort"), QStringLiteral("7"));
    store.values.insert(kGroup + QStringLiteral("Settings"), QStringLiteral("1200,n,8,1"));
    FakeLink link;
    Globals globals;
    globals.gCommPort = 4;
    globals.gPortSettings = QStringLiteral("4800,E,7,1");
    QVERIFY(!Preferences::load(store, globals, link).anyFailed);
    QCOMPARE(link.portNumber(), 4);
    QCOMPARE(link.settings(), QStringLiteral("4800,E,7,1"));
    QVERIFY(!globals.gCommPortFromPrefs);
    QVERIFY(!globals.gSettingsFromPrefs);

    Preferences::storePortAndTyping(store, globals, link);
    QCOMPARE(store.values.value(kGroup + QStringLiteral("CommPort")), QStringLiteral("7"));
    QCOMPARE(store.values.value(kGroup + QStringLiteral("Settings")), QStringLiteral("1200,n,8,1"));
    for (const QString& write : std::as_const(store.writes)) {
        QVERIFY2(!write.startsWith(kGroup + QStringLiteral("CommPort")), qPrintable(write));
        QVERIFY2(!write.startsWith(kGroup + QStringLiteral("Settings")), qPrintable(write));
    }
}

void PreferencesTest::storesPortAndTypingInOrder()
{
    MemorySettings store;
    FakeLink link;
    Globals globals;
    QVERIFY(!Preferences::load(store, globals, link).anyFailed);
    link.setPortNumber(3);
    link.setSettings(QStringLiteral("19200,n,8,1"));
    link.setHandshaking(1);
    globals.gLocalEcho = false;
    globals.gMaxLineLength = 64;

    Preferences::storePortAndTyping(store, globals, link);
    QCOMPARE(store.writes, QStringList({QStringLiteral("Properties/Settings=19200,n,8,1"),
                                        QStringLiteral("Properties/CommPort=3"),
                                        QStringLiteral("Properties/Handshaking=1"),
                                        QStringLiteral("Properties/Echo=False"),
                                        QStringLiteral("Properties/MaxLineLength=64")}));

    // What was written reads back the same.
    Globals again;
    FakeLink otherLink;
    QVERIFY(!Preferences::load(store, again, otherLink).anyFailed);
    QCOMPARE(otherLink.portNumber(), 3);
    QCOMPARE(otherLink.handshaking(), 1);
    QVERIFY(!again.gLocalEcho);
    QCOMPARE(again.gMaxLineLength, 64);
}

void PreferencesTest::storesColorsInDecimal()
{
    MemorySettings store;
    Globals globals;
    globals.gRxForeColor = 65535;
    globals.gTxForeColor = 16776960;
    Preferences::storeColors(store, globals, 0, 255, 8421504);
    QCOMPARE(store.writes, QStringList({QStringLiteral("Properties/TextReceivedForeColor=65535"),
                                        QStringLiteral("Properties/TextSentForeColor=16776960"),
                                        QStringLiteral("Properties/TextReceivedBackColor=0"),
                                        QStringLiteral("Properties/TextSentBoxForeColor=255"),
                                        QStringLiteral("Properties/TextSentBoxBackColor=8421504")}));
}

QTEST_APPLESS_MAIN(PreferencesTest)
#include "PreferencesTest.moc"
