#pragma once

#include <QHostAddress>
#include <QString>
#include <QStringList>

#include <optional>

namespace vellicor {

inline constexpr char kPracticeUsage[] =
    "usage: vellicor-practice-tnc --listen 127.0.0.1:PORT --store DIR [--transcript FILE] [--pty]\n"
    "       vellicor-practice-tnc --agw HOST:PORT [--call CALL] --store DIR [--listen 127.0.0.1:PORT] [--transcript FILE]";

// The practice TNC's command line. It listens only on a loopback address: the
// practice air is this computer and nothing beyond it, unless an AGW packet
// engine puts the stations on a real radio channel.
struct PracticeOptions {
    QHostAddress address;
    quint16 port = 0;         // 0: any free port
    QString storeDir;         // the board's messages
    QString transcriptFile;   // every byte received, when given
    bool pty = false;         // also serve a pseudo-terminal
    bool listen = true;       // serve terminals on the loopback port
    QString agwHost;          // the AGW engine to serve the stations through, when given
    quint16 agwPort = 0;
    QByteArray boardCall = "N0BBS"; // the board's call on the AGW engine
};

struct ParsedPracticeOptions {
    std::optional<PracticeOptions> options;
    QString error; // set when options is empty
};

// `arguments` without the program name.
ParsedPracticeOptions parsePracticeOptions(const QStringList& arguments);

} // namespace vellicor
