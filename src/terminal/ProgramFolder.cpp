#include "terminal/ProgramFolder.h"

#include <QDir>
#include <QStandardPaths>
#include <QStringList>

namespace vellicor {

namespace {

QString toSlashes(QString name)
{
    return name.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

// The entry of dir whose name equals part ignoring case, or part itself.
QString matchEntry(const QDir& dir, const QString& part)
{
    if (dir.exists(part))
        return part;
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(part, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return part;
}

} // namespace

ProgramFolder ProgramFolder::standard()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return ProgramFolder(data + QStringLiteral("/Vellicor"));
}

ProgramFolder::ProgramFolder(QString path)
    : m_path(std::move(path))
{
    while (m_path.size() > 1 && m_path.endsWith(QLatin1Char('/')))
        m_path.chop(1);
}

bool ProgramFolder::ensureExists() const
{
    return QDir().mkpath(m_path);
}

QString ProgramFolder::resolve(const QString& name)
{
    const QString path = toSlashes(name);
    if (path.isEmpty())
        return path;
    const bool absolute = path.startsWith(QLatin1Char('/'));
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString resolved = absolute ? QStringLiteral("/") : QString();
    for (const QString& part : parts) {
        const QDir dir(resolved.isEmpty() ? QStringLiteral(".") : resolved);
        const QString entry = (part == QLatin1String(".") || part == QLatin1String(".."))
            ? part
            : matchEntry(dir, part);
        if (!resolved.isEmpty() && !resolved.endsWith(QLatin1Char('/')))
            resolved += QLatin1Char('/');
        resolved += entry;
    }
    return resolved;
}

QString ProgramFolder::resolvePath(const QString& name) const
{
    const QString path = toSlashes(name);
    if (path.startsWith(QLatin1Char('/')))
        return resolve(path);
    return resolve(m_path + QLatin1Char('/') + path);
}

QString ProgramFolder::resolveInside(const QString& name) const
{
    QStringList kept;
    for (const QString& part : toSlashes(name).split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String("..")) {
            if (!kept.isEmpty())
                kept.removeLast();
        } else if (part != QLatin1String(".")) {
            kept.append(part);
        }
    }
    return resolve(m_path + QLatin1Char('/') + kept.join(QLatin1Char('/')));
}

} // namespace vellicor
