#pragma once

#include "traffic/common/TrafficGlobals.h"

#include <QString>

namespace vellicor {

// What ties the send-options dialog to one message form: the program-wide
// settings it changes, its caption and its help topic. The NTS and ARES
// dialogs are this one dialog with two bindings.
struct SendOptionsBinding {
    QString objectName; // the dialog's control name
    QString caption;
    bool SendSettings::*formatBody = nullptr;
    int SendSettings::*lineWidth = nullptr;
    // The "send as traffic" choice; null for a form that has none.
    bool SendSettings::*sendAsTraffic = nullptr;
    int helpContext = 0;

    bool hasSendType() const { return sendAsTraffic != nullptr; }
};

namespace SendOptionsBindings {
SendOptionsBinding nts();
SendOptionsBinding ares();
}

// The state of the dialog's controls.
struct SendOptionsControls {
    bool sendAsTraffic = true; // ignored without a send type
    bool formatted = true;
    QString lineWidth;
};

// The dialog's rules, without the dialog: what it shows when loaded, the
// check box that takes effect at once, Apply and Default.
class SendOptions {
public:
    static inline const QString kDefaultWidth = QStringLiteral("70");
    static inline const QString kBadWidth =
        QStringLiteral("The line width must be a whole number from 0 to 32767.");

    SendOptions(TrafficGlobals& globals, SendOptionsBinding binding);

    const SendOptionsBinding& binding() const { return m_binding; }
    SendOptionsControls load() const;
    // The check box: sets the format setting at once (Cancel does not undo it).
    void setFormatted(bool on);
    // The controls Default shows; the settings change only through setFormatted.
    SendOptionsControls defaults() const;
    // Stores the send type and the width and, with formatting on, reflows
    // the message text. False (and nothing changed) when the width box holds
    // no whole number from 0 to 32767.
    bool apply(const SendOptionsControls& controls, QString& messageText);

private:
    TrafficGlobals& m_globals;
    SendOptionsBinding m_binding;
};

} // namespace vellicor
