#pragma once

#include <QtGlobal>

namespace vellicor::test {

// A TCP listener on 127.0.0.1 that can be made silent: once its accept queue
// is full, a new connection to it is neither made nor refused (its SYNs go
// unanswered), as with a TNC host that is switched off.
class SilentListener {
public:
    SilentListener();
    ~SilentListener();
    SilentListener(const SilentListener&) = delete;
    SilentListener& operator=(const SilentListener&) = delete;

    quint16 port() const { return m_port; }
    // Fills the accept queue with a connection of its own; false when that
    // fails (a connection waiting to be accepted must be taken first).
    bool silence();
    // Takes the connection waiting in the queue (-1 when none comes within
    // five seconds); the caller closes it.
    int accept();

private:
    int m_listener = -1;
    int m_filler = -1;
    quint16 m_port = 0;
};

} // namespace vellicor::test
