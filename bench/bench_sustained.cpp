// Sustained line rate: packet text paced as a 115200-baud line delivers it
// (115 bytes every 10 ms) over TCP into the real main window for a while
// (60 s, or the seconds given as the first argument). CPU use of the
// program, and under Xvfb of the X server too, as percent of one core.
#include "BenchProgram.h"
#include "BenchTable.h"
#include "PacketText.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <unistd.h>

using namespace vellicor;
using namespace vellicor::bench;

namespace {

// The pid of the Xvfb serving this process's display, or 0.
qint64 xServerPid()
{
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty())
        return 0;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(entry));
        if (!cmdline.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> args = cmdline.readAll().split('\0');
        if (!args.isEmpty() && args[0].endsWith("Xvfb") && args.contains(display))
            return entry.toLongLong();
    }
    return 0;
}

// CPU seconds a process has used (user and system), from /proc.
double processCpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    // Fields after the name start at field 3: utime is field 14, stime 15.
    return (fields.value(11).toDouble() + fields.value(12).toDouble()) / double(sysconf(_SC_CLK_TCK));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? QByteArray(argv[1]).toInt() : 60;
    BenchProgram program;
    program.start();
    const qint64 xServer = xServerPid();
    const QByteArray text = packetText(qsizetype(seconds) * 11520 + 11520, 5);
    const double programBefore = cpuSeconds();
    const double xBefore = xServer ? processCpuSeconds(xServer) : 0;
    QElapsedTimer wall;
    wall.start();
    program.farEnd().sendPaced(text, 115, std::chrono::milliseconds(10), std::chrono::seconds(seconds));
    QTest::qWait(seconds * 1000);
    program.farEnd().finishSending();
    const double elapsed = wall.nsecsElapsed() / 1e9;
    const double programPercent = 100.0 * (cpuSeconds() - programBefore) / elapsed;
    BenchTable table(QStringLiteral("Sustained 115200 baud (115 bytes every 10 ms) for %1 s").arg(seconds));
    table.add(QStringLiteral("Vellicor"), number(programPercent, 2) + QStringLiteral(" % of a core"));
    if (xServer) {
        const double xPercent = 100.0 * (processCpuSeconds(xServer) - xBefore) / elapsed;
        table.add(QStringLiteral("X server"), number(xPercent, 2) + QStringLiteral(" % of a core"));
        table.add(QStringLiteral("Vellicor plus X server"), number(programPercent + xPercent, 2) + QStringLiteral(" % of a core"),
                  QStringLiteral("<= minicom in xterm"));
    }
    table.add(QStringLiteral("lines in pane"), QString::number(program.paneLineCount()));
    table.print();
    return 0;
}
