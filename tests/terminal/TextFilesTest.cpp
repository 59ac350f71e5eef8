#include "TestFiles.h"
#include "terminal/FileErrors.h"
#include "terminal/ProgramFolder.h"
#include "terminal/TextFile.h"
#include "terminal/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace vellicor;
using vellicor::test::fileBytes;
using vellicor::test::writeBytes;

// Windows-1252 text, the program's text files, file error numbers and the
// program folder's name rules.
class TextFilesTest : public QObject {
    Q_OBJECT
private slots:
    void decodesEveryByteAndEncodesItBack()
    {
        const QByteArray all = test::everyByte();
        const QString text = decodeWindows1252(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(encodeWindows1252(text), all);
        for (int b : {0, 0x41, 0x7F, 0xA0, 0xE9, 0xFF}) // outside 0x80-0x9F: the same number
            QCOMPARE(int(text[b].unicode()), b);
        // 0x80-0x9F by the Windows table; the five undefined bytes keep their number.
        const QList<QPair<int, int>> table{{0x80, 0x20AC}, {0x81, 0x81},   {0x82, 0x201A}, {0x85, 0x2026},
                                           {0x8D, 0x8D},   {0x8E, 0x017D}, {0x8F, 0x8F},   {0x90, 0x90},
                                           {0x91, 0x2018}, {0x96, 0x2013}, {0x99, 0x2122}, {0x9D, 0x9D},
                                           {0x9F, 0x0178}};
        for (const auto& [byte, character] : table)
            QCOMPARE(int(text[byte].unicode()), character);
    }

    void encodesWhatItCanAndQuestionMarksTheRest_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("latin") << QStringLiteral("caf\u00E9") << QByteArray("caf\xE9");
        QTest::newRow("euro") << QStringLiteral("5\u20AC") << QByteArray("5\x80");
        QTest::newRow("chinese") << QStringLiteral("a\u4E2Db") << QByteArray("a?b");
        QTest::newRow("latin-1 control 0x80 is not the euro") << QStringLiteral("\u0080") << QByteArray("?");
        QTest::newRow("character beyond 16 bits is one ?") << QStringLiteral("a\U0001F600b") << QByteArray("a?b");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + QStringLiteral("x") << QByteArray("?x");
        QTest::newRow("nul") << QString(QChar(0)) << QByteArray(1, '\0');
    }

    void encodesWhatItCanAndQuestionMarksTheRest()
    {
        QFETCH(QString, text);
        QTEST(encodeWindows1252(text), "bytes");
    }

