#pragma once

#include "terminal/TerminalGlobals.h"
#include "platform/api/Beeper.h"
#include "terminal/TncWriter.h"

#include <QString>

#include <functional>

namespace vellicor {

// The send box's text and caret at the moment a key arrives.
struct SendBoxState {
    QString text;
    qsizetype caret = 0;
};

// What the box does with one typed character: line sending, wrapping at the
// last space, word-out mode, control characters straight to the TNC, the
// local echo and the length warning.
class SendBox {
public:
    struct Hooks {
        std::function<void(const QString&)> echo;           // AppendToReceivePane in the sent colour
        std::function<void(const QString&)> insertIntoPane; // at the receive pane's caret
    };

    SendBox(TerminalGlobals& globals, TncWriter& writer, Beeper& beeper, Hooks hooks);

    // Applies the key to the state; true when the key was consumed (not to
    // be typed into the box by the text box itself).
    bool keyTyped(QChar key, SendBoxState& box);

    int sentOnLine() const { return m_sentOnLine; }

private:
    void wrap(SendBoxState& box);
    bool handleKey(QChar key, SendBoxState& box);
    void sendLine(SendBoxState& box);

    TerminalGlobals& m_globals;
    TncWriter& m_writer;
    Beeper& m_beeper;
    Hooks m_hooks;
    int m_sentOnLine = 0;
};

} // namespace vellicor
