#include "traffic/common/TrafficSend.h"

#include "platform/api/Prompter.h"
#include "terminal/TncWriter.h"

namespace vellicor {

namespace {
const QString kTitle = QStringLiteral("Vellicor");
}

TrafficSend::TrafficSend(Prompter& prompter, TncWriter& writer, Pauser& pauser)
    : m_prompter(prompter)
    , m_writer(writer)
    , m_pauser(pauser)
{
}

TrafficSendResult TrafficSend::run(const QString& question, const std::function<Transmission()>& prepare)
{
    if (!m_prompter.askYesNo(question))
        return TrafficSendResult::Declined;
    if (!m_writer.portOpen()) {
        m_prompter.show(TrafficSendTexts::kPortNotOpen, kTitle, PromptButtons::Ok, PromptIcon::Exclamation);
        return TrafficSendResult::NotSent;
    }
    switch (PlayTransmission(prepare(), m_writer, m_pauser)) {
    case TransmissionOutcome::Sent:
        m_prompter.show(TrafficSendTexts::kTransmitting, kTitle, PromptButtons::Ok, PromptIcon::Information);
        return TrafficSendResult::Sent;
    case TransmissionOutcome::PortClosedBeforeStart:
        m_prompter.show(TrafficSendTexts::kPortNotOpen, kTitle, PromptButtons::Ok, PromptIcon::Exclamation);
        return TrafficSendResult::NotSent;
    case TransmissionOutcome::LostPartway:
        break;
    }
    m_prompter.show(TrafficSendTexts::kPortLost, kTitle, PromptButtons::Ok, PromptIcon::Exclamation);
    return TrafficSendResult::Incomplete;
}

} // namespace vellicor
