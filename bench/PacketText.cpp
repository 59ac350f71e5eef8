#include "PacketText.h"

#include <QRandomGenerator>

#include <array>

namespace vellicor::bench {

namespace {

const std::array<const char*, 8> kLines = {
    "N0CALL-7>APRS,WIDE2-1:!3945.12N/10459.34W-Shelter 12 open, 40 cots, water for two days",
    "W1AW>ID:W1AW/R RELAY/D W1AW-1/B",
    "cmd:",
    "*** CONNECTED to KB0XYZ-1",
    "[KB0XYZ BBS] Welcome to the county ARES packet BBS. Type H for help.",
    "Msg# Stat Size To     From   Date   Subject",
    "1042 PN    412 N0CALL KB0XYZ 1205   Shelter status report, Red Cross",
    "KB0XYZ-1>N0CALL:R, Shelter status 12/05/2026 14:05 TO: (EOC) Net control",
};

} // namespace

QByteArray packetText(qsizetype size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray text;
    text.reserve(size + 128);
    int line = 0;
    while (text.size() < size) {
        text += kLines[random.bounded(int(kLines.size()))];
        if (++line % 5 == 0)
            text += " tpyo\b\b\b\btypo"; // a correction the far end made while typing
        text += " #";
        text += QByteArray::number(line);
        text += "\r\n";
    }
    text.truncate(size);
    return text;
}

} // namespace vellicor::bench
