#include "platform/api/LineSettings.h"

#include <QStringList>

namespace vellicor {

std::optional<LineSettings> LineSettings::parse(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return std::nullopt;

    LineSettings result;
    bool ok = false;
    result.baud = parts[0].trimmed().toInt(&ok);
    if (!ok || result.baud <= 0)
        return std::nullopt;

    const QString parity = parts[1].trimmed().toUpper();
    if (parity.size() != 1 || !QStringLiteral("NEOMS").contains(parity))
        return std::nullopt;
    result.parity = parity.at(0);

    result.dataBits = parts[2].trimmed().toInt(&ok);
    if (!ok || result.dataBits < 4 || result.dataBits > 8)
        return std::nullopt;

    result.stopBits = parts[3].trimmed();
    if (result.stopBits != QLatin1String("1") && result.stopBits != QLatin1String("1.5")
        && result.stopBits != QLatin1String("2"))
        return std::nullopt;
    return result;
}

QString LineSettings::toString() const
{
    return QStringLiteral("%1,%2,%3,%4").arg(baud).arg(parity).arg(dataBits).arg(stopBits);
}

} // namespace vellicor
