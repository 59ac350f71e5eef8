#include "Fakes.h"
#include "TrafficTestFiles.h"
#include "terminal/TextFile.h"
#include "traffic/common/MessageFileCommands.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {

const QString kFilter = QStringLiteral("Msg Files (MSG*.txt)|MSG*.*|All Files (*.*)|*.*");

// A form whose file is its one text, written as it stands.
struct TextForm {
    QString text = QStringLiteral("ALL QUIET\r\n");
    QStringList opened;
    int reads = 0;
    int writes = 0;

    MessageFileCommands::Reader reader()
    {
        return [this](const QStringList& lines) {
            ++reads;
            opened = lines;
        };
    }
    MessageFileCommands::Writer writer()
    {
        return [this](const QString& path) {
            ++writes;
            return TextFile::saveText(path, text);
        };
    }
};

} // namespace

class MessageFileCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void saveNeedsANamedFileAndDialogsStartAtTheLastName();
    void saveAsAsksBeforeReplacing_data();
    void saveAsAsksBeforeReplacing();
    void failedSavesAreShownAndNameNoFile();
    void openReadsAFileWholeOrRefusesIt();
    void openCancelledOrUnreadableLeavesTheFormAlone();
};

// Naming and writing the file is checked on both forms in MessageFormTest.
void MessageFileCommandsTest::saveNeedsANamedFileAndDialogsStartAtTheLastName()
{
    QTemporaryDir dir;
    TestPlatform fakes;
    const QString path = dir.filePath(QStringLiteral("MSG1.txt"));
    fakes.dialogs.fileAnswers = {path, std::nullopt};
    MessageFileCommands files(fakes.prompter, fakes.dialogs, kFilter);
    TextForm form;
    QVERIFY(!files.save(form.writer()));
    QCOMPARE(form.writes, 0);
    QVERIFY(files.saveAs(form.writer()));
    QVERIFY(!files.open(form.reader()));
    QCOMPARE(fakes.dialogs.requests.value(1).fileName, path);
}

void MessageFileCommandsTest::saveAsAsksBeforeReplacing_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("Yes") << int(PromptAnswer::Yes) << true;
    QTest::newRow("No") << int(PromptAnswer::No) << false;
    QTest::newRow("Cancel") << int(PromptAnswer::Cancel) << false;
}

void MessageFileCommandsTest::saveAsAsksBeforeReplacing()
{
    QFETCH(int, answer);
    QFETCH(bool, replaced);
    QTemporaryDir dir;
    TestPlatform fakes;
    const QString path = dir.filePath(QStringLiteral("MSG1.txt"));
    writeFile(path, "OLD CONTENTS\r\n");
    fakes.dialogs.fileAnswers = {path};
    fakes.prompter.answers = {PromptAnswer(answer)};
    MessageFileCommands files(fakes.prompter, fakes.dialogs, kFilter);
    TextForm form;
    files.saveAs(form.writer());
    QCOMPARE(fakes.prompter.prompts.size(), 1);
    QCOMPARE(fakes.prompter.prompts[0].text, path + QStringLiteral(" already exists.\r\nOverwrite this file?"));
    QCOMPARE(fakes.prompter.prompts[0].title, QStringLiteral("File Already Exists"));
    QCOMPARE(fakes.prompter.prompts[0].buttons, PromptButtons::YesNoCancel);
    QCOMPARE(fakes.prompter.prompts[0].icon, PromptIcon::Question);
    QCOMPARE(fileBytes(path), replaced ? QByteArray("ALL QUIET\r\n") : QByteArray("OLD CONTENTS\r\n"));
    QCOMPARE(form.writes, replaced ? 1 : 0);
    QCOMPARE(files.currentFile(), replaced ? path : QString());
    QCOMPARE(files.saveEnabled(), replaced);
}

