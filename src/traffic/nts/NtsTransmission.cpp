#include "traffic/nts/NtsTransmission.h"

#include "traffic/common/TrafficPatterns.h"
#include "traffic/common/WrapMessageBody.h"
#include "traffic/nts/Radiogram.h"

namespace vellicor::NtsTransmission {

namespace {

using TncChars::kCr;

QString withoutTrailingBreaks(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0) {
        const QChar c = text[end - 1];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n') && c != QLatin1Char(' '))
            break;
        --end;
    }
    return text.left(end);
}

QStringList radiogramWrites(const Radiogram& r, const TrafficGlobals& globals)
{
    const QString command = globals.gNtsSendAsTraffic ? QStringLiteral("ST ") : QStringLiteral("S ");
    const QString space = QStringLiteral(" ");
    return {
        command + r.zip + QStringLiteral(" @NTS") + r.state + kCr,
        QStringLiteral("QTC 1 ") + r.city + QStringLiteral(", ") + r.state + kCr,
        r.msgNum + space,
        precedenceWord(r.precedence) + space,
        r.handling + space + TrafficPatterns::trimSpaces(r.station) + space + r.check + space + r.place + space
            + r.timeFiled + space + r.dateFiled + kCr + kCr,
        r.name + kCr,
        r.address + kCr,
        r.city + QStringLiteral(", "),
        r.state + QStringLiteral(", "),
        r.zip + kCr,
        r.phone + QStringLiteral("  BT") + kCr + kCr,
        r.message + QStringLiteral("  BT") + kCr + kCr,
        r.signedBy + kCr + TncChars::kCtrlZ,
    };
}

} // namespace

void prepareForSend(Radiogram& radiogram, TrafficGlobals& globals)
{
    if (globals.gNtsFormatBody)
        WrapMessageBody(radiogram.message, globals.gNtsLineWidth);
    radiogram.address = withoutTrailingBreaks(radiogram.address);
}

QString precedenceWord(const QString& precedence)
{
    const QString test = QStringLiteral("TEST ");
    if (precedence.startsWith(test))
        return test + precedenceWord(precedence.mid(test.size()));
    if (precedence.startsWith(QLatin1Char('E')))
        return precedence;
    return precedence.left(1);
}

Transmission build(const Radiogram& radiogram, const TrafficGlobals& globals)
{
    Transmission transmission;
    if (!globals.gBypassConv)
        transmission = converseModePrefix();
    for (const QString& text : radiogramWrites(radiogram, globals))
        transmission.append(TransmissionStep::write(text));
    transmission.append(TransmissionStep::pause(1.0));
    transmission.append(TransmissionStep::write(kCr));
    return transmission;
}

} // namespace vellicor::NtsTransmission
