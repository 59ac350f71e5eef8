#pragma once

#include <QString>
#include <QStringList>

namespace vellicor {

// The serial devices present on this machine that a TNC can hang on:
// built-in ports (ttyS), USB adapters (ttyUSB), USB modems and TNCs that
// speak CDC ACM (ttyACM) and Bluetooth serial links (rfcomm).
namespace SerialDevices {

// Full paths in the given device folder, by kind and then by number, so
// ttyS2 comes before ttyS10.
QStringList present(const QString& deviceFolder = QStringLiteral("/dev"));

} // namespace SerialDevices
} // namespace vellicor
