// The Properties dialog: what its lists show for the live port, OK's steps
// and what they store, Cancel, the colour selection, and the device each
// port number stands for.
#include "Fakes.h"
#include "WindowsFakes.h"
#include "windows/WindowsGlobals.h"
#include "platform/api/PortMap.h"
#include "windows/FrmProperties.h"
#include "windows/HelpFacility.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace vellicor;
using namespace vellicor::test;

namespace {

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
// everything read from the preferences, as after a plain start; the dialog
// is made on first use.
struct Fixture {
    Fixture()
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

    FrmProperties& dialog()
    {
        if (!m_dialog) {
            Platform platform = fakes.platform();
            platform.link = &link;
            m_dialog = std::make_unique<FrmProperties>(globals, platform, ports, panes, help);
        }
        return *m_dialog;
    }
    template <typename T>
    T* control(const char* name)
    {
        T* found = dialog().findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QString shown(const char* list) { return control<QComboBox>(list)->currentText(); }
    void choose(const char* list, const QString& item)
    {
        QComboBox* box = control<QComboBox>(list);
        box->setCurrentIndex(box->findText(item));
        QVERIFY2(box->currentText() == item, qPrintable(item));
    }
    void click(const char* name) { control<QAbstractButton>(name)->click(); }
    void type(const char* field, const QString& text) { control<QLineEdit>(field)->setText(text); }
    void typeDevice(const QString& device)
    {
        QLineEdit* field = control<QComboBox>("cboDevice")->lineEdit();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, device);
    }
    QStringList& writes() { return fakes.settings.writes; }

    TestPlatform fakes;
    PortMap ports;
    ShowingLink link{ports};
    PropertiesGlobals globals;
    FakePanes panes;
    HelpFacility help{fakes.help};

private:
    std::unique_ptr<FrmProperties> m_dialog;
};

const QStringList kUnchangedWrites = {"Properties/Settings=9600,N,8,1", "Properties/CommPort=2",
                                      "Properties/Handshaking=2", "Properties/Echo=True",
                                      "Properties/MaxLineLength=70"};

} // namespace

class PropertiesTest : public QObject {
    Q_OBJECT
private slots:
    void showsLiveSettingsInTheLists_data()
    {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QStringList>("shown"); // speed, parity, data bits, stop bits
        QTest::newRow("defaults") << "9600,n,8,1" << QStringList{"9600", "None", "8", "1"};
        QTest::newRow("odd parity, two stop bits") << "4800,o,7,2" << QStringList{"4800", "Odd", "7", "2"};
        QTest::newRow("mark, one and a half") << "9600,M,8,1.5" << QStringList{"9600", "Mark", "8", "1.5"};
        QTest::newRow("unknown parity letter") << "9600,x,8,1" << QStringList{"9600", "", "8", "1"};
        QTest::newRow("speed not in the list") << "9601,n,8,1" << QStringList{"", "None", "8", "1"};
        QTest::newRow("empty") << "" << QStringList{"", "", "", ""};
    }

    void showsLiveSettingsInTheLists()
    {
        QFETCH(QString, settings);
        Fixture f;
        f.link.shownSettings = settings;
        const QStringList shown{f.shown("cboSpeed"), f.shown("cboParity"), f.shown("cboDataBits"),
                                f.shown("cboStopBits")};
        QTEST(shown, "shown");
    }

    void showsPortFlowEchoTypingTheTabAskedForAndHelp()
    {
        Fixture f;
        f.link.close();
        f.link.setPortNumber(16);
        f.link.setHandshaking(1);
        f.globals.gLocalEcho = false;
        f.globals.gMaxLineLength = 64;
        f.globals.gWordOut = true;
        f.globals.gPropertiesTab = 2;
        QCOMPARE(f.shown("cboPort"), QStringLiteral("Com16"));
        const QLabel* device = f.dialog().findChild<QLabel*>("lblDevice"); // "&Device:", Alt+D goes to the field
        QVERIFY(device && device->buddy() == f.control<QComboBox>("cboDevice"));
        QCOMPARE(f.control<QComboBox>("cboPort")->count(), 16);
        QVERIFY(f.control<QAbstractButton>("optFlow1")->isChecked());
        QVERIFY(f.control<QAbstractButton>("optEcho0")->isChecked());
        QCOMPARE(f.control<QLineEdit>("txtMaxLineLength")->text(), QStringLiteral("64"));
        QVERIFY(f.control<QCheckBox>("chkWordOut")->isChecked());
        QCOMPARE(f.control<QTabWidget>("TabSettings")->currentWidget()->objectName(), QStringLiteral("fraPreferences"));
        f.dialog().findChild<QAction*>("mnuHelpContents")->trigger();
        f.dialog().findChild<QAction*>("mnuHelpProperties")->trigger();
        QCOMPARE(f.fakes.help.contentsCommands, QStringList{"Contents()"});
        QCOMPARE(f.fakes.help.contexts, QList<int>{290});
    }

