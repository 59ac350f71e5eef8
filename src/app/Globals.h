#pragma once

#include "tnc/TncGlobals.h"
#include "traffic/common/TrafficGlobals.h"
#include "windows/WindowsGlobals.h"

namespace vellicor {

// Program-wide state shared by every window: the parts each layer owns,
// one instance for the run. Windows and logic take the part they use.
struct Globals : TncGlobals, TrafficGlobals, PropertiesGlobals {};

} // namespace vellicor
