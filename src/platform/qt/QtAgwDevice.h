#pragma once

#include "platform/agw/AgwTnc.h"

#include <QIODevice>
#include <QTcpSocket>
#include <QTimer>

#include <optional>

namespace vellicor {

// A command-mode TNC reached over an AGW packet engine's TCP port, as a
// device the link reads and writes like a serial TNC: what is written goes
// into the TNC, what it answers is read back. The engine's connection is made
// without waiting; connected(), failed() or disconnected() tell how it went.
class QtAgwDevice : public QIODevice {
    Q_OBJECT
public:
    // How often connections with data held back ask the engine again.
    static constexpr int kFlowPollMs = 500;

    QtAgwDevice(qint64 readBound, QObject* parent = nullptr);
    ~QtAgwDevice() override;

    // Starts reaching the engine; a failure known at once is returned.
    std::optional<QString> connectToEngine(const QString& host, quint16 port, int radioPort);
    void abort();
    QString errorText() const { return m_socket.errorString(); }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

signals:
    void connected();
    void failed(const QString& why);
    void disconnected();

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    void onConnected();
    void onSocketError();
    void onSocketClosed();
    void pump();
    void carry();
    void announce();

    qint64 m_readBound;
    QTcpSocket m_socket;
    QTimer m_flowPoll;
    std::optional<AgwTnc> m_tnc;
    QByteArray m_text; // the TNC's answers, waiting to be read
    bool m_up = false;
    bool m_announcing = false;
};

} // namespace vellicor
