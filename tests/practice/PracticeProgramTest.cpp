#include "practice/PracticeOptions.h"
#include "practice/PracticeProgram.h"
#include "practice/PracticeTraffic.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSocketNotifier>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

using namespace vellicor;

namespace {

// Reads from `device` until `wanted` has been seen, waiting on readyRead.
bool awaitText(QIODevice& device, QByteArray& seen, const QByteArray& wanted)
{
    QSignalSpy arrived(&device, &QIODevice::readyRead);
    while (true) {
        seen += device.readAll();
        if (seen.contains(wanted))
            return true;
        if (!arrived.wait(10000))
            return false;
    }
}

// The same for a file descriptor watched by a notifier.
bool awaitText(int fd, QSocketNotifier& notifier, QByteArray& seen, const QByteArray& wanted)
{
    QSignalSpy arrived(&notifier, &QSocketNotifier::activated);
    while (true) {
        char buffer[4096];
        ssize_t count = 0;
        while ((count = ::read(fd, buffer, sizeof buffer)) > 0)
            seen.append(buffer, count);
        if (seen.contains(wanted))
            return true;
        if (!arrived.wait(10000))
            return false;
    }
}

QDateTime fixedClock()
{
    return QDateTime(QDate(2026, 5, 12), QTime(14, 30), Qt::UTC);
}

} // namespace

