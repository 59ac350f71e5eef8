#include "E2eFixture.h"

#include "TestFiles.h"
#include "app/Application.h"

#include <QtTest>

namespace vellicor::test {

E2eFixture::E2eFixture(const QString& com2Device, const QByteArray& iniLines)
    : m_ownTnc(com2Device.isEmpty())
{
    if (m_ownTnc) {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            m_tnc = m_server.nextPendingConnection();
            QObject::connect(m_tnc, &QTcpSocket::readyRead, [this] { m_fromProgram += m_tnc->readAll(); });
        });
    }
    const QString ownTnc = QStringLiteral("tcp://127.0.0.1:%1").arg(m_server.serverPort());
    const QString device = m_ownTnc ? ownTnc : com2Device;
    qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());
    QDir().mkpath(m_config.path() + QStringLiteral("/Vellicor"));
    writeBytes(m_config.path() + QStringLiteral("/Vellicor/Vellicor.ini"),
               "[Ports]\nCom2=" + device.toLatin1() + "\n" + iniLines);
}

void E2eFixture::writeDataFile(const QString& name, const QByteArray& bytes) const
{
    QDir().mkpath(dataFolder());
    writeBytes(dataFolder() + QLatin1Char('/') + name, bytes);
}

bool E2eFixture::start()
{
    m_outside = std::make_unique<RealPlatform>();
    const FrmPacket::Options options = programOptions({QStringLiteral("vellicor")});
    m_window = std::make_unique<FrmPacket>(m_globals, m_outside->platform(), options);
    m_window->show();
    m_window->activateWindow();
    return QTest::qWaitForWindowActive(m_window.get())
        && QTest::qWaitFor([this] { return linkOpen() && (!m_ownTnc || !m_tnc.isNull()); }, 5000);
}

} // namespace vellicor::test
