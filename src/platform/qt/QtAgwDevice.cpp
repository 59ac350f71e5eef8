#include "platform/qt/QtAgwDevice.h"

#include <QDateTime>

#include <cstring>

namespace vellicor {

namespace {
constexpr qint64 kEngineReadChunk = 4096;
}

QtAgwDevice::QtAgwDevice(qint64 readBound, QObject* parent)
    : QIODevice(parent), m_readBound(readBound)
{
    m_socket.setReadBufferSize(readBound);
    m_flowPoll.setInterval(kFlowPollMs);
    connect(&m_flowPoll, &QTimer::timeout, this, [this] {
        m_tnc->pollFlow();
        carry();
    });
    connect(&m_socket, &QTcpSocket::connected, this, &QtAgwDevice::onConnected);
    connect(&m_socket, &QTcpSocket::readyRead, this, &QtAgwDevice::pump);
    connect(&m_socket, &QTcpSocket::errorOccurred, this, &QtAgwDevice::onSocketError);
    connect(&m_socket, &QTcpSocket::disconnected, this, &QtAgwDevice::onSocketClosed);
}

QtAgwDevice::~QtAgwDevice()
{
    abort();
}

std::optional<QString> QtAgwDevice::connectToEngine(const QString& host, quint16 port, int radioPort)
{
    abort();
    // The TNC outlives the engine's connection, so a reconnection registers
    // the same MYCALL again with nobody retyping it.
    if (!m_tnc || m_tnc->radioPort() != radioPort)
        m_tnc.emplace(radioPort, [] { return QDateTime::currentDateTime(); });
    m_socket.connectToHost(host, port);
    if (m_socket.state() == QAbstractSocket::UnconnectedState) {
        const QString why = m_socket.errorString();
        m_socket.abort();
        return why;
    }
    if (m_socket.state() == QAbstractSocket::ConnectedState)
        onConnected();
    return std::nullopt;
}

void QtAgwDevice::abort()
{
    m_up = false;
    m_flowPoll.stop();
    m_text.clear();
    if (m_tnc)
        m_tnc->engineDown();
    const QSignalBlocker quiet(&m_socket);
    m_socket.abort();
    if (isOpen())
        close();
}

void QtAgwDevice::onConnected()
{
    if (m_up)
        return;
    m_up = true;
    open(QIODevice::ReadWrite | QIODevice::Unbuffered);
    m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_tnc->engineUp();
    m_flowPoll.start();
    emit connected();
    carry();
}

void QtAgwDevice::onSocketError()
{
    if (!m_up) {
        const QString why = m_socket.errorString();
        abort();
        emit failed(why);
        return;
    }
    if (m_socket.state() != QAbstractSocket::ConnectedState)
        onSocketClosed();
}

void QtAgwDevice::onSocketClosed()
{
    if (!m_up)
        return;
    m_up = false; // the text still waiting is read before the link closes
    m_flowPoll.stop();
    emit disconnected();
}

// Feeds the engine's frames to the TNC while its answers are within bound,
// so a far end faster than the window is held back by TCP.
void QtAgwDevice::pump()
{
    while (m_up && m_text.size() < m_readBound && m_socket.bytesAvailable() > 0) {
        m_tnc->fromEngine(m_socket.read(kEngineReadChunk));
        m_text += m_tnc->takeForTerminal();
        if (m_tnc->engineFailed()) {
            onSocketClosed();
            const QSignalBlocker quiet(&m_socket);
            m_socket.abort();
            return;
        }
    }
    carry();
}

// Sends what the TNC has for the engine and tells of what it has for the terminal.
void QtAgwDevice::carry()
{
    if (!m_tnc)
        return;
    const QByteArray frames = m_tnc->takeForEngine();
    if (!frames.isEmpty() && m_up)
        m_socket.write(frames);
    m_text += m_tnc->takeForTerminal();
    announce();
}

// Readers hear of new text from the event loop, never from inside a write.
void QtAgwDevice::announce()
{
    if (m_text.isEmpty() || m_announcing)
        return;
    m_announcing = true;
    QMetaObject::invokeMethod(this, [this] {
        m_announcing = false;
        if (!m_text.isEmpty())
            emit readyRead();
    }, Qt::QueuedConnection);
}

qint64 QtAgwDevice::bytesAvailable() const
{
    return m_text.size() + QIODevice::bytesAvailable();
}

qint64 QtAgwDevice::readData(char* data, qint64 maxSize)
{
    const qint64 n = qMin<qint64>(maxSize, m_text.size());
    std::memcpy(data, m_text.constData(), size_t(n));
    m_text.remove(0, n);
    if (m_up && m_socket.bytesAvailable() > 0)
        QMetaObject::invokeMethod(this, &QtAgwDevice::pump, Qt::QueuedConnection);
    return n;
}

qint64 QtAgwDevice::writeData(const char* data, qint64 maxSize)
{
    if (!m_up)
        return -1;
    m_tnc->fromTerminal(QByteArray(data, maxSize));
    carry();
    return maxSize;
}

} // namespace vellicor