// The practice TNC as a program: its command line, its TCP port and
// pseudo-terminal, and the executable started as scripts start it.
class PracticeProgramTest : public QObject {
    Q_OBJECT
private slots:
    void readsItsCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error"); // empty when accepted
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("pty");
        const QString store = QStringLiteral("/tmp/store");
        QTest::newRow("all") << QStringList{"--listen", "127.0.0.1:8001", "--store", store, "--transcript", "t", "--pty"}
                             << QString() << 8001 << true;
        QTest::newRow("free port") << QStringList{"--store", store, "--listen", "127.0.0.1:0"} << QString() << 0 << false;
        QTest::newRow("IPv6 loopback") << QStringList{"--listen", "[::1]:9", "--store", store} << QString() << 9 << false;
        QTest::newRow("no store") << QStringList{"--listen", "127.0.0.1:0"} << "--store is required" << 0 << false;
        QTest::newRow("no listen") << QStringList{"--store", store} << "--listen is required" << 0 << false;
        QTest::newRow("value missing") << QStringList{"--store", store, "--listen"} << "--listen needs a value" << 0 << false;
        QTest::newRow("not loopback") << QStringList{"--listen", "0.0.0.0:8001", "--store", store}
                                      << "--listen: \"0.0.0.0\" is not a loopback address such as 127.0.0.1" << 0 << false;
        QTest::newRow("port too big") << QStringList{"--listen", "127.0.0.1:65536", "--store", store}
                                      << "--listen: \"65536\" is not a port number (0 to 65535)" << 0 << false;
        QTest::newRow("port not a number") << QStringList{"--listen", "127.0.0.1:+80", "--store", store}
                                           << "--listen: \"+80\" is not a port number (0 to 65535)" << 0 << false;
        QTest::newRow("unknown option") << QStringList{"--listen", "127.0.0.1:0", "--store", store, "--verbose"}
                                        << "unknown option \"--verbose\"" << 0 << false;
    }

    void readsItsCommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        QFETCH(int, port);
        QFETCH(bool, pty);
        const ParsedPracticeOptions parsed = parsePracticeOptions(arguments);
        QCOMPARE(parsed.error, error);
        QCOMPARE(parsed.options.has_value(), error.isEmpty());
        if (parsed.options) {
            QCOMPARE(int(parsed.options->port), port);
            QCOMPARE(parsed.options->pty, pty);
            QCOMPARE(parsed.options->storeDir, QStringLiteral("/tmp/store"));
            QVERIFY(parsed.options->address.isLoopback());
        }
    }

    // A new board holds the practice traffic; a board with messages of an
    // earlier run gets none added.
    void newStoreGetsThePracticeTrafficOnce()
    {
        QTemporaryDir folder;
        PracticeOptions options;
        options.address = QHostAddress::LocalHost;
        options.storeDir = folder.path();
        for (int run = 0; run < 2; ++run) {
            PracticeProgram program(options, fixedClock);
            QCOMPARE(program.start(), QString());
        }
        QCOMPARE(QDir(folder.path()).entryList({"msg*.txt"}, QDir::Files, QDir::Name),
                 (QStringList{"msg00001.txt", "msg00002.txt"}));
        QFile radiogram(folder.filePath("msg00001.txt"));
        QVERIFY(radiogram.open(QIODevice::ReadOnly));
        QCOMPARE(radiogram.readAll(), PracticeTraffic::kRadiogram);
    }

    void pseudoTerminalServesTheTnc()
    {
        QTemporaryDir folder;
        PracticeOptions options;
        options.address = QHostAddress::LocalHost;
        options.storeDir = folder.path();
        options.pty = true;
        PracticeProgram program(options, fixedClock);
        QCOMPARE(program.start(), QString());
        const QRegularExpressionMatch match =
            QRegularExpression("^port \\d+ pty (/dev/\\S+)$").match(QString::fromLocal8Bit(program.announcement()));
        QVERIFY2(match.hasMatch(), program.announcement().constData());

        const int fd = ::open(match.captured(1).toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        QVERIFY(fd >= 0);
        termios raw{};
        tcgetattr(fd, &raw);
        cfmakeraw(&raw);
        tcsetattr(fd, TCSANOW, &raw);
        QSocketNotifier notifier(fd, QSocketNotifier::Read);
        QByteArray seen;
        QVERIFY(awaitText(fd, notifier, seen, "cmd:")); // the sign-on waits for the first reader
        QCOMPARE(::write(fd, "C N0BBS\r", 8), 8);
        QVERIFY(awaitText(fd, notifier, seen, "N0BBS>\r\n"));
        QCOMPARE(::write(fd, "\x03", 1), 1); // raw: Ctrl-C is a byte, not a signal
        QVERIFY(awaitText(fd, notifier, seen, "N0BBS>\r\n\r\ncmd:"));
        ::close(fd);
    }

    // Started as a script would start it: the first line of output names the
    // port; each terminal gets a TNC of its own; one that drops in mid-message
    // leaves no message and no crash; the transcript holds what terminals sent.
    void executableServesEachTerminalAndSurvivesADroppedMessage()
    {
        QTemporaryDir folder;
        QProcess tnc;
        tnc.start(QStringLiteral(VELLICOR_PRACTICE_TNC),
                  {"--listen", "127.0.0.1:0", "--store", folder.filePath("store"), "--transcript",
                   folder.filePath("transcript")});
        QByteArray announced;
        QVERIFY2(awaitText(tnc, announced, "\n"), qPrintable(tnc.readAllStandardError()));
        const QRegularExpressionMatch match = QRegularExpression("^port (\\d+)\n$").match(QString::fromLatin1(announced));
        QVERIFY2(match.hasMatch(), announced.constData());
        const quint16 port = match.captured(1).toUShort();

        QTcpSocket terminal, other;
        QByteArray seen, otherSeen;
        terminal.connectToHost(QHostAddress::LocalHost, port);
        other.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(awaitText(terminal, seen, "cmd:"));
        QVERIFY(awaitText(other, otherSeen, "cmd:"));
        terminal.write("MYCALL W1AW\rC N0BBS\r");
        QVERIFY(awaitText(terminal, seen, "Hello W1AW, welcome to N0BBS"));
        other.write("MYCALL\r");
        QVERIFY(awaitText(other, otherSeen, "MYCALL N0CALL\r\ncmd:"));
        terminal.write("S EOC\rHALF A MESSAGE\rTHE FIRST LINE\rAND THE SEC");
        QVERIFY(awaitText(terminal, seen, "Ctrl-Z or /EX"));
        QSignalSpy closed(&terminal, &QTcpSocket::disconnected);
        terminal.disconnectFromHost();
        QVERIFY(closed.count() == 1 || closed.wait(10000));

        otherSeen.clear();
        other.write("C N0BBS\rL\r");
        QVERIFY(awaitText(other, otherSeen, "QTC 1 BOULDER, CO\r\nN0BBS>\r\n")); // the oldest of the practice traffic
        QCOMPARE(QDir(folder.filePath("store")).entryList({"msg*.txt"}, QDir::Files, QDir::Name),
                 (QStringList{"msg00001.txt", "msg00002.txt"}));
        QCOMPARE(tnc.state(), QProcess::Running);
        QFile transcript(folder.filePath("transcript"));
        QVERIFY(transcript.open(QIODevice::ReadOnly));
        QCOMPARE(transcript.readAll(), QByteArray("MYCALL W1AW\rC N0BBS\rMYCALL\r"
                                                  "S EOC\rHALF A MESSAGE\rTHE FIRST LINE\rAND THE SEC"
                                                  "C N0BBS\rL\r"));
        tnc.terminate();
        QVERIFY(tnc.waitForFinished(10000));
    }
};

QTEST_GUILESS_MAIN(PracticeProgramTest)
#include "PracticeProgramTest.moc"
