#pragma once

#include "practice/PracticeStation.h"

#include <QObject>
#include <QTcpServer>

#include <map>
#include <memory>

class QTcpSocket;

namespace vellicor {

class PracticeStations;
class PracticeTnc;
class Transcript;

// The practice TNC on a loopback TCP port: each terminal that connects gets a
// TNC of its own (the link counts as up, CTS, while the connection lasts) and
// its sign-on; closing the connection drops that TNC's connections.
class PracticeServer : public QObject {
    Q_OBJECT
public:
    PracticeServer(PracticeStations& stations, Transcript& transcript, PracticeClock clock,
                   QObject* parent = nullptr);
    ~PracticeServer() override;

    // Empty on success, else the reason.
    QString listen(const QHostAddress& address, quint16 port);
    quint16 port() const { return m_server.serverPort(); }

private:
    void acceptTerminals();
    void serve(QTcpSocket* socket);
    void takeBytes(QTcpSocket* socket);
    void drop(QTcpSocket* socket);

    PracticeStations& m_stations;
    Transcript& m_transcript;
    PracticeClock m_clock;
    QTcpServer m_server;
    std::map<QTcpSocket*, std::unique_ptr<PracticeTnc>> m_tncs;
};

} // namespace vellicor
