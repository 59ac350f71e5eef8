#pragma once

#include <QByteArray>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace vellicor::bench {

// The TNC at the far end of the link: a TCP listener on 127.0.0.1 served by
// threads of its own, so what it sends and receives costs the program's
// event loop nothing. Records every byte the program writes and when it
// arrived.
class FarEnd {
public:
    using Clock = std::chrono::steady_clock;

    FarEnd();
    ~FarEnd();
    FarEnd(const FarEnd&) = delete;
    FarEnd& operator=(const FarEnd&) = delete;

    quint16 port() const { return m_port; }
    bool connected() const;
    // Writes the bytes to the program from a thread of its own, at once.
    void send(QByteArray bytes);
    // Writes `chunk` bytes at a time, one every `interval`, for at most `duration`.
    void sendPaced(QByteArray bytes, qsizetype chunk, std::chrono::milliseconds interval,
                   std::chrono::milliseconds duration);
    // Waits for the previous send() to be handed to the kernel.
    void finishSending();
    // How many bytes the program has written so far.
    qsizetype receivedCount() const;
    // Waits until the program has written `count` bytes in all; the time the
    // last of them arrived, or nothing after the timeout.
    std::optional<Clock::time_point> waitForReceived(qsizetype count, std::chrono::milliseconds timeout);

private:
    void serve();
    int connectedPeer();

    int m_listener = -1;
    int m_peer = -1;
    quint16 m_port = 0;
    std::thread m_reader;
    std::thread m_writer;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    qsizetype m_received = 0;
    Clock::time_point m_lastArrival;
};

} // namespace vellicor::bench
