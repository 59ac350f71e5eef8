#pragma once

#include <QString>
#include <QStringList>

namespace vellicor {

// Which entry of each Communications list (and which option buttons) the
// Properties dialog shows for the live port; -1 is "no selection".
struct CommunicationsSelection {
    int port = -1;
    int speed = -1;
    int dataBits = -1;
    int parity = -1;
    int stopBits = -1;
    int flow = -1;
    bool echo = false;
};

// The fixed items of the Properties dialog's lists and the reading of the
// port's settings text into list positions.
namespace PropertyLists {

QStringList ports();    // "Com1" to "Com16"
QStringList speeds();
QStringList dataBits();
QStringList parities(); // "Even", "Odd", "None", "Mark", "Space"
QStringList stopBits();

// Reads a settings text such as "9600,n,8,1" or "9600,M,8,1.5" by the
// positions counted from its end; a text too short for those positions, or
// a value that is not among a list's items, leaves that list unselected.
CommunicationsSelection select(const QString& settings, int portNumber, int handshaking,
                               bool localEcho);

// The settings text OK gives the port: speed, the parity's first letter,
// data bits and stop bits, separated by commas.
QString settingsText(const QString& speed, const QString& parity, const QString& dataBits,
                     const QString& stopBits);

} // namespace PropertyLists
} // namespace vellicor
