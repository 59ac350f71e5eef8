// The About window: its texts, its sound and "&System Info...".
#include "Fakes.h"
#include "windows/AboutText.h"
#include "windows/FrmAbout.h"
#include "windows/QtSoundPlayer.h"
#include "windows/SystemInfo.h"

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

QString labelText(QWidget* window, const char* name)
{
    return window->findChild<QLabel*>(QLatin1String(name))->text();
}

} // namespace

class AboutTest : public QObject {
    Q_OBJECT
private slots:
    void versionLine_data();
    void versionLine();
    void showsTitleVersionAndDescription();
    void playsTheSoundOnceShownAndOnAClick();
    void systemInfoStartsTheFirstInstalledTool_data();
    void systemInfoStartsTheFirstInstalledTool();
    void systemInfoWithoutAToolSaysItIsUnavailable();
    void systemInfoThatFailsToStartSaysItIsUnavailable();
    void soundIsBuiltIntoTheProgram();
    void missingSoundIsSilent();
};

void AboutTest::versionLine_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("line");
    QTest::newRow("0.x is beta") << 0 << 9 << 3 << "Version 0.9.3 (Beta)";
    QTest::newRow("2.0.1") << 2 << 0 << 1 << "Version 2.0.1";
    QTest::newRow("1.0 revision 950") << 1 << 0 << 950 << "Version 1.0.950";
}

void AboutTest::versionLine()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, revision);
    QFETCH(QString, line);
    QCOMPARE(AboutText::versionLine(major, minor, revision), line);
}

void AboutTest::showsTitleVersionAndDescription()
{
    FakeSoundPlayer sound;
    FakePrompter prompter;
    FakeLauncher launcher;
    FrmAbout about({2, 0, 1}, sound, prompter, launcher);
    QCOMPARE(about.windowTitle(), QStringLiteral("About Vellicor"));
    QCOMPARE(labelText(&about, "lblTitle"), QStringLiteral("Vellicor"));
    QCOMPARE(labelText(&about, "lblVersion"), QStringLiteral("Version 2.0.1"));
    const QStringList lines = AboutText::description().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines[0], QStringLiteral("Full featured packet radio program designed primarily for ARES/RACES operations."));
    QCOMPARE(lines[1], QStringLiteral("For more information please contact:"));
    QVERIFY(labelText(&about, "lblDescription").startsWith(lines[0] + QLatin1Char('\n') + lines[1]));
    QVERIFY(!labelText(&about, "lblDisclaimer").isEmpty());
    QCOMPARE(about.findChild<QPushButton*>("cmdSysInfo")->text(), QStringLiteral("&System Info..."));
}

void AboutTest::playsTheSoundOnceShownAndOnAClick()
{
    FakeSoundPlayer sound;
    FakePrompter prompter;
    FakeLauncher launcher;
    FrmAbout about({0, 1, 0}, sound, prompter, launcher);
    about.show();
    QVERIFY(sound.played.isEmpty()); // only after the window has been drawn
    QTRY_COMPARE(sound.played, QStringList{"pelwick.wav"});
    QTest::mouseClick(about.findChild<QLabel*>("lblVersion"), Qt::LeftButton);
    QCOMPARE(sound.played, QStringList({"pelwick.wav", "pelwick.wav"}));
    QTest::mouseClick(about.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    QVERIFY(!about.isVisible());
    QCOMPARE(sound.played.size(), 2);
}

void AboutTest::systemInfoStartsTheFirstInstalledTool_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("started");
    QTest::newRow("KDE only") << QStringList{"kinfocenter"} << "/usr/bin/kinfocenter";
    QTest::newRow("HardInfo before GNOME")
        << QStringList{"gnome-system-monitor", "hardinfo"} << "/usr/bin/hardinfo";
    QTest::newRow("MATE only") << QStringList{"mate-system-monitor"} << "/usr/bin/mate-system-monitor";
}

void AboutTest::systemInfoStartsTheFirstInstalledTool()
{
    QFETCH(QStringList, installed);
    QFETCH(QString, started);
    FakeSoundPlayer sound;
    FakePrompter prompter;
    FakeLauncher launcher;
    for (const QString& tool : installed)
        launcher.installed.insert(tool, QStringLiteral("/usr/bin/") + tool);
    FrmAbout about({1, 0, 0}, sound, prompter, launcher);
    about.findChild<QPushButton*>("cmdSysInfo")->click();
    QCOMPARE(launcher.started, QStringList{started});
    QVERIFY(prompter.prompts.isEmpty());
}

void AboutTest::systemInfoWithoutAToolSaysItIsUnavailable()
{
    FakeSoundPlayer sound;
    FakePrompter prompter;
    FakeLauncher launcher;
    FrmAbout about({1, 0, 0}, sound, prompter, launcher);
    about.findChild<QPushButton*>("cmdSysInfo")->click();
    QVERIFY(launcher.started.isEmpty());
    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(prompter.prompts.first().text, QStringLiteral("System Information Is Unavailable At This Time"));
    QCOMPARE(prompter.prompts.first().title, QStringLiteral("Vellicor"));
    QCOMPARE(prompter.prompts.first().buttons, PromptButtons::Ok);
}

void AboutTest::systemInfoThatFailsToStartSaysItIsUnavailable()
{
    FakePrompter prompter;
    FakeLauncher launcher;
    launcher.installed.insert(QStringLiteral("hardinfo"), QStringLiteral("/usr/bin/hardinfo"));
    launcher.starts = false;
    QVERIFY(!SystemInfo::StartSysInfo(launcher, prompter));
    QCOMPARE(launcher.started, QStringList{"/usr/bin/hardinfo"});
    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(prompter.prompts.first().text, SystemInfo::kUnavailable);
}

void AboutTest::soundIsBuiltIntoTheProgram()
{
    const QUrl source = QtSoundPlayer::sourceFor(QStringLiteral("pelwick.wav"));
    QCOMPARE(source.scheme(), QStringLiteral("qrc"));
    QFile wav(QLatin1Char(':') + source.path());
    QVERIFY(wav.open(QIODevice::ReadOnly));
    const QByteArray bytes = wav.readAll();
    QVERIFY(bytes.size() > 8000);
    QCOMPARE(bytes.left(4), QByteArray("RIFF"));
    QCOMPARE(bytes.mid(8, 4), QByteArray("WAVE"));
}

void AboutTest::missingSoundIsSilent()
{
    QVERIFY(QtSoundPlayer::sourceFor(QStringLiteral("/no/such/sound.wav")).isEmpty());
    QtSoundPlayer player;
    player.play(QStringLiteral("/no/such/sound.wav"));
    player.play(QStringLiteral("pelwick.wav"));
}

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
