#pragma once

#include <QStringList>

namespace vellicor {

// The serial devices present on this machine that a TNC can hang on, as
// full paths in the order the Properties dialog offers them.
class SerialDeviceScan {
public:
    virtual ~SerialDeviceScan() = default;
    virtual QStringList present() const = 0;
};

} // namespace vellicor
