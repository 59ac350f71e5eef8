// What a message form's commands do, on plain stand-ins for the form: Open,
// Save and Save As on its file, and Send.
#include "Fakes.h"
#include "TrafficTestSupport.h"
#include "terminal/TextFile.h"
#include "terminal/TncWriter.h"
#include "traffic/common/MessageFileCommands.h"
#include "traffic/common/TrafficSend.h"
#include "traffic/common/Transmission.h"

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

// The commands on the fakes, with a folder for the files.
struct Commands {
    QTemporaryDir dir;
    TestPlatform fakes;
    MessageFileCommands files{fakes.prompter, fakes.dialogs, kFilter};
    TextForm form;
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
};

// A transmission of three lines with a pause after the first and another
// before the final CR.
Transmission threeLines()
{
    return {TransmissionStep::write(QStringLiteral("ONE\r")), TransmissionStep::pause(0.5),
            TransmissionStep::write(QStringLiteral("TWO\r")), TransmissionStep::write(QStringLiteral("THREE\r")),
            TransmissionStep::pause(1.0), TransmissionStep::write(QStringLiteral("\r"))};
}

const QString kQuestion = QStringLiteral("Send the NTS formatted traffic now?");
const QString kNotOpen = QStringLiteral("The serial port is not open. The message was not sent.");

// How the link behaves during a send.
enum class Link { Open, Closed, ClosesInFirstPause, RefusesThirdWrite };

void setUp(TestPlatform& fakes, Link link)
{
    if (link != Link::Closed)
        fakes.link.open();
    if (link == Link::RefusesThirdWrite)
        fakes.link.failWritesAfter = 2;
    if (link == Link::ClosesInFirstPause) {
        fakes.pauser.during = [&fakes](double) {
            if (fakes.link.isOpen())
                fakes.link.close();
        };
    }
}

} // namespace

class MessageCommandsTest : public QObject {
    Q_OBJECT
private slots:
    // Naming and writing the file is checked on both forms in MessageFormTest.
    void saveNeedsANamedFileAndDialogsStartAtTheLastName()
    {
        Commands c;
        const QString path = c.path("MSG1.txt");
        c.fakes.dialogs.fileAnswers = {path, std::nullopt};
        QVERIFY(!c.files.save(c.form.writer()));
        QCOMPARE(c.form.writes, 0);
        QVERIFY(c.files.saveAs(c.form.writer()) && !c.files.open(c.form.reader()));
        QCOMPARE(c.fakes.dialogs.requests.value(1).fileName, path);
    }

