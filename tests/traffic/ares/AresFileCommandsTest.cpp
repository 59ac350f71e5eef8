#include "Fakes.h"
#include "traffic/ares/AresFile.h"
#include "traffic/ares/AresFileCommands.h"
#include "traffic/ares/AresMessage.h"

#include <QFile>
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

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class AresFileCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void saveAsWritesAndBecomesTheCurrentFile();
    void saveAsAsksBeforeReplacing_data();
    void saveAsAsksBeforeReplacing();
    void failedSavesAreShown();
    void openFillsAClearedFormAndNamesTheFile();
    void openCancelledOrUnreadableChangesNothing();
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

void AresFileCommandsTest::saveAsAsksBeforeReplacing_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("Yes") << int(PromptAnswer::Yes) << true;
    QTest::newRow("No") << int(PromptAnswer::No) << false;
    QTest::newRow("Cancel") << int(PromptAnswer::Cancel) << false;
}

void AresFileCommandsTest::saveAsAsksBeforeReplacing()
{
    QFETCH(int, answer);
    QFETCH(bool, replaced);
    QTemporaryDir dir;
    TestPlatform fakes;
    const QString path = dir.filePath(QStringLiteral("TORMELM1.txt"));
    writeFile(path, "OLD CONTENTS\r\n");
    fakes.dialogs.fileAnswers = {path};
    fakes.prompter.answers = {PromptAnswer(answer)};
    AresFileCommands files(fakes.prompter, fakes.dialogs);
    files.saveAs(sample(QStringLiteral("Cots")));
    QCOMPARE(fakes.prompter.prompts.size(), 1);
    QCOMPARE(fakes.prompter.prompts[0].text, path + QStringLiteral(" already exists.\r\nOverwrite this file?"));
    QCOMPARE(fakes.prompter.prompts[0].title, QStringLiteral("File Already Exists"));
    QCOMPARE(fakes.prompter.prompts[0].buttons, PromptButtons::YesNoCancel);
    QCOMPARE(fakes.prompter.prompts[0].icon, PromptIcon::Question);
    QCOMPARE(fileBytes(path) == "OLD CONTENTS\r\n", !replaced);
    QCOMPARE(files.currentFile(), replaced ? path : QString());
}

void AresFileCommandsTest::failedSavesAreShown()
{
    QTemporaryDir dir;
    TestPlatform fakes;
    const QString good = dir.filePath(QStringLiteral("TORMELM1.txt"));
    const QString bad = dir.filePath(QStringLiteral("missing/TORMELM2.txt"));
    fakes.dialogs.fileAnswers = {good, bad};
    AresFileCommands files(fakes.prompter, fakes.dialogs);
    files.saveAs(sample(QStringLiteral("Cots")));
    files.saveAs(sample(QStringLiteral("Cots")));
    QCOMPARE(fakes.prompter.prompts.size(), 1);
    QCOMPARE(fakes.prompter.prompts[0].title, QStringLiteral("Vellicor Error 76"));
    QCOMPARE(fakes.prompter.prompts[0].text, bad + QStringLiteral("\r\nPath not found"));
    QCOMPARE(files.currentFile(), good);
    QVERIFY(!QFile::exists(bad));

    // A Save that cannot write says so, with the path.
    QVERIFY(dir.remove());
    files.save(sample(QStringLiteral("Blankets")));
    QCOMPARE(fakes.prompter.prompts.size(), 2);
    QVERIFY(fakes.prompter.prompts[1].title.startsWith(QStringLiteral("Vellicor Error ")));
    QVERIFY(fakes.prompter.prompts[1].text.startsWith(good + QStringLiteral("\r\n")));
    QCOMPARE(files.currentFile(), good);
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

void AresFileCommandsTest::openCancelledOrUnreadableChangesNothing()
{
    QTemporaryDir dir;
    TestPlatform fakes;
    fakes.dialogs.fileAnswers = {std::nullopt, dir.filePath(QStringLiteral("TORMELM404.txt")), dir.path()};
    AresFileCommands files(fakes.prompter, fakes.dialogs);
    const AresMessage before = sample(QStringLiteral("Cots"));
    AresMessage message = before;
    for (int i = 0; i < 3; ++i)
        QVERIFY(!files.open(message, kToday));
    QCOMPARE(message, before);
    QCOMPARE(files.currentFile(), QString());
    QVERIFY(fakes.prompter.prompts.isEmpty());
}

QTEST_GUILESS_MAIN(AresFileCommandsTest)
#include "AresFileCommandsTest.moc"
