#pragma once

#include "platform/api/ProgramLauncher.h"
#include "windows/PaneColorsHost.h"

#include <QMap>
#include <QStringList>

namespace vellicor::test {

// The main window's panes as the Properties dialog sees them.
class FakePanes : public PaneColorsHost {
public:
    quint32 receivedBackColor() const override { return receivedBack; }
    void setReceivedBackColor(quint32 color) override { receivedBack = color; }
    quint32 sentBoxForeColor() const override { return sentBoxFore; }
    void setSentBoxForeColor(quint32 color) override { sentBoxFore = color; }
    quint32 sentBoxBackColor() const override { return sentBoxBack; }
    void setSentBoxBackColor(quint32 color) override { sentBoxBack = color; }

    quint32 receivedBack = 0;
    quint32 sentBoxFore = 0xFFFF;
    quint32 sentBoxBack = 0;
};

// Programs "installed" by name, and whether starting them works.
class FakeLauncher : public ProgramLauncher {
public:
    QString find(const QString& program) const override { return installed.value(program); }
    bool start(const QString& path) override
    {
        started.append(path);
        return starts;
    }
    QMap<QString, QString> installed;
    QStringList started;
    bool starts = true;
};

} // namespace vellicor::test
