#include "app/Application.h"

#include "app/FrmPacket.h"
#include "app/Version.h"
#include "platform/api/PortMap.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtPrintService.h"
#include "platform/qt/QtSerialLink.h"

#include <QApplication>
#include <QStringList>

namespace vellicor {

namespace {

// A help viewer that does nothing, until the program's help window is wired.
class NoHelp : public HelpViewer {
public:
    void showContext(int) override {}
    void showContents(const QString&) override {}
    void close() override {}
};

class NoSound : public SoundPlayer {
public:
    void play(const QString&) override {}
};

// The command line as one string of options, as operators type it.
QString commandLineOf(const QStringList& arguments)
{
    return arguments.mid(1).join(QLatin1Char(','));
}

} // namespace

int runApplication(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellicor"));
    QApplication::setQuitOnLastWindowClosed(false);

    IniSettingsStore settings;
    PortMap ports;
    ports.load(settings);
    QtSerialLink link(ports);
    QtPrompter prompter;
    QtBeeper beeper;
    SystemClock clock;
    EventLoopPauser pauser;
    QtFileDialogs dialogs;
    QtPrintService printer(prompter, dialogs);
    NoHelp help;
    NoSound sound;
    const Platform platform{&link, &prompter, &beeper, &clock, &pauser, &dialogs, &printer, &settings, &help, &sound};

    Globals globals;
    FrmPacket::Options options;
    options.commandLine = commandLineOf(QApplication::arguments());
    options.versionMajor = kVersionMajor;
    options.versionMinor = kVersionMinor;
    options.versionRevision = kVersionRevision;
    FrmPacket window(globals, platform, options);
    window.show();
    return QApplication::exec();
}

} // namespace vellicor
