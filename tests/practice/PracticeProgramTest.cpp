#include "PracticeRig.h"
#include "platform/agw/AgwFrame.h"
#include "practice/PracticeOptions.h"
#include "practice/PracticeProgram.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

using namespace vellicor;

namespace {

// Reads from `device` until `wanted` has been seen.
bool awaitText(QIODevice& device, QByteArray& seen, const QByteArray& wanted)
{
    return QTest::qWaitFor([&] { return (seen += device.readAll()).contains(wanted); }, 10000);
}

// The same for a file descriptor.
bool awaitText(int fd, QByteArray& seen, const QByteArray& wanted)
{
    return QTest::qWaitFor([&] {
        char buffer[4096];
        for (ssize_t count = 0; (count = ::read(fd, buffer, sizeof buffer)) > 0;)
            seen.append(buffer, count);
        return seen.contains(wanted);
    }, 10000);
}

// Reads frames from `engine` into `frames` (emptied first) until `count` of
// kind `kind` have come, the last one of them last.
bool awaitFrames(QTcpSocket& engine, AgwFrameReader& reader, QList<AgwFrame>& frames, char kind, int count)
{
    frames.clear();
    return QTest::qWaitFor([&] {
        frames += reader.feed(engine.readAll());
        const auto isKind = [kind](const AgwFrame& f) { return f.kind == kind; };
        return std::count_if(frames.cbegin(), frames.cend(), isKind) >= count && isKind(frames.last());
    }, 10000);
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
        QTest::addColumn<QString>("read"); // the error, or the store, port and pty of the options
        const QString store = QStringLiteral("/tmp/store");
        QTest::newRow("all") << QStringList{"--listen", "127.0.0.1:8001", "--store", store, "--transcript", "t", "--pty"}
                             << "/tmp/store 8001 pty";
        QTest::newRow("IPv6 loopback") << QStringList{"--listen", "[::1]:9", "--store", store} << "/tmp/store 9";
        QTest::newRow("no store") << QStringList{"--listen", "127.0.0.1:0"} << "--store is required";
        QTest::newRow("no listen") << QStringList{"--store", store} << "--listen is required";
        QTest::newRow("not loopback") << QStringList{"--listen", "0.0.0.0:8001", "--store", store}
                                      << "--listen: \"0.0.0.0\" is not a loopback address such as 127.0.0.1";
        QTest::newRow("port too big") << QStringList{"--listen", "127.0.0.1:65536", "--store", store}
                                      << "--listen: \"65536\" is not a port number (0 to 65535)";
        QTest::newRow("agw as well") << QStringList{"--agw", "radio.local:8000", "--call", "n0bbs-1", "--store", store,
                                                    "--listen", "127.0.0.1:0"} << "/tmp/store 0";
        QTest::newRow("agw without port") << QStringList{"--agw", "radio.local", "--store", store}
                                          << "--agw wants HOST:PORT, not \"radio.local\"";
        QTest::newRow("bad board call") << QStringList{"--agw", "h:1", "--call", "N0-BBS", "--store", store}
                                        << "--call: \"N0-BBS\" is not a call sign";
    }

    void readsItsCommandLine()
    {
        QFETCH(QStringList, arguments);
        const ParsedPracticeOptions parsed = parsePracticeOptions(arguments);
        QCOMPARE(parsed.options.has_value(), parsed.error.isEmpty());
        const std::optional<PracticeOptions>& o = parsed.options;
        QTEST(o ? QStringLiteral("%1 %2%3").arg(o->storeDir).arg(o->port).arg(o->pty ? " pty" : "") : parsed.error,
              "read");
        QVERIFY(!o || o->address.isLoopback());
    }

    // A new board holds the practice traffic; a board with messages of an
    // earlier run gets none added.
    void newStoreGetsThePracticeTrafficOnce()
    {
        QTemporaryDir folder;
        const PracticeOptions options{.address = QHostAddress::LocalHost, .storeDir = folder.path()};
        for (int run = 0; run < 2; ++run) {
            PracticeProgram program(options, test::PracticeRig::fixedTime);
            QCOMPARE(program.start(), QString());
        }
        QCOMPARE(QDir(folder.path()).entryList({"msg*.txt"}, QDir::Files, QDir::Name),
                 (QStringList{"msg00001.txt", "msg00002.txt"}));
    }

    // The stations on an AGW engine (one in the test): both calls are
    // registered, a station connecting to the board is greeted in frames no
    // longer than a packet, and the board's "bye" disconnects.
    void servesTheStationsThroughAnAgwEngine()
    {
        QTemporaryDir folder;
        QTcpServer engine;
        QVERIFY(engine.listen(QHostAddress::LocalHost, 0));
        const QString where = QStringLiteral("127.0.0.1:%1").arg(engine.serverPort());
        const ParsedPracticeOptions parsed = parsePracticeOptions({"--agw", where, "--call", "w1aw-1", "--store", folder.path()});
        QVERIFY(parsed.options);
        PracticeProgram program(*parsed.options, test::PracticeRig::fixedTime);
        QCOMPARE(program.start(), QString());
        QCOMPARE(program.announcement(), "agw " + where.toLatin1());
        QVERIFY(engine.waitForNewConnection(5000));
        QTcpSocket* radio = engine.nextPendingConnection();
        AgwFrameReader reader;
        QList<AgwFrame> frames;
        QVERIFY(awaitFrames(*radio, reader, frames, 'X', 2));
        QCOMPARE(frames[0].callFrom + ' ' + frames[1].callFrom, QByteArray("W1AW-1 N0NET"));

        radio->write(AgwFrame::of('C', "K1ABC", "W1AW-1").encode());
        QVERIFY(awaitFrames(*radio, reader, frames, 'D', 2));
        QByteArray greeting;
        for (const AgwFrame& frame : std::as_const(frames)) {
            QCOMPARE(frame.callFrom + '>' + frame.callTo, QByteArray("W1AW-1>K1ABC"));
            QVERIFY(frame.data.size() <= 128);
            greeting += frame.data;
        }
        QVERIFY2(greeting.endsWith("N0BBS>\r\n"), greeting.constData()); // the whole greeting

        radio->write(AgwFrame::of('D', "K1ABC", "W1AW-1", "B\r").encode());
        QVERIFY(awaitFrames(*radio, reader, frames, 'd', 1));
        QCOMPARE(frames.last().callTo, QByteArray("K1ABC"));
    }

    void pseudoTerminalServesTheTnc()
    {
        QTemporaryDir folder;
        const PracticeOptions options{.address = QHostAddress::LocalHost, .storeDir = folder.path(), .pty = true};
        PracticeProgram program(options, test::PracticeRig::fixedTime);
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
        QByteArray seen;
        QVERIFY(awaitText(fd, seen, "cmd:")); // the sign-on waits for the first reader
        QCOMPARE(::write(fd, "C N0BBS\r", 8), 8);
        QVERIFY(awaitText(fd, seen, "N0BBS>\r\n"));
        QCOMPARE(::write(fd, "\x03", 1), 1); // raw: Ctrl-C is a byte, not a signal
        QVERIFY(awaitText(fd, seen, "N0BBS>\r\n\r\ncmd:"));
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
        QVERIFY(awaitText(terminal, seen, "cmd:") && awaitText(other, otherSeen, "cmd:"));
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
