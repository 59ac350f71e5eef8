#pragma once

#include "app/Globals.h"
#include "platform/api/SerialLink.h"
#include "platform/api/SettingsStore.h"
#include "terminal/Preferences.h"
#include "terminal/ProgramFolder.h"

#include <QString>

namespace vellicor {

// The main window's caption: "Vellicor - Version 2.0.1", with " (Beta)"
// when the revision is above 899.
QString mainCaption(int major, int minor, int revision);

// Loading the main window without its widgets: command line, preferences
// applied to the link (still closed) and to Globals, and the program-wide
// defaults and script paths. The caller beeps once when anyFailed is set.
struct StartupResult {
    Preferences::PaneColors colors;
    bool anyFailed = false;
};

StartupResult loadStartup(const QString& commandLine, const SettingsStore& store, SerialLink& link,
                          Globals& globals, const ProgramFolder& folder);

} // namespace vellicor
