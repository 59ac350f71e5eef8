#pragma once

#include "practice/PracticeAgwHost.h"

#include <QObject>
#include <QTcpSocket>

namespace vellicor {

// The practice stations served over an AGW packet engine's TCP port.
class PracticeAgwClient : public QObject {
    Q_OBJECT
public:
    static constexpr int kConnectTimeoutMs = 5000;

    PracticeAgwClient(PracticeStations& stations, Transcript& transcript, const QByteArray& boardCall,
                      QObject* parent = nullptr);

    // Reaches the engine and registers the calls; empty on success, else the reason.
    QString start(const QString& host, quint16 port);

signals:
    // The engine closed the connection or sent what is not AGW.
    void lost(const QString& why);

private:
    void takeBytes();
    void onClosed();

    PracticeAgwHost m_host;
    QTcpSocket m_socket;
};

} // namespace vellicor
