#include "traffic/ares/AresFields.h"

#include "terminal/Windows1252.h"

namespace vellicor::AresFields {

QString priorityLabel(const QString& priority)
{
    const QString code = upperWindows1252(priority);
    if (code == QLatin1String("R"))
        return QStringLiteral("(Routine)");
    if (code == QLatin1String("W"))
        return QStringLiteral("(Health and Wealfare)");
    if (code == QLatin1String("P"))
        return QStringLiteral("(Priority)");
    if (code == QLatin1String("E"))
        return QStringLiteral("(Emergency)");
    return QString();
}

QString callSignTyped(const QString& typed)
{
    QString call = upperWindows1252(typed);
    return call.replace(QLatin1Char('0'), QChar(kSlashedZero));
}

QString RestoreZeros(const QString& text)
{
    QString plain = text;
    return plain.replace(QChar(kSlashedZero), QLatin1Char('0'));
}

} // namespace vellicor::AresFields
