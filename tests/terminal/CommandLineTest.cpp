#include "terminal/CommandLine.h"

#include <QTest>

using vellicor::CommandLineOptions;

// The command line: comma-separated KEY=value tokens, upper-cased.
class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void parsesOptions_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("startup");
        QTest::addColumn<QString>("shutdown");

        QTest::newRow("empty") << "" << 0 << "" << "" << "";
        QTest::newRow("port alone") << "COMPORT=4" << 4 << "" << "" << "";
        QTest::newRow("lower case is upper-cased") << "comport=3,startup=c:\\tnc\\kam.txt" << 3 << ""
                                                   << "C:\\TNC\\KAM.TXT" << "";
        QTest::newRow("port zero") << "COMPORT=0" << 0 << "" << "" << "";
        QTest::newRow("port not a number") << "COMPORT=X" << 0 << "" << "" << "";
        QTest::newRow("port without equals") << "COMPORT" << 0 << "" << "" << "";
        QTest::newRow("port leading digits") << "COMPORT=7X" << 7 << "" << "" << "";
        QTest::newRow("port leading blanks") << "COMPORT= 5" << 5 << "" << "" << "";
        QTest::newRow("port half rounds to even up") << "COMPORT=3.5" << 4 << "" << "" << "";
        QTest::newRow("port out of range") << "COMPORT=99999" << 0 << "" << "" << "";
        QTest::newRow("negative port") << "COMPORT=-3" << 0 << "" << "" << "";
        QTest::newRow("all four keys") << "COMPORT=1,SETTINGS=1200,N,8,1,STARTUP=A.TXT,SHUTDOWN=B.TXT" << 1
                                       << "1200,N,8,1" << "A.TXT" << "B.TXT";
        QTest::newRow("settings rejoined") << "COMPORT=3,SETTINGS=4800,E,7,1" << 3 << "4800,E,7,1" << "" << "";
        QTest::newRow("settings first, then a key") << "settings=4800,e,7,1,comport=6" << 6 << "4800,E,7,1"
                                                    << "" << "";
        QTest::newRow("settings alone, one part") << "SETTINGS=9600" << 0 << "9600" << "" << "";
        QTest::newRow("value keeps only text after first equals") << "STARTUP=A=B" << 0 << "" << "A=B" << "";
        QTest::newRow("key inside a token is no key") << "XCOMPORTX=5" << 0 << "" << "" << "";
        QTest::newRow("key inside a path is no key") << "STARTUP=/home/op/settings/kam.txt" << 0 << ""
                                                     << "/HOME/OP/SETTINGS/KAM.TXT" << "";
        QTest::newRow("key inside a value is no key") << "STARTUP=SHUTDOWN.TXT" << 0 << "" << "SHUTDOWN.TXT" << "";
        QTest::newRow("comma first ends the scan") << ",COMPORT=2" << 2 << "" << "" << "";
        QTest::newRow("comma first later: rest is one token") << "COMPORT=3,,STARTUP=X,SHUTDOWN=Y" << 3 << ""
                                                              << "X,SHUTDOWN=Y" << "X,SHUTDOWN=Y";
        QTest::newRow("later token wins") << "COMPORT=3,COMPORT=5" << 5 << "" << "" << "";
        QTest::newRow("unknown token ignored") << "FOO=1,COMPORT=2" << 2 << "" << "" << "";
        QTest::newRow("trailing comma") << "COMPORT=2," << 2 << "" << "" << "";
    }

    void parsesOptions()
    {
        QFETCH(QString, commandLine);
        const CommandLineOptions options = CommandLineOptions::parse(commandLine);
        QTEST(options.commPort, "port");
        QTEST(options.settings, "settings");
        QTEST(options.startupFile, "startup");
        QTEST(options.shutdownFile, "shutdown");
    }
};

QTEST_APPLESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