    void saveAsAsksBeforeReplacing_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("Yes") << int(PromptAnswer::Yes) << true;
        QTest::newRow("No") << int(PromptAnswer::No) << false;
        QTest::newRow("Cancel") << int(PromptAnswer::Cancel) << false;
    }

    void saveAsAsksBeforeReplacing()
    {
        QFETCH(int, answer);
        QFETCH(bool, replaced);
        Commands c;
        const QString path = c.path("MSG1.txt");
        QVERIFY(writeBytes(path, "OLD CONTENTS\r\n"));
        c.fakes.dialogs.fileAnswers = {path};
        c.fakes.prompter.answers = {PromptAnswer(answer)};
        c.files.saveAs(c.form.writer());
        QCOMPARE(c.fakes.prompter.prompts.size(), 1);
        QCOMPARE(c.fakes.prompter.prompts[0].text, path + QStringLiteral(" already exists.\r\nOverwrite this file?"));
        QCOMPARE(c.fakes.prompter.prompts[0].title, QStringLiteral("File Already Exists"));
        QCOMPARE(c.fakes.prompter.prompts[0].buttons, PromptButtons::YesNoCancel);
        QCOMPARE(fileBytes(path), replaced ? QByteArray("ALL QUIET\r\n") : QByteArray("OLD CONTENTS\r\n"));
        QCOMPARE(c.files.currentFile(), replaced ? path : QString());
        QCOMPARE(c.files.saveEnabled(), replaced);
    }

    void failedSavesAreShownAndNameNoFile()
    {
        Commands c;
        auto& [dir, fakes, files, form] = c;
        const QString good = c.path("MSG1.txt");
        const QString bad = c.path("missing/MSG2.txt");
        fakes.dialogs.fileAnswers = {good, bad};
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

    // A cancelled, missing or unreadable file changes nothing; up to 16 MiB a
    // file is read whole, a larger one is refused with an error box, and the
    // form and its current file stay as they were.
    void openReadsAFileWholeOrRefusesIt()
    {
        Commands c;
        auto& [dir, fakes, files, form] = c;
        const QString whole = c.path("MSG1.txt");
        const QString huge = c.path("MSG2.txt");
        QVERIFY(writeBytes(whole, QByteArray("ADDRESS LINE\r\n").repeated(1000000) + "73 DE MARY\r\n")); // 14 MB
        QFile hugeFile(huge);
        QVERIFY(hugeFile.open(QIODevice::WriteOnly) && hugeFile.resize(16 * 1024 * 1024 + 1));
        fakes.dialogs.fileAnswers = {std::nullopt, c.path("MSG404.txt"), dir.path(), whole, huge};
        for (int i = 0; i < 3; ++i)
            QVERIFY(!files.open(form.reader()));
        QCOMPARE(form.reads, 0);
        QCOMPARE(files.currentFile(), QString());
        QVERIFY(!files.saveEnabled() && files.open(form.reader()));
        QCOMPARE(form.opened.size(), 1000001);
        QCOMPARE(form.opened.last(), QStringLiteral("73 DE MARY"));
        QVERIFY(fakes.prompter.prompts.isEmpty());

        QVERIFY(!files.open(form.reader()));
        QCOMPARE(form.reads, 1);
        QCOMPARE(files.currentFile(), whole);
        QCOMPARE(fakes.prompter.prompts.size(), 1);
        QCOMPARE(fakes.prompter.prompts[0].title, QStringLiteral("Vellicor Error 7"));
        QCOMPARE(fakes.prompter.prompts[0].text, huge + "\r\nFile too large to open (more than 16 MiB)");
        QCOMPARE(fakes.prompter.prompts[0].icon, PromptIcon::Exclamation);
    }

    // A send asks first and plays the transmission only once the operator said
    // Yes and the port is open, so a send that cannot start changes nothing; the
    // form prepares itself (reflow, restored zeros) only then. After a failed
    // write the rest is skipped but the pauses still run.
    void sendAsksPlaysAndTellsHowItWent_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<int>("link");
        QTest::addColumn<int>("result");
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<int>("pauses");
        QTest::addColumn<QString>("note");
        QTest::addColumn<int>("icon");
        using R = TrafficSendResult;
        const int exclamation = int(PromptIcon::Exclamation);
        QTest::newRow("No") << false << int(Link::Open) << int(R::Declined) << QByteArray() << 0 << QString() << 0;
        QTest::newRow("port closed") << true << int(Link::Closed) << int(R::NotSent) << QByteArray() << 0 << kNotOpen
                                     << exclamation;
        QTest::newRow("sent") << true << int(Link::Open) << int(R::Sent) << QByteArray("ONE\rTWO\rTHREE\r\r") << 2
                              << kTransmitting << int(PromptIcon::Information);
        QTest::newRow("lost in the first pause") << true << int(Link::ClosesInFirstPause) << int(R::Incomplete)
                                                 << QByteArray("ONE\r") << 2 << kLost << exclamation;
        QTest::newRow("write refused by an open link") << true << int(Link::RefusesThirdWrite) << int(R::Incomplete)
                                                       << QByteArray("ONE\rTWO\r") << 2 << kLost << exclamation;
    }

    void sendAsksPlaysAndTellsHowItWent()
    {
        QFETCH(bool, yes);
        QFETCH(int, link);
        QFETCH(QByteArray, written);
        QFETCH(int, pauses);
        QFETCH(QString, note);
        QFETCH(int, icon);
        TestPlatform fakes;
        setUp(fakes, Link(link));
        fakes.prompter.answers = {yes ? PromptAnswer::Yes : PromptAnswer::No};
        TncWriter writer(fakes.link);
        bool ran = false;
        TrafficSend send(fakes.prompter, writer, fakes.pauser);
        QTEST(int(send.run(kQuestion, [&] { ran = true; return threeLines(); })), "result");
        QCOMPARE(ran, !written.isEmpty());
        QCOMPARE(fakes.link.written, written);
        QCOMPARE(fakes.pauser.pauses, (QList<double>{0.5, 1.0}).mid(0, pauses));
        const Prompt& question = fakes.prompter.prompts.value(0);
        QCOMPARE(std::tuple(question.text, question.buttons, question.icon),
                 std::tuple(kQuestion, PromptButtons::YesNo, PromptIcon::Question));
        QCOMPARE(fakes.prompter.prompts.size(), note.isEmpty() ? 1 : 2);
        if (!note.isEmpty()) {
            const Prompt& shown = fakes.prompter.prompts[1];
            QCOMPARE(std::tuple(shown.text, shown.buttons, int(shown.icon)),
                     std::tuple(note, PromptButtons::Ok, icon));
        }
    }
};

QTEST_GUILESS_MAIN(MessageCommandsTest)
#include "MessageCommandsTest.moc"
