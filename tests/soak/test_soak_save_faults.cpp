// Saves that fail: into a full folder and into one nobody can write, through
// the real main window and its NTS form; and a process killed again and
// again in the middle of saving a large file with the program's save code.
#include "Controls.h"
#include "NtsExample.h"
#include "SaveVersions.h"
#include "SoakSupport.h"

#include "terminal/TextFile.h"
#include "traffic/nts/FrmNTS.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSignalSpy>

#include <csignal>

#include <sys/resource.h>

using namespace vellicor;
using namespace vellicor::test;

namespace {

enum class Place { FullFolder, UnderProc, ParentIsAFile };

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs a command with files limited to a few bytes, as on a full disk.
void withFullDisk(const std::function<void()>& command)
{
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &tiny);
    command();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
}

// The last "saved N" the helper printed before it was killed.
std::optional<quint32> lastSaved(const QByteArray& output)
{
    const qsizetype at = output.lastIndexOf("saved ");
    if (at < 0)
        return std::nullopt;
    return output.mid(at + 6, output.indexOf('\n', at) - at - 6).toUInt();
}

// The helper was killed between "saving N" and "saved N".
bool killedInsideASave(const QByteArray& output)
{
    return output.lastIndexOf("saving ") > output.lastIndexOf("saved ");
}

} // namespace

Q_DECLARE_METATYPE(Place)

class SoakSaveFaults : public QObject {
    Q_OBJECT
private slots:
    void saveThatCannotBeWrittenShowsTheErrorAndKeepsThePreviousFile_data();
    void saveThatCannotBeWrittenShowsTheErrorAndKeepsThePreviousFile();
    void killedWhileSavingLeavesAWholeVersionEveryTime();
};

void SoakSaveFaults::saveThatCannotBeWrittenShowsTheErrorAndKeepsThePreviousFile_data()
{
    QTest::addColumn<Place>("place");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("description");
    QTest::newRow("full folder") << Place::FullFolder << "Vellicor Error 57" << "Device I/O error";
    QTest::newRow("folder under /proc") << Place::UnderProc << "Vellicor Error 70" << "Permission denied";
    QTest::newRow("parent is a file") << Place::ParentIsAFile << "Vellicor Error 76" << "Path not found";
}

void SoakSaveFaults::saveThatCannotBeWrittenShowsTheErrorAndKeepsThePreviousFile()
{
    QFETCH(Place, place);
    QFETCH(QString, title);
    QFETCH(QString, description);
    QTemporaryDir dir;
    const QString previous = dir.filePath(QStringLiteral("NTS12.txt"));
    QVERIFY(!TextFile::saveAtomically(previous, ntsexample::kFile));
    soak::FakeProgram program;
    QVERIFY(program.start());
    action(*program.window, QStringLiteral("mnuNTS"))->trigger();
    FrmNTS& form = *named<FrmNTS>(*program.window, QStringLiteral("frmNTS"));
    program.fakes.dialogs.fileAnswers = {previous};
    ntsexample::formAction(form, "mnuFileOpen")->trigger();
    form.findChild<QPlainTextEdit*>(QStringLiteral("txtMessage"))->setPlainText(QStringLiteral("ALL WELL HERE"));

    QString target = previous;
    if (place == Place::FullFolder) {
        withFullDisk([&form] { ntsexample::formAction(form, "mnuFileSave")->trigger(); });
    } else {
        // Places even root cannot write: /proc, and below a regular file.
        target = place == Place::UnderProc ? QStringLiteral("/proc/NTS12.txt")
                                           : previous + QStringLiteral("/NTS13.txt");
        program.fakes.dialogs.fileAnswers = {target};
        ntsexample::formAction(form, "mnuFileSaveAs")->trigger();
    }

    QVERIFY(!program.fakes.prompter.prompts.isEmpty());
    const Prompt& box = program.fakes.prompter.prompts.last();
    QCOMPARE(box.title, title);
    QCOMPARE(box.text, target + QStringLiteral("\r\n") + description);
    QCOMPARE(fileBytes(previous), ntsexample::kFile);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("NTS12.txt")});
    QVERIFY(!QFileInfo::exists(QStringLiteral("/proc/NTS12.txt")));

    // The form is still whole and its file still the previous one: Save now writes it there.
    ntsexample::formAction(form, "mnuFileSave")->trigger();
    QVERIFY(fileBytes(previous).contains("ALL WELL HERE"));
}

void SoakSaveFaults::killedWhileSavingLeavesAWholeVersionEveryTime()
{
    const qint64 kills = soak::setting("VELLICOR_SOAK_KILLS", 30);
    const qint64 megabytes = soak::setting("VELLICOR_SOAK_SAVE_MEGABYTES", 4);
    const int latestKillMs = int(soak::setting("VELLICOR_SOAK_KILL_WITHIN_MS", 150));
    QRandomGenerator random(quint32(soak::setting("VELLICOR_SOAK_SEED", 9)));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("NTS1.txt"));
    QVERIFY(!TextFile::saveAtomically(path, soak::savedVersion(0, megabytes)));

    quint32 next = 1;
    int insideASave = 0;
    int leftovers = 0;
    for (qint64 kill = 0; kill < kills; ++kill) {
        QProcess writer;
        writer.start(QStringLiteral(SOAK_SAVE_WRITER), {path, QString::number(next), QString::number(megabytes)});
        QVERIFY(writer.waitForStarted(30000));
        QVERIFY(writer.waitForReadyRead(30000)); // "ready"
        QSignalSpy finished(&writer, &QProcess::finished);
        QTimer::singleShot(random.bounded(latestKillMs), &writer, &QProcess::kill);
        QVERIFY(finished.wait(60000));
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

        const QByteArray output = writer.readAllStandardOutput();
        const quint32 saved = lastSaved(output).value_or(next - 1);
        insideASave += killedInsideASave(output);
        const QByteArray file = fileBytes(path);
        const std::optional<quint32> version = soak::versionOf(file);
        QVERIFY2(version && (*version == saved || *version == saved + 1), "the file is no version");
        QVERIFY2(file == soak::savedVersion(*version, megabytes), "the file is partial");
        next = *version + 1;
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden)) {
            if (name != QLatin1String("NTS1.txt") && QFile::remove(dir.filePath(name)))
                ++leftovers;
        }
    }
    qInfo().noquote() << QStringLiteral("soak kill during save: %1 kills (%2 inside a save of %3 MB), %4 versions "
                                        "saved, every file whole; %5 temporary files left behind")
                             .arg(kills).arg(insideASave).arg(megabytes).arg(next - 1).arg(leftovers);
}

QTEST_MAIN(SoakSaveFaults)
#include "test_soak_save_faults.moc"
