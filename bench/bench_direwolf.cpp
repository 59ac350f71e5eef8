// Over the air at 1200 baud: Vellicor's AGW port on one Dire Wolf engine,
// the practice board on another, the two hearing each other through
// tests/e2e/direwolf_loop.py (no sound card). Reports the time to connect,
// the round trip of a short line and the rate of a long message. Needs
// direwolf and python3.
#include "BenchTable.h"
#include "platform/qt/QtAgwDevice.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QTemporaryDir>

using namespace vellicor;
using namespace vellicor::bench;
using SteadyClock = std::chrono::steady_clock;

namespace {

constexpr int kRoundTrips = 5;
constexpr int kMessageBytes = 4000;

QByteArray firstLine(QProcess& process)
{
    while (!process.canReadLine()) {
        if (!process.waitForReadyRead(60000))
            qFatal("%s printed nothing", qPrintable(process.program()));
    }
    return process.readLine().trimmed();
}

// The terminal's side of the AGW port: all the TNC has answered so far.
class Terminal {
public:
    explicit Terminal(QtAgwDevice& device) : m_device(device)
    {
        QObject::connect(&device, &QIODevice::readyRead, [this] { m_text += m_device.readAll(); });
    }

    // Seconds from writing `line` until `answer` follows it in the text.
    double exchange(const QByteArray& line, const QByteArray& answer)
    {
        const qsizetype from = m_text.size();
        const SteadyClock::time_point start = SteadyClock::now();
        m_device.write(line);
        const QDeadlineTimer deadline(120000);
        while (m_text.indexOf(answer, from) < 0) {
            if (deadline.hasExpired())
                qFatal("no \"%s\" after \"%s\": %s", answer.constData(), line.left(40).constData(),
                       m_text.right(300).constData());
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
        }
        return microseconds(SteadyClock::now() - start) / 1e6;
    }

private:
    QtAgwDevice& m_device;
    QByteArray m_text;
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    QProcess loop;
    loop.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    loop.start(QStringLiteral("python3"), {QStringLiteral(VELLICOR_DIREWOLF_LOOP), folder.path()});
    const QList<QByteArray> ports = firstLine(loop).split(' '); // "agw PORT_A PORT_B"
    if (ports.size() != 3)
        qFatal("the engines did not start");
    QProcess board;
    board.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    board.start(QStringLiteral(VELLICOR_PRACTICE_TNC), {"--agw", "127.0.0.1:" + ports.at(2), "--call", "N0BBS",
                                                        "--store", folder.filePath("store")});
    firstLine(board);

    QtAgwDevice device(1 << 20);
    Terminal terminal(device);
    device.connectToEngine(QStringLiteral("127.0.0.1"), ports.at(1).toUShort(), 0);
    while (!device.isOpen())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    terminal.exchange("MYCALL N0CALL\r", "cmd:");
    const double connect = terminal.exchange("C N0BBS\r", "N0BBS>");
    QList<double> roundTrips;
    for (int i = 0; i < kRoundTrips; ++i)
        roundTrips.append(terminal.exchange("R\r", "N0BBS>"));
    terminal.exchange("SP N0CALL\r", "Enter title of message:");
    terminal.exchange("Bench\r", "End with Ctrl-Z");
    QByteArray body;
    while (body.size() < kMessageBytes)
        body += QByteArray(63, char('A' + body.size() / 64 % 26)) + '\r';
    const double send = terminal.exchange(body + "/EX\r", " saved, ");

    BenchTable table(QStringLiteral("Over the air at 1200 baud (two Dire Wolf engines, no sound card)"));
    table.add(QStringLiteral("Connect to the board (C N0BBS to its prompt)"), number(connect, 2) + " s");
    table.add(QStringLiteral("Round trip of a short line (median of %1)").arg(kRoundTrips),
              number(median(roundTrips), 2) + " s");
    table.add(QStringLiteral("Long message, %1 bytes").arg(body.size()),
              number(body.size() / send, 0) + " bytes/s (" + number(send, 1) + " s)");
    table.print();
    board.kill();
    board.waitForFinished();
    loop.closeWriteChannel();
    loop.waitForFinished(20000);
    return 0;
}
