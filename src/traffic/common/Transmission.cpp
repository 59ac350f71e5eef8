#include "traffic/common/Transmission.h"

#include "platform/api/Pauser.h"
#include "terminal/TncWriter.h"

namespace vellicor {

Transmission converseModePrefix()
{
    return {TransmissionStep::write(TncChars::kCtrlC),
            TransmissionStep::write(QStringLiteral("CONV") + TncChars::kCr),
            TransmissionStep::pause(0.5)};
}

TransmissionOutcome PlayTransmission(const Transmission& transmission, TncWriter& writer, Pauser& pauser)
{
    if (!writer.portOpen())
        return TransmissionOutcome::PortClosedBeforeStart;
    bool lost = false;
    for (const TransmissionStep& step : transmission) {
        if (step.kind == TransmissionStep::Kind::Pause)
            pauser.Pause(step.seconds);
        else if (!lost && writer.SendToTnc(step.text))
            lost = true;
    }
    return lost ? TransmissionOutcome::LostPartway : TransmissionOutcome::Sent;
}

} // namespace vellicor
