#include "Fakes.h"
#include "terminal/FileErrors.h"
#include "terminal/ProgramFolder.h"
#include "terminal/TextFile.h"
#include "terminal/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace vellicor;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

// Windows-1252 text, the program's text files, file error numbers and the
// program folder's name rules.
class TextFilesTest : public QObject {
    Q_OBJECT
private slots:
    void everyByteSurvivesTheRoundTrip();
    void decodesTheWindowsRange_data();
    void decodesTheWindowsRange();
    void encodesWhatItCanAndQuestionMarksTheRest_data();
    void encodesWhatItCanAndQuestionMarksTheRest();

    void splitsLines_data();
    void splitsLines();
    void readsFilesAsWindows1252Lines();
    void saveWritesBytesExactlyAndReplaces();
    void failedWriteKeepsTheOldFile();
    void saveIntoReadOnlyFolderKeepsTheOldFile();
    void saveUnderARegularFileFails();
    void reportsFileErrorNumbers();
    void fileErrorBoxHasNumberInTitle();

    void resolvesNamesIgnoringCaseFolderByFolder();
    void resolvesWithoutMatchAsGiven();
    void prefersTheExactName();
    void resolveInsideNeverLeavesTheFolder_data();
    void resolveInsideNeverLeavesTheFolder();

private:
    QTemporaryDir m_dir;
};

void TextFilesTest::everyByteSurvivesTheRoundTrip()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = decodeWindows1252(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(encodeWindows1252(text), all);
    // Bytes 0xA0 and up are the Latin-1 characters of the same number.
    for (int b = 0xA0; b < 256; ++b)
        QCOMPARE(text[b].unicode(), char16_t(b));
    for (int b = 0; b < 0x80; ++b)
        QCOMPARE(text[b].unicode(), char16_t(b));
}

void TextFilesTest::decodesTheWindowsRange_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("character");
    QTest::newRow("euro") << 0x80 << 0x20AC;
    QTest::newRow("undefined 81") << 0x81 << 0x0081;
    QTest::newRow("low quote") << 0x82 << 0x201A;
    QTest::newRow("ellipsis") << 0x85 << 0x2026;
    QTest::newRow("undefined 8D") << 0x8D << 0x008D;
    QTest::newRow("Z caron") << 0x8E << 0x017D;
    QTest::newRow("undefined 8F") << 0x8F << 0x008F;
    QTest::newRow("undefined 90") << 0x90 << 0x0090;
    QTest::newRow("left quote") << 0x91 << 0x2018;
    QTest::newRow("en dash") << 0x96 << 0x2013;
    QTest::newRow("trade mark") << 0x99 << 0x2122;
    QTest::newRow("undefined 9D") << 0x9D << 0x009D;
    QTest::newRow("Y diaeresis") << 0x9F << 0x0178;
}

void TextFilesTest::decodesTheWindowsRange()
{
    QFETCH(int, byte);
    QFETCH(int, character);
    const QString text = decodeWindows1252(QByteArray(1, char(byte)));
    QCOMPARE(text.size(), 1);
    QCOMPARE(int(text[0].unicode()), character);
    QCOMPARE(encodeWindows1252(text), QByteArray(1, char(byte)));
}

void TextFilesTest::encodesWhatItCanAndQuestionMarksTheRest_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << "CONV\r" << QByteArray("CONV\r");
    QTest::newRow("latin") << QStringLiteral("caf\u00E9") << QByteArray("caf\xE9");
    QTest::newRow("euro") << QStringLiteral("5\u20AC") << QByteArray("5\x80");
    QTest::newRow("chinese") << QStringLiteral("a\u4E2Db") << QByteArray("a?b");
    QTest::newRow("latin extended") << QStringLiteral("\u0100") << QByteArray("?");
    QTest::newRow("latin-1 control 0x80 is not the euro") << QStringLiteral("\u0080") << QByteArray("?");
    QTest::newRow("nul") << QString(QChar(0)) << QByteArray(1, '\0');
    QTest::newRow("character beyond 16 bits is one ?") << QStringLiteral("a\U0001F600b") << QByteArray("a?b");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + QStringLiteral("x") << QByteArray("?x");
}

void TextFilesTest::encodesWhatItCanAndQuestionMarksTheRest()
{
    QFETCH(QString, text);
    QTEST(encodeWindows1252(text), "bytes");
}

