#pragma once

#include "platform/api/SerialDeviceScan.h"

#include <QString>

namespace vellicor {

// Built-in ports (ttyS), USB adapters (ttyUSB), USB modems and TNCs that
// speak CDC ACM (ttyACM) and Bluetooth serial links (rfcomm) found in the
// device folder, by kind and then by number, so ttyS2 comes before ttyS10.
class QtSerialDevices : public SerialDeviceScan {
public:
    explicit QtSerialDevices(QString deviceFolder = QStringLiteral("/dev"));
    QStringList present() const override;

private:
    QString m_deviceFolder;
};

} // namespace vellicor
