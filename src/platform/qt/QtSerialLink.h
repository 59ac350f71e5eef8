#pragma once

#include "platform/api/PortMap.h"
#include "platform/api/SerialLink.h"
#include "platform/qt/QtAgwDevice.h"

#include <QPointer>
#include <QSerialPort>
#include <QTcpSocket>
#include <QTimer>

#include <chrono>

namespace vellicor {

// The link to the TNC over a serial device (QSerialPort), a serial-over-TCP
// server (QTcpSocket) or an AGW packet engine with the built-in command-mode
// TNC (QtAgwDevice), chosen by the device the port number maps to.
//
// Qt raises no modem-line events, so the pins are polled every 250 ms while
// open and a change of CTS, DSR, CD or RI raises events 3 to 6. A device that
// vanishes or a peer that closes raises linkLost once and closes the link, so
// a flood of read errors never reaches the program.
//
// A TCP or AGW connection is made without waiting: open() returns while it is being
// made, and an attempt that gets no answer within the connect timeout fails.
class QtSerialLink : public SerialLink {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kConnectTimeout{3000};
    // The most received bytes the link holds for the program. A far end that
    // sends faster than the window shows is held back by the TCP window or
    // the serial handshake instead of filling memory.
    static constexpr qint64 kReadBufferBytes = 64 * 1024;

    explicit QtSerialLink(const PortMap& ports, QObject* parent = nullptr);
    ~QtSerialLink() override;

    PortResult setPortNumber(int number) override;
    int portNumber() const override { return m_portNumber; }
    PortResult setSettings(const QString& settings) override;
    QString settings() const override { return m_settings; }
    PortResult setHandshaking(int mode) override;
    int handshaking() const override { return m_handshaking; }
    PortResult open() override;
    PortResult close() override;
    bool isOpen() const override;
    bool isConnecting() const override { return m_connectPending; }
    void setConnectTimeout(std::chrono::milliseconds timeout) { m_connectTimer.setInterval(timeout); }
    std::optional<bool> cts() const override;
    PortResult write(const QByteArray& bytes) override;
    QByteArray read(qint64 maxBytes) override;
    qint64 bytesAvailable() const override;
    QString deviceName() const override;

private:
    // One read of the modem lines: the pins, or nothing when the read failed;
    // `unsupported` when the device has no modem lines at all.
    struct PinReading {
        std::optional<QSerialPort::PinoutSignals> pins;
        bool unsupported = false;
    };

    PortResult openSerial(const QString& device);
    PortResult openTcp(const QString& hostPort);
    PortResult openAgw(const QString& device);
    void makeAgwDevice();
    void onAgwConnected();
    void linkUp(bool& upFlag);
    void makeTcpSocket();
    void onTcpConnected();
    void failConnect(const QString& why);
    PortResult applySettings(QSerialPort& port, const QString& settings) const;
    PortResult applyHandshaking(QSerialPort& port, int mode);
    void onSerialError(QSerialPort::SerialPortError error);
    void onTcpError(QAbstractSocket::SocketError error);
    void pollPins();
    PinReading readPins();
    void handOutWhatIsLeft();
    void dropLink();
    void shutDown();
    QIODevice* device() const;

    const PortMap& m_ports;
    int m_portNumber = 1;
    QString m_settings = QStringLiteral("9600,n,8,1");
    int m_handshaking = 0;
    QSerialPort* m_serial = nullptr;
    QTcpSocket* m_tcp = nullptr;
    bool m_tcpUp = false;
    QtAgwDevice* m_agw = nullptr;
    bool m_agwUp = false;
    bool m_connectPending = false;
    QTimer m_connectTimer;
    QTimer m_pinPoll;
    std::optional<QSerialPort::PinoutSignals> m_lastPins; // nothing until a read succeeds
    bool m_readingPins = false;
};

} // namespace vellicor
