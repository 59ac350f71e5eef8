// Key to byte: from a key typed into the send box to its byte arriving at
// the far end of the TCP link (measured on the far end's own thread). Two
// kinds of key: Return ending a one-letter line, and Ctrl+C, which goes to
// the TNC straight away.
#include "Controls.h"
#include "BenchProgram.h"
#include "BenchTable.h"
#include "app/SendBoxEdit.h"

#include <QApplication>
#include <QTest>

using namespace vellicor;
using namespace vellicor::bench;
using SteadyClock = std::chrono::steady_clock;

namespace {

constexpr int kKeys = 300;

// Milliseconds from the key to the arrival of everything it sends.
double keyToByte(BenchProgram& program, Qt::Key key, Qt::KeyboardModifiers modifiers, qsizetype bytes)
{
    const qsizetype expected = program.farEnd().receivedCount() + bytes;
    const SteadyClock::time_point start = SteadyClock::now();
    QTest::keyClick(&test::sendBox(program.window()), key, modifiers);
    std::optional<SteadyClock::time_point> arrival;
    while (!(arrival = program.farEnd().waitForReceived(expected, std::chrono::milliseconds(0)))) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (SteadyClock::now() - start > std::chrono::seconds(5))
            qFatal("no byte arrived");
    }
    return microseconds(*arrival - start) / 1000.0;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    BenchProgram program;
    program.start();
    QList<double> lines;
    QList<double> controls;
    for (int i = 0; i < kKeys; ++i) {
        QTest::keyClick(&test::sendBox(program.window()), Qt::Key_X);
        lines.append(keyToByte(program, Qt::Key_Return, Qt::NoModifier, 2));
        controls.append(keyToByte(program, Qt::Key_C, Qt::ControlModifier, 1));
    }
    BenchTable table(QStringLiteral("Key to byte at the far end (%1 keys each)").arg(kKeys));
    table.add(QStringLiteral("Return (line \"X\" CR): median"), number(median(lines), 3) + QStringLiteral(" ms"),
              QStringLiteral("< 2 ms"));
    table.add(QStringLiteral("Return: 95th percentile"), number(percentile(lines, 0.95), 3) + QStringLiteral(" ms"));
    table.add(QStringLiteral("Ctrl+C: median"), number(median(controls), 3) + QStringLiteral(" ms"), QStringLiteral("< 2 ms"));
    table.add(QStringLiteral("Ctrl+C: 95th percentile"), number(percentile(controls, 0.95), 3) + QStringLiteral(" ms"));
    table.print();
    return 0;
}
