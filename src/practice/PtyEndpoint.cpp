#include "practice/PtyEndpoint.h"

#include "practice/PracticeTnc.h"
#include "practice/Transcript.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace vellicor {

namespace {

QString systemError(const char* step)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(step), QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

PtyEndpoint::PtyEndpoint(PracticeStations& stations, Transcript& transcript, PracticeClock clock,
                         QObject* parent)
    : QObject(parent), m_transcript(transcript),
      m_tnc(std::make_unique<PracticeTnc>(stations, std::move(clock)))
{
}

PtyEndpoint::~PtyEndpoint()
{
    m_tnc->linkLost();
    close();
}

QString PtyEndpoint::open()
{
    const QString failure = openDevice();
    if (!failure.isEmpty()) {
        close();
        return failure;
    }
    m_readable = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_readable, &QSocketNotifier::activated, this, &PtyEndpoint::takeBytes);
    m_writable = new QSocketNotifier(m_master, QSocketNotifier::Write, this);
    m_writable->setEnabled(false);
    connect(m_writable, &QSocketNotifier::activated, this, &PtyEndpoint::flush);
    send(m_tnc->signOn());
    return {};
}

QString PtyEndpoint::openDevice()
{
    m_master = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0)
        return systemError("posix_openpt");
    if (grantpt(m_master) != 0 || unlockpt(m_master) != 0)
        return systemError("grantpt/unlockpt");
    const char* name = ptsname(m_master);
    if (!name)
        return systemError("ptsname");
    m_path = QString::fromLocal8Bit(name);
    m_slave = ::open(name, O_RDWR | O_NOCTTY);
    if (m_slave < 0)
        return systemError("open terminal side");
    // Raw: no echo, no CR/LF translation, Ctrl-C is a byte like any other.
    termios raw{};
    if (tcgetattr(m_slave, &raw) != 0)
        return systemError("tcgetattr");
    cfmakeraw(&raw);
    if (tcsetattr(m_slave, TCSANOW, &raw) != 0)
        return systemError("tcsetattr");
    const int flags = fcntl(m_master, F_GETFL);
    if (flags < 0 || fcntl(m_master, F_SETFL, flags | O_NONBLOCK) != 0)
        return systemError("fcntl");
    return {};
}

void PtyEndpoint::takeBytes()
{
    char buffer[4096];
    const ssize_t count = ::read(m_master, buffer, sizeof buffer);
    if (count < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (count <= 0) {
        m_readable->setEnabled(false); // the device is gone; stop rather than spin
        return;
    }
    const QByteArray bytes(buffer, count);
    m_transcript.record(bytes);
    send(m_tnc->receive(bytes));
}

void PtyEndpoint::send(const QByteArray& bytes)
{
    // Output nobody reads is dropped past the limit, as a TNC with a full
    // buffer and no terminal would drop it.
    if (m_pending.size() + bytes.size() > kPendingLimit)
        return;
    m_pending += bytes;
    flush();
}

void PtyEndpoint::flush()
{
    while (!m_pending.isEmpty()) {
        const ssize_t written = ::write(m_master, m_pending.constData(), size_t(m_pending.size()));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0 && errno != EAGAIN)
            m_pending.clear(); // the device failed: nothing will take this output
        if (written <= 0)
            break;
        m_pending.remove(0, written);
    }
    if (m_writable)
        m_writable->setEnabled(!m_pending.isEmpty());
}

void PtyEndpoint::close()
{
    delete m_readable;
    delete m_writable;
    m_readable = nullptr;
    m_writable = nullptr;
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
    m_slave = m_master = -1;
}

} // namespace vellicor
