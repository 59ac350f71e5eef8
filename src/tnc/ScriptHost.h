#pragma once

#include <QString>

#include <optional>

namespace vellicor {

// What the TNC scripting needs from the main window. The main window
// implements it; the scripting logic never sees a widget.
//
// Indexes: Mode menu items 0 (the placeholder) and up, function buttons 0 to
// 7 (with their labels "F5" to "F12"), channel menu items 0 to 19.
class ScriptHost {
public:
    virtual ~ScriptHost() = default;

    // The main window's caption.
    virtual QString caption() const = 0;
    // Sets the main window's caption.
    virtual void setCaption(const QString& caption) = 0;

    // The send box's current text.
    virtual QString sendBoxText() const = 0;
    // Empties the send box.
    virtual void clearSendBox() = 0;
    // Gives the keyboard focus to the send box.
    virtual void focusSendBox() = 0;

    // Inserts text into the receive pane at its caret, in the colour of the text before it.
    virtual void insertAtCaret(const QString& text) = 0;
    // Moves the receive pane's caret to the end of its text.
    virtual void moveCaretToEnd() = 0;

    // Shows or hides the "&Mode" menu.
    virtual void setModeMenuVisible(bool visible) = 0;
    // Shows or hides the Mode menu's placeholder item (element 0).
    virtual void setModePlaceholderVisible(bool visible) = 0;
    // Creates Mode menu item `index` (1 and up) with this caption ("&" marks the access key) and shows it.
    virtual void addModeItem(int index, const QString& caption) = 0;
    // Removes Mode menu item `index` (1 and up); nothing when it does not exist.
    virtual void removeModeItem(int index) = 0;
    // The caption of Mode menu item `index` (the placeholder's is empty), or nothing when there is no such item.
    virtual std::optional<QString> modeItemCaption(int index) const = 0;
    // Sets the status bar's "Mode" panel text and its tool tip to `text`.
    virtual void setModePanel(const QString& text) = 0;

    // Sets function button `index`'s caption and tool tip, and shows or hides it together with its label.
    virtual void setFunctionButton(int index, const QString& caption, const QString& tip, bool visible) = 0;
    // Lays the receive pane out below the button row when it is shown, else from the window's top.
    virtual void arrangeReceivePane(bool buttonRowShown) = 0;

    // Sets channel menu item `index`'s caption and makes the item visible.
    virtual void showChannelItem(int index, const QString& caption) = 0;

    // Sets the status bar's "Status" panel text and its tool tip to `text`.
    virtual void setStatusText(const QString& text) = 0;

    // Shows the busy pointer over the main window, or the normal pointer again.
    virtual void setBusy(bool busy) = 0;
};

} // namespace vellicor