void TextFilesTest::splitsLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << "" << QStringList();
    QTest::newRow("one line, no end") << "abc" << QStringList{"abc"};
    QTest::newRow("CR LF") << "a\r\nb\r\nc" << QStringList{"a", "b", "c"};
    QTest::newRow("CR") << "a\rb\rc" << QStringList{"a", "b", "c"};
    QTest::newRow("LF") << "a\nb\nc" << QStringList{"a", "b", "c"};
    QTest::newRow("mixed") << "a\r\nb\rc\nd" << QStringList{"a", "b", "c", "d"};
    QTest::newRow("trailing CR LF") << "a\r\nb\r\n" << QStringList{"a", "b"};
    QTest::newRow("trailing LF") << "a\n" << QStringList{"a"};
    QTest::newRow("trailing CR") << "a\r" << QStringList{"a"};
    QTest::newRow("empty lines kept") << "a\r\n\r\nb" << QStringList{"a", "", "b"};
    QTest::newRow("LF CR is two ends") << "a\n\rb" << QStringList{"a", "", "b"};
    QTest::newRow("CR CR LF") << "a\r\r\nb" << QStringList{"a", "", "b"};
    QTest::newRow("only a line end") << "\r\n" << QStringList{""};
}

void TextFilesTest::splitsLines()
{
    QFETCH(QString, text);
    QTEST(TextFile::splitLines(text), "lines");
}

void TextFilesTest::readsFilesAsWindows1252Lines()
{
    const QString path = m_dir.filePath(QStringLiteral("read.txt"));
    QVERIFY(writeFile(path, QByteArray("one\r\ntwo \x80\nthree\r")));
    const TextFile::ReadResult read = TextFile::readLines(path);
    QVERIFY(!read.error);
    QCOMPARE(read.lines, QStringList({QStringLiteral("one"), QStringLiteral("two \u20AC"), QStringLiteral("three")}));
}

void TextFilesTest::saveWritesBytesExactlyAndReplaces()
{
    const QString path = m_dir.filePath(QStringLiteral("save.txt"));
    QVERIFY(writeFile(path, QByteArray("old contents that are longer")));
    QVERIFY(!TextFile::saveText(path, QStringLiteral("a\r\nb \u20AC\r\n")));
    QCOMPARE(readAll(path), QByteArray("a\r\nb \x80\r\n"));
    // No temporary file is left next to it.
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("save.txt*")}, QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("save.txt")});
}

