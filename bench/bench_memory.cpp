// Memory: resident memory of the whole program after 10 MB and after 100 MB
// of packet text received over TCP, with the default scrollback of 20,000
// lines and the session log on. The far end sends 1 MB at a time and waits
// until it is shown. Then the peak while another 100 MB come as fast as the
// link takes them, far faster than the pane can show them.
#include "BenchProgram.h"
#include "BenchTable.h"
#include "PacketText.h"
#include "app/ReceiveView.h"

#include <QApplication>
#include <QTest>

#include <thread>

using namespace vellicor;
using namespace vellicor::bench;

namespace {

constexpr qsizetype kMegabyte = 1024 * 1024;

bool receiveMegabyte(BenchProgram& program, int index)
{
    const QByteArray mark = "MB-" + QByteArray::number(index);
    program.farEnd().send(packetText(kMegabyte - mark.size() - 2, index) + "\r\n" + mark);
    return QTest::qWaitFor([&] { return program.lastPaneLine().endsWith(QLatin1String(mark)); }, 30000);
}

// The far end writes the megabytes one after the other without waiting for
// the pane; only the link's own bounds hold it back.
bool receiveFlood(BenchProgram& program, int megabytes)
{
    const QByteArray mark = "FLOOD-END";
    std::thread sender([&program, megabytes, mark] {
        const QByteArray block = packetText(kMegabyte - 2, 7) + "\r\n";
        for (int i = 0; i < megabytes; ++i) {
            program.farEnd().send(block);
            program.farEnd().finishSending();
        }
        program.farEnd().send(mark);
        program.farEnd().finishSending();
    });
    const bool shown = QTest::qWaitFor([&] { return program.lastPaneLine().endsWith(QLatin1String(mark)); }, 600000);
    sender.join();
    return shown;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    BenchProgram program;
    program.start();
    BenchTable table(QStringLiteral("Resident memory while receiving"));
    table.add(QStringLiteral("after start-up"), number(residentMegabytes()) + QStringLiteral(" MB"));
    for (int megabytes = 1; megabytes <= 100; ++megabytes) {
        if (!receiveMegabyte(program, megabytes))
            qFatal("megabyte %d was not shown", megabytes);
        if (megabytes == 10 || megabytes == 100)
            table.add(QStringLiteral("after %1 MB received").arg(megabytes), number(residentMegabytes()) + QStringLiteral(" MB"),
                      megabytes == 100 ? QStringLiteral("<= 150 MB") : QString());
    }
    table.add(QStringLiteral("peak so far"), number(peakResidentMegabytes()) + QStringLiteral(" MB"));
    if (!receiveFlood(program, 100))
        qFatal("the flood's end was not shown");
    table.add(QStringLiteral("peak with 100 MB more sent as fast as taken"),
              number(peakResidentMegabytes()) + QStringLiteral(" MB"), QStringLiteral("< 100 MB"));
    table.add(QStringLiteral("lines in pane"), QString::number(program.paneLineCount()));
    table.print();
    return 0;
}
