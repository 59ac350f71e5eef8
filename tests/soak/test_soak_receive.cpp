// Random bytes received by the whole program over its TCP link, with the
// link dropped by the far end after every portion and brought back by the
// program's own reconnection. Short by default; tools/soak.sh runs 100 MB.
#include "Controls.h"
#include "E2eFixture.h"
#include "SoakSupport.h"

#include "app/ReceiveView.h"
#include "terminal/SessionLog.h"
#include "terminal/Windows1252.h"

#include <QtTest>

#include <array>

using namespace vellicor;
using namespace vellicor::test;

namespace {

constexpr qint64 kMiB = 1024 * 1024;
constexpr int kScrollbackLines = 2000;
constexpr int kWaitMs = 120000;

// The received text of every log file in the folder, hashed: what the log
// keeps of it once stamps and line ends are taken away. Lines of neither the
// received nor the sent shape are counted as stray.
QByteArray hashOfLoggedReceived(const QString& folder, int& strayLines)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.log")}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        file.open(QIODevice::ReadOnly); // an unreadable log leaves the two hashes apart
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

// The far end of the link: writes `size` bytes of all 256 values from
// `random` in chunks of random size, and waits until the system has them all.
bool sendRandom(QTcpSocket& tnc, QRandomGenerator& random, qint64 size)
{
    static constexpr std::array<quint32, 4> kLargest = {16, 256, 4096, 65536};
    for (qint64 left = size; left > 0;) {
        const qint64 chunk = qMin<qint64>(left, 1 + random.bounded(kLargest.at(random.bounded(4))));
        QList<quint32> words((chunk + 3) / 4);
        random.fillRange(words.data(), words.size());
        if (tnc.write(reinterpret_cast<const char*>(words.constData()), chunk) != chunk)
            return false;
        left -= chunk;
    }
    while (tnc.bytesToWrite() > 0) {
        QSignalSpy written(&tnc, &QTcpSocket::bytesWritten);
        if (!written.wait(kWaitMs))
            return false;
    }
    return true;
}

} // namespace

class SoakReceive : public QObject {
    Q_OBJECT
private slots:
    void randomBytesThroughDropsAreLoggedWithBoundedPaneAndMemory()
    {
        const qint64 total = soak::setting("VELLICOR_SOAK_MEGABYTES", 3) * kMiB;
        const qint64 portion = soak::setting("VELLICOR_SOAK_DROP_EVERY_MEGABYTES", 1) * kMiB;
        const auto seed = quint32(soak::setting("VELLICOR_SOAK_SEED", 9));
        qint64 received = 0;
        QCryptographicHash receivedLogged(QCryptographicHash::Sha256);
        E2eFixture program({}, "[Terminal]\nSessionLog=True\nReconnect=True\nScrollbackLines="
                                   + QByteArray::number(kScrollbackLines) + "\n");
        QVERIFY(program.start());
        FrmPacket& window = program.window();
        // The session log keeps received text without CR and LF, control
        // characters in "^" notation, in UTF-8.
        const auto* session = named<PortSession>(window, QStringLiteral("portSession"));
        QObject::connect(session, &PortSession::received, [&](QString chunk) {
            received += chunk.size();
            chunk.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
            receivedLogged.addData(SessionLog::caretNotation(chunk).toUtf8());
        });

        soak::Heartbeat heartbeat;
        QRandomGenerator random(seed);
        qint64 sent = 0;
        double firstMiB = 0;
        double lastMiB = 0;
        int drops = 0;
        while (sent < total) {
            QTcpSocket* tnc = program.tnc();
            const qint64 size = qMin(portion, total - sent);
            QVERIFY(sendRandom(*tnc, random, size));
            sent += size;
            // Every other drop the far end closes with bytes still on their way;
            // the others pull the plug, and what was still on its way may be gone.
            if (drops++ % 2 == 0)
                tnc->disconnectFromHost();
            else
                tnc->abort();
            QTRY_VERIFY_WITH_TIMEOUT(program.tnc() != tnc, kWaitMs); // reconnected by the program itself
            QVERIFY(receiveView(window).document()->blockCount() <= kScrollbackLines);
            QVERIFY2(heartbeat.takeTicks() > 0, "the event loop stopped answering");
            lastMiB = soak::residentMiB();
            if (firstMiB == 0)
                firstMiB = lastMiB;
        }

        int strayLines = 0;
        const QByteArray logged = hashOfLoggedReceived(program.dataFolder() + QStringLiteral("/logs"), strayLines);
        QCOMPARE(logged, receivedLogged.result());
        QCOMPARE(strayLines, 0);
        qInfo().noquote() << QStringLiteral("soak receive: %1 MiB sent (seed %2), %3 MiB received and logged; "
                                            "%4 drops, %4 reconnects seen by the far end; resident %5 MiB after the "
                                            "first portion, %6 MiB after the last; longest event-loop gap %7 ms")
                                 .arg(total / kMiB).arg(seed).arg(double(received) / kMiB, 0, 'f', 1).arg(drops)
                                 .arg(firstMiB, 0, 'f', 1).arg(lastMiB, 0, 'f', 1).arg(heartbeat.longestGapMs());
        // Generous: a leak of even half a byte per byte received over 100 MB shows.
        if (soak::kResidentMemoryMeaningful)
            QVERIFY2(lastMiB <= firstMiB * 1.5 + 32, "resident memory grew with the bytes received");
    }
};

QTEST_MAIN(SoakReceive)
#include "test_soak_receive.moc"
