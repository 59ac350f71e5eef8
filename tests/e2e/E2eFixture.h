#pragma once

#include "Fakes.h"
#include "app/FrmPacket.h"
#include "app/RealPlatform.h"

#include <QByteArray>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace vellicor::test {

// The whole program as main wires it, with a private config and data folder
// whose "Ports" map Com2 to a TCP listener owned by the test (the "TNC"), or
// to the device given: a TNC or an AGW engine of another process. Further
// preferences may follow in `iniLines`.
class E2eFixture {
public:
    explicit E2eFixture(const QString& com2Device = {}, const QByteArray& iniLines = {});
    ~E2eFixture() { m_globals.gExiting = true; } // the window goes first, as at the program's end

    QString dataFolder() const { return m_data.path() + QStringLiteral("/Vellicor"); }
    void writeDataFile(const QString& name, const QByteArray& bytes) const;
    // Creates and shows the main window; waits for it to be active and for the TNC to be connected.
    bool start();

    FrmPacket& window() { return *m_window; }
    bool linkOpen() const { return m_outside->platform().link->isOpen(); }
    // The TNC played by the test: none with a TNC of another process.
    QTcpSocket* tnc() { return m_tnc; }
    QByteArray& fromProgram() { return m_fromProgram; }

private:
    bool m_ownTnc = true;
    QTemporaryDir m_config;
    QTemporaryDir m_data;
    QTcpServer m_server;
    QPointer<QTcpSocket> m_tnc;
    QByteArray m_fromProgram;
    Globals m_globals;
    std::unique_ptr<RealPlatform> m_outside;
    std::unique_ptr<FrmPacket> m_window;
};

// The real main window over the fakes of tests/support, with a program
// folder of its own.
struct FakeProgram {
    TestPlatform fakes;
    QTemporaryDir folder;
    Globals globals;
    std::unique_ptr<FrmPacket> window;

    ~FakeProgram() { globals.gExiting = true; } // the window goes first, as at the program's end
    // Creates the window without showing it.
    FrmPacket& create()
    {
        FrmPacket::Options options;
        options.folder = ProgramFolder(folder.path());
        window = std::make_unique<FrmPacket>(globals, fakes.platform(), options);
        return *window;
    }
    // Creates and shows the window; true once it is active with the port open.
    bool start()
    {
        create().show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get()) && fakes.link.isOpen();
    }
};

} // namespace vellicor::test
