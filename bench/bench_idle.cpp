// Idle: the program's CPU use while it waits in Pause: a ten-second
// autobaud sequence (a "*" a second), and a script of twenty "#" lines
// (half a second each). CPU time of the whole process over wall time.
#include "BenchProgram.h"
#include "BenchTable.h"
#include "tnc/TncControl.h"

#include <QApplication>
#include <QElapsedTimer>

using namespace vellicor;
using namespace vellicor::bench;

namespace {

// Percent of one core used while `work` runs.
template <typename Work>
double cpuPercent(Work work, double* wallSeconds)
{
    QElapsedTimer wall;
    wall.start();
    const double before = cpuSeconds();
    work();
    const double spent = cpuSeconds() - before;
    *wallSeconds = wall.nsecsElapsed() / 1e9;
    return 100.0 * spent / *wallSeconds;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    BenchProgram program;
    program.start();
    TncControl& tnc = *program.window().findChild<TncControl*>();
    BenchTable table(QStringLiteral("Idle while waiting in Pause"));
    double wall = 0;
    const double autobaud = cpuPercent([&tnc] { tnc.sendAutobaud(); }, &wall);
    table.add(QStringLiteral("autobaud sequence (%1 s)").arg(number(wall)),
              number(autobaud, 2) + QStringLiteral(" % of a core"), QStringLiteral("< 0.5 %"));
    const double pauses = cpuPercent([&tnc] {
        for (int i = 0; i < 20; ++i) {
            QString line = QStringLiteral("#");
            tnc.ExecuteScriptLine(line);
        }
    }, &wall);
    table.add(QStringLiteral("script of 20 \"#\" lines (%1 s)").arg(number(wall)),
              number(pauses, 2) + QStringLiteral(" % of a core"), QStringLiteral("< 0.5 %"));
    table.add(QStringLiteral("bytes the far end received"), QString::number(program.farEnd().receivedCount()));
    table.print();
    return 0;
}
