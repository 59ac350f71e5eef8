#pragma once

#include <QByteArray>

namespace vellicor {

// One message held by the practice board: its heading as the board lists it.
// The text itself lives in its own file in the store.
struct BoardMessage {
    int number = 0;
    char type = 'P';        // P private, B bulletin, T NTS traffic
    bool read = false;      // listed with status Y once read, N before
    QByteArray to;          // addressee call, tactical call or ZIP code
    QByteArray at;          // routing after "@", e.g. "NTSCO"; may be empty
    QByteArray from;        // the sender's call (or alias in use)
    QByteArray posted;      // "yyyy-MM-dd HH:mm", the board's clock
    QByteArray title;       // whole title as received
    qsizetype size = 0;     // bytes in the stored text
};

} // namespace vellicor
