// The Properties dialog: what its lists show for the live port, OK's steps
// and what they store, Cancel, and the colour selection.
#include "PropertiesFixture.h"

#include <QCheckBox>
#include <QTabWidget>
#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

class PropertiesTest : public QObject {
    Q_OBJECT
private slots:
    void showsLiveSettingsInTheLists_data();
    void showsLiveSettingsInTheLists();
    void showsPortFlowEchoAndTyping();
    void opensOnTheTabAskedFor_data();
    void opensOnTheTabAskedFor();
    void okWithoutChangesReopensThePortAndStoresTheSameValues();
    void okKeepsCommandLineSettingsAndPortOutOfTheStore();
    void okGivesThePortTheChosenSettings();
    void okTakesALineLengthOnlyWhenItIsANumber_data();
    void okTakesALineLengthOnlyWhenItIsANumber();
    void failedPortChangeLeavesPortClosedOnItsOldNumber();
    void refusedSettingsAreShownAndNothingIsStored();
    void cancelAppliesAndStoresNothing();
    void selectedColorIsAppliedAndStoredAtOnce_data();
    void selectedColorIsAppliedAndStoredAtOnce();
    void cancelledColorDialogChangesNothing();
    void helpItemsOpenContentsAndPropertiesTopic();
    void okStoresChangedScrollbackAndReconnectUnderTerminal();
};

void PropertiesTest::showsLiveSettingsInTheLists_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QStringList>("shown"); // speed, parity, data bits, stop bits
    QTest::newRow("defaults") << "9600,n,8,1" << QStringList{"9600", "None", "8", "1"};
    QTest::newRow("odd parity, two stop bits") << "4800,o,7,2" << QStringList{"4800", "Odd", "7", "2"};
    QTest::newRow("mark, one and a half") << "9600,M,8,1.5" << QStringList{"9600", "Mark", "8", "1.5"};
    QTest::newRow("even upper case") << "19200,E,7,1" << QStringList{"19200", "Even", "7", "1"};
    QTest::newRow("space lower case") << "115200,s,8,1" << QStringList{"115200", "Space", "8", "1"};
    QTest::newRow("unknown parity letter") << "9600,x,8,1" << QStringList{"9600", "", "8", "1"};
    QTest::newRow("speed not in the list") << "9601,n,8,1" << QStringList{"", "None", "8", "1"};
    QTest::newRow("too short") << "8,1" << QStringList{"", "", "", ""};
    QTest::newRow("too short for 1.5") << "n,8,1.5" << QStringList{"", "", "", ""};
    QTest::newRow("empty") << "" << QStringList{"", "", "", ""};
}

void PropertiesTest::showsLiveSettingsInTheLists()
{
    QFETCH(QString, settings);
    QFETCH(QStringList, shown);
    PropertiesFixture f;
    f.link.shownSettings = settings;
    const auto dialog = f.dialog();
    QCOMPARE(list(dialog.get(), "cboSpeed")->currentText(), shown[0]);
    QCOMPARE(list(dialog.get(), "cboParity")->currentText(), shown[1]);
    QCOMPARE(list(dialog.get(), "cboDataBits")->currentText(), shown[2]);
    QCOMPARE(list(dialog.get(), "cboStopBits")->currentText(), shown[3]);
}

void PropertiesTest::showsPortFlowEchoAndTyping()
{
    PropertiesFixture f;
    f.link.close();
    f.link.setPortNumber(16);
    f.link.setHandshaking(1);
    f.globals.gLocalEcho = false;
    f.globals.gMaxLineLength = 64;
    f.globals.gWordOut = true;
    const auto dialog = f.dialog();
    QCOMPARE(list(dialog.get(), "cboPort")->currentText(), QStringLiteral("Com16"));
    QCOMPARE(list(dialog.get(), "cboPort")->count(), 16);
    QVERIFY(control<QAbstractButton>(dialog.get(), "optFlow1")->isChecked());
    QVERIFY(control<QAbstractButton>(dialog.get(), "optEcho0")->isChecked());
    QCOMPARE(control<QLineEdit>(dialog.get(), "txtMaxLineLength")->text(), QStringLiteral("64"));
    QVERIFY(control<QCheckBox>(dialog.get(), "chkWordOut")->isChecked());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Properties"));
}

