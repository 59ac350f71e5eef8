// Random bytes received by the whole program over its TCP link, with the
// link dropped by the far end after every portion and brought back by the
// program's own reconnection. Short by default; tools/soak.sh runs 100 MB.
#include "Controls.h"
#include "E2eFixture.h"
#include "SoakSupport.h"

#include "app/ReceiveView.h"
#include "terminal/SessionLog.h"
#include "terminal/Windows1252.h"

#include <QCryptographicHash>
#include <QDir>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <array>

using namespace vellicor;
using namespace vellicor::test;

namespace {

constexpr qint64 kMiB = 1024 * 1024;
constexpr int kScrollbackLines = 2000;
constexpr qint64 kSendWindow = 2 * kMiB; // the most the far end keeps queued
constexpr int kWaitMs = 120000;

// What the session log keeps of a received text once stamps and line ends
// are taken away: the text without CR and LF, control characters in "^"
// notation, in UTF-8.
QByteArray loggedForm(QString text)
{
    text.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    return SessionLog::caretNotation(text).toUtf8();
}

// The received text of every log file in the folder in that form, hashed.
// Lines of neither the received nor the sent shape are counted as stray.
QByteArray hashOfLoggedReceived(const QString& folder, int& strayLines)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.log")}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            ++strayLines;
            continue;
        }
        while (!file.atEnd()) {
            // "HH:MM:SSZ < text\n"; the last line may still be open, without its line end.
            const QByteArray line = file.readLine();
            const QByteArray mark = line.mid(8, 4);
            const qsizetype end = line.endsWith('\n') ? line.size() - 1 : line.size();
            if (line.size() < 12 || (end == line.size() && !file.atEnd()) || (mark != "Z < " && mark != "Z > "))
                ++strayLines;
            else if (mark == "Z < ")
                hash.addData(QByteArrayView(line).sliced(12, end - 12));
        }
    }
    return hash.result();
}

// The far end of the link: bytes of all 256 values in chunks of random size,
// from a fixed seed.
class RandomFarEnd {
public:
    explicit RandomFarEnd(quint32 seed)
        : m_random(seed)
    {
    }

    // Writes that many more bytes to the socket, keeping at most
    // kSendWindow queued while the program takes them, and hands the last
    // of them to the system.
    bool send(QTcpSocket& tnc, qint64 bytes)
    {
        for (qint64 left = bytes; left > 0 || tnc.bytesToWrite() > 0;) {
            if (left == 0 || tnc.bytesToWrite() > kSendWindow) {
                QSignalSpy written(&tnc, &QTcpSocket::bytesWritten);
                if (!written.wait(kWaitMs))
                    return false;
                continue;
            }
            const QByteArray chunk = nextChunk(left);
            if (tnc.write(chunk) != chunk.size())
                return false;
            m_sent += chunk.size();
            left -= chunk.size();
        }
        return true;
    }
    qint64 sent() const { return m_sent; }

private:
    QByteArray nextChunk(qint64 limit)
    {
        static constexpr std::array<quint32, 4> kLargest = {16, 256, 4096, 65536};
        const quint32 largest = kLargest.at(m_random.bounded(quint32(kLargest.size())));
        const qint64 size = qMin<qint64>(limit, 1 + m_random.bounded(largest));
        QList<quint32> words((size + 3) / 4);
        m_random.fillRange(words.data(), words.size());
        return QByteArray(reinterpret_cast<const char*>(words.constData()), size);
    }

    QRandomGenerator m_random;
    qint64 m_sent = 0;
};

} // namespace

class SoakReceive : public QObject {
    Q_OBJECT
private slots:
    void randomBytesThroughDropsAreLoggedWithBoundedPaneAndMemory();
};

void SoakReceive::randomBytesThroughDropsAreLoggedWithBoundedPaneAndMemory()
{
    const qint64 total = soak::setting("VELLICOR_SOAK_MEGABYTES", 3) * kMiB;
    const qint64 portion = soak::setting("VELLICOR_SOAK_DROP_EVERY_MEGABYTES", 1) * kMiB;
    const auto seed = quint32(soak::setting("VELLICOR_SOAK_SEED", 9));
    qint64 received = 0;
    QCryptographicHash receivedLogged(QCryptographicHash::Sha256);
    E2eFixture program;
    QVERIFY(soak::addPreferences("[Terminal]\nSessionLog=True\nReconnect=True\nScrollbackLines="
                                 + QByteArray::number(kScrollbackLines) + "\n"));
    QVERIFY(program.start());
    FrmPacket& window = program.window();
    QObject::connect(named<PortSession>(window, QStringLiteral("portSession")), &PortSession::received, [&](const QString& chunk) {
        received += chunk.size();
        receivedLogged.addData(loggedForm(chunk));
    });

    soak::Heartbeat heartbeat;
    RandomFarEnd farEnd(seed);
    QElapsedTimer wall;
    wall.start();
    double firstMiB = 0;
    double lastMiB = 0;
    int drops = 0;
    while (farEnd.sent() < total) {
        QTcpSocket* tnc = program.tnc();
        const qint64 receivedBefore = received;
        const qint64 sentBefore = farEnd.sent();
        QVERIFY(farEnd.send(*tnc, qMin(portion, total - farEnd.sent())));
        // Every other drop the far end closes with bytes still on their way,
        // which the program takes before it sees the close; the others pull
        // the plug, and what was still on its way may be gone.
        const bool closed = drops++ % 2 == 0;
        if (closed)
            tnc->disconnectFromHost();
        else
            tnc->abort();
        QTRY_VERIFY_WITH_TIMEOUT(program.tnc() != tnc, kWaitMs); // reconnected by the program itself
        if (closed)
            QCOMPARE(received - receivedBefore, farEnd.sent() - sentBefore);
        QVERIFY(receiveView(window).document()->blockCount() <= kScrollbackLines);
        QVERIFY2(heartbeat.takeTicks() > 0, "the event loop stopped answering");
        lastMiB = soak::residentMiB();
        if (firstMiB == 0)
            firstMiB = lastMiB;
    }
    const qint64 seconds = wall.elapsed() / 1000;

    int strayLines = 0;
    QCOMPARE(hashOfLoggedReceived(program.dataFolder() + QStringLiteral("/logs"), strayLines), receivedLogged.result());
    QCOMPARE(strayLines, 0);
    qInfo().noquote() << QStringLiteral("soak receive: %1 MiB sent (seed %2), %3 MiB received and logged, in %4 s; "
                                        "%5 drops, %5 reconnects seen by the far end; resident %6 MiB after the "
                                        "first portion, %7 MiB after the last; longest event-loop gap %8 ms")
                             .arg(total / kMiB).arg(seed).arg(double(received) / kMiB, 0, 'f', 1).arg(seconds)
                             .arg(drops).arg(firstMiB, 0, 'f', 1).arg(lastMiB, 0, 'f', 1)
                             .arg(heartbeat.longestGapMs());
    // Generous: a leak of even half a byte per byte received over 100 MB shows.
    if (soak::kResidentMemoryMeaningful)
        QVERIFY2(lastMiB <= firstMiB * 1.5 + 32, "resident memory grew with the bytes received");
}

QTEST_MAIN(SoakReceive)
#include "test_soak_receive.moc"
