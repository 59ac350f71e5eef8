#include "SilentListener.h"

#include <arpa/inet.h>
#include <errno.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vellicor::test {

namespace {

sockaddr_in loopback(quint16 port)
{
    return {.sin_family = AF_INET, .sin_port = htons(port), .sin_addr = {htonl(INADDR_LOOPBACK)}, .sin_zero = {}};
}

} // namespace

SilentListener::SilentListener()
{
    m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = loopback(0);
    socklen_t length = sizeof address;
    // A backlog of 0 lets one connection wait to be accepted.
    if (::bind(m_listener, reinterpret_cast<sockaddr*>(&address), length) == 0 && ::listen(m_listener, 0) == 0
        && ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        m_port = ntohs(address.sin_port);
}

SilentListener::~SilentListener()
{
    if (m_filler >= 0)
        ::close(m_filler);
    ::close(m_listener);
}

bool SilentListener::silence()
{
    if (m_filler >= 0)
        return true;
    m_filler = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
    const sockaddr_in address = loopback(m_port);
    if (m_filler < 0 || (::connect(m_filler, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0
                         && errno != EINPROGRESS))
        return false;
    // It is made at once unless another connection already fills the queue.
    pollfd made{m_filler, POLLOUT, 0};
    return ::poll(&made, 1, 5000) == 1;
}

int SilentListener::accept()
{
    pollfd waiting{m_listener, POLLIN, 0};
    return ::poll(&waiting, 1, 5000) == 1 ? ::accept(m_listener, nullptr, nullptr) : -1;
}

} // namespace vellicor::test