    void okStoresWhatTheOperatorChose()
    {
        Fixture f;
        f.globals.gPortOk = false; // as after the operator gave up on a port in error
        f.click("cmdOK"); // nothing changed: the port reopens, the same values are stored
        QCOMPARE(f.dialog().result(), int(QDialog::Accepted));
        QCOMPARE(f.link.closeCount, 1);
        QVERIFY(f.link.isOpen() && f.globals.gPortOk); // the watchdog keeps it open
        QCOMPARE(f.link.settings(), QStringLiteral("9600,N,8,1"));
        QCOMPARE(f.writes(), kUnchangedWrites); // scrollback and reconnect only when changed
        QVERIFY(f.fakes.prompter.prompts.isEmpty());

        f.writes().clear();
        f.choose("cboPort", "Com4");
        f.choose("cboSpeed", "1200");
        f.choose("cboParity", "Space");
        f.choose("cboDataBits", "7");
        f.choose("cboStopBits", "1.5");
        f.click("optFlow3");
        QCOMPARE(f.control<QLineEdit>("txtScrollbackLines")->text(), QStringLiteral("20000"));
        f.type("txtScrollbackLines", QStringLiteral("5000"));
        f.control<QCheckBox>("chkReconnect")->setChecked(true);
        f.click("cmdOK");
        QCOMPARE(f.link.portNumber(), 4);
        QVERIFY(f.link.isOpen());
        QCOMPARE(f.link.settings(), QStringLiteral("1200,S,7,1.5"));
        QCOMPARE(f.link.handshaking(), 3);
        QCOMPARE(f.globals.gCommPort, 4);
        QCOMPARE(f.writes(), QStringList({"Properties/Settings=1200,S,7,1.5", "Properties/CommPort=4",
                                          "Properties/Handshaking=3", "Properties/Echo=True",
                                          "Properties/MaxLineLength=70", "Terminal/SessionLog=True",
                                          "Terminal/ScrollbackLines=5000", "Terminal/Reconnect=True"}));
    }

    void okKeepsCommandLineSettingsAndPortOutOfTheStore()
    {
        Fixture f;
        f.globals.gCommPortFromPrefs = false;
        f.globals.gSettingsFromPrefs = false;
        f.click("optEcho0");
        f.click("optFlow0");
        f.click("cmdOK");
        QCOMPARE(f.writes(), QStringList({"Properties/Handshaking=0", "Properties/Echo=False",
                                          "Properties/MaxLineLength=70"}));
        QCOMPARE(f.globals.gLocalEcho, false);
    }

