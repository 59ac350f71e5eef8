#include "app/RealPlatform.h"

#include "platform/qt/QtHelpViewer.h"
#include "platform/qt/QtSoundPlayer.h"
#include "windows/WindowsResources.h"

namespace vellicor {

namespace {

PortMap loadedPorts(const SettingsStore& settings)
{
    PortMap ports;
    ports.load(settings);
    return ports;
}

} // namespace

RealPlatform::RealPlatform()
    : m_ports(loadedPorts(m_settings))
    , m_link(m_ports)
    , m_printer(m_prompter, m_dialogs)
    , m_help(std::make_unique<QtHelpViewer>(m_helpBook))
    , m_sound(std::make_unique<QtSoundPlayer>())
{
}

RealPlatform::~RealPlatform() = default;

Platform RealPlatform::platform()
{
    return {&m_link, &m_prompter, &m_beeper, &m_clock, &m_pauser, &m_dialogs,
            &m_printer, &m_settings, m_help.get(), m_sound.get(), &m_ports,
            &m_launcher, &m_devices};
}

} // namespace vellicor
