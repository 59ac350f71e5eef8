#include "practice/PracticeServer.h"

#include "practice/PracticeTnc.h"
#include "practice/Transcript.h"

#include <QTcpSocket>

namespace vellicor {

PracticeServer::PracticeServer(PracticeStations& stations, Transcript& transcript, PracticeClock clock,
                               QObject* parent)
    : QObject(parent), m_stations(stations), m_transcript(transcript), m_clock(std::move(clock))
{
    connect(&m_server, &QTcpServer::newConnection, this, &PracticeServer::acceptTerminals);
}

PracticeServer::~PracticeServer()
{
    // The sockets are children and go after this object's members: nothing they
    // signal while closing may reach the TNCs any more.
    for (auto& entry : m_tncs) {
        entry.first->disconnect(this);
        entry.second->linkLost();
    }
}

QString PracticeServer::listen(const QHostAddress& address, quint16 port)
{
    if (!m_server.listen(address, port))
        return m_server.errorString();
    return {};
}

void PracticeServer::acceptTerminals()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection())
        serve(socket);
}

void PracticeServer::serve(QTcpSocket* socket)
{
    socket->setParent(this);
    auto tnc = std::make_unique<PracticeTnc>(m_stations, m_clock);
    socket->write(tnc->signOn());
    m_tncs[socket] = std::move(tnc);
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { takeBytes(socket); });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] { drop(socket); });
    takeBytes(socket); // bytes that came with the connection itself
}

void PracticeServer::takeBytes(QTcpSocket* socket)
{
    const auto it = m_tncs.find(socket);
    if (it == m_tncs.end())
        return;
    const QByteArray bytes = socket->readAll();
    if (bytes.isEmpty())
        return;
    m_transcript.record(bytes);
    const QByteArray answer = it->second->receive(bytes);
    if (!answer.isEmpty())
        socket->write(answer);
}

void PracticeServer::drop(QTcpSocket* socket)
{
    const auto it = m_tncs.find(socket);
    if (it == m_tncs.end())
        return;
    // Whatever arrived just before the close still counts.
    takeBytes(socket);
    socket->disconnect(this);
    it->second->linkLost();
    m_tncs.erase(it);
    socket->deleteLater();
}

} // namespace vellicor
