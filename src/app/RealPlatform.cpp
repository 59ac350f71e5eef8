#include "app/RealPlatform.h"

namespace vellicor {

namespace {

// Stand-ins until the help window and the sound player are part of the program.
class NoHelp : public HelpViewer {
public:
    void showContext(int) override {}
    void showContents(const QString&) override {}
    void close() override {}
};

class NoSound : public SoundPlayer {
public:
    void play(const QString&) override {}
};

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
    , m_help(std::make_unique<NoHelp>())
    , m_sound(std::make_unique<NoSound>())
{
}

RealPlatform::~RealPlatform() = default;

Platform RealPlatform::platform()
{
    return {&m_link, &m_prompter, &m_beeper, &m_clock, &m_pauser, &m_dialogs,
            &m_printer, &m_settings, m_help.get(), m_sound.get()};
}

} // namespace vellicor
