#pragma once

#include "practice/PracticeStation.h"

#include <QObject>

#include <memory>

class QSocketNotifier;

namespace vellicor {

class PracticeStations;
class PracticeTnc;
class Transcript;

// The practice TNC on a pseudo-terminal, for programs that want a serial
// device path. The endpoint keeps the terminal side open itself (in raw mode),
// so a program may close and reopen the device like a serial port while the TNC
// stays "switched on" with its connections.
class PtyEndpoint : public QObject {
    Q_OBJECT
public:
    static constexpr qsizetype kPendingLimit = 1024 * 1024;

    PtyEndpoint(PracticeStations& stations, Transcript& transcript, PracticeClock clock,
                QObject* parent = nullptr);
    ~PtyEndpoint() override;

    // Empty on success, else the reason.
    QString open();
    // The device path a terminal program opens, e.g. "/dev/pts/5".
    QString path() const { return m_path; }

private:
    QString openDevice();
    void takeBytes();
    void send(const QByteArray& bytes);
    void flush();
    void close();

    Transcript& m_transcript;
    std::unique_ptr<PracticeTnc> m_tnc;
    QString m_path;
    QByteArray m_pending; // output the terminal side has not taken yet
    int m_master = -1;
    int m_slave = -1;
    QSocketNotifier* m_readable = nullptr;
    QSocketNotifier* m_writable = nullptr;
};

} // namespace vellicor
