#include "windows/SystemInfo.h"

namespace vellicor {

namespace SystemInfo {

const QStringList& tools()
{
    // System-information viewers of the common desktops; the first two show
    // the hardware and system in detail, the others the system overview of
    // KDE, GNOME and MATE.
    static const QStringList names = {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"),
                                      QStringLiteral("kinfocenter"),
                                      QStringLiteral("gnome-system-monitor"),
                                      QStringLiteral("mate-system-monitor")};
    return names;
}

bool StartSysInfo(ProgramLauncher& launcher, Prompter& prompter)
{
    for (const QString& tool : tools()) {
        const QString path = launcher.find(tool);
        if (path.isEmpty())
            continue;
        if (launcher.start(path))
            return true;
        break;
    }
    prompter.show(kUnavailable, QStringLiteral("Vellicor"), PromptButtons::Ok, PromptIcon::None);
    return false;
}

} // namespace SystemInfo
} // namespace vellicor
