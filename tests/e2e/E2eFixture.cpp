#include "E2eFixture.h"

#include "TestFiles.h"
#include "app/Application.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace vellicor::test {

E2eFixture::E2eFixture()
{
    m_server.listen(QHostAddress::LocalHost, 0);
    writePorts(QStringLiteral("tcp://127.0.0.1:%1").arg(m_server.serverPort()));
    QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
        m_tnc = m_server.nextPendingConnection();
        QObject::connect(m_tnc, &QTcpSocket::readyRead, [this] { m_fromProgram += m_tnc->readAll(); });
    });
}

E2eFixture::E2eFixture(const QString& com2Device)
    : m_ownTnc(false)
{
    writePorts(com2Device);
}

void E2eFixture::writePorts(const QString& com2Device)
{
    qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());
    QDir().mkpath(m_config.path() + QStringLiteral("/Vellicor"));
    QFile ini(m_config.path() + QStringLiteral("/Vellicor/Vellicor.ini"));
    if (ini.open(QIODevice::WriteOnly))
        ini.write(("[Ports]\nCom2=" + com2Device + "\n").toLatin1());
}

E2eFixture::~E2eFixture()
{
    if (m_window)
        m_globals.gExiting = true;
    m_window.reset();
    m_outside.reset();
}

void E2eFixture::writeDataFile(const QString& name, const QByteArray& bytes) const
{
    QDir().mkpath(dataFolder());
    writeBytes(dataFolder() + QLatin1Char('/') + name, bytes);
}

bool E2eFixture::start(const QString& commandLine)
{
    m_outside = std::make_unique<RealPlatform>();
    FrmPacket::Options options = programOptions({QStringLiteral("vellicor")});
    options.commandLine = commandLine;
    m_window = std::make_unique<FrmPacket>(m_globals, m_outside->platform(), options);
    m_window->show();
    m_window->activateWindow();
    if (!QTest::qWaitForWindowActive(m_window.get()))
        return false;
    return QTest::qWaitFor(
        [this] { return linkOpen() && (!m_ownTnc || !m_tnc.isNull()); }, 5000);
}

FakeProgram::~FakeProgram()
{
    globals.gExiting = true;
    window.reset();
}

void FakeProgram::writeFile(const QString& name, const QByteArray& bytes) const
{
    writeBytes(folder.filePath(name), bytes);
}

FrmPacket& FakeProgram::create()
{
    FrmPacket::Options options;
    options.folder = ProgramFolder(folder.path());
    window = std::make_unique<FrmPacket>(globals, fakes.platform(), options);
    return *window;
}

bool FakeProgram::start()
{
    create().show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window.get()) && fakes.link.isOpen();
}

} // namespace vellicor::test
