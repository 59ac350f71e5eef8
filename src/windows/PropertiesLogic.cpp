#include "windows/PropertiesLogic.h"

#include "terminal/Conversions.h"
#include "terminal/Preferences.h"
#include "windows/PropertyLists.h"

#include <QEventLoop>

namespace vellicor {

PropertiesLogic::PropertiesLogic(TerminalGlobals& globals, SerialLink& link, SettingsStore& settings,
                                 Prompter& prompter, FileDialogs& dialogs, PaneColorsHost& panes,
                                 PortMap& ports)
    : m_globals(globals)
    , m_link(link)
    , m_settings(settings)
    , m_prompter(prompter)
    , m_dialogs(dialogs)
    , m_panes(panes)
    , m_ports(ports)
    , m_storedPorts(ports)
    , m_workingPorts(ports)
{
}

void PropertiesLogic::editDevice(int port, const QString& device)
{
    if (port < 1 || port > PortMap::kHighestPort)
        return;
    if (device.trimmed() != m_workingPorts.deviceFor(port))
        m_workingPorts.setDevice(port, device);
}

bool PropertiesLogic::ok(const PropertiesEntries& entries)
{
    m_globals.gLocalEcho = entries.echoChoice;
    if (!changePort(entries.portIndex + 1))
        return false;

    const QString settings = PropertyLists::settingsText(entries.speed, entries.parity,
                                                         entries.dataBits, entries.stopBits);
    if (refuse(m_link.setSettings(settings)))
        return false;
    m_globals.gPortSettings = m_link.settings();
    if (refuse(m_link.setHandshaking(entries.flowChoice)))
        return false;

    applyLineLength(entries.maxLineLength);
    m_globals.gWordOut = entries.wordOut;
    storeAll();
    return true;
}

bool PropertiesLogic::changePort(int newPort)
{
    const int oldPort = m_link.portNumber();
    m_ports = m_workingPorts;
    if (m_link.isOpen() || m_link.isConnecting())
        m_link.close();
    PortResult failure = m_link.setPortNumber(newPort);
    if (!failure) {
        failure = openPort();
        m_globals.gPortOk = true;
    }
    if (failure) {
        m_prompter.show(failure->description, QStringLiteral("Vellicor"), PromptButtons::Ok,
                        PromptIcon::Exclamation);
        m_link.setPortNumber(oldPort);
        m_ports = m_storedPorts;
        return false;
    }
    // Activations of the main window give gCommPort to the port, so it
    // follows the port the operator chose here.
    m_globals.gCommPort = newPort;
    return true;
}

PortResult PropertiesLogic::openPort()
{
    PortResult failure = m_link.open();
    if (failure || !m_link.isConnecting())
        return failure;
    // A connection being made is waited for with the window system running,
    // so its outcome is known before the next step.
    QEventLoop wait;
    QObject::connect(&m_link, &SerialLink::opened, &wait, &QEventLoop::quit);
    QObject::connect(&m_link, &SerialLink::openFailed, &wait, [&failure, &wait](const PortFailure& why) {
        failure = why;
        wait.quit();
    });
    wait.exec();
    if (!failure && !m_link.isOpen())
        failure = PortFailure{PortFailures::kNotOpen, QStringLiteral("Port not open")};
    return failure;
}

bool PropertiesLogic::refuse(const PortResult& failure)
{
    if (!failure)
        return false;
    // The port stays open on the device now in the live map, so the map keeps
    // it and Restart Port reopens that device; nothing is stored.
    m_prompter.show(failure->description, QStringLiteral("Vellicor"), PromptButtons::Ok,
                    PromptIcon::Exclamation);
    return true;
}

void PropertiesLogic::applyLineLength(const QString& text)
{
    if (const std::optional<qint16> length = Conversions::int16(text))
        m_globals.gMaxLineLength = *length;
}

void PropertiesLogic::storeAll()
{
    Preferences::storePortAndTyping(m_settings, m_globals, m_link);
    storePorts();
    m_storedPorts = m_ports;
}

void PropertiesLogic::storePorts()
{
    for (int port = 1; port <= PortMap::kHighestPort; ++port) {
        const QString device = m_ports.deviceFor(port);
        if (device == m_storedPorts.deviceFor(port) && m_ports.hasEntry(port) == m_storedPorts.hasEntry(port))
            continue;
        if (m_ports.hasEntry(port))
            m_ports.store(m_settings, port);
        else if (m_settings.value(PortMap::kGroup, PortMap::key(port)))
            m_settings.setValue(PortMap::kGroup, PortMap::key(port), PortMap::defaultDevice(port));
    }
}

quint32 PropertiesLogic::colorOf(ColorTarget target) const
{
    switch (target) {
    case ColorTarget::ReceivedText: return m_globals.gRxForeColor;
    case ColorTarget::SentText: return m_globals.gTxForeColor;
    case ColorTarget::ReceivedBack: return m_panes.receivedBackColor();
    case ColorTarget::SentBoxText: return m_panes.sentBoxForeColor();
    case ColorTarget::SentBoxBack: return m_panes.sentBoxBackColor();
    }
    return 0;
}

bool PropertiesLogic::selectColor(ColorTarget target)
{
    const std::optional<quint32> chosen = m_dialogs.chooseColor(colorOf(target));
    if (!chosen)
        return false;
    applyColor(target, *chosen & 0x00FFFFFFu);
    Preferences::storeColors(m_settings, m_globals, m_panes.receivedBackColor(),
                             m_panes.sentBoxForeColor(), m_panes.sentBoxBackColor());
    return true;
}

void PropertiesLogic::applyColor(ColorTarget target, quint32 color)
{
    switch (target) {
    case ColorTarget::ReceivedText: m_globals.gRxForeColor = color; break;
    case ColorTarget::SentText: m_globals.gTxForeColor = color; break;
    case ColorTarget::ReceivedBack: m_panes.setReceivedBackColor(color); break;
    case ColorTarget::SentBoxText: m_panes.setSentBoxForeColor(color); break;
    case ColorTarget::SentBoxBack: m_panes.setSentBoxBackColor(color); break;
    }
}

} // namespace vellicor
