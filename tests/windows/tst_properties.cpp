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
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
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
        return dialog().findChild<T*>(QLatin1String(name));
    }
    QString shown(const char* list) { return control<QComboBox>(list)->currentText(); }
    void choose(const char* list, const QString& item)
    {
        QComboBox* box = control<QComboBox>(list);
        box->setCurrentIndex(box->findText(item));
        QVERIFY2(box->currentText() == item, qPrintable(item));
    }
    void click(const char* name) { control<QAbstractButton>(name)->click(); }
    // Makes the choices: "cboX=item" picks an item, "txtX=text" types, any other name is clicked.
    void make(const QStringList& choices)
    {
        for (const QString& choice : choices) {
            const QByteArray name = choice.section(QLatin1Char('='), 0, 0).toLatin1();
            const QString value = choice.section(QLatin1Char('='), 1);
            if (name.startsWith("cbo"))
                choose(name, value);
            else if (name.startsWith("txt"))
                control<QLineEdit>(name)->setText(value);
            else
                click(name);
        }
    }
    // The live port and the terminal's values, as "Com2 9600,N,8,1 flow2 echo 70 words".
    QString live()
    {
        return QStringLiteral("Com%1 %2 flow%3%4 %5%6").arg(link.portNumber()).arg(link.settings())
            .arg(link.handshaking()).arg(globals.gLocalEcho ? " echo" : "").arg(globals.gMaxLineLength)
            .arg(globals.gWordOut ? " words" : "");
    }
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
        f.fakes.settings.values.insert(QStringLiteral("Terminal/ScrollbackLines"), QStringLiteral("5000"));
        // Modal; "&Device:", Alt+D goes to the field
        QVERIFY(f.dialog().isModal() && f.control<QLabel>("lblDevice")->buddy() == f.control<QComboBox>("cboDevice"));
        const auto on = [&f](const char* name) { return f.control<QAbstractButton>(name)->isChecked() ? "1" : "0"; };
        const auto text = [&f](const char* name) { return f.control<QLineEdit>(name)->text(); };
        QCOMPARE((QStringList{f.shown("cboPort"), QString::number(f.control<QComboBox>("cboPort")->count()),
                              on("optFlow1"), on("optEcho0"), text("txtMaxLineLength"), on("chkWordOut"),
                              text("txtScrollbackLines"),
                              f.control<QTabWidget>("TabSettings")->currentWidget()->objectName()}),
                 (QStringList{"Com16", "16", "1", "1", "64", "1", "5000", "fraPreferences"}));
        f.dialog().findChild<QAction*>("mnuHelpContents")->trigger();
        f.dialog().findChild<QAction*>("mnuHelpProperties")->trigger();
        QCOMPARE(f.fakes.help.contentsCommands, QStringList{"Contents()"});
        QCOMPARE(f.fakes.help.contexts, QList<int>{290});
    }

    // OK reopens the port and stores what the operator chose; port and
    // settings given on the command line are not stored, scrollback and
    // reconnection only when changed, and the line length only when a number.
    void okStoresWhatTheOperatorChose_data()
    {
        QTest::addColumn<bool>("fromPrefs"); // port and settings came from the preferences
        QTest::addColumn<QStringList>("choices");
        QTest::addColumn<QString>("live"); // after OK
        QTest::addColumn<QStringList>("writes");
        QTest::newRow("nothing changed") << true << QStringList{} << "Com2 9600,N,8,1 flow2 echo 70"
            << QStringList{"Properties/Settings=9600,N,8,1", "Properties/CommPort=2", "Properties/Handshaking=2",
                           "Properties/Echo=True", "Properties/MaxLineLength=70"};
        QTest::newRow("everything changed")
            << true
            << QStringList{"cboPort=Com4", "cboSpeed=1200", "cboParity=Space", "cboDataBits=7", "cboStopBits=1.5",
                           "optFlow3", "txtScrollbackLines=5000", "chkReconnect"}
            << "Com4 1200,S,7,1.5 flow3 echo 70"
            << QStringList{"Properties/Settings=1200,S,7,1.5", "Properties/CommPort=4", "Properties/Handshaking=3",
                           "Properties/Echo=True", "Properties/MaxLineLength=70", "Terminal/SessionLog=True",
                           "Terminal/ScrollbackLines=5000", "Terminal/Reconnect=True"};
        const auto lengthRow = [](const char* name, const QString& typed, const char* kept) {
            const QStringList choices{"optFlow0", "optEcho0", "chkWordOut", "txtMaxLineLength=" + typed};
            QTest::newRow(name) << false << choices << QStringLiteral("Com2 9600,N,8,1 flow0 %1 words").arg(kept)
                                << QStringList{"Properties/Handshaking=0", "Properties/Echo=False",
                                               QStringLiteral("Properties/MaxLineLength=") + kept};
        };
        lengthRow("40", "40", "40");
        lengthRow("empty", "", "70");
        lengthRow("half rounds to even", "40.5", "40");
        lengthRow("beyond 16 bits", "40000", "70");
        lengthRow("hexadecimal", "&H30", "48");
    }

    void okStoresWhatTheOperatorChose()
    {
        QFETCH(bool, fromPrefs);
        QFETCH(QStringList, choices);
        Fixture f;
        f.globals.gCommPortFromPrefs = fromPrefs;
        f.globals.gSettingsFromPrefs = fromPrefs;
        f.globals.gPortOk = false; // as after the operator gave up on a port in error
        f.make(choices);
        f.click("cmdOK");
        QCOMPARE(f.dialog().result(), int(QDialog::Accepted));
        QTEST(f.live(), "live");
        QCOMPARE(f.link.closeCount, 1);
        QVERIFY(f.link.isOpen() && f.globals.gPortOk); // the watchdog keeps it open
        QCOMPARE(f.globals.gCommPort, f.link.portNumber());
        QTEST(f.writes(), "writes");
        QVERIFY(f.fakes.prompter.prompts.isEmpty());
    }

    // A port that fails to open keeps its old number and device; a port that
    // opened on the new device but refused the settings or flow control stays
    // open on it, and memory follows: Restart Port reopens that device. A TCP
    // port answers later: OK waits, with nothing of the dialog answering, and
    // a refused connection ends as a port that does not open.
    void failedApplyIsShownAndNothingIsStored_data()
    {
        QTest::addColumn<int>("refusedStep"); // 0 connection, 3 open, 5 settings, 6 flow control
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("live");
        QTest::newRow("connection refused") << 0 << "Connection refused" << "Com2 9600,n,8,1 flow2 echo 70";
        QTest::newRow("port does not open") << 3 << "No such file or directory" << "Com2 9600,n,8,1 flow2 echo 70";
        QTest::newRow("settings refused") << 5 << "Invalid setting" << "Com3 9600,n,8,1 flow2 echo 70";
        QTest::newRow("flow control refused") << 6 << "Invalid property value" << "Com3 9600,N,8,1 flow2 echo 70";
    }

    void failedApplyIsShownAndNothingIsStored()
    {
        QFETCH(int, refusedStep);
        QFETCH(QString, message);
        Fixture f;
        f.ports.setDevice(3, QStringLiteral("/dev/ttyACM0"));
        const bool openFails = refusedStep <= 3;
        f.link.connectsLater = refusedStep == 0;
        PortResult connectionEnd;
        PortResult& refusal = refusedStep == 0 ? connectionEnd
            : refusedStep == 3                 ? f.link.failOpen
            : refusedStep == 5                 ? f.link.failSettings
                                               : f.link.failHandshaking;
        const int number = refusedStep == 0 ? PortFailures::kConnectFailed : PortFailures::kDeviceNotFound;
        refusal = PortFailure{openFails ? number : PortFailures::kBadSettings, message};
        bool waitedDisabled = false;
        const auto pressOk = [&f, &waitedDisabled, &connectionEnd] {
            if (f.link.connectsLater) {
                QTimer::singleShot(0, &f.dialog(), [&f, &waitedDisabled, &connectionEnd] {
                    waitedDisabled = !f.dialog().isEnabled() && f.link.isConnecting();
                    f.dialog().reject();
                    f.link.finishConnecting(connectionEnd);
                });
            }
            f.click("cmdOK");
            QCOMPARE(waitedDisabled, f.link.connectsLater);
        };
        f.dialog().show();
        f.choose("cboPort", "Com3");
        f.typeDevice(QStringLiteral("tcp://localhost:9000"));
        pressOk();

        QCOMPARE(f.fakes.prompter.prompts.size(), 1);
        QCOMPARE(f.fakes.prompter.prompts.first().text, message);
        QCOMPARE(f.link.isOpen(), !openFails);
        QTEST(f.live(), "live");
        QCOMPARE(f.globals.gCommPort, f.link.portNumber());
        QVERIFY(f.dialog().isVisible() && f.dialog().isEnabled() && f.writes().isEmpty());
        QCOMPARE(f.ports.deviceFor(3), openFails ? QStringLiteral("/dev/ttyACM0") : QStringLiteral("tcp://localhost:9000"));
        QCOMPARE(f.shown("cboDevice"), QStringLiteral("tcp://localhost:9000")); // ready to be corrected
        if (!openFails) { // as Restart Port does after the watchdog closed the port
            f.link.close();
            f.link.open();
            QCOMPARE(f.link.openedDevices.last(), QStringLiteral("tcp://localhost:9000"));
        }

        refusal.reset(); // the operator corrects the choice and tries again
        f.choose("cboPort", "Com5");
        pressOk();
        QCOMPARE(f.dialog().result(), int(QDialog::Accepted));
        QVERIFY(!f.dialog().isVisible() && f.link.isOpen());
        QCOMPARE(f.link.portNumber(), 5);
        QCOMPARE(f.writes().value(1), QStringLiteral("Properties/CommPort=5"));
    }

    void cancelAppliesAndStoresNothing()
    {
        Fixture f;
        f.make({"cboPort=Com7", "optEcho0", "optFlow0", "txtMaxLineLength=30", "chkWordOut"});
        f.typeDevice(QStringLiteral("/dev/rfcomm0"));
        f.click("cmdCancel");
        QCOMPARE(f.dialog().result(), int(QDialog::Rejected));
        QCOMPARE(f.live(), QStringLiteral("Com2 9600,n,8,1 flow2 echo 70"));
        QVERIFY(f.link.closeCount == 0 && !f.ports.hasEntry(7) && f.writes().isEmpty());
    }

    void selectedColorIsAppliedAndStoredAtOnce_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<bool>("chosen"); // false: the colour dialog was cancelled
        QTest::newRow("received text") << 1 << true;
        QTest::newRow("sent text") << 2 << true;
        QTest::newRow("receive background") << 3 << true;
        QTest::newRow("send box text") << 4 << true;
        QTest::newRow("send box background") << 5 << true;
        QTest::newRow("cancelled") << 3 << false;
    }

    // Each choice stores all five colours in use; Cancel does not take it back.
    void selectedColorIsAppliedAndStoredAtOnce()
    {
        QFETCH(int, option);
        QFETCH(bool, chosen);
        Fixture f;
        const auto inUse = [&f] {
            return QList<quint32>{f.globals.gRxForeColor, f.globals.gTxForeColor, f.panes.receivedBack,
                                  f.panes.sentBoxFore, f.panes.sentBoxBack};
        };
        QList<quint32> colors = inUse();
        if (chosen)
            f.fakes.dialogs.colorAnswers = {quint32(0x0000FF)};
        f.click(qPrintable(QStringLiteral("optColor%1").arg(option)));
        f.click("cmdSelectColor");
        QCOMPARE(f.fakes.dialogs.colorInitials, QList<quint32>{colors[option - 1]});
        QStringList stored;
        if (chosen) {
            colors[option - 1] = 0x0000FF;
            for (const QString key : {"ReceivedFore", "SentFore", "ReceivedBack", "SentBoxFore", "SentBoxBack"})
                stored.append(QStringLiteral("Properties/Text%1Color=%2").arg(key).arg(colors[stored.size()]));
        }
        QCOMPARE(inUse(), colors);
        QCOMPARE(f.writes(), stored);
        f.click("cmdCancel");
        QCOMPARE(inUse(), colors);
        QCOMPARE(f.writes(), stored);
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