void TextFilesTest::failedWriteKeepsTheOldFile()
{
    // A file size limit makes the write fail part-way, even for root.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("limited.txt"));
    QVERIFY(writeFile(path, QByteArray("old")));
    rlimit saved{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
    const std::optional<FileError> error = TextFile::saveAtomically(path, QByteArray(1 << 20, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(error.has_value());
    QVERIFY(error->number != 0);
    QVERIFY(!error->description.isEmpty());
    QCOMPARE(readAll(path), QByteArray("old"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("limited.txt")});
}

void TextFilesTest::saveIntoReadOnlyFolderKeepsTheOldFile()
{
    if (geteuid() == 0)
        QSKIP("permissions do not apply to root");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.txt"));
    QVERIFY(writeFile(path, QByteArray("old")));
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    const std::optional<FileError> error = TextFile::saveText(path, QStringLiteral("new"));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(error.has_value());
    QCOMPARE(error->number, FileErrors::kPermissionDenied);
    QCOMPARE(readAll(path), QByteArray("old"));
}

void TextFilesTest::saveUnderARegularFileFails()
{
    const QString notAFolder = m_dir.filePath(QStringLiteral("plain"));
    QVERIFY(writeFile(notAFolder, QByteArray("x")));
    const std::optional<FileError> error = TextFile::saveText(notAFolder + QStringLiteral("/file.txt"), QStringLiteral("new"));
    QVERIFY(error.has_value());
    QCOMPARE(error->number, FileErrors::kPathNotFound);
    QCOMPARE(readAll(notAFolder), QByteArray("x"));
}

void TextFilesTest::reportsFileErrorNumbers()
{
    const TextFile::ReadResult missing = TextFile::readLines(m_dir.filePath(QStringLiteral("nothing.txt")));
    QVERIFY(missing.error.has_value());
    QCOMPARE(missing.error->number, 53);
    QCOMPARE(missing.error->description, QStringLiteral("File not found"));

    const TextFile::ReadResult noFolder = TextFile::readLines(m_dir.filePath(QStringLiteral("no/such/file.txt")));
    QVERIFY(noFolder.error.has_value());
    QCOMPARE(noFolder.error->number, FileErrors::kPathNotFound);

    const TextFile::ReadResult folder = TextFile::readLines(m_dir.path());
    QVERIFY(folder.error.has_value());
    QVERIFY(folder.error->number != 53);

    const TextFile::ReadResult noName = TextFile::readLines(QString());
    QVERIFY(noName.error.has_value());
    QCOMPARE(noName.error->number, FileErrors::kBadFileName);
}

void TextFilesTest::fileErrorBoxHasNumberInTitle()
{
    test::FakePrompter prompter;
    FileErrors::show(prompter, QStringLiteral("/x/NTS1.txt"), FileErrors::make(53));
    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(prompter.prompts[0].title, QStringLiteral("Vellicor Error 53"));
    QCOMPARE(prompter.prompts[0].text, QStringLiteral("/x/NTS1.txt\r\nFile not found"));
    QCOMPARE(prompter.prompts[0].buttons, PromptButtons::Ok);
}

void TextFilesTest::resolvesNamesIgnoringCaseFolderByFolder()
{
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("Scripts/Net")));
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("Scripts/Net/KamStart.txt")), "x"));
    const QString upper = QString(m_dir.path()).replace(QLatin1Char('/'), QLatin1Char('\\'))
        + QStringLiteral("\\SCRIPTS\\NET\\KAMSTART.TXT");
    QCOMPARE(ProgramFolder::resolve(upper), m_dir.filePath(QStringLiteral("Scripts/Net/KamStart.txt")));
    QCOMPARE(ProgramFolder::resolve(m_dir.path() + QStringLiteral("/scripts//net/kamstart.TXT")),
             m_dir.filePath(QStringLiteral("Scripts/Net/KamStart.txt")));
}

void TextFilesTest::resolvesWithoutMatchAsGiven()
{
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("Lists")));
    QCOMPARE(ProgramFolder::resolve(m_dir.path() + QStringLiteral("\\LISTS\\NEW.TXT")),
             m_dir.filePath(QStringLiteral("Lists/NEW.TXT")));
    QCOMPARE(ProgramFolder::resolve(m_dir.path() + QStringLiteral("\\NOWHERE\\NEW.TXT")),
             m_dir.filePath(QStringLiteral("NOWHERE/NEW.TXT")));
    QCOMPARE(ProgramFolder::resolve(QString()), QString());
}

void TextFilesTest::prefersTheExactName()
{
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath(QStringLiteral("a.txt")), "lower"));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("A.TXT")), "upper"));
    QCOMPARE(ProgramFolder::resolve(dir.path() + QStringLiteral("\\A.TXT")), dir.filePath(QStringLiteral("A.TXT")));
    QCOMPARE(ProgramFolder::resolve(dir.path() + QStringLiteral("\\a.txt")), dir.filePath(QStringLiteral("a.txt")));
}

void TextFilesTest::resolveInsideNeverLeavesTheFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("inside");
    QTest::newRow("plain name") << "\\NETWORK.TXT" << "network.txt";
    QTest::newRow("climbing out") << "..\\..\\etc\\passwd" << "etc/passwd";
    QTest::newRow("climbing with slashes") << "/../../../etc/passwd" << "etc/passwd";
    QTest::newRow("dots in the middle") << "\\a\\.\\..\\..\\b.txt" << "b.txt";
    QTest::newRow("absolute looking") << "/etc/passwd" << "etc/passwd";
}

void TextFilesTest::resolveInsideNeverLeavesTheFolder()
{
    QFETCH(QString, name);
    QFETCH(QString, inside);
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath(QStringLiteral("network.txt")), "x"));
    const ProgramFolder folder(dir.path() + QLatin1Char('/'));
    QCOMPARE(folder.path(), dir.path());
    const QString resolved = folder.resolveInside(name);
    QCOMPARE(resolved, dir.path() + QLatin1Char('/') + inside);
    QVERIFY(QDir::cleanPath(resolved).startsWith(dir.path() + QLatin1Char('/')));
}

QTEST_APPLESS_MAIN(TextFilesTest)
#include "TextFilesTest.moc"
