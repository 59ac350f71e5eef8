// Burst: 10 MB written by the far end at once over TCP into the real main
// window. Time from the write until the last line is shown, and the longest
// the event loop was blocked meanwhile (a 1 ms timer measures the gaps).
#include "BenchProgram.h"
#include "BenchTable.h"
#include "PacketText.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

using namespace vellicor;
using namespace vellicor::bench;
using SteadyClock = std::chrono::steady_clock;

namespace {

const QString kEndMark = QStringLiteral("END-OF-BURST");

struct BurstResult {
    double seconds = 0;
    double longestStallMs = 0;
    bool shown = false;
};

BurstResult burst(BenchProgram& program, qsizetype size)
{
    QByteArray text = packetText(size - kEndMark.size() - 2, 3) + "\r\n" + kEndMark.toLatin1();
    BurstResult result;
    QEventLoop loop;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(1);
    SteadyClock::time_point lastTick = SteadyClock::now();
    const SteadyClock::time_point start = lastTick;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const SteadyClock::time_point now = SteadyClock::now();
        result.longestStallMs = std::max(result.longestStallMs, microseconds(now - lastTick) / 1000.0);
        lastTick = now;
        if (program.lastPaneLine().endsWith(kEndMark)) {
            result.shown = true;
            result.seconds = microseconds(now - start) / 1e6;
            loop.quit();
        }
    });
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    ticker.start();
    program.farEnd().send(std::move(text));
    loop.exec();
    program.farEnd().finishSending();
    return result;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    BenchProgram program;
    program.start();
    const BurstResult result = burst(program, 10 * 1024 * 1024);
    BenchTable table(QStringLiteral("Burst of 10 MB over TCP into the main window"));
    table.add(QStringLiteral("time until all of it is shown"),
              result.shown ? number(result.seconds, 2) + QStringLiteral(" s") : QStringLiteral("not shown in 60 s"),
              QStringLiteral("<= 5 s"));
    table.add(QStringLiteral("longest event-loop stall"), number(result.longestStallMs) + QStringLiteral(" ms"),
              QStringLiteral("<= 100 ms"));
    table.add(QStringLiteral("lines in pane"), QString::number(program.paneLineCount()));
    table.print();
    return result.shown ? 0 : 1;
}
