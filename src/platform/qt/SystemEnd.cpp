#include "platform/qt/SystemEnd.h"

#include <QGuiApplication>
#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace vellicor {

namespace {

constexpr std::array kEndSignals{SIGTERM, SIGHUP, SIGINT};

// A signal handler may only write: it puts one byte into this pipe, whose
// other end the window thread watches.
int g_pipe[2] = {-1, -1};

void noteSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}

void setHandler(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : kEndSignals)
        sigaction(number, &action, nullptr);
}

} // namespace

SystemEnd::SystemEnd(QObject* parent)
    : QObject(parent)
{
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) == 0) {
        m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &SystemEnd::signalArrived);
        setHandler(noteSignal);
    }
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &SystemEnd::requested);
}

SystemEnd::~SystemEnd()
{
    if (!m_notifier)
        return;
    setHandler(SIG_DFL);
    delete m_notifier;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void SystemEnd::signalArrived()
{
    char bytes[16];
    while (::read(g_pipe[0], bytes, sizeof bytes) > 0) {
    }
    emit requested();
}

} // namespace vellicor
