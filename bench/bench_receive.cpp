// Receive path: decoded chunks of packet text through the program's own
// receive wiring (session log, receive pane, indicator) into the real main
// window, one event-loop pass per chunk as when they arrive from the link,
// with a local-echo line in the sent colour every eighth chunk. Time per
// chunk with the pane nearly empty and with it full at its 20,000-line
// scrollback.
#include "BenchProgram.h"
#include "BenchTable.h"
#include "PacketText.h"
#include "terminal/Windows1252.h"

#include <QApplication>

using namespace vellicor;
using namespace vellicor::bench;
using SteadyClock = std::chrono::steady_clock;

namespace {

constexpr int kMeasuredChunks = 3000;
constexpr int kFullPaneLines = 20000;

struct Run {
    QList<double> micros; // per chunk
    double seconds = 0;
    qsizetype bytes = 0;
};

Run feedChunks(BenchProgram& program, const QByteArray& text, qsizetype chunkSize)
{
    Run run;
    PortSession& session = program.part<PortSession>("portSession");
    ReceivePane& pane = program.part<ReceivePane>("receivePane");
    for (int i = 0; i < kMeasuredChunks; ++i) {
        const QByteArray chunk = text.mid((i * chunkSize) % (text.size() - chunkSize), chunkSize);
        const SteadyClock::time_point start = SteadyClock::now();
        emit session.received(decodeWindows1252(chunk));
        if (i % 8 == 7)
            pane.AppendToReceivePane(QStringLiteral("N0CALL de KB0XYZ ok\r\n"), program.globals().gTxForeColor);
        QCoreApplication::processEvents();
        const double spent = microseconds(SteadyClock::now() - start);
        run.micros.append(spent);
        run.seconds += spent / 1e6;
        run.bytes += chunk.size();
    }
    return run;
}

void fillPane(BenchProgram& program)
{
    const QByteArray text = packetText(6 * 1024 * 1024, 7);
    PortSession& session = program.part<PortSession>("portSession");
    for (qsizetype at = 0; at < text.size() && program.paneLineCount() < kFullPaneLines; at += 65536) {
        emit session.received(decodeWindows1252(text.mid(at, 65536)));
        QCoreApplication::processEvents();
    }
}

void addRows(BenchTable& table, const QString& label, const Run& run)
{
    table.add(label + QStringLiteral(": median per chunk"), number(median(run.micros)) + QStringLiteral(" us"));
    table.add(label + QStringLiteral(": 99th percentile"), number(percentile(run.micros, 0.99)) + QStringLiteral(" us"));
    table.add(label + QStringLiteral(": throughput"),
              number(run.bytes / run.seconds / 1024.0, 0) + QStringLiteral(" KB/s"),
              QStringLiteral(">= 11.5 KB/s (115200 baud)"));
}

void benchChunkSize(BenchTable& table, qsizetype chunkSize)
{
    BenchProgram program;
    program.start();
    const QByteArray text = packetText(1024 * 1024);
    const QString label = QStringLiteral("%1-byte chunks").arg(chunkSize);
    const Run empty = feedChunks(program, text, chunkSize);
    fillPane(program);
    const Run full = feedChunks(program, text, chunkSize);
    addRows(table, label + QStringLiteral(", pane empty"), empty);
    addRows(table, label + QStringLiteral(", pane full"), full);
    table.add(label + QStringLiteral(": full / empty (flatness)"),
              number(median(full.micros) / median(empty.micros), 2), QStringLiteral("about 1"));
    table.add(label + QStringLiteral(": lines in pane when full"), QString::number(program.paneLineCount()));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    BenchTable table(QStringLiteral("Receive path into the real pane"));
    benchChunkSize(table, 16);
    benchChunkSize(table, 256);
    table.print();
    return 0;
}
