#include "app/Startup.h"

#include "terminal/CommandLine.h"

namespace vellicor {

QString mainCaption(int major, int minor, int revision)
{
    QString caption = QStringLiteral("Vellicor - Version %1.%2.%3").arg(major).arg(minor).arg(revision);
    if (revision > 899)
        caption += QStringLiteral(" (Beta)");
    return caption;
}

StartupResult loadStartup(const QString& commandLine, const SettingsStore& store, SerialLink& link,
                          Globals& globals, const ProgramFolder& folder)
{
    globals.gPortOk = true;
    globals.gRunStartupScript = true;

    const CommandLineOptions options = CommandLineOptions::parse(commandLine);
    globals.gCommPort = options.commPort;
    globals.gPortSettings = options.settings;
    globals.gStartupFile = options.startupFile;
    globals.gShutdownFile = options.shutdownFile;

    const Preferences::LoadResult loaded = Preferences::load(store, globals, link);

    globals.gConnectCmd = QStringLiteral("C");
    globals.gConnectsFile = QStringLiteral("\\VellicorConnects.txt");
    globals.gBypassConv = false;
    globals.gAresFormatBody = true;
    globals.gAresLineWidth = 70;
    globals.gNtsSendAsTraffic = true;
    globals.gNtsFormatBody = true;
    globals.gNtsLineWidth = 70;
    if (globals.gStartupFile.isEmpty())
        globals.gStartupFile = folder.path() + QStringLiteral("\\VellicorStartup.txt");
    if (globals.gShutdownFile.isEmpty())
        globals.gShutdownFile = folder.path() + QStringLiteral("\\VellicorShutdown.txt");
    return {loaded.colors, loaded.anyFailed};
}

} // namespace vellicor
