#include "traffic/ares/AresTransmission.h"

#include "traffic/ares/AresFields.h"
#include "traffic/ares/AresMessage.h"
#include "traffic/common/WrapMessageBody.h"

namespace vellicor::AresTransmission {

namespace {

using TncChars::kCr;

bool isBlankField(const QString& text)
{
    return text.isEmpty() || text == QLatin1String(" ");
}

QStringList messageWrites(const AresMessage& m)
{
    return {
        QStringLiteral("S ") + m.to + kCr,
        m.priority + QStringLiteral(", ") + m.subject + kCr,
        m.date + QStringLiteral("    ") + m.time + kCr + kCr,
        QStringLiteral("TO:   (") + m.to + QStringLiteral(") ") + m.toName + kCr,
        QStringLiteral("FROM: (") + m.from + QStringLiteral(") ") + m.fromName + kCr + kCr,
        m.message + kCr,
        QStringLiteral("END MSG SENT ") + m.msgSentTime + QStringLiteral("    BY ") + m.by + kCr + TncChars::kCtrlZ,
    };
}

} // namespace

void prepareForSend(AresMessage& message, TrafficGlobals& globals, const QTime& localTimeNow)
{
    message.to = AresFields::RestoreZeros(message.to);
    message.from = AresFields::RestoreZeros(message.from);
    message.by = AresFields::RestoreZeros(message.by);
    if (globals.gAresFormatBody)
        WrapMessageBody(message.message, globals.gAresLineWidth);
    if (isBlankField(message.msgSentTime))
        message.msgSentTime = localTimeNow.toString(QStringLiteral("HH:mm"));
    if (isBlankField(message.by))
        message.by = message.from;
}

Transmission build(const AresMessage& message, const TrafficGlobals& globals)
{
    Transmission transmission;
    if (!globals.gBypassConv)
        transmission = converseModePrefix();
    for (const QString& text : messageWrites(message))
        transmission.append(TransmissionStep::write(text));
    transmission.append(TransmissionStep::pause(1.0));
    transmission.append(TransmissionStep::write(kCr));
    return transmission;
}

} // namespace vellicor::AresTransmission
