// Renders the main window into a PNG: screenshot_main OUTPUT.png
// Run under a real X server (tools/screenshot-main.sh uses Xvfb).
#include "app/Application.h"
#include "app/FrmPacket.h"
#include "app/RealPlatform.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

using namespace vellicor;

int main(int argc, char* argv[])
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toLocal8Bit());
    QApplication app(argc, argv);
    const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("vellicor-main.png");

    RealPlatform outside;
    Globals globals;
    FrmPacket window(globals, outside.platform(), programOptions({QStringLiteral("vellicor")}));
    window.resize(900, 600);
    window.show();
    ReceivePane& pane = *window.findChild<ReceivePane*>(QStringLiteral("receivePane"));
    pane.ShowReceivedText(QStringLiteral("cmd:\r\nN0BBS>WELCOME TO THE PRACTICE BBS\r\n"));
    pane.AppendToReceivePane(QStringLiteral("C N0BBS\r\n"), globals.gTxForeColor);
    pane.ShowReceivedText(QStringLiteral("*** CONNECTED to N0BBS\r\n"));
    QTimer::singleShot(800, &app, [&] {
        globals.gExiting = true;
        app.exit(window.grab().save(output) ? 0 : 1);
    });
    return QApplication::exec();
}
