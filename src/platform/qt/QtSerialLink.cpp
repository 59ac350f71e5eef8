#include "platform/qt/QtSerialLink.h"

#include "platform/api/LineSettings.h"

#include <QUrl>

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
    if (isOpen())
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

PortResult QtSerialLink::applyHandshaking(QSerialPort& port, int mode) const
{
    // XON/XOFF together with RTS/CTS is not offered by the serial layer;
    // mode 3 uses RTS/CTS, which is what keeps the TNC's buffer safe.
    const QSerialPort::FlowControl flow = mode == 0 ? QSerialPort::NoFlowControl
        : mode == 1                                ? QSerialPort::SoftwareControl
                                                   : QSerialPort::HardwareControl;
    if (!port.setFlowControl(flow))
        return failure(PortFailures::kBadSettings, port.errorString());
    return std::nullopt;
}

PortResult QtSerialLink::open()
{
    if (isOpen())
        return failure(PortFailures::kAlreadyOpen, QStringLiteral("Port already open"));
    const QString device = m_ports.deviceFor(m_portNumber);
    if (device.startsWith(QLatin1String("tcp://"), Qt::CaseInsensitive))
        return openTcp(device);
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
    m_serial->setReadBufferSize(0);
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
    if (const std::optional<QSerialPort::PinoutSignals> pins = readPins()) {
        m_lastPins = *pins;
        m_pinPoll.start();
    }
    return std::nullopt;
}

PortResult QtSerialLink::openTcp(const QString& hostPort)
{
    const QUrl url(hostPort);
    if (!url.isValid() || url.host().isEmpty() || url.port() <= 0)
        return failure(PortFailures::kDeviceNotFound, QStringLiteral("Invalid device %1").arg(hostPort));
    if (!m_tcp) {
        m_tcp = new QTcpSocket(this);
        connect(m_tcp, &QTcpSocket::readyRead, this, [this] { emit portEvent(PortEvents::kDataReceived); });
        connect(m_tcp, &QTcpSocket::errorOccurred, this, &QtSerialLink::onTcpError);
        connect(m_tcp, &QTcpSocket::disconnected, this, [this] {
            if (m_tcpUp)
                dropLink();
        });
    }
    m_tcp->connectToHost(url.host(), static_cast<quint16>(url.port()));
    // The link is open only once the server has answered; on a network the
    // wait is bounded so an unreachable host does not freeze the window long.
    if (!m_tcp->waitForConnected(3000)) {
        const QString why = m_tcp->errorString();
        m_tcp->abort();
        return failure(PortFailures::kConnectFailed, why);
    }
    m_tcp->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_tcpUp = true;
    return std::nullopt;
}

PortResult QtSerialLink::close()
{
    if (!isOpen())
        return failure(PortFailures::kNotOpen, QStringLiteral("Port not open"));
    shutDown();
    return std::nullopt;
}

void QtSerialLink::shutDown()
{
    m_pinPoll.stop();
    if (m_serial && m_serial->isOpen())
        m_serial->close();
    if (m_tcp) {
        m_tcpUp = false;
        const QSignalBlocker quiet(m_tcp);
        m_tcp->abort();
    }
}

bool QtSerialLink::isOpen() const
{
    return (m_serial && m_serial->isOpen()) || m_tcpUp;
}

QIODevice* QtSerialLink::device() const
{
    if (m_serial && m_serial->isOpen())
        return m_serial;
    if (m_tcpUp)
        return m_tcp;
    return nullptr;
}

std::optional<bool> QtSerialLink::cts() const
{
    if (!isOpen())
        return std::nullopt;
    if (m_serial && m_serial->isOpen() && m_pinPoll.isActive())
        return m_lastPins.testFlag(QSerialPort::ClearToSendSignal);
    return true; // a link without modem lines counts as CTS asserted
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
    const std::optional<QSerialPort::PinoutSignals> pins = readPins();
    if (!pins) {
        // The modem lines can no longer be read: no pins to watch.
        m_pinPoll.stop();
        return;
    }
    const QSerialPort::PinoutSignals changed = *pins ^ m_lastPins;
    m_lastPins = *pins;
    if (changed.testFlag(QSerialPort::ClearToSendSignal))
        emit portEvent(PortEvents::kCtsChanged);
    if (changed.testFlag(QSerialPort::DataSetReadySignal))
        emit portEvent(PortEvents::kDsrChanged);
    if (changed.testFlag(QSerialPort::DataCarrierDetectSignal))
        emit portEvent(PortEvents::kCdChanged);
    if (changed.testFlag(QSerialPort::RingIndicatorSignal))
        emit portEvent(PortEvents::kRing);
}

std::optional<QSerialPort::PinoutSignals> QtSerialLink::readPins()
{
    // A failed read of the pins is the answer, not a port error to report.
    m_readingPins = true;
    const QSerialPort::PinoutSignals pins = m_serial->pinoutSignals();
    m_readingPins = false;
    if (m_serial->error() != QSerialPort::NoError) {
        m_serial->clearError();
        return std::nullopt;
    }
    return pins;
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