void PropertiesTest::opensOnTheTabAskedFor_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("frame");
    QTest::newRow("communications") << 1 << "fraSettings";
    QTest::newRow("preferences") << 2 << "fraPreferences";
}

void PropertiesTest::opensOnTheTabAskedFor()
{
    QFETCH(int, tab);
    QFETCH(QString, frame);
    PropertiesFixture f;
    f.globals.gPropertiesTab = tab;
    const auto dialog = f.dialog();
    auto* tabs = control<QTabWidget>(dialog.get(), "TabSettings");
    QCOMPARE(tabs->currentWidget()->objectName(), frame);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Communications"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Preferences"));
}

void PropertiesTest::okWithoutChangesReopensThePortAndStoresTheSameValues()
{
    PropertiesFixture f;
    const auto dialog = f.dialog();
    click(dialog.get(), "cmdOK");
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(f.link.closeCount, 1);
    QVERIFY(f.link.isOpen());
    QCOMPARE(f.link.portNumber(), 2);
    QCOMPARE(f.link.settings(), QStringLiteral("9600,N,8,1"));
    QCOMPARE(f.fakes.settings.writes,
             QStringList({"Properties/Settings=9600,N,8,1", "Properties/CommPort=2",
                          "Properties/Handshaking=2", "Properties/Echo=True",
                          "Properties/MaxLineLength=70"}));
    QVERIFY(f.fakes.prompter.prompts.isEmpty());
}

void PropertiesTest::okKeepsCommandLineSettingsAndPortOutOfTheStore()
{
    PropertiesFixture f;
    f.globals.gCommPortFromPrefs = false;
    f.globals.gSettingsFromPrefs = false;
    const auto dialog = f.dialog();
    click(dialog.get(), "optEcho0");
    click(dialog.get(), "optFlow0");
    click(dialog.get(), "cmdOK");
    QCOMPARE(f.fakes.settings.writes,
             QStringList({"Properties/Handshaking=0", "Properties/Echo=False",
                          "Properties/MaxLineLength=70"}));
    QCOMPARE(f.globals.gLocalEcho, false);
}

void PropertiesTest::okGivesThePortTheChosenSettings()
{
    PropertiesFixture f;
    const auto dialog = f.dialog();
    choose(dialog.get(), "cboPort", "Com4");
    choose(dialog.get(), "cboSpeed", "1200");
    choose(dialog.get(), "cboParity", "Space");
    choose(dialog.get(), "cboDataBits", "7");
    choose(dialog.get(), "cboStopBits", "1.5");
    click(dialog.get(), "optFlow3");
    click(dialog.get(), "cmdOK");
    QCOMPARE(f.link.portNumber(), 4);
    QVERIFY(f.link.isOpen());
    QCOMPARE(f.link.settings(), QStringLiteral("1200,S,7,1.5"));
    QCOMPARE(f.link.handshaking(), 3);
    QCOMPARE(f.globals.gCommPort, 4);
    QVERIFY(f.fakes.settings.writes.contains("Properties/Settings=1200,S,7,1.5"));
    QVERIFY(f.fakes.settings.writes.contains("Properties/CommPort=4"));
}

void PropertiesTest::okTakesALineLengthOnlyWhenItIsANumber_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("length");
    QTest::newRow("40") << "40" << 40;
    QTest::newRow("letters") << "abc" << 70;
    QTest::newRow("empty") << "" << 70;
    QTest::newRow("half rounds to even") << "40.5" << 40;
    QTest::newRow("beyond 16 bits") << "40000" << 70;
    QTest::newRow("hexadecimal") << "&H30" << 48;
}

