#include "Fakes.h"
#include "TrafficTestFiles.h"
#include "traffic/ares/AresFile.h"
#include "traffic/ares/AresFileCommands.h"
#include "traffic/ares/AresMessage.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {

const QDate kToday(2026, 12, 5);

AresMessage sample(const QString& subject)
{
    AresMessage m = AresMessage::cleared(kToday);
    m.subject = subject;
    m.to = QStringLiteral("EOC");
    m.message = QStringLiteral("All quiet.\r\n");
    return m;
}

} // namespace

class AresFileCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void saveAsWritesAndBecomesTheCurrentFile();
    void openFillsAClearedFormAndNamesTheFile();
};

void AresFileCommandsTest::saveAsWritesAndBecomesTheCurrentFile()
{
    QTemporaryDir dir;
    TestPlatform fakes;
    const QString path = dir.filePath(QStringLiteral("TORMELM1.txt"));
    fakes.dialogs.fileAnswers = {path};
    AresFileCommands files(fakes.prompter, fakes.dialogs);
    QVERIFY(!files.saveEnabled());
    files.saveAs(sample(QStringLiteral("Cots")));
    QCOMPARE(fakes.dialogs.requests.size(), 1);
    QCOMPARE(fakes.dialogs.requests[0].filter,
             QStringLiteral("TORMEL Msg Files (TORMELM*.txt)|TORMELM*.*|Text Files (*.txt)|*.txt|All Files (*.*)|*.*"));
    QCOMPARE(fakes.dialogs.requests[0].defaultExtension, QString());
    QCOMPARE(files.currentFile(), path);
    QVERIFY(files.saveEnabled());
    QVERIFY(fileBytes(path).startsWith("R, Cots\r\n12/05/2026    \r\n"));
    QVERIFY(fakes.prompter.prompts.isEmpty()); // a new name is not asked about

    // Save writes the current file again without a dialog or a question.
    files.save(sample(QStringLiteral("Blankets")));
    QCOMPARE(fakes.dialogs.requests.size(), 1);
    QVERIFY(fileBytes(path).startsWith("R, Blankets\r\n"));
    QVERIFY(fakes.prompter.prompts.isEmpty());
}

void AresFileCommandsTest::openFillsAClearedFormAndNamesTheFile()
{
    QTemporaryDir dir;
    TestPlatform fakes;
    const QString path = dir.filePath(QStringLiteral("TORMELM1.txt"));
    writeFile(path, "e, Fire\r\n12/06/2026    08:00\r\n\r\nTO:    EOC Net control\r\n");
    fakes.dialogs.fileAnswers = {path};
    AresFileCommands files(fakes.prompter, fakes.dialogs);
    AresMessage message = sample(QStringLiteral("Cots"));
    message.date = QStringLiteral("01/01/2020");
    message.by = QStringLiteral("K1ABC");
    QVERIFY(files.open(message, kToday));
    AresMessage expected = AresMessage::cleared(kToday);
    expected.priority = QStringLiteral("E");
    expected.subject = QStringLiteral("Fire");
    expected.date = QStringLiteral("12/06/2026");
    expected.time = QStringLiteral("08:00");
    QCOMPARE(message, expected); // line 4 has no ")": the reading stops there
    QCOMPARE(files.currentFile(), path);
    QVERIFY(files.saveEnabled());
    QCOMPARE(fakes.dialogs.requests[0].filter, AresFile::kDialogFilter);
    QVERIFY(fakes.prompter.prompts.isEmpty());
}

QTEST_GUILESS_MAIN(AresFileCommandsTest)
#include "AresFileCommandsTest.moc"
