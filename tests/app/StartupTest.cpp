#include "Fakes.h"
#include "app/Startup.h"

#include <QTest>

using namespace vellicor;
using vellicor::test::FakeLink;
using vellicor::test::MemorySettings;

namespace {

const QString kFolder = QStringLiteral("/home/op/.local/share/Vellicor");

} // namespace

// Loading the main window without its widgets: caption, command line over
// the preferences, program-wide defaults, script paths.
class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void captionCarriesTheVersionAndBetaFromRevision900()
    {
        QCOMPARE(mainCaption(1, 4, 899), QStringLiteral("Vellicor - Version 1.4.899"));
        QCOMPARE(mainCaption(1, 4, 900), QStringLiteral("Vellicor - Version 1.4.900 (Beta)"));
    }

    // The stored port is 7 and the stored settings 1200,n,8,1.
    void commandLineWinsOverThePreferences_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("scripts");
        QTest::addColumn<bool>("fails");
        const QString scripts = kFolder + "\\VellicorStartup.txt|" + kFolder + "\\VellicorShutdown.txt";
        QTest::newRow("none") << "" << 7 << "1200,n,8,1" << scripts << false;
        QTest::newRow("all, lower case") << "comport=3,settings=4800,e,7,1,startup=c:\\tnc\\kam.txt,shutdown=end.txt"
                                         << 3 << "4800,E,7,1" << "C:\\TNC\\KAM.TXT|END.TXT" << false;
        QTest::newRow("COMPORT=X reads the preference") << "COMPORT=X" << 7 << "1200,n,8,1" << scripts << false;
        QTest::newRow("settings the link refuses") << "SETTINGS=FAST" << 7 << "9600,n,8,1" << scripts << true;
    }

    void commandLineWinsOverThePreferences()
    {
        QFETCH(QString, commandLine);
        MemorySettings store;
        store.values = {{QStringLiteral("Properties/CommPort"), QStringLiteral("7")},
                        {QStringLiteral("Properties/Settings"), QStringLiteral("1200,n,8,1")}};
        FakeLink link;
        Globals globals;
        const StartupResult result = loadStartup(commandLine, store, link, globals, ProgramFolder(kFolder));
        QTEST(link.portNumber(), "port");
        QTEST(link.settings(), "settings");
        QTEST(globals.gStartupFile + QLatin1Char('|') + globals.gShutdownFile, "scripts");
        QTEST(result.anyFailed, "fails");
        QVERIFY(!link.isOpen() && store.writes.isEmpty());
    }

    // Values left from before do not survive loading.
    void programWideValuesReturnToTheirStartValues()
    {
        MemorySettings store;
        FakeLink link;
        Globals g;
        g.gBypassConv = true;
        g.gConnectCmd = QStringLiteral("CONNECT");
        g.gConnectsFile = QStringLiteral("other.txt");
        g.gAresFormatBody = g.gNtsSendAsTraffic = g.gNtsFormatBody = g.gPortOk = g.gRunStartupScript = false;
        g.gAresLineWidth = 40;
        g.gNtsLineWidth = 50;
        loadStartup(QString(), store, link, g, ProgramFolder(kFolder));
        QVERIFY(g.gPortOk && g.gRunStartupScript);
        QCOMPARE(g.gConnectCmd + "|" + g.gConnectsFile, QStringLiteral("C|\\VellicorConnects.txt"));
        QVERIFY(!g.gBypassConv && g.gAresFormatBody && g.gNtsFormatBody && g.gNtsSendAsTraffic);
        QCOMPARE(std::pair(g.gAresLineWidth, g.gNtsLineWidth), std::pair(70, 70));
        QCOMPARE(g.gShutdownFile, kFolder + QStringLiteral("\\VellicorShutdown.txt"));
    }
};

QTEST_APPLESS_MAIN(StartupTest)
#include "StartupTest.moc"
