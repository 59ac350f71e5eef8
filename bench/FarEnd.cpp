#include "FarEnd.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <optional>

namespace vellicor::bench {

FarEnd::FarEnd()
{
    m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(m_listener, reinterpret_cast<sockaddr*>(&address), length) == 0 && ::listen(m_listener, 1) == 0
        && ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        m_port = ntohs(address.sin_port);
    m_reader = std::thread([this] { serve(); });
}

FarEnd::~FarEnd()
{
    finishSending();
    ::shutdown(m_listener, SHUT_RDWR);
    {
        std::lock_guard lock(m_mutex);
        if (m_peer >= 0)
            ::shutdown(m_peer, SHUT_RDWR);
    }
    m_reader.join();
    if (m_peer >= 0)
        ::close(m_peer);
    ::close(m_listener);
}

void FarEnd::serve()
{
    const int peer = ::accept(m_listener, nullptr, nullptr);
    if (peer < 0)
        return;
    const int on = 1;
    ::setsockopt(peer, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    {
        std::lock_guard lock(m_mutex);
        m_peer = peer;
    }
    m_changed.notify_all();
    char buffer[65536];
    while (true) {
        const ssize_t got = ::recv(peer, buffer, sizeof buffer, 0);
        if (got <= 0)
            return;
        const Clock::time_point now = Clock::now();
        {
            std::lock_guard lock(m_mutex);
            m_received += got;
            m_lastArrival = now;
        }
        m_changed.notify_all();
    }
}

bool FarEnd::connected() const
{
    std::lock_guard lock(m_mutex);
    return m_peer >= 0;
}

int FarEnd::connectedPeer()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait_for(lock, std::chrono::seconds(10), [this] { return m_peer >= 0; });
    return m_peer;
}

namespace {

bool sendAll(int peer, const char* data, qsizetype size)
{
    qsizetype sent = 0;
    while (peer >= 0 && sent < size) {
        const ssize_t put = ::send(peer, data + sent, size - sent, MSG_NOSIGNAL);
        if (put <= 0)
            return false;
        sent += put;
    }
    return true;
}

} // namespace

void FarEnd::send(QByteArray bytes)
{
    finishSending();
    const int peer = connectedPeer();
    m_writer = std::thread([peer, bytes = std::move(bytes)] { sendAll(peer, bytes.constData(), bytes.size()); });
}

void FarEnd::sendPaced(QByteArray bytes, qsizetype chunk, std::chrono::milliseconds interval,
                       std::chrono::milliseconds duration)
{
    finishSending();
    const int peer = connectedPeer();
    m_writer = std::thread([=, bytes = std::move(bytes)] {
        const Clock::time_point start = Clock::now();
        Clock::time_point next = start;
        for (qsizetype at = 0; at < bytes.size() && Clock::now() - start < duration; at += chunk) {
            if (!sendAll(peer, bytes.constData() + at, std::min(chunk, bytes.size() - at)))
                return;
            next += interval;
            std::this_thread::sleep_until(next);
        }
    });
}

void FarEnd::finishSending()
{
    if (m_writer.joinable())
        m_writer.join();
}

qsizetype FarEnd::receivedCount() const
{
    std::lock_guard lock(m_mutex);
    return m_received;
}

std::optional<FarEnd::Clock::time_point> FarEnd::waitForReceived(qsizetype count, std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_mutex);
    if (!m_changed.wait_for(lock, timeout, [this, count] { return m_received >= count; }))
        return std::nullopt;
    return m_lastArrival;
}

} // namespace vellicor::bench
