#include "app/Application.h"

#include "app/FrmPacket.h"
#include "app/PracticeProfile.h"
#include "app/ProgramArguments.h"
#include "app/RealPlatform.h"
#include "app/Version.h"
#include "platform/qt/PracticeTncProcess.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/SystemEnd.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>

namespace vellicor {

namespace {

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// Points the program at the practice profile and the practice TNC it starts:
// the profile's Com2 is the TNC's loopback port, and Com2 is the port in use.
bool startPractice(PracticeTncProcess& tnc)
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    const PracticeProfile profile(PracticeProfile::defaultHome());
    QString problem = profile.prepare(PracticeProfile::templateFolder(programFolder));
    std::optional<quint16> port;
    if (problem.isEmpty())
        port = tnc.start(PracticeProfile::practiceTncProgram(programFolder), profile.storeFolder(), &problem);
    if (!port) {
        QtPrompter().show(QStringLiteral("Practice cannot start: ") + problem, QStringLiteral("Vellicor"),
                          PromptButtons::Ok, PromptIcon::Critical);
        return false;
    }
    qputenv("XDG_CONFIG_HOME", profile.configFolder().toLocal8Bit());
    qputenv("XDG_DATA_HOME", profile.dataFolder().toLocal8Bit());
    IniSettingsStore settings;
    settings.setValue(QStringLiteral("Ports"), QStringLiteral("Com2"), QStringLiteral("tcp://127.0.0.1:%1").arg(*port));
    settings.setValue(QStringLiteral("Properties"), QStringLiteral("CommPort"), QStringLiteral("2"));
    return true;
}

} // namespace

QString commandLineOf(const QStringList& arguments)
{
    return parseProgramArguments(arguments.mid(1)).commandLine.join(QLatin1Char(','));
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
    const ProgramArguments own = parseProgramArguments(argumentsOf(argc, argv));
    if (!own.unknown.isEmpty()) {
        std::fprintf(stderr, "vellicor: unknown option %s\n%s\n", qPrintable(own.unknown), kProgramUsage);
        return 2;
    }
    if (own.help || own.version) {
        std::printf("%s\n", own.help ? kProgramUsage : (QByteArray("vellicor ") + kVersionText).constData());
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellicor"));
    QApplication::setQuitOnLastWindowClosed(false);

    PracticeTncProcess practiceTnc;
    if (own.practice && !startPractice(practiceTnc))
        return 1;
    RealPlatform outside;
    Globals globals;
    FrmPacket window(globals, outside.platform(), programOptions(QApplication::arguments()));
    SystemEnd systemEnd;
    QObject::connect(&systemEnd, &SystemEnd::requested, &window, &FrmPacket::closeForSystem);
    window.show();
    return QApplication::exec();
}

} // namespace vellicor
