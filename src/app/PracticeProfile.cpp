#include "app/PracticeProfile.h"

#include "app/Version.h"
#include "terminal/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>

namespace vellicor {

QString PracticeProfile::defaultHome()
{
    const QString chosen = qEnvironmentVariable("VELLICOR_PRACTICE_HOME");
    if (!chosen.isEmpty())
        return chosen;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/vellicor-practice");
}

const QStringList& PracticeProfile::templateFiles()
{
    static const QStringList names = {QStringLiteral("VellicorStartup.txt"), QStringLiteral("VellicorShutdown.txt"),
                                      QStringLiteral("VellicorConnects.txt")};
    return names;
}

QString PracticeProfile::templateFolder(const QString& programFolder)
{
    const QString installed = programFolder + QStringLiteral("/../share/vellicor/practice-profile");
    if (QFileInfo(installed).isDir())
        return QDir::cleanPath(installed);
    return QString::fromLocal8Bit(kSourceFolder) + QStringLiteral("/practice/profile");
}

QString PracticeProfile::practiceTncProgram(const QString& programFolder)
{
    const QString name = QStringLiteral("vellicor-practice-tnc");
    for (const QString& folder : {programFolder, programFolder + QStringLiteral("/../practice")}) {
        const QFileInfo beside(folder + QLatin1Char('/') + name);
        if (beside.isFile() && beside.isExecutable())
            return QDir::cleanPath(beside.absoluteFilePath());
    }
    return QStandardPaths::findExecutable(name);
}

PracticeProfile::PracticeProfile(QString home)
    : m_home(std::move(home))
{
}

QString PracticeProfile::prepare(const QString& templateFolder) const
{
    const QString scripts = dataFolder() + QStringLiteral("/Vellicor");
    for (const QString& folder : {configFolder() + QStringLiteral("/Vellicor"), scripts, storeFolder()}) {
        if (!QDir().mkpath(folder))
            return QStringLiteral("The folder %1 cannot be created.").arg(folder);
    }
    for (const QString& name : templateFiles()) {
        const QString target = scripts + QLatin1Char('/') + name;
        if (QFileInfo::exists(target))
            continue;
        QFile source(templateFolder + QLatin1Char('/') + name);
        if (!source.open(QIODevice::ReadOnly))
            return QStringLiteral("The practice profile's %1 is missing from %2.").arg(name, templateFolder);
        if (TextFile::saveAtomically(target, source.readAll()))
            return QStringLiteral("%1 cannot be written.").arg(target);
    }
    return {};
}

} // namespace vellicor
