#include "practice/PracticeProgram.h"

#include "practice/PracticeAgwClient.h"
#include "practice/PracticeServer.h"
#include "practice/PracticeTraffic.h"
#include "practice/PtyEndpoint.h"

namespace vellicor {

PracticeProgram::PracticeProgram(const PracticeOptions& options, PracticeClock clock)
    : m_options(options), m_clock(clock), m_store(options.storeDir), m_stations(m_store, clock),
      m_server(std::make_unique<PracticeServer>(m_stations, m_transcript, clock))
{
    if (options.pty)
        m_pty = std::make_unique<PtyEndpoint>(m_stations, m_transcript, clock);
    if (!options.agwHost.isEmpty())
        m_agw = std::make_unique<PracticeAgwClient>(m_stations, m_transcript, options.boardCall);
}

PracticeProgram::~PracticeProgram() = default;

QString PracticeProgram::start()
{
    QString failure = m_store.open();
    if (failure.isEmpty() && m_store.isNew())
        failure = PracticeTraffic::addTo(m_store, m_clock());
    if (!failure.isEmpty())
        return QStringLiteral("message folder %1: %2").arg(m_options.storeDir, failure);
    if (!m_options.transcriptFile.isEmpty()) {
        failure = m_transcript.open(m_options.transcriptFile);
        if (!failure.isEmpty())
            return QStringLiteral("transcript %1: %2").arg(m_options.transcriptFile, failure);
    }
    if (m_options.listen) {
        failure = m_server->listen(m_options.address, m_options.port);
        if (!failure.isEmpty())
            return QStringLiteral("listening on %1:%2: %3")
                .arg(m_options.address.toString()).arg(m_options.port).arg(failure);
    }
    if (m_pty) {
        failure = m_pty->open();
        if (!failure.isEmpty())
            return QStringLiteral("pseudo-terminal: %1").arg(failure);
    }
    if (m_agw) {
        failure = m_agw->start(m_options.agwHost, m_options.agwPort);
        if (!failure.isEmpty())
            return QStringLiteral("AGW engine %1:%2: %3").arg(m_options.agwHost).arg(m_options.agwPort).arg(failure);
    }
    return {};
}

QByteArray PracticeProgram::announcement() const
{
    QList<QByteArray> parts;
    if (m_options.listen)
        parts.append("port " + QByteArray::number(m_server->port()));
    if (m_pty)
        parts.append("pty " + m_pty->path().toLocal8Bit());
    if (m_agw)
        parts.append("agw " + m_options.agwHost.toLocal8Bit() + ':' + QByteArray::number(m_options.agwPort));
    return parts.join(' ');
}

} // namespace vellicor
