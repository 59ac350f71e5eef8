#include "platform/qt/PracticeTncProcess.h"

#include <QRegularExpression>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace vellicor {

namespace {

constexpr int kAnnouncementMs = 10000;
constexpr int kStopMs = 3000;

} // namespace

PracticeTncProcess::~PracticeTncProcess()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(kStopMs))
        m_process.kill();
    m_process.waitForFinished(kStopMs);
}

std::optional<quint16> PracticeTncProcess::start(const QString& program, const QString& storeFolder,
                                                 QString* problem)
{
    if (program.isEmpty()) {
        *problem = QStringLiteral("vellicor-practice-tnc is not installed.");
        return std::nullopt;
    }
    const pid_t parent = getpid();
    m_process.setChildProcessModifier([parent] {
        // The system ends the child when this program dies, however it dies.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent)
            _exit(1);
    });
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(program, {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"), QStringLiteral("--store"),
                              storeFolder});
    // The practice TNC tells its port on the first line of its output: "port N".
    while (!m_process.canReadLine() && m_process.waitForReadyRead(kAnnouncementMs)) {
    }
    const QString announcement = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    const QRegularExpressionMatch port = QRegularExpression(QStringLiteral("^port (\\d+)")).match(announcement);
    if (port.hasMatch()) {
        // Anything it prints later is read and dropped, so it never waits on a full pipe.
        QObject::connect(&m_process, &QProcess::readyReadStandardOutput, &m_process,
                         [this] { m_process.readAllStandardOutput(); });
        return port.captured(1).toUShort();
    }
    *problem = m_process.error() == QProcess::FailedToStart
        ? QStringLiteral("%1 could not be started.").arg(program)
        : QStringLiteral("%1 did not say its port (it said: \"%2\").").arg(program, announcement);
    return std::nullopt;
}

} // namespace vellicor
