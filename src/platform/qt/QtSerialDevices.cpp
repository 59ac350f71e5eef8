#include "platform/qt/QtSerialDevices.h"

#include <QDir>

#include <algorithm>
#include <optional>
#include <utility>

namespace vellicor {

namespace {

const QStringList& kinds()
{
    static const QStringList names = {QStringLiteral("ttyS"), QStringLiteral("ttyUSB"),
                                      QStringLiteral("ttyACM"), QStringLiteral("rfcomm")};
    return names;
}

struct DeviceName {
    int kind = 0;
    int number = 0;
    QString name;
};

// The kind and number of a name such as "ttyUSB0"; nothing for other names.
std::optional<DeviceName> classify(const QString& name)
{
    for (int kind = 0; kind < kinds().size(); ++kind) {
        const QString& prefix = kinds().at(kind);
        if (!name.startsWith(prefix))
            continue;
        bool isNumber = false;
        const int number = name.mid(prefix.size()).toInt(&isNumber);
        if (isNumber && number >= 0)
            return DeviceName{kind, number, name};
    }
    return std::nullopt;
}

} // namespace

QtSerialDevices::QtSerialDevices(QString deviceFolder)
    : m_deviceFolder(std::move(deviceFolder))
{
}

QStringList QtSerialDevices::present() const
{
    const QDir folder(m_deviceFolder);
    QList<DeviceName> found;
    const QStringList entries = folder.entryList(QDir::System | QDir::Files | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (const std::optional<DeviceName> device = classify(entry))
            found.append(*device);
    }
    std::sort(found.begin(), found.end(), [](const DeviceName& a, const DeviceName& b) {
        return a.kind != b.kind ? a.kind < b.kind : a.number < b.number;
    });
    QStringList paths;
    for (const DeviceName& device : found)
        paths.append(folder.filePath(device.name));
    return paths;
}

} // namespace vellicor
