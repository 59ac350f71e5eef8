#include "platform/qt/QtProgramLauncher.h"

#include <QProcess>
#include <QStandardPaths>

namespace vellicor {

QString QtProgramLauncher::find(const QString& program) const
{
    return QStandardPaths::findExecutable(program);
}

bool QtProgramLauncher::start(const QString& path)
{
    return QProcess::startDetached(path, {});
}

} // namespace vellicor
