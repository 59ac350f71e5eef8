#pragma once

#include "platform/api/SerialLink.h"

#include <QByteArray>

namespace vellicor::test {

// A link that records every byte written and lets a test raise port events,
// feed received bytes, set CTS and make operations fail.
class FakeLink : public SerialLink {
    Q_OBJECT
public:
    using SerialLink::SerialLink;

    PortResult setPortNumber(int number) override;
    int portNumber() const override { return m_portNumber; }
    PortResult setSettings(const QString& settings) override;
    QString settings() const override { return m_settings; }
    PortResult setHandshaking(int mode) override;
    int handshaking() const override { return m_handshaking; }
    PortResult open() override;
    PortResult close() override;
    bool isOpen() const override { return m_open; }
    bool isConnecting() const override { return m_connecting; }
    std::optional<bool> cts() const override { return m_open ? std::optional<bool>(ctsAsserted) : std::nullopt; }
    PortResult write(const QByteArray& bytes) override;
    QByteArray read(qint64 maxBytes) override;
    qint64 bytesAvailable() const override { return m_incoming.size(); }

    // Test controls.
    void receive(const QByteArray& bytes); // queues bytes and raises event 2
    void raise(int eventNumber) { emit portEvent(eventNumber); }
    void loseLink() { emit linkLost(); }
    // Ends the connection being made: up, or failed with `failure`.
    void finishConnecting(const PortResult& failure = std::nullopt);

    QByteArray written;
    bool ctsAsserted = true;
    PortResult failOpen;
    PortResult failSettings;
    PortResult failHandshaking;
    int failWritesAfter = -1; // writes that succeed before every write fails
    bool connectsLater = false; // open() starts a connection that finishConnecting() ends
    int openCount = 0;
    int closeCount = 0;

private:
    int m_portNumber = 1;
    QString m_settings = QStringLiteral("9600,n,8,1");
    int m_handshaking = 0;
    bool m_open = false;
    bool m_connecting = false;
    QByteArray m_incoming;
    int m_writes = 0;
};

} // namespace vellicor::test
