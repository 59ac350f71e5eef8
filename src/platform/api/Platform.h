#pragma once

#include "platform/api/Beeper.h"
#include "platform/api/Clock.h"
#include "platform/api/FileDialogs.h"
#include "platform/api/HelpViewer.h"
#include "platform/api/Pauser.h"
#include "platform/api/PortMap.h"
#include "platform/api/PrintService.h"
#include "platform/api/ProgramLauncher.h"
#include "platform/api/Prompter.h"
#include "platform/api/SerialDeviceScan.h"
#include "platform/api/SerialLink.h"
#include "platform/api/SettingsStore.h"
#include "platform/api/SoundPlayer.h"

namespace vellicor {

// Everything outside the program, handed to the windows and the logic.
// The objects are owned elsewhere (by main, or by a test).
struct Platform {
    SerialLink* link = nullptr;
    Prompter* prompter = nullptr;
    Beeper* beeper = nullptr;
    Clock* clock = nullptr;
    Pauser* pauser = nullptr;
    FileDialogs* dialogs = nullptr;
    PrintService* printer = nullptr;
    SettingsStore* settings = nullptr;
    HelpViewer* help = nullptr;
    SoundPlayer* sound = nullptr;
    PortMap* ports = nullptr; // what the link's port numbers stand for
    ProgramLauncher* launcher = nullptr;
    SerialDeviceScan* devices = nullptr;
};

} // namespace vellicor
