#pragma once

#include "practice/LineAssembler.h"
#include "practice/PracticeStation.h"

#include <map>
#include <memory>
#include <optional>

namespace vellicor {

class PracticeStations;

// The practice TNC behind one terminal link: bytes from the terminal go in,
// the bytes the TNC sends back come out. Ctrl-C gives command mode ("cmd:"),
// "CONV" or "K" converse mode; in converse mode text goes to the station
// connected on the current channel (Ctrl-A and a channel id switch channels).
// Commands: MYCALL, CONNECT/C, DISCONNECT/D, DAYTIME, ECHO, WORDOUT; anything
// else answers "?EH". ECHO is off at start: typed bytes come back only with ECHO ON.
class PracticeTnc {
public:
    static constexpr char kCtrlA = 1;
    static constexpr char kCtrlC = 3;
    static constexpr char kFirstChannel = 'A';

    PracticeTnc(PracticeStations& stations, PracticeClock clock);
    ~PracticeTnc();

    // The sign-on and "cmd:" prompt the TNC shows when a terminal attaches.
    QByteArray signOn() const;
    QByteArray receive(const QByteArray& bytes);
    // The terminal's link went away: every connection drops.
    void linkLost();

    bool inConverse() const { return m_converse; }
    char channel() const { return m_channel; }
    QByteArray myCall() const { return m_myCall; }
    bool echo() const { return m_echo; }
    bool wordOut() const { return m_wordOut; }
    // The call connected on `channel`, or empty.
    QByteArray connectedTo(char channel) const;

private:
    QByteArray takeByte(char byte);
    QByteArray takeCommandByte(char byte);
    QByteArray takeConverseByte(char byte);
    QByteArray takeAutobaud();
    QByteArray toCommandMode();
    QByteArray switchChannel(char id);
    QByteArray echoOf(char byte);
    QByteArray afterStationSpoke(char channel);
    PracticeStation* station(char channel) const;

    // Commands (PracticeTncCommands.cpp).
    QByteArray runCommand(const QByteArray& line);
    QByteArray myCallCommand(const QList<QByteArray>& args);
    QByteArray connectCommand(const QList<QByteArray>& args);
    QByteArray disconnectCommand();
    QByteArray daytimeCommand(const QList<QByteArray>& args);
    QByteArray flagCommand(const QByteArray& name, bool& flag, const QList<QByteArray>& args);
    QDateTime wallClock() const;

    PracticeStations& m_stations;
    PracticeClock m_clock;
    LineAssembler m_lines;
    std::map<char, std::unique_ptr<PracticeStation>> m_links;
    QByteArray m_myCall = "N0CALL";
    std::optional<qint64> m_clockOffset; // seconds from the wall clock to DAYTIME
    char m_channel = kFirstChannel;
    bool m_converse = false;
    bool m_echo = false;
    bool m_wordOut = false;
    bool m_afterCtrlA = false;
    bool m_inAutobaud = false;
    bool m_echoAfterCr = false;
};

} // namespace vellicor
