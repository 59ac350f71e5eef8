#include "PracticeTncProcess.h"

namespace vellicor::test {

PracticeTncProcess::PracticeTncProcess(QString storeFolder)
    : m_store(std::move(storeFolder))
{
    m_process.setProgram(QStringLiteral(VELLICOR_PRACTICE_TNC));
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

PracticeTncProcess::~PracticeTncProcess()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished(10000);
}

bool PracticeTncProcess::start()
{
    m_process.setArguments({QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"), QStringLiteral("--store"), m_store});
    m_process.start();
    if (!m_process.waitForStarted(10000))
        return false;
    while (!m_process.canReadLine()) {
        if (!m_process.waitForReadyRead(10000))
            return false;
    }
    // "port 40123"
    const QList<QByteArray> words = m_process.readLine().trimmed().split(' ');
    bool ok = false;
    m_port = words.size() >= 2 && words.first() == "port" ? words.at(1).toUShort(&ok) : 0;
    return ok && m_port != 0;
}

} // namespace vellicor::test
