#pragma once

#include "platform/api/SettingsStore.h"

#include <QMap>
#include <QString>

namespace vellicor {

// Which device each port number stands for: group "Ports", keys "Com1" to
// "Com16", each a device path such as /dev/ttyUSB0, "tcp://HOST:PORT", or
// "agw://HOST:PORT[/K]" for radio port K (default 0) of an AGW packet engine.
// Without a key, ComN is /dev/ttyS(N-1) on Linux and COMN on Windows.
class PortMap {
public:
    static inline const QString kGroup = QStringLiteral("Ports");
    static constexpr int kHighestPort = 16;

    static QString defaultDevice(int port);
    static QString key(int port) { return QStringLiteral("Com%1").arg(port); }

    void load(const SettingsStore& store);
    // Stores the entry of one port (nothing for a port without an entry).
    void store(SettingsStore& store, int port) const;

    QString deviceFor(int port) const;
    // An empty device removes the entry, so the default applies again.
    void setDevice(int port, const QString& device);
    bool hasEntry(int port) const { return m_devices.contains(port); }

private:
    QMap<int, QString> m_devices;
};

} // namespace vellicor