void PropertiesTest::okTakesALineLengthOnlyWhenItIsANumber()
{
    QFETCH(QString, typed);
    QFETCH(int, length);
    PropertiesFixture f;
    const auto dialog = f.dialog();
    control<QLineEdit>(dialog.get(), "txtMaxLineLength")->setText(typed);
    click(dialog.get(), "chkWordOut");
    click(dialog.get(), "cmdOK");
    QCOMPARE(f.globals.gMaxLineLength, length);
    QCOMPARE(f.fakes.settings.writes.last(), QStringLiteral("Properties/MaxLineLength=%1").arg(length));
    QVERIFY(f.globals.gWordOut);
    QVERIFY(f.fakes.prompter.prompts.isEmpty());
}

void PropertiesTest::failedPortChangeLeavesPortClosedOnItsOldNumber()
{
    PropertiesFixture f;
    f.link.failOpen = PortFailure{PortFailures::kDeviceNotFound, QStringLiteral("No such file or directory")};
    const auto dialog = f.dialog();
    dialog->show();
    choose(dialog.get(), "cboPort", "Com5");
    click(dialog.get(), "cmdOK");

    QCOMPARE(f.fakes.prompter.prompts.size(), 1);
    const Prompt& box = f.fakes.prompter.prompts.first();
    QCOMPARE(box.text, QStringLiteral("No such file or directory"));
    QCOMPARE(box.title, QStringLiteral("Vellicor"));
    QCOMPARE(box.buttons, PromptButtons::Ok);
    QCOMPARE(box.icon, PromptIcon::Exclamation);
    QVERIFY(!f.link.isOpen());
    QCOMPARE(f.link.portNumber(), 2);
    QCOMPARE(f.globals.gCommPort, 2);
    QVERIFY(dialog->isVisible());
    QVERIFY(f.fakes.settings.writes.isEmpty());

    // The operator corrects the choice and tries again.
    f.link.failOpen.reset();
    choose(dialog.get(), "cboPort", "Com3");
    click(dialog.get(), "cmdOK");
    QVERIFY(!dialog->isVisible());
    QCOMPARE(f.link.portNumber(), 3);
}

void PropertiesTest::refusedSettingsAreShownAndNothingIsStored()
{
    PropertiesFixture f;
    f.link.failSettings = PortFailure{PortFailures::kBadSettings, QStringLiteral("Invalid setting")};
    const auto dialog = f.dialog();
    dialog->show();
    choose(dialog.get(), "cboPort", "Com3");
    click(dialog.get(), "cmdOK");
    QCOMPARE(f.fakes.prompter.prompts.size(), 1);
    QCOMPARE(f.fakes.prompter.prompts.first().text, QStringLiteral("Invalid setting"));
    QCOMPARE(f.fakes.prompter.prompts.first().icon, PromptIcon::Exclamation);
    QVERIFY(f.link.isOpen());
    QCOMPARE(f.link.portNumber(), 3);
    QCOMPARE(f.link.settings(), QStringLiteral("9600,n,8,1"));
    QVERIFY(dialog->isVisible());
    QVERIFY(f.fakes.settings.writes.isEmpty());
}

void PropertiesTest::cancelAppliesAndStoresNothing()
{
    PropertiesFixture f;
    const auto dialog = f.dialog();
    choose(dialog.get(), "cboPort", "Com7");
    click(dialog.get(), "optEcho0");
    control<QLineEdit>(dialog.get(), "txtMaxLineLength")->setText("30");
    click(dialog.get(), "chkWordOut");
    click(dialog.get(), "cmdCancel");
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QCOMPARE(f.link.portNumber(), 2);
    QCOMPARE(f.link.closeCount, 0);
    QVERIFY(f.globals.gLocalEcho);
    QCOMPARE(f.globals.gMaxLineLength, 70);
    QVERIFY(!f.globals.gWordOut);
    QVERIFY(f.fakes.settings.writes.isEmpty());
}

