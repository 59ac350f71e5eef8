#pragma once

#include "platform/api/ProgramLauncher.h"
#include "platform/api/Prompter.h"

#include <QString>
#include <QStringList>

namespace vellicor {

// "&System Info...": there is no machine-wide settings store on this
// platform to name the tool, so the first installed of a list of known
// system-information programs is started.
namespace SystemInfo {

inline const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");

// hardinfo2, hardinfo, kinfocenter, gnome-system-monitor, mate-system-monitor, in that order.
const QStringList& tools();

// Starts the first tool found; when none is installed, or it does not
// start, says so in a box titled "Vellicor". True when a tool was started.
bool StartSysInfo(ProgramLauncher& launcher, Prompter& prompter);

} // namespace SystemInfo
} // namespace vellicor
