// A process killed again and again in the middle of saving a large file
// with the program's save code.
#include "SoakSupport.h"
#include "TestFiles.h"

#include "terminal/TextFile.h"

#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

class SoakSaveFaults : public QObject {
    Q_OBJECT
private slots:
    void killedWhileSavingLeavesAWholeVersionEveryTime()
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
            QVERIFY(writer.waitForReadyRead(30000)); // started and "ready"
            QSignalSpy finished(&writer, &QProcess::finished);
            QTimer::singleShot(random.bounded(latestKillMs), &writer, &QProcess::kill);
            QVERIFY(finished.wait(60000));
            QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

            const QByteArray output = writer.readAllStandardOutput();
            // The last "saved N" the helper printed; killed between "saving N" and "saved N" or not.
            const qsizetype at = output.lastIndexOf("saved ");
            const quint32 saved = at < 0 ? next - 1 : output.mid(at + 6, output.indexOf('\n', at) - at - 6).toUInt();
            insideASave += output.lastIndexOf("saving ") > at;
            // The file holds the version saved last or the one being saved, whole.
            const QByteArray file = fileBytes(path);
            const quint32 version = file == soak::savedVersion(saved + 1, megabytes) ? saved + 1 : saved;
            QVERIFY2(file == soak::savedVersion(version, megabytes), "the file is not a whole version");
            next = version + 1;
            for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden)) {
                if (name != QLatin1String("NTS1.txt") && QFile::remove(dir.filePath(name)))
                    ++leftovers;
            }
        }
        qInfo().noquote() << QStringLiteral("soak kill during save: %1 kills (%2 inside a save of %3 MB), %4 versions "
                                            "saved, every file whole; %5 temporary files left behind")
                                 .arg(kills).arg(insideASave).arg(megabytes).arg(next - 1).arg(leftovers);
    }
};

QTEST_MAIN(SoakSaveFaults)
#include "test_soak_save_faults.moc"
