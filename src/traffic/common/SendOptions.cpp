#include "traffic/common/SendOptions.h"

#include "terminal/Conversions.h"
#include "traffic/common/WrapMessageBody.h"

#include <utility>

namespace vellicor {

namespace SendOptionsBindings {

SendOptionsBinding nts()
{
    return {QStringLiteral("frmNTSOptions"), QStringLiteral("Vellicor NTS Options"), &SendSettings::gNtsFormatBody, &SendSettings::gNtsLineWidth,
            &SendSettings::gNtsSendAsTraffic, 520};
}

SendOptionsBinding ares()
{
    return {QStringLiteral("frmTORMELOptions"), QStringLiteral("Vellicor TORMEL Options"), &SendSettings::gAresFormatBody, &SendSettings::gAresLineWidth,
            nullptr, 720};
}

} // namespace SendOptionsBindings

SendOptions::SendOptions(TrafficGlobals& globals, SendOptionsBinding binding)
    : m_globals(globals)
    , m_binding(std::move(binding))
{
}

SendOptionsControls SendOptions::load() const
{
    SendOptionsControls controls;
    if (m_binding.hasSendType())
        controls.sendAsTraffic = m_globals.*m_binding.sendAsTraffic;
    controls.formatted = m_globals.*m_binding.formatBody;
    controls.lineWidth = QString::number(m_globals.*m_binding.lineWidth);
    return controls;
}

void SendOptions::setFormatted(bool on)
{
    m_globals.*m_binding.formatBody = on;
}

SendOptionsControls SendOptions::defaults() const
{
    return {true, true, kDefaultWidth};
}

bool SendOptions::apply(const SendOptionsControls& controls, QString& messageText)
{
    const std::optional<qint64> width = Conversions::wholeNumber(controls.lineWidth, 0, 32767);
    if (!width)
        return false;
    if (m_binding.hasSendType())
        m_globals.*m_binding.sendAsTraffic = controls.sendAsTraffic;
    int& lineWidth = m_globals.*m_binding.lineWidth;
    lineWidth = static_cast<int>(*width);
    if (m_globals.*m_binding.formatBody)
        WrapMessageBody(messageText, lineWidth);
    return true;
}

} // namespace vellicor
