#include "platform/qt/QtSerialLink.h"

#include "platform/api/LineSettings.h"

#include <QUrl>

#include <utility>

namespace vellicor {

namespace {

constexpr int kPinPollMs = 250;

PortFailure failure(int number, const QString& description)
{
    return {number, description};
}

PortFailure openFailure(const QSerialPort& port)
{
    switch (port.error()) {
    case QSerialPort::DeviceNotFoundError:
        return failure(PortFailures::kDeviceNotFound, port.errorString());
    case QSerialPort::PermissionError:
        return failure(PortFailures::kPermissionDenied,
                       QStringLiteral("Permission denied (is your user in the dialout group?)"));
    case QSerialPort::OpenError:
        return failure(PortFailures::kOpenFailed, port.errorString());
    case QSerialPort::UnsupportedOperationError:
        return failure(PortFailures::kUnsupported, port.errorString());
    default:
        return failure(PortFailures::kUnknown, port.errorString());
    }
}

// Settings the link can carry at all, whatever the device says.
PortResult checkSupported(const QString& text)
{
    const std::optional<LineSettings> parsed = LineSettings::parse(text);
    if (!parsed)
        return failure(PortFailures::kBadSettings, QStringLiteral("Invalid setting: %1").arg(text));
    if (parsed->dataBits < 5)
        return failure(PortFailures::kBadSettings, QStringLiteral("%1 data bits are not supported").arg(parsed->dataBits));
#ifndef Q_OS_WIN
    if (parsed->stopBits == QLatin1String("1.5"))
        return failure(PortFailures::kBadSettings, QStringLiteral("1.5 stop bits are not supported"));
#endif
    return std::nullopt;
}

QSerialPort::Parity toParity(QChar letter)
{
    switch (letter.toLatin1()) {
    case 'E': return QSerialPort::EvenParity;
    case 'O': return QSerialPort::OddParity;
    case 'M': return QSerialPort::MarkParity;
    case 'S': return QSerialPort::SpaceParity;
    default: return QSerialPort::NoParity;
    }
}

QSerialPort::StopBits toStopBits(const QString& stop)
{
    if (stop == QLatin1String("2"))
        return QSerialPort::TwoStop;
    if (stop == QLatin1String("1.5"))
        return QSerialPort::OneAndHalfStop;
    return QSerialPort::OneStop;
}

} // namespace

QtSerialLink::QtSerialLink(const PortMap& ports, QObject* parent)
    : SerialLink(parent)
    , m_ports(ports)
{
    m_pinPoll.setInterval(kPinPollMs);
    connect(&m_pinPoll, &QTimer::timeout, this, &QtSerialLink::pollPins);
    m_connectTimer.setSingleShot(true);
    m_connectTimer.setInterval(kConnectTimeout);
    connect(&m_connectTimer, &QTimer::timeout, this,
            [this] { failConnect(QStringLiteral("Socket operation timed out")); });
}

QtSerialLink::~QtSerialLink()
{
    close();
}

QString QtSerialLink::deviceName() const
{
    return m_ports.deviceFor(m_portNumber);
}

PortResult QtSerialLink::setPortNumber(int number)
{
    if (isOpen() || isConnecting())
        return failure(PortFailures::kAlreadyOpen, QStringLiteral("Port already open"));
    if (number < 1 || number > 32767)
        return failure(PortFailures::kDeviceNotFound, QStringLiteral("Invalid Port Number"));
    m_portNumber = number;
    return std::nullopt;
}

PortResult QtSerialLink::setSettings(const QString& settings)
{
    if (PortResult unsupported = checkSupported(settings))
        return unsupported;
    if (m_serial && m_serial->isOpen()) {
        if (PortResult refused = applySettings(*m_serial, settings)) {
            applySettings(*m_serial, m_settings);
            return refused;
        }
    }
    m_settings = settings;
    return std::nullopt;
}

PortResult QtSerialLink::setHandshaking(int mode)
{
    if (mode < 0 || mode > 3)
        return failure(PortFailures::kBadSettings, QStringLiteral("Invalid property value"));
    if (m_serial && m_serial->isOpen()) {
        if (PortResult refused = applyHandshaking(*m_serial, mode))
            return refused;
    }
    m_handshaking = mode;
    return std::nullopt;
}

PortResult QtSerialLink::applySettings(QSerialPort& port, const QString& settings) const
{
    const LineSettings parsed = *LineSettings::parse(settings);
    const bool ok = port.setBaudRate(parsed.baud) && port.setParity(toParity(parsed.parity))
        && port.setDataBits(static_cast<QSerialPort::DataBits>(parsed.dataBits))
        && port.setStopBits(toStopBits(parsed.stopBits));
    if (!ok)
        return failure(PortFailures::kBadSettings, port.errorString());
    return std::nullopt;
}

PortResult QtSerialLink::applyHandshaking(QSerialPort& port, int mode)
{
    // XON/XOFF together with RTS/CTS is not offered by the serial layer;
    // mode 3 uses RTS/CTS, which is what keeps the TNC's buffer safe.
    const QSerialPort::FlowControl flow = mode == 0 ? QSerialPort::NoFlowControl
        : mode == 1                                ? QSerialPort::SoftwareControl
                                                   : QSerialPort::HardwareControl;
    if (!port.setFlowControl(flow))
        return failure(PortFailures::kBadSettings, port.errorString());
    if (mode == 3)
        emit handshakingInForce(2);
    return std::nullopt;
}

PortResult QtSerialLink::open()
{
    if (isOpen() || isConnecting())
        return failure(PortFailures::kAlreadyOpen, QStringLiteral("Port already open"));
    const QString device = m_ports.deviceFor(m_portNumber);
    if (device.startsWith(QLatin1String("tcp://"), Qt::CaseInsensitive))
        return openTcp(device);
    if (device.startsWith(QLatin1String("agw://"), Qt::CaseInsensitive))
        return openAgw(device);
    return openSerial(device);
}

PortResult QtSerialLink::openSerial(const QString& device)
{
    if (!m_serial) {
        m_serial = new QSerialPort(this);
        connect(m_serial, &QSerialPort::readyRead, this, [this] { emit portEvent(PortEvents::kDataReceived); });
        connect(m_serial, &QSerialPort::errorOccurred, this, &QtSerialLink::onSerialError);
    }
    m_serial->setPortName(device);
    m_serial->setReadBufferSize(kReadBufferBytes);
    if (!m_serial->open(QIODevice::ReadWrite)) {
        const PortFailure why = openFailure(*m_serial);
        m_serial->clearError();
        return why;
    }
    if (PortResult refused = applySettings(*m_serial, m_settings)) {
        m_serial->close();
        return refused;
    }
    if (PortResult refused = applyHandshaking(*m_serial, m_handshaking)) {
        m_serial->close();
        return refused;
    }
    // A device without modem lines (a pseudo-terminal, some adapters) is not
    // polled, and its CTS counts as asserted.
    const PinReading reading = readPins();
    m_lastPins = reading.pins;
    if (!reading.unsupported)
        m_pinPoll.start();
    return std::nullopt;
}

PortResult QtSerialLink::openTcp(const QString& hostPort)
{
    const QUrl url(hostPort);
    if (!url.isValid() || url.host().isEmpty() || url.port() <= 0)
        return failure(PortFailures::kDeviceNotFound, QStringLiteral("Invalid device %1").arg(hostPort));
    makeTcpSocket();
    m_tcp->connectToHost(url.host(), static_cast<quint16>(url.port()));
    // The connection is usually still being made; a refusal or a loopback
    // answer may already be known.
    if (m_tcp->state() == QAbstractSocket::UnconnectedState) {
        const QString why = m_tcp->errorString();
        m_tcp->abort();
        return failure(PortFailures::kConnectFailed, why);
    }
    if (m_tcp->state() == QAbstractSocket::ConnectedState) {
        onTcpConnected();
        return std::nullopt;
    }
    m_connectPending = true;
    m_connectTimer.start();
    emit connecting(url.host() + QLatin1Char(':') + QString::number(url.port()));
    return std::nullopt;
}

// "agw://HOST:PORT" or "agw://HOST:PORT/K" for the engine's radio port K.
PortResult QtSerialLink::openAgw(const QString& device)
{
    const QUrl url(device);
    const QString radioPort = url.path().mid(1);
    bool portOk = radioPort.isEmpty();
    const int radio = portOk ? 0 : radioPort.toInt(&portOk);
    if (!url.isValid() || url.host().isEmpty() || url.port() <= 0 || !portOk || radio < 0 || radio > 255)
        return failure(PortFailures::kDeviceNotFound, QStringLiteral("Invalid device %1").arg(device));
    makeAgwDevice();
    if (const std::optional<QString> why = m_agw->connectToEngine(url.host(), quint16(url.port()), radio))
        return failure(PortFailures::kConnectFailed, *why);
    if (m_agwUp)
        return std::nullopt;
    m_connectPending = true;
    m_connectTimer.start();
    emit connecting(url.host() + QLatin1Char(':') + QString::number(url.port()));
    return std::nullopt;
}

void QtSerialLink::makeAgwDevice()
{
    if (m_agw)
        return;
    m_agw = new QtAgwDevice(kReadBufferBytes, this);
    connect(m_agw, &QIODevice::readyRead, this, [this] { emit portEvent(PortEvents::kDataReceived); });
    connect(m_agw, &QtAgwDevice::connected, this, &QtSerialLink::onAgwConnected);
    connect(m_agw, &QtAgwDevice::failed, this, &QtSerialLink::failConnect);
    connect(m_agw, &QtAgwDevice::disconnected, this, [this] {
        if (m_agwUp)
            dropLink();
    });
}

void QtSerialLink::onAgwConnected()
{
    linkUp(m_agwUp);
}

void QtSerialLink::makeTcpSocket()
{
    if (m_tcp)
        return;
    m_tcp = new QTcpSocket(this);
    m_tcp->setReadBufferSize(kReadBufferBytes);
    connect(m_tcp, &QTcpSocket::readyRead, this, [this] { emit portEvent(PortEvents::kDataReceived); });
    connect(m_tcp, &QTcpSocket::errorOccurred, this, &QtSerialLink::onTcpError);
    connect(m_tcp, &QTcpSocket::connected, this, [this] {
        if (m_connectPending)
            onTcpConnected();
    });
    connect(m_tcp, &QTcpSocket::disconnected, this, [this] {
        if (m_tcpUp)
            dropLink();
    });
}

void QtSerialLink::onTcpConnected()
{
    m_tcp->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    linkUp(m_tcpUp);
}

// The connection being made is up; a caller told it was pending hears so.
void QtSerialLink::linkUp(bool& upFlag)
{
    const bool reported = std::exchange(m_connectPending, false);
    m_connectTimer.stop();
    upFlag = true;
    if (reported)
        emit opened();
}

void QtSerialLink::failConnect(const QString& why)
{
    if (!m_connectPending)
        return;
    shutDown();
    emit openFailed(failure(PortFailures::kConnectFailed, why));
}

PortResult QtSerialLink::close()
{
    if (!isOpen() && !isConnecting())
        return failure(PortFailures::kNotOpen, QStringLiteral("Port not open"));
    shutDown();
    return std::nullopt;
}

void QtSerialLink::shutDown()
{
    m_pinPoll.stop();
    m_connectTimer.stop();
    m_connectPending = false;
    if (m_serial && m_serial->isOpen())
        m_serial->close();
    if (m_tcp) {
        m_tcpUp = false;
        const QSignalBlocker quiet(m_tcp);
        m_tcp->abort();
    }
    if (m_agw) {
        m_agwUp = false;
        const QSignalBlocker quiet(m_agw);
        m_agw->abort();
    }
}

bool QtSerialLink::isOpen() const
{
    return (m_serial && m_serial->isOpen()) || m_tcpUp || m_agwUp;
}

QIODevice* QtSerialLink::device() const
{
    if (m_serial && m_serial->isOpen())
        return m_serial;
    if (m_tcpUp)
        return m_tcp;
    if (m_agwUp)
        return m_agw;
    return nullptr;
}

std::optional<bool> QtSerialLink::cts() const
{
    if (!isOpen())
        return std::nullopt;
    if (m_serial && m_serial->isOpen() && m_pinPoll.isActive() && m_lastPins)
        return m_lastPins->testFlag(QSerialPort::ClearToSendSignal);
    return true; // a link without modem lines, or before they are known, counts as CTS asserted
}

PortResult QtSerialLink::write(const QByteArray& bytes)
{
    QIODevice* target = device();
    if (!target)
        return failure(PortFailures::kNeedsOpenPort, QStringLiteral("Operation valid only when the port is open"));
    if (target->write(bytes) != bytes.size())
        return failure(PortFailures::kWriteFailed, target->errorString());
    return std::nullopt;
}

QByteArray QtSerialLink::read(qint64 maxBytes)
{
    QIODevice* source = device();
    return source ? source->read(maxBytes) : QByteArray();
}

qint64 QtSerialLink::bytesAvailable() const
{
    QIODevice* source = device();
    return source ? source->bytesAvailable() : 0;
}

void QtSerialLink::pollPins()
{
    if (!m_serial || !m_serial->isOpen())
        return;
    const PinReading reading = readPins();
    if (reading.unsupported) {
        m_pinPoll.stop(); // the device says it has no modem lines
        return;
    }
    if (!reading.pins)
        return; // a passing failure: the next poll reads them again
    const std::optional<QSerialPort::PinoutSignals> last = std::exchange(m_lastPins, reading.pins);
    if (!last)
        return;
    const QSerialPort::PinoutSignals changed = *reading.pins ^ *last;
    if (changed.testFlag(QSerialPort::ClearToSendSignal))
        emit portEvent(PortEvents::kCtsChanged);
    if (changed.testFlag(QSerialPort::DataSetReadySignal))
        emit portEvent(PortEvents::kDsrChanged);
    if (changed.testFlag(QSerialPort::DataCarrierDetectSignal))
        emit portEvent(PortEvents::kCdChanged);
    if (changed.testFlag(QSerialPort::RingIndicatorSignal))
        emit portEvent(PortEvents::kRing);
}

QtSerialLink::PinReading QtSerialLink::readPins()
{
    // A failed read of the pins is the answer, not a port error to report.
    m_readingPins = true;
    const QSerialPort::PinoutSignals pins = m_serial->pinoutSignals();
    m_readingPins = false;
    const QSerialPort::SerialPortError error = m_serial->error();
    if (error == QSerialPort::NoError)
        return {pins, false};
    m_serial->clearError();
    return {std::nullopt, error == QSerialPort::UnsupportedOperationError};
}

void QtSerialLink::onSerialError(QSerialPort::SerialPortError error)
{
    if (!m_serial || !m_serial->isOpen() || m_readingPins)
        return;
    switch (error) {
    case QSerialPort::NoError:
    case QSerialPort::NotOpenError:
        return;
    case QSerialPort::ReadError:
    case QSerialPort::ResourceError:
    case QSerialPort::DeviceNotFoundError:
        dropLink();
        return;
    case QSerialPort::WriteError:
        emit portEvent(PortEvents::kWriteError);
        break;
    case QSerialPort::TimeoutError:
        emit portEvent(PortEvents::kTimeout);
        break;
    case QSerialPort::UnsupportedOperationError:
        if (m_pinPoll.isActive())
            emit portEvent(PortEvents::kUnsupportedOperation);
        break;
    default:
        emit portEvent(PortEvents::kLinkError);
        break;
    }
    if (m_serial)
        m_serial->clearError();
}

void QtSerialLink::onTcpError(QAbstractSocket::SocketError)
{
    if (m_connectPending) {
        failConnect(m_tcp->errorString());
        return;
    }
    if (!m_tcpUp || m_tcp->state() == QAbstractSocket::ConnectedState)
        return; // not up yet, or a passing error on a live connection
    dropLink();
}

void QtSerialLink::handOutWhatIsLeft()
{
    // Bytes that arrived before the peer closed or the device went are still
    // delivered; the loop ends when a reader stops taking them.
    qint64 left = bytesAvailable();
    while (left > 0) {
        emit portEvent(PortEvents::kDataReceived);
        const qint64 now = bytesAvailable();
        if (now >= left)
            return;
        left = now;
    }
}

void QtSerialLink::dropLink()
{
    const bool wasOpen = isOpen();
    if (wasOpen)
        handOutWhatIsLeft();
    shutDown();
    if (wasOpen)
        emit linkLost();
}

} // namespace vellicor