void MessageFileCommandsTest::failedSavesAreShownAndNameNoFile()
{
    QTemporaryDir dir;
    TestPlatform fakes;
    const QString good = dir.filePath(QStringLiteral("MSG1.txt"));
    const QString bad = dir.filePath(QStringLiteral("missing/MSG2.txt"));
    fakes.dialogs.fileAnswers = {good, bad};
    MessageFileCommands files(fakes.prompter, fakes.dialogs, kFilter);
    TextForm form;
    files.saveAs(form.writer());
    files.saveAs(form.writer());
    QCOMPARE(fakes.prompter.prompts.size(), 1);
    QCOMPARE(fakes.prompter.prompts[0].title, QStringLiteral("Vellicor Error 76"));
    QCOMPARE(fakes.prompter.prompts[0].text, bad + QStringLiteral("\r\nPath not found"));
    QCOMPARE(files.currentFile(), good);
    QVERIFY(!QFile::exists(bad));

    // A Save that cannot write says so, with the path, and keeps the file named.
    QVERIFY(dir.remove());
    files.save(form.writer());
    QCOMPARE(fakes.prompter.prompts.size(), 2);
    QVERIFY(fakes.prompter.prompts[1].title.startsWith(QStringLiteral("Vellicor Error ")));
    QVERIFY(fakes.prompter.prompts[1].text.startsWith(good + QStringLiteral("\r\n")));
    QCOMPARE(files.currentFile(), good);
    QVERIFY(files.saveEnabled());
}

// Up to 16 MiB a file is read whole; a larger one is refused with an error
// box, and the form and its current file stay as they were.
void MessageFileCommandsTest::openReadsAFileWholeOrRefusesIt()
{
    QTemporaryDir dir;
    TestPlatform fakes;
    const QString whole = dir.filePath(QStringLiteral("MSG1.txt"));
    const QString huge = dir.filePath(QStringLiteral("MSG2.txt"));
    writeFile(whole, QByteArray("ADDRESS LINE\r\n").repeated(1000000) + "73 DE MARY\r\n"); // 14 MB
    QFile hugeFile(huge);
    QVERIFY(hugeFile.open(QIODevice::WriteOnly) && hugeFile.resize(16 * 1024 * 1024 + 1));
    fakes.dialogs.fileAnswers = {whole, huge};
    MessageFileCommands files(fakes.prompter, fakes.dialogs, kFilter);
    TextForm form;
    QVERIFY(files.open(form.reader()));
    QCOMPARE(form.opened.size(), 1000001);
    QCOMPARE(form.opened.last(), QStringLiteral("73 DE MARY"));
    QVERIFY(fakes.prompter.prompts.isEmpty());

    QVERIFY(!files.open(form.reader()));
    QCOMPARE(form.reads, 1);
    QCOMPARE(files.currentFile(), whole);
    QCOMPARE(fakes.prompter.prompts.size(), 1);
    QCOMPARE(fakes.prompter.prompts[0].title, QStringLiteral("Vellicor Error 7"));
    QCOMPARE(fakes.prompter.prompts[0].text, huge + QStringLiteral("\r\nFile too large to open (more than 16 MiB)"));
    QCOMPARE(fakes.prompter.prompts[0].icon, PromptIcon::Exclamation);
}

void MessageFileCommandsTest::openCancelledOrUnreadableLeavesTheFormAlone()
{
    QTemporaryDir dir;
    TestPlatform fakes;
    fakes.dialogs.fileAnswers = {std::nullopt, dir.filePath(QStringLiteral("MSG404.txt")), dir.path()};
    MessageFileCommands files(fakes.prompter, fakes.dialogs, kFilter);
    TextForm form;
    for (int i = 0; i < 3; ++i)
        QVERIFY(!files.open(form.reader()));
    QCOMPARE(form.reads, 0);
    QCOMPARE(files.currentFile(), QString());
    QVERIFY(!files.saveEnabled());
    QVERIFY(fakes.prompter.prompts.isEmpty());
}

QTEST_GUILESS_MAIN(MessageFileCommandsTest)
#include "MessageFileCommandsTest.moc"
