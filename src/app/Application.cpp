#include "app/Application.h"

#include "app/FrmPacket.h"
#include "app/RealPlatform.h"
#include "app/Version.h"
#include "platform/qt/SystemEnd.h"

#include <QApplication>
#include <QStringList>

namespace vellicor {

QString commandLineOf(const QStringList& arguments)
{
    return arguments.mid(1).join(QLatin1Char(','));
}

FrmPacket::Options programOptions(const QStringList& arguments)
{
    FrmPacket::Options options;
    options.commandLine = commandLineOf(arguments);
    options.versionMajor = kVersionMajor;
    options.versionMinor = kVersionMinor;
    options.versionRevision = kVersionRevision;
    return options;
}

int runApplication(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellicor"));
    QApplication::setQuitOnLastWindowClosed(false);

    RealPlatform outside;
    Globals globals;
    FrmPacket window(globals, outside.platform(), programOptions(QApplication::arguments()));
    SystemEnd systemEnd;
    QObject::connect(&systemEnd, &SystemEnd::requested, &window, &FrmPacket::closeForSystem);
    window.show();
    return QApplication::exec();
}

} // namespace vellicor