    void splitsLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << "" << QStringList();
        QTest::newRow("no line end") << "abc" << QStringList{"abc"};
        QTest::newRow("CR LF") << "a\r\nb\r\nc" << QStringList{"a", "b", "c"};
        QTest::newRow("CR") << "a\rb\rc" << QStringList{"a", "b", "c"};
        QTest::newRow("LF") << "a\nb\nc" << QStringList{"a", "b", "c"};
        QTest::newRow("mixed") << "a\r\nb\rc\nd" << QStringList{"a", "b", "c", "d"};
        QTest::newRow("trailing CR LF") << "a\r\nb\r\n" << QStringList{"a", "b"};
        QTest::newRow("trailing CR") << "a\r" << QStringList{"a"};
        QTest::newRow("empty lines kept") << "a\r\n\r\nb" << QStringList{"a", "", "b"};
        QTest::newRow("LF CR is two ends") << "a\n\rb" << QStringList{"a", "", "b"};
        QTest::newRow("CR CR LF") << "a\r\r\nb" << QStringList{"a", "", "b"};
    }

    void splitsLines()
    {
        QFETCH(QString, text);
        QTEST(TextFile::splitLines(text), "lines");
    }

    // Text is read as lines of Windows-1252 and saved the same way. A save
    // makes a new file and renames it into place, so another hard link keeps
    // the old text. Where the folder forbids new files but the file may be
    // written, the file itself is written: every link shows the new text.
    void readsAndSavesInPlaceOnlyWhereTheFolderForbidsNewFiles()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("NTS1.txt"));
        const QString link = dir.filePath(QStringLiteral("link.txt"));
        const auto relink = [&] {
            QFile::remove(link);
            return ::link(qPrintable(path), qPrintable(link)) == 0;
        };
        QVERIFY(writeBytes(path, "one\r\ntwo \x80\nthree\r") && relink());
        const TextFile::ReadResult read = TextFile::readLines(path);
        QVERIFY(!read.error);
        QCOMPARE(read.lines, QStringList({QStringLiteral("one"), QStringLiteral("two \u20AC"), QStringLiteral("three")}));
        QVERIFY(!TextFile::saveText(path, QStringLiteral("a\r\nb \u20AC\r\n")));
        QCOMPARE(fileBytes(path) + "|" + fileBytes(link), "a\r\nb \x80\r\n|one\r\ntwo \x80\nthree\r");
        const QStringList files{QStringLiteral("link.txt"), QStringLiteral("NTS1.txt")}; // no temporary file left
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), files);

        QVERIFY(relink());
        const auto everyone = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        const auto enter = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
        QVERIFY(QFile::setPermissions(path, everyone | QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
        QVERIFY(QFile::setPermissions(dir.path(), everyone | enter));
        const uid_t user = ::geteuid() == 0 ? 65534 : ::geteuid(); // root may create files anywhere
        ::setfsuid(user);
        const std::optional<FileError> error = TextFile::saveText(path, QStringLiteral("in place\r\n"));
        ::setfsuid(::geteuid());
        QFile::setPermissions(dir.path(), everyone | enter | QFile::WriteOwner);
        QVERIFY2(!error, qPrintable(error ? error->description : QString()));
        QCOMPARE(fileBytes(path) + "|" + fileBytes(link), QByteArray("in place\r\n|in place\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), files);
    }

    void failedWriteKeepsTheOldFile_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("written at once") << (1 << 20);
        QTest::newRow("held in the write buffer") << 8000;
    }

    void failedWriteKeepsTheOldFile()
    {
        QFETCH(int, size);
        // A file size limit makes the write fail part-way, even for root.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("limited.txt"));
        QVERIFY(writeBytes(path, QByteArray("old")));
        rlimit saved{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 4096;
        QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
        const std::optional<FileError> error = TextFile::saveAtomically(path, QByteArray(size, 'x'));
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY(error.has_value() && !error->description.isEmpty());
        QCOMPARE(fileBytes(path), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("limited.txt")});
    }

    void reportsFileErrorNumbers()
    {
        const auto readError = [this](const QString& name) {
            const TextFile::ReadResult read = TextFile::readLines(name.isEmpty() ? QString() : m_dir.filePath(name));
            return read.error ? read.error->number : 0;
        };
        // A missing file (53) and a failed save are shown by the script and message-file tests.
        QCOMPARE(readError(QStringLiteral("no/such/file.txt")), FileErrors::kPathNotFound);
        QCOMPARE(readError(QString()), FileErrors::kBadFileName);
        QVERIFY(readError(QStringLiteral(".")) != 0);
    }

    // Names as scripts give them, with Windows folders and any case, resolved
    // folder by folder; inside the program folder they never leave it. In a
    // name, %1 is the folder written with backslashes, %2 with slashes.
    void resolvesNamesIgnoringCase_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("inside");
        QTest::addColumn<QString>("resolved");
        QTest::newRow("backslashes, any case") << "%1\\SCRIPTS\\NET\\KAMSTART.TXT" << false
                                               << "Scripts/Net/KamStart.txt";
        QTest::newRow("slashes, doubled") << "%2/scripts//net/kamstart.TXT" << false << "Scripts/Net/KamStart.txt";
        QTest::newRow("the exact name wins") << "%1\\SCRIPTS\\A.TXT" << false << "Scripts/A.TXT";
        QTest::newRow("the exact name wins, lower case") << "%1\\SCRIPTS\\a.txt" << false << "Scripts/a.txt";
        QTest::newRow("no match keeps the name") << "%1\\SCRIPTS\\NEW.TXT" << false << "Scripts/NEW.TXT";
        QTest::newRow("no such folder") << "%1\\NOWHERE\\NEW.TXT" << false << "NOWHERE/NEW.TXT";
        QTest::newRow("inside: plain name") << "\\NETWORK.TXT" << true << "network.txt";
        QTest::newRow("inside: climbing out") << "..\\..\\etc\\passwd" << true << "etc/passwd";
        QTest::newRow("inside: climbing with slashes") << "/../../../etc/passwd" << true << "etc/passwd";
        QTest::newRow("inside: dots in the middle") << "\\a\\.\\..\\..\\b.txt" << true << "b.txt";
    }

    void resolvesNamesIgnoringCase()
    {
        QFETCH(QString, name);
        QFETCH(bool, inside);
        const QString folder = m_dir.path();
        QVERIFY(QDir(folder).mkpath(QStringLiteral("Scripts/Net")));
        for (const char* file : {"Scripts/Net/KamStart.txt", "Scripts/a.txt", "Scripts/A.TXT", "network.txt"})
            QVERIFY(writeBytes(m_dir.filePath(QLatin1String(file)), file));
        const ProgramFolder program(folder + QLatin1Char('/'));
        QCOMPARE(program.path(), folder);
        name.replace(QStringLiteral("%1"), QString(folder).replace(QLatin1Char('/'), QLatin1Char('\\')));
        name.replace(QStringLiteral("%2"), folder);
        QFETCH(QString, resolved);
        const QString got = inside ? program.resolveInside(name) : ProgramFolder::resolve(name);
        QCOMPARE(got, folder + QLatin1Char('/') + resolved);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_APPLESS_MAIN(TextFilesTest)
#include "TextFilesTest.moc"