    void okTakesALineLengthOnlyWhenItIsANumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("length");
        QTest::newRow("40") << "40" << 40;
        QTest::newRow("empty") << "" << 70;
        QTest::newRow("half rounds to even") << "40.5" << 40;
        QTest::newRow("beyond 16 bits") << "40000" << 70;
        QTest::newRow("hexadecimal") << "&H30" << 48;
    }

    void okTakesALineLengthOnlyWhenItIsANumber()
    {
        QFETCH(QString, typed);
        QFETCH(int, length);
        Fixture f;
        f.type("txtMaxLineLength", typed);
        f.click("chkWordOut");
        f.click("cmdOK");
        QCOMPARE(f.globals.gMaxLineLength, length);
        QCOMPARE(f.writes().last(), QStringLiteral("Properties/MaxLineLength=%1").arg(length));
        QVERIFY(f.globals.gWordOut);
        QVERIFY(f.fakes.prompter.prompts.isEmpty());
    }

    // A port that fails to open keeps its old number and device; a port that
    // opened on the new device but refused the settings or flow control stays
    // open on it, and memory follows: Restart Port reopens that device.
    void failedApplyIsShownAndNothingIsStored_data()
    {
        QTest::addColumn<int>("refusedStep"); // 3 open, 5 settings, 6 flow control
        QTest::addColumn<QString>("message");
        QTest::newRow("port does not open") << 3 << "No such file or directory";
        QTest::newRow("settings refused") << 5 << "Invalid setting";
        QTest::newRow("flow control refused") << 6 << "Invalid property value";
    }

    void failedApplyIsShownAndNothingIsStored()
    {
        QFETCH(int, refusedStep);
        QFETCH(QString, message);
        Fixture f;
        f.ports.setDevice(3, QStringLiteral("/dev/ttyACM0"));
        const bool openFails = refusedStep == 3;
        const int number = openFails ? PortFailures::kDeviceNotFound : PortFailures::kBadSettings;
        PortResult& refusal = openFails ? f.link.failOpen : refusedStep == 5 ? f.link.failSettings : f.link.failHandshaking;
        refusal = PortFailure{number, message};
        f.dialog().show();
        f.choose("cboPort", "Com3");
        f.typeDevice(QStringLiteral("tcp://localhost:9000"));
        f.click("cmdOK");

        QCOMPARE(f.fakes.prompter.prompts.size(), 1);
        QCOMPARE(f.fakes.prompter.prompts.first().text, message);
        QCOMPARE(f.link.isOpen(), !openFails);
        QCOMPARE(f.link.portNumber(), openFails ? 2 : 3);
        QCOMPARE(f.globals.gCommPort, f.link.portNumber());
        QCOMPARE(f.link.settings(), refusedStep == 6 ? QStringLiteral("9600,N,8,1") : QStringLiteral("9600,n,8,1"));
        QVERIFY(f.dialog().isVisible());
        QVERIFY(f.writes().isEmpty());
        QCOMPARE(f.ports.deviceFor(3), openFails ? QStringLiteral("/dev/ttyACM0") : QStringLiteral("tcp://localhost:9000"));
        QCOMPARE(f.shown("cboDevice"), QStringLiteral("tcp://localhost:9000")); // ready to be corrected
        if (!openFails) { // as Restart Port does after the watchdog closed the port
            f.link.close();
            f.link.open();
            QCOMPARE(f.link.openedDevices.last(), QStringLiteral("tcp://localhost:9000"));
        }

        refusal.reset(); // the operator corrects the choice and tries again
        f.choose("cboPort", "Com5");
        f.click("cmdOK");
        QVERIFY(!f.dialog().isVisible());
        QCOMPARE(f.link.portNumber(), 5);
    }

    // A TCP port answers later: OK waits, with nothing of the dialog
    // answering, and a failed connection ends as a port that does not open.
    void okWaitsForAConnectionBeingMade()
    {
        Fixture f;
        f.link.connectsLater = true;
        bool waitedDisabled = false;
        const auto endConnection = [&f, &waitedDisabled](const PortResult& failure) {
            QTimer::singleShot(0, &f.dialog(), [&f, &waitedDisabled, failure] {
                waitedDisabled = !f.dialog().isEnabled() && f.link.isConnecting();
                f.dialog().reject();
                f.link.finishConnecting(failure);
            });
        };
        f.dialog().show();
        f.choose("cboPort", "Com3");
        endConnection(PortFailure{PortFailures::kConnectFailed, QStringLiteral("Connection refused")});
        f.click("cmdOK");
        QVERIFY(waitedDisabled);
        QCOMPARE(f.fakes.prompter.prompts.size(), 1);
        QCOMPARE(f.fakes.prompter.prompts.first().text, QStringLiteral("Connection refused"));
        QVERIFY(!f.link.isOpen());
        QCOMPARE(f.link.portNumber(), 2);
        QVERIFY(f.dialog().isVisible() && f.dialog().isEnabled());
        QVERIFY(f.writes().isEmpty());

        endConnection(std::nullopt);
        f.click("cmdOK");
        QVERIFY(waitedDisabled);
        QCOMPARE(f.dialog().result(), int(QDialog::Accepted));
        QVERIFY(f.link.isOpen());
        QCOMPARE(f.link.portNumber(), 3);
        QCOMPARE(f.writes().value(1), QStringLiteral("Properties/CommPort=3"));
    }

    void cancelAppliesAndStoresNothing()
    {
        Fixture f;
        f.choose("cboPort", "Com7");
        f.typeDevice(QStringLiteral("/dev/rfcomm0"));
        f.click("optEcho0");
        f.type("txtMaxLineLength", QStringLiteral("30"));
        f.click("chkWordOut");
        f.click("cmdCancel");
        QCOMPARE(f.dialog().result(), int(QDialog::Rejected));
        QCOMPARE(f.link.portNumber(), 2);
        QCOMPARE(f.link.closeCount, 0);
        QVERIFY(f.globals.gLocalEcho);
        QCOMPARE(f.globals.gMaxLineLength, 70);
        QVERIFY(!f.globals.gWordOut);
        QVERIFY(!f.ports.hasEntry(7));
        QVERIFY(f.writes().isEmpty());
    }

    void selectedColorIsAppliedAndStoredAtOnce_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<quint32>("initial");
        QTest::addColumn<QStringList>("stored"); // empty: the colour dialog was cancelled
        QTest::newRow("received text") << 1 << quint32(0x00FFFF) << QStringList{"255", "16776960", "0", "65535", "0"};
        QTest::newRow("sent text") << 2 << quint32(0xFFFF00) << QStringList{"65535", "255", "0", "65535", "0"};
        QTest::newRow("receive background") << 3 << quint32(0)
                                            << QStringList{"65535", "16776960", "255", "65535", "0"};
        QTest::newRow("send box text") << 4 << quint32(0xFFFF) << QStringList{"65535", "16776960", "0", "255", "0"};
        QTest::newRow("send box background") << 5 << quint32(0)
                                             << QStringList{"65535", "16776960", "0", "65535", "255"};
        QTest::newRow("cancelled") << 3 << quint32(0) << QStringList();
    }

    void selectedColorIsAppliedAndStoredAtOnce()
    {
        QFETCH(int, option);
        QFETCH(QStringList, stored);
        Fixture f;
        if (!stored.isEmpty())
            f.fakes.dialogs.colorAnswers = {quint32(0x0000FF)};
        f.click(qPrintable(QStringLiteral("optColor%1").arg(option)));
        f.click("cmdSelectColor");

        QFETCH(quint32, initial);
        QCOMPARE(f.fakes.dialogs.colorInitials, QList<quint32>{initial});
        const QStringList keys = {"TextReceivedForeColor", "TextSentForeColor", "TextReceivedBackColor",
                                  "TextSentBoxForeColor", "TextSentBoxBackColor"};
        QStringList expected;
        for (int i = 0; i < stored.size(); ++i)
            expected.append(QStringLiteral("Properties/%1=%2").arg(keys[i], stored[i]));
        const auto inUse = [&f] {
            return QList<quint32>{f.globals.gRxForeColor, f.globals.gTxForeColor, f.panes.receivedBack,
                                  f.panes.sentBoxFore, f.panes.sentBoxBack};
        };
        const quint32 color = stored.isEmpty() ? initial : quint32(0x0000FF);
        QCOMPARE(inUse()[option - 1], color);
        QCOMPARE(f.writes(), expected);
        f.click("cmdCancel"); // Cancel does not take the colour back
        QCOMPARE(inUse()[option - 1], color);
        QCOMPARE(f.writes(), expected);
    }

    void devicesOfThePorts()
    {
        Fixture f;
        f.ports.setDevice(3, QStringLiteral("tcp://127.0.0.1:8001"));
        QCOMPARE(f.shown("cboDevice"), PortMap::defaultDevice(2));
        f.choose("cboPort", "Com3");
        QCOMPARE(f.shown("cboDevice"), QStringLiteral("tcp://127.0.0.1:8001"));
        f.dialog().show();
        QApplication::setActiveWindow(&f.dialog());
        QVERIFY(QTest::qWaitForWindowActive(&f.dialog()));
        f.control<QComboBox>("cboDevice")->setFocus();
        f.control<QComboBox>("cboDevice")->addItem(QStringLiteral("/dev/ttyUSB01"));
        f.typeDevice(QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(f.shown("cboDevice"), QStringLiteral("/dev/ttyUSB0")); // not completed to the listed one
        f.choose("cboPort", "Com4");
        QCOMPARE(f.shown("cboDevice"), PortMap::defaultDevice(4));
        f.choose("cboPort", "Com3");
        QCOMPARE(f.shown("cboDevice"), QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(f.ports.deviceFor(3), QStringLiteral("tcp://127.0.0.1:8001")); // not before OK

        f.click("cmdOK");
        QCOMPARE(f.link.openedDevices, QStringList{"/dev/ttyUSB0"});
        QCOMPARE(f.ports.deviceFor(3), QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(f.writes().mid(5), QStringList{"Ports/Com3=/dev/ttyUSB0"});
    }

    // The stored entry must not bring the old device back at the next start.
    void clearedDeviceFallsBackToTheDefaultAndIsStored()
    {
        Fixture f;
        f.fakes.settings.setValue(PortMap::kGroup, PortMap::key(2), QStringLiteral("/dev/ttyUSB1"));
        f.writes().clear();
        f.ports.load(f.fakes.settings);
        QCOMPARE(f.shown("cboDevice"), QStringLiteral("/dev/ttyUSB1"));
        f.typeDevice(QString());
        f.click("cmdOK");
        QCOMPARE(f.link.openedDevices, QStringList{PortMap::defaultDevice(2)});
        QCOMPARE(f.writes().last(), QStringLiteral("Ports/Com2=") + PortMap::defaultDevice(2));
    }

};

QTEST_MAIN(PropertiesTest)
#include "tst_properties.moc"
