#include "windows/WindowsResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerWindowsResources()
{
    Q_INIT_RESOURCE(windows);
}

namespace vellicor {

void initWindowsResources()
{
    static const bool registered = [] {
        registerWindowsResources();
        return true;
    }();
    Q_UNUSED(registered)
}

} // namespace vellicor
