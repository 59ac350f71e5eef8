// The program's own "--" options and the practice profile a practice run sets up.
#include "app/Application.h"
#include "app/PracticeProfile.h"
#include "app/ProgramArguments.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vellicor;
using vellicor::test::writeBytes;

class PracticeTest : public QObject {
    Q_OBJECT
private slots:
    void ownOptionsNeverReachTheCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("practice");
        QTest::addColumn<QString>("unknown");
        QTest::addColumn<QString>("commandLine");
        QTest::newRow("none") << QStringList{} << false << "" << "";
        QTest::newRow("practice among the rules")
            << QStringList{"COMPORT=3", "--practice", "SETTINGS=4800,E,7,1"} << true << ""
            << "COMPORT=3,SETTINGS=4800,E,7,1";
        QTest::newRow("single dash is the command line's") << QStringList{"-x"} << false << "" << "-x";
        QTest::newRow("unknown option") << QStringList{"--pratice", "--bogus"} << false << "--pratice" << "";
    }

    void ownOptionsNeverReachTheCommandLine()
    {
        QFETCH(QStringList, arguments);
        const ProgramArguments parsed = parseProgramArguments(arguments);
        QTEST(parsed.practice, "practice");
        QTEST(parsed.unknown, "unknown");
        QTEST(commandLineOf(QStringList{"vellicor"} + arguments), "commandLine");
    }

    // That prepare() copies only the templates missing, keeps the operator's
    // own and honours VELLICOR_PRACTICE_HOME is what test_app_practice_run
    // (tools/check-practice.sh) checks on a real practice run.
    void profileNamesAMissingTemplate()
    {
        QTemporaryDir templates;
        QTemporaryDir home;
        for (const QString& name : PracticeProfile::templateFiles()) {
            if (name != u"VellicorShutdown.txt")
                QVERIFY(writeBytes(templates.filePath(name), "template " + name.toLatin1()));
        }
        const PracticeProfile profile(home.path());
        QVERIFY(profile.prepare(templates.path()).contains(QStringLiteral("VellicorShutdown.txt is missing")));
        QVERIFY(QDir(profile.storeFolder()).exists());
    }

    void profileHomeIsUnderTheDataFolder()
    {
        qunsetenv("VELLICOR_PRACTICE_HOME");
        qputenv("XDG_DATA_HOME", "/home/op/.local/share");
        QCOMPARE(PracticeProfile::defaultHome(), QStringLiteral("/home/op/.local/share/vellicor-practice"));
    }
};

QTEST_APPLESS_MAIN(PracticeTest)
#include "PracticeTest.moc"
