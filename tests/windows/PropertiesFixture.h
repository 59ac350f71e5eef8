#pragma once

#include "Fakes.h"
#include "app/Globals.h"
#include "platform/api/PortMap.h"
#include "windows/FrmProperties.h"
#include "windows/HelpFacility.h"
#include "windows/PaneColorsHost.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace vellicor::test {

// The main window's panes as far as the Properties dialog sees them.
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

// A link that shows any settings text, as a port could hold one the
// dialog's positions cannot read, and notes the device each open used.
class ShowingLink : public FakeLink {
public:
    explicit ShowingLink(const PortMap& ports)
        : m_ports(ports)
    {
    }
    QString settings() const override { return shownSettings ? *shownSettings : FakeLink::settings(); }
    PortResult open() override
    {
        openedDevices.append(m_ports.deviceFor(portNumber()));
        return FakeLink::open();
    }
    std::optional<QString> shownSettings;
    QStringList openedDevices;

private:
    const PortMap& m_ports;
};

// A live port 2 at 9600,n,8,1 with RTS/CTS, echo on and line length 70,
// everything read from the preferences, as after a plain start.
struct PropertiesFixture {
    PropertiesFixture()
    {
        link.setPortNumber(2);
        link.setSettings(QStringLiteral("9600,n,8,1"));
        link.setHandshaking(2);
        link.open();
        link.openCount = 0;
        link.openedDevices.clear();
        globals.gCommPort = 2;
        globals.gPortSettings = QStringLiteral("9600,n,8,1");
        globals.gCommPortFromPrefs = true;
        globals.gSettingsFromPrefs = true;
        globals.gLocalEcho = true;
        globals.gMaxLineLength = 70;
        globals.gRxForeColor = 0x00FFFF;
        globals.gTxForeColor = 0xFFFF00;
    }

    Platform platform()
    {
        Platform result = fakes.platform();
        result.link = &link;
        return result;
    }

    std::unique_ptr<FrmProperties> dialog()
    {
        return std::make_unique<FrmProperties>(globals, platform(), ports, panes, help);
    }

    TestPlatform fakes;
    PortMap ports;
    ShowingLink link{ports};
    Globals globals;
    FakePanes panes;
    HelpFacility help{fakes.help};
};

template <typename T>
T* control(QWidget* dialog, const char* name)
{
    T* found = dialog->findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

inline QComboBox* list(QWidget* dialog, const char* name)
{
    return control<QComboBox>(dialog, name);
}

inline void choose(QWidget* dialog, const char* listName, const QString& item)
{
    QComboBox* box = list(dialog, listName);
    const int index = box->findText(item);
    if (index < 0)
        qFatal("no item %s", qPrintable(item));
    box->setCurrentIndex(index);
}

inline void click(QWidget* dialog, const char* name)
{
    control<QAbstractButton>(dialog, name)->click();
}

} // namespace vellicor::test
