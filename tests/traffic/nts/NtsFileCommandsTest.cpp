#include "Fakes.h"
#include "TrafficTestFiles.h"
#include "traffic/nts/NtsFile.h"
#include "traffic/nts/NtsFileCommands.h"
#include "traffic/nts/Radiogram.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {

const QDate kToday(2026, 12, 5);

Radiogram sample(const QString& name)
{
    Radiogram r = Radiogram::cleared(kToday);
    r.msgNum = QStringLiteral("012");
    r.name = name;
    r.message = QStringLiteral("ARRIVED SAFE");
    r.check = QStringLiteral("2");
    return r;
}

} // namespace

class NtsFileCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void saveAsWritesAndBecomesTheCurrentFile();
    void saveWritesTheCurrentFileWithoutAsking();
    void openFillsAClearedForm();
};

void NtsFileCommandsTest::saveAsWritesAndBecomesTheCurrentFile()
{
    QTemporaryDir dir;
    TestPlatform fakes;
    const QString path = dir.filePath(QStringLiteral("NTS12.txt"));
    fakes.dialogs.fileAnswers = {path};
    NtsFileCommands files(fakes.prompter, fakes.dialogs);
    QVERIFY(!files.saveEnabled());
    Radiogram radiogram = sample(QStringLiteral("JOHN DOE"));
    files.saveAs(radiogram);
    QCOMPARE(fakes.dialogs.requests.size(), 1);
    QCOMPARE(fakes.dialogs.requests[0].filter,
             QStringLiteral("NTS Msg Files (NTS*.txt)|NTS*.*|Text Files (*.txt)|*.txt|All Files (*.*)|*.*"));
    QCOMPARE(files.currentFile(), path);
    QVERIFY(files.saveEnabled());
    QCOMPARE(fileBytes(path), NtsFile::contents(radiogram).toLatin1());
    QVERIFY(fakes.prompter.prompts.isEmpty());

    // The dialog starts at the name last chosen in it.
    files.saveAs(radiogram);
    QCOMPARE(fakes.dialogs.requests[1].fileName, path);
}

void NtsFileCommandsTest::saveWritesTheCurrentFileWithoutAsking()
{
    QTemporaryDir dir;
    TestPlatform fakes;
    const QString path = dir.filePath(QStringLiteral("NTS1.txt"));
    fakes.dialogs.fileAnswers = {path};
    NtsFileCommands files(fakes.prompter, fakes.dialogs);
    Radiogram radiogram = sample(QStringLiteral("JOHN DOE"));
    files.save(radiogram); // no current file yet: nothing happens
    QVERIFY(fakes.dialogs.requests.isEmpty());
    files.saveAs(radiogram);
    radiogram.name = QStringLiteral("JANE ROE");
    files.save(radiogram);
    QCOMPARE(fakes.dialogs.requests.size(), 1);
    QVERIFY(fakes.prompter.prompts.isEmpty());
    QVERIFY(fileBytes(path).contains("\r\nJANE ROE\r\n"));

    // A failing save is shown with the path and leaves the file as it was.
    QVERIFY(dir.remove());
    files.save(radiogram);
    QCOMPARE(fakes.prompter.prompts.size(), 1);
    QVERIFY(fakes.prompter.prompts[0].title.startsWith(QStringLiteral("Vellicor Error ")));
    QVERIFY(fakes.prompter.prompts[0].text.startsWith(path + QStringLiteral("\r\n")));
}

void NtsFileCommandsTest::openFillsAClearedForm()
{
    QTemporaryDir dir;
    TestPlatform fakes;
    const QString path = dir.filePath(QStringLiteral("NTS1.txt"));
    writeFile(path, "5\r\nEmergency\r\n");
    fakes.dialogs.fileAnswers = {path};
    NtsFileCommands files(fakes.prompter, fakes.dialogs);
    Radiogram radiogram = sample(QStringLiteral("JOHN DOE"));
    radiogram.dateFiled = QStringLiteral("01/01/2020");
    QVERIFY(files.open(radiogram, kToday));
    QCOMPARE(radiogram.msgNum, QStringLiteral("005"));
    QCOMPARE(radiogram.precedence, QStringLiteral("Emergency"));
    QCOMPARE(radiogram.name, QString());
    QCOMPARE(radiogram.message, QString());
    QCOMPARE(radiogram.dateFiled, QStringLiteral("12/05/2026"));
    QCOMPARE(files.currentFile(), path);
    QVERIFY(files.saveEnabled());
}

QTEST_GUILESS_MAIN(NtsFileCommandsTest)
#include "NtsFileCommandsTest.moc"
