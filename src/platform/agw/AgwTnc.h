#pragma once

#include "platform/agw/AgwFrame.h"

#include <QDateTime>

#include <functional>
#include <map>
#include <optional>

namespace vellicor {

// A command-mode TNC built on an AGW packet engine: the terminal's bytes go in
// and the TNC's answers come out as text, while the connections, data and
// monitoring travel as AGW frames to and from the engine. It holds no socket:
// the link feeds it both streams and carries off what it produces.
//
// Commands: MYCALL, CONNECT/C [VIA digi,...], DISCONNECT/D, CONV/K, MONITOR,
// ECHO, PACLEN, DAYTIME, HELP, WORDOUT (kept, changes nothing), and AUTOLF,
// XFLOW and PACKET taken as no-ops; anything else answers "?EH". Ctrl-C gives
// command mode, Ctrl-A and a channel id switch channels, each channel with a
// connection of its own; "*" as autobaud character signs on again. In converse mode text goes out as connected data, a
// frame at each CR or Ctrl-Z or when PACLEN bytes are waiting; no connection
// has more than kMaxOutstanding frames waiting at the engine.
class AgwTnc {
public:
    static constexpr char kCtrlA = 1;
    static constexpr char kCtrlC = 3;
    static constexpr char kCtrlZ = 26;
    static constexpr int kMaxOutstanding = 4;
    static constexpr int kDefaultPaclen = 128;
    static constexpr int kMaxDigipeaters = 7;
    using Clock = std::function<QDateTime()>;

    AgwTnc(int radioPort, Clock clock);

    // The engine's connection is up: asks its version and ports, registers
    // MYCALL, and signs on to the terminal.
    void engineUp();
    // The engine's connection is gone, and every AX.25 connection with it.
    void engineDown();
    void fromTerminal(const QByteArray& bytes);
    void fromEngine(const QByteArray& bytes);
    // Asks the engine again how far it is with connections that have data held back.
    void pollFlow();

    QByteArray takeForEngine() { return std::exchange(m_forEngine, {}); }
    QByteArray takeForTerminal() { return std::exchange(m_forTerminal, {}); }
    // The engine's byte stream is not AGW: the link is to be dropped.
    bool engineFailed() const { return m_reader.failed(); }

    int radioPort() const { return m_radioPort; }
    bool inConverse() const { return m_converse; }
    char channel() const { return m_channel; }

private:
    enum class LinkState { Connecting, Connected, Disconnecting };
    struct Link {
        QByteArray call;
        LinkState state = LinkState::Connecting;
        QByteArray typed;           // converse text not yet a frame
        QList<QByteArray> held;     // frames waiting for the engine to catch up
        int outstanding = 0;
        bool asked = false;         // an outstanding-frames query is unanswered
    };

    void signOn();
    void takeByte(char byte);
    void takeAutobaud();
    void takeCommandByte(char byte);
    void takeConverseByte(char byte);
    bool lineEnded(char byte);
    void toCommandMode();
    void switchChannel(char id);
    void echoOf(char byte);
    void answer(const QList<QByteArray>& lines);
    void show(const QList<QByteArray>& lines);

    // Commands (AgwTncCommands.cpp).
    void runCommand(const QByteArray& line);
    void myCallCommand(const QList<QByteArray>& args);
    void connectCommand(const QList<QByteArray>& args);
    void disconnectCommand();
    void monitorCommand(const QList<QByteArray>& args);
    void paclenCommand(const QList<QByteArray>& args);
    void daytimeCommand(const QList<QByteArray>& args);
    void flagCommand(const QByteArray& name, bool& flag, const QList<QByteArray>& args);
    QDateTime wallClock() const;

    // The engine side (AgwTncEngine.cpp).
    void send(char kind, const QByteArray& callTo = {}, const QByteArray& data = {});
    void takeFrame(const AgwFrame& frame);
    void onConnected(const QByteArray& remote);
    void onDisconnected(const QByteArray& remote);
    void onData(const QByteArray& remote, const QByteArray& data);
    void onOutstanding(const QByteArray& remote, const QByteArray& data);
    void onMonitored(const QByteArray& data);
    void queueTyped(Link& link);
    void sendHeld(Link& link);
    QByteArray remoteOf(const AgwFrame& frame) const;
    std::optional<char> channelOf(const QByteArray& remote) const;
    Link* link(char channel);

    int m_radioPort;
    Clock m_clock;
    AgwFrameReader m_reader;
    QByteArray m_forEngine;
    QByteArray m_forTerminal;
    std::map<char, Link> m_links;
    QByteArray m_myCall;
    QByteArray m_line;
    std::optional<qint64> m_clockOffset; // seconds from the wall clock to DAYTIME
    int m_paclen = kDefaultPaclen;
    char m_channel = 'A';
    bool m_engineUp = false;
    bool m_converse = false;
    bool m_echo = false;
    bool m_monitor = false;
    bool m_wordOut = false; // kept for scripts that set it; changes nothing
    bool m_afterCtrlA = false;
    bool m_inAutobaud = false;
    bool m_afterCr = false;
    bool m_echoAfterCr = false;
};

} // namespace vellicor
