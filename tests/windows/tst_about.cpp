// The About window: its texts, its sound and "&System Info...".
#include "Fakes.h"
#include "platform/api/ProgramLauncher.h"
#include "windows/FrmAbout.h"
#include "windows/WindowsResources.h"
#include "platform/qt/QtSoundPlayer.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {

// Programs "installed" by name, and whether starting them works.
class FakeLauncher : public ProgramLauncher {
public:
    QString find(const QString& program) const override { return installed.value(program); }
    bool start(const QString& path) override
    {
        started.append(path);
        return starts;
    }
    QMap<QString, QString> installed;
    QStringList started;
    bool starts = true;
};

struct About {
    explicit About(ProgramVersion version = {1, 0, 0})
        : window(version, sound, prompter, launcher)
    {
    }

    FakeSoundPlayer sound;
    FakePrompter prompter;
    FakeLauncher launcher;
    FrmAbout window;
};

} // namespace

class AboutTest : public QObject {
    Q_OBJECT
private slots:
    void versionLineUnderTheName_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<QString>("line");
        QTest::newRow("0.x is beta") << 0 << 9 << "Version 0.9.3 (Beta)";
        QTest::newRow("2.0") << 2 << 0 << "Version 2.0.3";
    }

    void versionLineUnderTheName()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        About about({major, minor, 3});
        QTEST(about.window.findChild<QLabel*>("lblVersion")->text(), "line");
        about.window.show(); // the version line stands under the program's name
        const QRect name = about.window.findChild<QLabel*>("lblTitle")->geometry();
        const QRect version = about.window.findChild<QLabel*>("lblVersion")->geometry();
        QVERIFY(name.left() == version.left() && name.bottom() < version.top());
    }

    void playsTheSoundOnceShownAndOnAClick()
    {
        About about;
        about.window.show();
        QVERIFY(about.sound.played.isEmpty()); // only after the window has been drawn
        QTRY_COMPARE(about.sound.played, QStringList{"pelwick.wav"});
        QTest::mouseClick(about.window.findChild<QLabel*>("lblVersion"), Qt::LeftButton);
        QCOMPARE(about.sound.played, QStringList({"pelwick.wav", "pelwick.wav"}));
        QTest::mouseClick(about.window.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        QVERIFY(!about.window.isVisible());
        QCOMPARE(about.sound.played.size(), 2);
    }

    void systemInfoStartsTheFirstInstalledTool_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QString>("started"); // empty: none
        QTest::addColumn<bool>("unavailable");
        QTest::newRow("KDE only") << QStringList{"kinfocenter"} << true << "/usr/bin/kinfocenter" << false;
        QTest::newRow("HardInfo before GNOME")
            << QStringList{"gnome-system-monitor", "hardinfo"} << true << "/usr/bin/hardinfo" << false;
        QTest::newRow("none installed") << QStringList{} << true << "" << true;
        QTest::newRow("fails to start") << QStringList{"hardinfo"} << false << "/usr/bin/hardinfo" << true;
    }

    void systemInfoStartsTheFirstInstalledTool()
    {
        QFETCH(QStringList, installed);
        QFETCH(QString, started);
        QFETCH(bool, unavailable);
        About about;
        for (const QString& tool : installed)
            about.launcher.installed.insert(tool, QStringLiteral("/usr/bin/") + tool);
        QFETCH(bool, starts);
        about.launcher.starts = starts;
        about.window.findChild<QPushButton*>("cmdSysInfo")->click();
        QCOMPARE(about.launcher.started, started.isEmpty() ? QStringList() : QStringList{started});
        QCOMPARE(about.prompter.prompts.size(), unavailable ? 1 : 0);
        if (unavailable)
            QCOMPARE(about.prompter.prompts.first().text, QStringLiteral("System Information Is Unavailable At This Time"));
    }

    void soundIsBuiltIntoTheProgram()
    {
        initWindowsResources();
        const QUrl source = QtSoundPlayer::sourceFor(QStringLiteral("pelwick.wav"));
        QCOMPARE(source.scheme(), QStringLiteral("qrc"));
        QFile wav(QLatin1Char(':') + source.path());
        QVERIFY(wav.open(QIODevice::ReadOnly));
        const QByteArray bytes = wav.readAll();
        QVERIFY(bytes.size() > 8000);
        QCOMPARE(bytes.left(4), QByteArray("RIFF"));
        QCOMPARE(bytes.mid(8, 4), QByteArray("WAVE"));
        QVERIFY(QtSoundPlayer::sourceFor(QStringLiteral("/no/such/sound.wav")).isEmpty());
    }
};

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
