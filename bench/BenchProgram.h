#pragma once

#include "FarEnd.h"
#include "app/FrmPacket.h"
#include "app/RealPlatform.h"

#include <QTemporaryDir>

#include <memory>

namespace vellicor::bench {

// The whole program as main wires it (the real main window, preferences,
// session log and link), with a private config and data folder and its
// port Com2 mapped to a far end on TCP. The default scrollback of 20,000
// lines and the session log are on.
class BenchProgram {
public:
    BenchProgram();
    ~BenchProgram();

    // Creates and shows the main window; waits until it is shown and the far end is connected.
    // Ends the benchmark when it does not come up.
    void start();
    // Creates the main window with an event filter on it and shows it, without waiting.
    void startShowing(QObject* filter);
    // Before the start: Com2 is the TNC on this loopback port instead of the
    // far end, with automatic reconnection on or off.
    void writePreferences(quint16 tncPort, bool reconnect);

    FrmPacket& window() { return *m_window; }
    // One of the window's rule objects, by name ("portSession", "receivePane").
    template <typename T>
    T& part(const char* name) { return *m_window->findChild<T*>(QLatin1String(name)); }
    SerialLink& link() { return *m_outside->platform().link; }
    Globals& globals() { return m_globals; }
    FarEnd& farEnd() { return m_farEnd; }
    // The plain text of the receive pane's last line.
    QString lastPaneLine();
    // How many lines the receive pane holds.
    int paneLineCount();

private:
    QTemporaryDir m_config;
    QTemporaryDir m_data;
    FarEnd m_farEnd;
    Globals m_globals;
    std::unique_ptr<RealPlatform> m_outside;
    std::unique_ptr<FrmPacket> m_window;
};

} // namespace vellicor::bench
