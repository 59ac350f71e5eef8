// Unreachable TNC: the TNC host stops answering (its SYNs go unanswered)
// after the link was up, with automatic reconnection on, so the program tries
// again every 5 seconds and each attempt waits for its connect timeout. The
// longest the event loop was blocked meanwhile (a 1 ms timer measures the
// gaps), and how many attempts were made.
#include "BenchProgram.h"
#include "BenchTable.h"
#include "SilentListener.h"

#include <QApplication>
#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include <unistd.h>

using namespace vellicor;
using namespace vellicor::bench;
using SteadyClock = std::chrono::steady_clock;

namespace {

constexpr int kWatchSeconds = 16; // three reconnection attempts

struct WatchResult {
    double longestStallMs = 0;
    int attempts = 0;
};

WatchResult watch(SerialLink& link)
{
    WatchResult result;
    const QMetaObject::Connection counting =
        QObject::connect(&link, &SerialLink::connecting, [&result] { ++result.attempts; });
    QEventLoop loop;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(1);
    SteadyClock::time_point lastTick = SteadyClock::now();
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const SteadyClock::time_point now = SteadyClock::now();
        result.longestStallMs = std::max(result.longestStallMs, microseconds(now - lastTick) / 1000.0);
        lastTick = now;
    });
    QTimer::singleShot(kWatchSeconds * 1000, &loop, &QEventLoop::quit);
    ticker.start();
    loop.exec();
    QObject::disconnect(counting);
    return result;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    test::SilentListener tnc;
    BenchProgram program;
    program.writePreferences(tnc.port(), true);
    program.startShowing(nullptr);
    program.window().activateWindow();
    SerialLink& link = program.link();
    if (!QTest::qWaitFor([&link] { return link.isOpen(); }, 5000))
        qFatal("the program did not start");
    const int peer = tnc.accept();
    if (peer < 0 || !tnc.silence())
        qFatal("the TNC could not be silenced");
    ::close(peer); // the TNC goes away and its host no longer answers
    const WatchResult result = watch(link);

    BenchTable table(QStringLiteral("TCP TNC not answering, reconnection on"));
    table.add(QStringLiteral("longest event-loop stall (%1 s)").arg(kWatchSeconds),
              number(result.longestStallMs) + QStringLiteral(" ms"), QStringLiteral("< 100 ms"));
    table.add(QStringLiteral("connection attempts"), QString::number(result.attempts));
    table.add(QStringLiteral("link up at the end"), link.isOpen() ? QStringLiteral("yes") : QStringLiteral("no"));
    table.print();
    return 0;
}
