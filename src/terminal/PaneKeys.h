#pragma once

#include <QKeyEvent>
#include <QString>

namespace vellicor {

// What a key pressed in one of the two panes does.
struct PaneKeyAction {
    enum class Kind {
        FunctionKey, // F3 to F12: presses the command, converse or a function button
        Type,        // the characters in `text` go to the send box's rules
        Edit,        // the pane handles it itself: moving, selecting, copying
    };
    Kind kind = Kind::Edit;
    QString text;

    bool operator==(const PaneKeyAction&) const = default;
};

namespace PaneKeys {

// The character a key press types: Ctrl with a letter gives the control
// character (Ctrl-A is 1), Ctrl with @ [ \ ] ^ _ gives 0 and 27 to 31,
// Enter gives CR, Backspace BS, Tab HT, Escape ESC; keys that type nothing
// (arrows, Shift alone, Alt or Ctrl with other keys) give an empty text.
QString typedText(const QKeyEvent& event);

// In the send box every typed character, the control characters
// included, goes to the send box's rules.
PaneKeyAction inSendBox(const QKeyEvent& event);

// In the receive pane a typed character goes to the end of the send box,
// except Ctrl-C, which copies the selection.
PaneKeyAction inReceivePane(const QKeyEvent& event);

// Releasing Page Up or Up in the send box moves to the receive pane to read back.
bool releaseReadsBack(int qtKey);

} // namespace PaneKeys
} // namespace vellicor
