#include "Controls.h"
#include "BenchProgram.h"

#include "app/Application.h"
#include "app/ReceiveView.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QTextBlock>

namespace vellicor::bench {

BenchProgram::BenchProgram()
{
    qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());
    QDir().mkpath(m_config.path() + QStringLiteral("/Vellicor"));
    writePreferences(m_farEnd.port(), false);
}

void BenchProgram::writePreferences(quint16 tncPort, bool reconnect)
{
    QFile ini(m_config.path() + QStringLiteral("/Vellicor/Vellicor.ini"));
    if (ini.open(QIODevice::WriteOnly))
        ini.write(QStringLiteral("[Properties]\nCommPort=2\n"
                                 "[Ports]\nCom2=tcp://127.0.0.1:%1\n"
                                 "[Terminal]\nSessionLog=True\nScrollbackLines=20000\nReconnect=%2\n")
                      .arg(tncPort)
                      .arg(reconnect ? QStringLiteral("True") : QStringLiteral("False"))
                      .toLatin1());
}

BenchProgram::~BenchProgram()
{
    if (m_window)
        m_globals.gExiting = true;
    m_window.reset();
    m_outside.reset();
}

void BenchProgram::startShowing(QObject* filter)
{
    m_outside = std::make_unique<RealPlatform>();
    m_window = std::make_unique<FrmPacket>(m_globals, m_outside->platform(), programOptions({QStringLiteral("vellicor")}));
    if (filter)
        m_window->installEventFilter(filter);
    m_window->show();
}

void BenchProgram::start()
{
    startShowing(nullptr);
    m_window->activateWindow();
    if (!QTest::qWaitForWindowExposed(m_window.get())
        || !QTest::qWaitFor([this] { return m_farEnd.connected() && m_outside->platform().link->isOpen(); }, 5000))
        qFatal("the program did not start");
}

QString BenchProgram::lastPaneLine()
{
    return test::receiveView(*m_window).document()->lastBlock().text();
}

int BenchProgram::paneLineCount()
{
    return test::receiveView(*m_window).document()->blockCount();
}

} // namespace vellicor::bench