void PropertiesTest::selectedColorIsAppliedAndStoredAtOnce_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<quint32>("initial");
    QTest::addColumn<QStringList>("stored");
    QTest::newRow("received text") << 1 << quint32(0x00FFFF)
        << QStringList{"255", "16776960", "0", "65535", "0"};
    QTest::newRow("sent text") << 2 << quint32(0xFFFF00)
        << QStringList{"65535", "255", "0", "65535", "0"};
    QTest::newRow("receive background") << 3 << quint32(0)
        << QStringList{"65535", "16776960", "255", "65535", "0"};
    QTest::newRow("send box text") << 4 << quint32(0xFFFF)
        << QStringList{"65535", "16776960", "0", "255", "0"};
    QTest::newRow("send box background") << 5 << quint32(0)
        << QStringList{"65535", "16776960", "0", "65535", "255"};
}

void PropertiesTest::selectedColorIsAppliedAndStoredAtOnce()
{
    QFETCH(int, option);
    QFETCH(quint32, initial);
    QFETCH(QStringList, stored);
    PropertiesFixture f;
    f.fakes.dialogs.colorAnswers = {quint32(0x0000FF)};
    const auto dialog = f.dialog();
    click(dialog.get(), qPrintable(QStringLiteral("optColor%1").arg(option)));
    click(dialog.get(), "cmdSelectColor");

    QCOMPARE(f.fakes.dialogs.colorInitials, QList<quint32>{initial});
    const QStringList keys = {"TextReceivedForeColor", "TextSentForeColor", "TextReceivedBackColor",
                              "TextSentBoxForeColor", "TextSentBoxBackColor"};
    QStringList expected;
    for (int i = 0; i < keys.size(); ++i)
        expected.append(QStringLiteral("Properties/%1=%2").arg(keys[i], stored[i]));
    QCOMPARE(f.fakes.settings.writes, expected);
    auto inUse = [&f] {
        return QList<quint32>{f.globals.gRxForeColor, f.globals.gTxForeColor, f.panes.receivedBack,
                              f.panes.sentBoxFore, f.panes.sentBoxBack};
    };
    QCOMPARE(inUse()[option - 1], quint32(0x0000FF));

    click(dialog.get(), "cmdCancel");
    QCOMPARE(inUse()[option - 1], quint32(0x0000FF));
    QCOMPARE(f.fakes.settings.writes, expected);
}

void PropertiesTest::cancelledColorDialogChangesNothing()
{
    PropertiesFixture f;
    const auto dialog = f.dialog();
    click(dialog.get(), "optColor3");
    click(dialog.get(), "cmdSelectColor");
    QCOMPARE(f.fakes.dialogs.colorInitials.size(), 1);
    QCOMPARE(f.panes.receivedBack, quint32(0));
    QVERIFY(f.fakes.settings.writes.isEmpty());
}

void PropertiesTest::helpItemsOpenContentsAndPropertiesTopic()
{
    PropertiesFixture f;
    const auto dialog = f.dialog();
    dialog->findChild<QAction*>("mnuHelpContents")->trigger();
    dialog->findChild<QAction*>("mnuHelpProperties")->trigger();
    QCOMPARE(f.fakes.help.contentsCommands, QStringList{"Contents()"});
    QCOMPARE(f.fakes.help.contexts, QList<int>{290});
}

void PropertiesTest::okStoresChangedScrollbackAndReconnectUnderTerminal()
{
    PropertiesFixture f;
    const auto dialog = f.dialog();
    QCOMPARE(control<QLineEdit>(dialog.get(), "txtScrollbackLines")->text(), QStringLiteral("20000"));
    control<QLineEdit>(dialog.get(), "txtScrollbackLines")->setText(QStringLiteral("5000"));
    control<QCheckBox>(dialog.get(), "chkReconnect")->setChecked(true);
    click(dialog.get(), "cmdOK");
    QCOMPARE(f.fakes.settings.writes.mid(5),
             QStringList({"Terminal/SessionLog=True", "Terminal/ScrollbackLines=5000", "Terminal/Reconnect=True"}));
}

QTEST_MAIN(PropertiesTest)
#include "tst_properties.moc"
