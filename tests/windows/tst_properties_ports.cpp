// The device each port number stands for, as the Properties dialog shows
// and changes it, and the serial devices it offers.
#include "PropertiesFixture.h"

#include "windows/SerialDevices.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {

void typeDevice(QWidget* dialog, const QString& device)
{
    QLineEdit* field = list(dialog, "cboDevice")->lineEdit();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, device);
}

QString shownDevice(QWidget* dialog)
{
    return list(dialog, "cboDevice")->currentText();
}

} // namespace

class PropertiesPortsTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheDeviceOfTheChosenPort();
    void editedDeviceIsOpenedAndStoredWhenOkCompletes();
    void failedOpenLeavesTheMapAsItWas();
    void cancelLeavesTheMapAsItWas();
    void clearedDeviceFallsBackToTheDefaultAndIsStored();
    void offersPresentSerialDevicesInOrder();
};

void PropertiesPortsTest::showsTheDeviceOfTheChosenPort()
{
    PropertiesFixture f;
    f.ports.setDevice(3, QStringLiteral("tcp://127.0.0.1:8001"));
    const auto dialog = f.dialog();
    QCOMPARE(shownDevice(dialog.get()), PortMap::defaultDevice(2));
    choose(dialog.get(), "cboPort", "Com3");
    QCOMPARE(shownDevice(dialog.get()), QStringLiteral("tcp://127.0.0.1:8001"));
    choose(dialog.get(), "cboPort", "Com4");
    QCOMPARE(shownDevice(dialog.get()), PortMap::defaultDevice(4));
}

void PropertiesPortsTest::editedDeviceIsOpenedAndStoredWhenOkCompletes()
{
    PropertiesFixture f;
    const auto dialog = f.dialog();
    choose(dialog.get(), "cboPort", "Com3");
    typeDevice(dialog.get(), QStringLiteral("/dev/ttyUSB0"));
    choose(dialog.get(), "cboPort", "Com4");
    QCOMPARE(shownDevice(dialog.get()), PortMap::defaultDevice(4));
    choose(dialog.get(), "cboPort", "Com3");
    QCOMPARE(shownDevice(dialog.get()), QStringLiteral("/dev/ttyUSB0"));
    QCOMPARE(f.ports.deviceFor(3), PortMap::defaultDevice(3)); // not before OK

    click(dialog.get(), "cmdOK");
    QCOMPARE(f.link.openedDevices, QStringList{"/dev/ttyUSB0"});
    QCOMPARE(f.ports.deviceFor(3), QStringLiteral("/dev/ttyUSB0"));
    QCOMPARE(f.fakes.settings.writes.last(), QStringLiteral("Ports/Com3=/dev/ttyUSB0"));
    QCOMPARE(f.fakes.settings.writes.size(), 6); // after the five Properties keys
}

void PropertiesPortsTest::failedOpenLeavesTheMapAsItWas()
{
    PropertiesFixture f;
    f.ports.setDevice(3, QStringLiteral("/dev/ttyACM0"));
    f.link.failOpen = PortFailure{PortFailures::kPermissionDenied, QStringLiteral("Permission denied")};
    const auto dialog = f.dialog();
    choose(dialog.get(), "cboPort", "Com3");
    typeDevice(dialog.get(), QStringLiteral("tcp://localhost:9000"));
    click(dialog.get(), "cmdOK");
    QCOMPARE(f.link.openedDevices, QStringList{"tcp://localhost:9000"});
    QCOMPARE(f.ports.deviceFor(3), QStringLiteral("/dev/ttyACM0"));
    QVERIFY(f.fakes.settings.writes.isEmpty());
    // The field keeps what the operator typed, ready to be corrected.
    QCOMPARE(shownDevice(dialog.get()), QStringLiteral("tcp://localhost:9000"));
}

void PropertiesPortsTest::cancelLeavesTheMapAsItWas()
{
    PropertiesFixture f;
    const auto dialog = f.dialog();
    typeDevice(dialog.get(), QStringLiteral("/dev/rfcomm0"));
    click(dialog.get(), "cmdCancel");
    QVERIFY(!f.ports.hasEntry(2));
    QVERIFY(f.fakes.settings.writes.isEmpty());
}

void PropertiesPortsTest::clearedDeviceFallsBackToTheDefaultAndIsStored()
{
    PropertiesFixture f;
    f.fakes.settings.setValue(PortMap::kGroup, PortMap::key(2), QStringLiteral("/dev/ttyUSB1"));
    f.fakes.settings.writes.clear();
    f.ports.load(f.fakes.settings);
    const auto dialog = f.dialog();
    QCOMPARE(shownDevice(dialog.get()), QStringLiteral("/dev/ttyUSB1"));
    typeDevice(dialog.get(), QString());
    click(dialog.get(), "cmdOK");
    QCOMPARE(f.link.openedDevices, QStringList{PortMap::defaultDevice(2)});
    // The stored entry must not bring the old device back at the next start.
    QCOMPARE(f.fakes.settings.writes.last(), QStringLiteral("Ports/Com2=") + PortMap::defaultDevice(2));
}

void PropertiesPortsTest::offersPresentSerialDevicesInOrder()
{
    QTemporaryDir dev;
    const QStringList names = {"ttyS10", "ttyS2", "ttyACM1", "rfcomm0", "ttyUSB0", "ttyS0",
                               "tty0", "console", "ttyUSBx", "ttyprintk"};
    for (const QString& name : names) {
        QFile file(dev.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QStringList expected;
    for (const char* name : {"ttyS0", "ttyS2", "ttyS10", "ttyUSB0", "ttyACM1", "rfcomm0"})
        expected.append(dev.filePath(QLatin1String(name)));
    QCOMPARE(SerialDevices::present(dev.path()), expected);
}

QTEST_MAIN(PropertiesPortsTest)
#include "tst_properties_ports.moc"
