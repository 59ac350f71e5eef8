#include "practice/PracticeAgwClient.h"

namespace vellicor {

PracticeAgwClient::PracticeAgwClient(PracticeStations& stations, Transcript& transcript, const QByteArray& boardCall,
                                     QObject* parent)
    : QObject(parent), m_host(stations, transcript, boardCall)
{
    connect(&m_socket, &QTcpSocket::readyRead, this, &PracticeAgwClient::takeBytes);
    connect(&m_socket, &QTcpSocket::disconnected, this, &PracticeAgwClient::onClosed);
}

QString PracticeAgwClient::start(const QString& host, quint16 port)
{
    m_socket.connectToHost(host, port);
    if (!m_socket.waitForConnected(kConnectTimeoutMs))
        return m_socket.errorString();
    m_socket.write(m_host.start());
    return {};
}

void PracticeAgwClient::takeBytes()
{
    const QByteArray answer = m_host.fromEngine(m_socket.readAll());
    if (!answer.isEmpty())
        m_socket.write(answer);
    if (m_host.failed()) {
        m_socket.disconnect(this);
        m_socket.abort();
        m_host.engineLost();
        emit lost(m_host.failure());
    }
}

void PracticeAgwClient::onClosed()
{
    m_host.engineLost();
    emit lost(QStringLiteral("the AGW engine closed the connection"));
}

} // namespace vellicor
