#include "FakeLink.h"

#include "platform/api/LineSettings.h"

#include <utility>

namespace vellicor::test {

namespace {
const PortFailure kAlreadyOpen{PortFailures::kAlreadyOpen, QStringLiteral("Port already open")};
}

PortResult FakeLink::setPortNumber(int number)
{
    if (m_open || m_connecting)
        return kAlreadyOpen;
    if (number < 1)
        return PortFailure{PortFailures::kDeviceNotFound, QStringLiteral("Invalid Port Number")};
    m_portNumber = number;
    return std::nullopt;
}

PortResult FakeLink::setSettings(const QString& settings)
{
    if (failSettings)
        return failSettings;
    if (!LineSettings::parse(settings))
        return PortFailure{PortFailures::kBadSettings, QStringLiteral("Invalid setting")};
    m_settings = settings;
    return std::nullopt;
}

PortResult FakeLink::setHandshaking(int mode)
{
    if (failHandshaking)
        return failHandshaking;
    if (mode < 0 || mode > 3)
        return PortFailure{PortFailures::kBadSettings, QStringLiteral("Invalid property value")};
    m_handshaking = mode;
    return std::nullopt;
}

PortResult FakeLink::open()
{
    if (m_open || m_connecting)
        return kAlreadyOpen;
    if (failOpen)
        return failOpen;
    if (connectsLater) {
        m_connecting = true;
        emit connecting(QStringLiteral("127.0.0.1:8001"));
        return std::nullopt;
    }
    m_open = true;
    ++openCount;
    return std::nullopt;
}

PortResult FakeLink::close()
{
    if (std::exchange(m_connecting, false))
        return std::nullopt;
    if (!m_open)
        return PortFailure{PortFailures::kNotOpen, QStringLiteral("Port not open")};
    m_open = false;
    ++closeCount;
    return std::nullopt;
}

PortResult FakeLink::write(const QByteArray& bytes)
{
    if (!m_open)
        return PortFailure{PortFailures::kNeedsOpenPort, QStringLiteral("Operation valid only when the port is open")};
    if (failWritesAfter >= 0 && m_writes >= failWritesAfter)
        return PortFailure{PortFailures::kWriteFailed, QStringLiteral("Write failed")};
    ++m_writes;
    written += bytes;
    return std::nullopt;
}

QByteArray FakeLink::read(qint64 maxBytes)
{
    const QByteArray chunk = m_incoming.left(maxBytes);
    m_incoming.remove(0, chunk.size());
    return chunk;
}

void FakeLink::receive(const QByteArray& bytes)
{
    m_incoming += bytes;
    emit portEvent(PortEvents::kDataReceived);
}

void FakeLink::finishConnecting(const PortResult& failure)
{
    m_connecting = false;
    if (failure) {
        emit openFailed(*failure);
        return;
    }
    m_open = true;
    ++openCount;
    emit opened();
}

} // namespace vellicor::test
