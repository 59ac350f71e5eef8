// Start-up: from starting the process to the main window's first paint,
// for the program and for a bare Qt main window built here for comparison.
// Rounds alternate between the two; medians of the rounds.
#include "BenchTable.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

using namespace vellicor::bench;

namespace {

constexpr int kRounds = 15;

double startMilliseconds(const QString& child, const QString& kind)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    process.start(child, {kind});
    while (!process.canReadLine()) {
        if (!process.waitForReadyRead(30000))
            qFatal("%s did not show its window", qPrintable(kind));
    }
    const double elapsed = timer.nsecsElapsed() / 1e6;
    process.waitForFinished(10000);
    return elapsed;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString child = QCoreApplication::applicationDirPath() + QStringLiteral("/startup_child");
    startMilliseconds(child, QStringLiteral("program")); // warm the file cache
    startMilliseconds(child, QStringLiteral("bare"));
    QList<double> program;
    QList<double> bare;
    for (int round = 0; round < kRounds; ++round) {
        program.append(startMilliseconds(child, QStringLiteral("program")));
        bare.append(startMilliseconds(child, QStringLiteral("bare")));
    }
    BenchTable table(QStringLiteral("Start-up to first paint (%1 rounds, %2)").arg(kRounds).arg(qEnvironmentVariable("QT_QPA_PLATFORM")));
    table.add(QStringLiteral("Vellicor main window: median"), number(median(program)) + QStringLiteral(" ms"));
    table.add(QStringLiteral("bare Qt main window: median"), number(median(bare)) + QStringLiteral(" ms"));
    table.add(QStringLiteral("ratio"), number(median(program) / median(bare), 2), QStringLiteral("<= 1.3"));
    table.print();
    return 0;
}
