#pragma once

#include "terminal/TerminalGlobals.h"
#include "platform/api/FileDialogs.h"
#include "platform/api/PortMap.h"
#include "platform/api/Prompter.h"
#include "platform/api/SerialLink.h"
#include "platform/api/SettingsStore.h"
#include "windows/PaneColorsHost.h"

#include <QString>

namespace vellicor {

// What the Properties dialog's controls hold when OK is pressed.
struct PropertiesEntries {
    int portIndex = -1; // position in the port list, -1 when none is chosen
    QString speed;
    QString parity;
    QString dataBits;
    QString stopBits;
    int flowChoice = 0;
    bool echoChoice = false;
    QString maxLineLength;
    bool wordOut = false;
};

// The five targets of Select Color, numbered like the dialog's option buttons.
enum class ColorTarget { ReceivedText = 1, SentText, ReceivedBack, SentBoxText, SentBoxBack };

// The behaviour of the Properties dialog without its window: OK's ordered
// steps, the colour selection and the device each port number stands for.
//
// The device edits are made on a working copy of the port map. OK puts the
// copy into the live map before it reopens the port, so the port opens on
// the device shown; the devices are stored only when OK completes. When the
// port fails to open, the live map is put back as it was; when the port opened
// but refused the settings or flow control, the live map keeps the device in
// use.
class PropertiesLogic {
public:
    PropertiesLogic(TerminalGlobals& globals, SerialLink& link, SettingsStore& settings, Prompter& prompter,
                    FileDialogs& dialogs, PaneColorsHost& panes, PortMap& ports);

    // The device a port (1 to 16) stands for, with the edits made so far.
    QString deviceFor(int port) const { return m_workingPorts.deviceFor(port); }
    void editDevice(int port, const QString& device);

    // True when every step ran and the dialog is to close. A port that is
    // still connecting when opened is waited for, the window system running.
    bool ok(const PropertiesEntries& entries);

    // Opens the colour dialog for the target; a chosen colour is applied and
    // all five colours are stored at once. False when the operator cancelled.
    bool selectColor(ColorTarget target);
    quint32 colorOf(ColorTarget target) const;

private:
    bool changePort(int newPort);
    PortResult openPort();
    bool refuse(const PortResult& failure);
    void applyLineLength(const QString& text);
    void storeAll();
    void storePorts();
    void applyColor(ColorTarget target, quint32 color);

    TerminalGlobals& m_globals;
    SerialLink& m_link;
    SettingsStore& m_settings;
    Prompter& m_prompter;
    FileDialogs& m_dialogs;
    PaneColorsHost& m_panes;
    PortMap& m_ports;
    PortMap m_storedPorts;  // the live map as the dialog found it
    PortMap m_workingPorts; // with the operator's edits
};

} // namespace vellicor
