#include "tnc/TacticalCall.h"

#include "tnc/AnsiText.h"

namespace vellicor::TacticalCall {

QStringList writes(const QString& tactical)
{
    if (tactical.isEmpty() || tactical == u" ")
        return {QStringLiteral("SWITCH\r"), QStringLiteral("SET/NOALIAS\r")};
    return {QStringLiteral("SET/ALIAS ") + AnsiText::trimSpaces(tactical) + QLatin1Char('\r'),
            QStringLiteral("SWITCH\r")};
}

void send(TncWriter& writer, const QString& tactical)
{
    for (const QString& text : writes(tactical))
        writer.SendToTnc(text);
}

} // namespace vellicor::TacticalCall
