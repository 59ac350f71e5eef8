#pragma once

#include "platform/api/Platform.h"
#include "platform/api/PortMap.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtPrintService.h"
#include "platform/qt/QtProgramLauncher.h"
#include "platform/qt/QtSerialDevices.h"
#include "platform/qt/QtSerialLink.h"
#include "windows/HelpTopics.h"

#include <memory>

namespace vellicor {

// The program's real outside world: the INI preferences, the port map, the
// serial or TCP link, message boxes, dialogs, printer, clock, beep, help and
// sound, the program launcher and the serial device scan. Created once by the program (and by whole-program tests).
class RealPlatform {
public:
    RealPlatform();
    ~RealPlatform();
    Platform platform();
    PortMap& ports() { return m_ports; }
    IniSettingsStore& settings() { return m_settings; }

private:
    IniSettingsStore m_settings;
    PortMap m_ports;
    QtSerialLink m_link;
    QtPrompter m_prompter;
    QtBeeper m_beeper;
    SystemClock m_clock;
    EventLoopPauser m_pauser;
    QtFileDialogs m_dialogs;
    QtPrintService m_printer;
    QtProgramLauncher m_launcher;
    QtSerialDevices m_devices;
    BuiltInHelp m_helpBook; // registers the help pages and sounds
    std::unique_ptr<HelpViewer> m_help;
    std::unique_ptr<SoundPlayer> m_sound;
};

} // namespace vellicor
