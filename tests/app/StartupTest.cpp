#include "Fakes.h"
#include "app/Startup.h"

#include <QTest>

using namespace vellicor;
using vellicor::test::FakeLink;
using vellicor::test::MemorySettings;

namespace {

struct Loaded {
    explicit Loaded(const QString& commandLine, const QMap<QString, QString>& stored = {})
    {
        store.values = stored;
        // Values left from before must not survive loading.
        globals.gBypassConv = true;
        globals.gConnectCmd = QStringLiteral("CONNECT");
        globals.gConnectsFile = QStringLiteral("other.txt");
        globals.gAresFormatBody = false;
        globals.gAresLineWidth = 40;
        globals.gNtsSendAsTraffic = false;
        globals.gNtsFormatBody = false;
        globals.gNtsLineWidth = 50;
        globals.gPortOk = false;
        globals.gRunStartupScript = false;
        result = loadStartup(commandLine, store, link, globals, folder);
    }
    MemorySettings store;
    FakeLink link;
    Globals globals;
    ProgramFolder folder{QStringLiteral("/home/op/.local/share/Vellicor")};
    StartupResult result;
};

} // namespace

// Loading the main window without its widgets: caption, command line,
// preferences applied to the closed link, program-wide defaults, script paths.
class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void captionCarriesTheVersion_data();
    void captionCarriesTheVersion();
    void noCommandLineTakesEverythingFromThePreferences();
    void commandLinePortWins_data();
    void commandLinePortWins();
    void commandLineSettingsAndScripts();
    void badValuesAreSkippedAndFlagged();
};

void StartupTest::captionCarriesTheVersion_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("caption");
    QTest::newRow("2.0.1") << 2 << 0 << 1 << "Vellicor - Version 2.0.1";
    QTest::newRow("899 is not beta") << 1 << 4 << 899 << "Vellicor - Version 1.4.899";
    QTest::newRow("900 is beta") << 1 << 4 << 900 << "Vellicor - Version 1.4.900 (Beta)";
    QTest::newRow("large numbers") << 10 << 12 << 1234 << "Vellicor - Version 10.12.1234 (Beta)";
}

void StartupTest::captionCarriesTheVersion()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, revision);
    QTEST(mainCaption(major, minor, revision), "caption");
}

void StartupTest::noCommandLineTakesEverythingFromThePreferences()
{
    const Loaded l{QString()};
    QVERIFY(!l.result.anyFailed);
    QCOMPARE(l.link.portNumber(), 2);
    QCOMPARE(l.link.settings(), QStringLiteral("9600,n,8,1"));
    QCOMPARE(l.link.handshaking(), 2);
    QVERIFY(l.globals.gCommPortFromPrefs && l.globals.gSettingsFromPrefs);
    QVERIFY(!l.link.isOpen());
    QVERIFY(l.globals.gPortOk && l.globals.gRunStartupScript);
    QCOMPARE(l.globals.gMaxLineLength, 70);
    QCOMPARE(l.result.colors.sentBoxFore, std::optional<quint32>(65535));
    // Program-wide values return to their start values.
    QCOMPARE(l.globals.gConnectCmd, QStringLiteral("C"));
    QCOMPARE(l.globals.gConnectsFile, QStringLiteral("\\VellicorConnects.txt"));
    QVERIFY(!l.globals.gBypassConv);
    QVERIFY(l.globals.gAresFormatBody && l.globals.gNtsFormatBody && l.globals.gNtsSendAsTraffic);
    QCOMPARE(l.globals.gAresLineWidth, 70);
    QCOMPARE(l.globals.gNtsLineWidth, 70);
    QCOMPARE(l.globals.gStartupFile, QStringLiteral("/home/op/.local/share/Vellicor\\VellicorStartup.txt"));
    QCOMPARE(l.globals.gShutdownFile, QStringLiteral("/home/op/.local/share/Vellicor\\VellicorShutdown.txt"));
    QVERIFY(l.store.writes.isEmpty());
}

void StartupTest::commandLinePortWins_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<int>("port");
    QTest::addColumn<bool>("fromPrefs");
    QTest::newRow("COMPORT=4") << "COMPORT=4" << 4 << false;
    QTest::newRow("comport=4 lower case") << "comport=4" << 4 << false;
    QTest::newRow("COMPORT=0 reads the preference") << "COMPORT=0" << 7 << true;
    QTest::newRow("COMPORT=X reads the preference") << "COMPORT=X" << 7 << true;
}

void StartupTest::commandLinePortWins()
{
    QFETCH(QString, commandLine);
    const Loaded l(commandLine, {{QStringLiteral("Properties/CommPort"), QStringLiteral("7")}});
    QTEST(l.globals.gCommPort, "port");
    QTEST(l.link.portNumber(), "port");
    QTEST(l.globals.gCommPortFromPrefs, "fromPrefs");
    QVERIFY(l.globals.gSettingsFromPrefs);
    QVERIFY(!l.result.anyFailed);
}

void StartupTest::commandLineSettingsAndScripts()
{
    const Loaded l(QStringLiteral("COMPORT=3,SETTINGS=4800,E,7,1,startup=c:\\tnc\\kam.txt"),
                   {{QStringLiteral("Properties/Settings"), QStringLiteral("1200,n,8,1")}});
    QVERIFY(!l.result.anyFailed);
    QCOMPARE(l.link.portNumber(), 3);
    QCOMPARE(l.link.settings(), QStringLiteral("4800,E,7,1"));
    QCOMPARE(l.globals.gPortSettings, QStringLiteral("4800,E,7,1"));
    QVERIFY(!l.globals.gSettingsFromPrefs);
    QVERIFY(!l.globals.gCommPortFromPrefs);
    QCOMPARE(l.globals.gStartupFile, QStringLiteral("C:\\TNC\\KAM.TXT"));
    QCOMPARE(l.globals.gShutdownFile, QStringLiteral("/home/op/.local/share/Vellicor\\VellicorShutdown.txt"));
}

void StartupTest::badValuesAreSkippedAndFlagged()
{
    const Loaded prefs(QString{}, {{QStringLiteral("Properties/MaxLineLength"), QStringLiteral("wide")},
                                   {QStringLiteral("Properties/Echo"), QStringLiteral("perhaps")}});
    QVERIFY(prefs.result.anyFailed);
    QCOMPARE(prefs.globals.gMaxLineLength, 0);
    QVERIFY(!prefs.globals.gLocalEcho);
    QCOMPARE(prefs.globals.gRxForeColor, 65535u); // the rest of loading still happened
    QCOMPARE(prefs.globals.gConnectCmd, QStringLiteral("C"));

    const Loaded settings(QStringLiteral("SETTINGS=FAST"));
    QVERIFY(settings.result.anyFailed);
    QCOMPARE(settings.link.settings(), QStringLiteral("9600,n,8,1"));
    QCOMPARE(settings.link.portNumber(), 2);
}

QTEST_APPLESS_MAIN(StartupTest)
#include "StartupTest.moc"
