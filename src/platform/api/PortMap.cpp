#include "platform/api/PortMap.h"

namespace vellicor {

QString PortMap::defaultDevice(int port)
{
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(port);
#else
    return QStringLiteral("/dev/ttyS%1").arg(port - 1);
#endif
}

void PortMap::load(const SettingsStore& store)
{
    m_devices.clear();
    for (int port = 1; port <= kHighestPort; ++port) {
        const std::optional<QString> device = store.value(kGroup, key(port));
        if (device && !device->trimmed().isEmpty())
            m_devices.insert(port, device->trimmed());
    }
}

void PortMap::store(SettingsStore& store, int port) const
{
    if (m_devices.contains(port))
        store.setValue(kGroup, key(port), m_devices.value(port));
}

QString PortMap::deviceFor(int port) const
{
    return m_devices.value(port, defaultDevice(port));
}

void PortMap::setDevice(int port, const QString& device)
{
    if (device.trimmed().isEmpty())
        m_devices.remove(port);
    else
        m_devices.insert(port, device.trimmed());
}

} // namespace vellicor
