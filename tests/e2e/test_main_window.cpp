#include "Controls.h"
#include "Fakes.h"
#include "app/FrmPacket.h"
#include "app/FindBar.h"
#include "app/ReceiveView.h"
#include "app/SendBoxEdit.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>

#include <QApplication>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace vellicor;
using namespace vellicor::test;

namespace {

QStringList captions(const QList<QAction*>& actions)
{
    QStringList texts;
    for (const QAction* action : actions)
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

// Keeps the window from hearing that it became active, as under a window
// manager that never activates it.
class ActivationBlocker : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::ActivationChange; }
};

} // namespace

// The main window over fake outside objects.
class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void menuBarCarriesEveryItemInOrder();
    void menusCarryTheirHelpTopics();
    void closeBoxAsksBeforeUnloading();
    void aWindowNeverActivatedStillOpensThePortAndRunsTheStartupScript();
    void badPreferenceBeepsOnceAtStartUp();
    void findSelectsMatchesAndSuspendsScrolling();
    void communicationsRefreshesThePortPanelsWhenTheDialogCloses();
    void everythingReceivedAndSentIsLogged();
    void receiveIndicatorTurnsRedOnDataUntilTheClockTicks();
    void coloursReachBothPanesAndTheScrollButton();
    void everyCaptionedButtonOfAModeShows();

private:
    std::unique_ptr<TestPlatform> m_fakes;
    std::unique_ptr<QTemporaryDir> m_folder;
    Globals m_globals;
    std::unique_ptr<FrmPacket> m_window;

    void startWindow();
    QMenu* menu(const char* name) const { return named<QMenu>(*m_window, QLatin1String(name)); }
    QAction* action(const char* name) const { return named<QAction>(*m_window, QLatin1String(name)); }
    QPushButton* button(const char* name) const { return named<QPushButton>(*m_window, QLatin1String(name)); }
    QPlainTextEdit& receiveView() const { return *named<QPlainTextEdit>(*m_window, QStringLiteral("txtReceived")); }
};

void MainWindowTest::init()
{
    m_fakes = std::make_unique<TestPlatform>();
    m_folder = std::make_unique<QTemporaryDir>();
    m_globals = Globals();
}

void MainWindowTest::cleanup()
{
    m_globals.gExiting = true;
    m_window.reset();
}

void MainWindowTest::startWindow()
{
    FrmPacket::Options options;
    options.folder = ProgramFolder(m_folder->path());
    options.versionMajor = 2;
    options.versionMinor = 0;
    options.versionRevision = 1;
    m_window = std::make_unique<FrmPacket>(m_globals, m_fakes->platform(), options);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void MainWindowTest::aWindowNeverActivatedStillOpensThePortAndRunsTheStartupScript()
{
    QFile script(m_folder->path() + QStringLiteral("/VellicorStartup.txt"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("MYCALL N0CALL\r\n");
    script.close();
    FrmPacket::Options options;
    options.folder = ProgramFolder(m_folder->path());
    m_window = std::make_unique<FrmPacket>(m_globals, m_fakes->platform(), options);
    ActivationBlocker neverActivated;
    m_window->installEventFilter(&neverActivated);
    m_window->show();
    QTRY_COMPARE(m_fakes->link.written, QByteArray("MYCALL N0CALL\r"));
}

void MainWindowTest::menuBarCarriesEveryItemInOrder()
{
    startWindow();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Vellicor - Version 2.0.1"));
    QCOMPARE(captions(m_window->menuBar()->actions()),
             (QStringList{"&File", "&TORMEL...", "&NTS...", "&Connect...", "&Tactical Call...", "&User",
                          "&Options", "&Mode", "&Help"}));
    QCOMPARE(captions(menu("mnuFile")->actions()),
             (QStringList{"&Edit Clipboard...", "&Print Selected Text", "&Find...", "Open &Log Folder",
                          "Open as &Radiogram", "Open as ARES &Message", "-", "&Activate Scroll", "-",
                          "E&xit Vellicor"}));
    QCOMPARE(captions(menu("mnuOptions")->actions()),
             (QStringList{"Clear Screen", "&Communications...", "&Initialize TNC", "&Preferences...",
                          "Send &Autobaud Characters", "&Log Session"}));
    QCOMPARE(captions(menu("mnuOptionsInitializeTNC")->actions()),
             (QStringList{"Start&Up Script", "Shut&Down Script", "Custom &Script..."}));
    QCOMPARE(captions(menu("mnuHelp")->actions()),
             (QStringList{"&Contents && Index", "&Main Screen", "-", "&About Vellicor"}));
    const QList<QAction*> channels = menu("mnuUser")->actions();
    QCOMPARE(channels.size(), 20);
    QCOMPARE(channels[0]->text(), QStringLiteral("Channel &0"));
    QCOMPARE(channels[19]->text(), QStringLiteral("Channel &J"));
    QVERIFY(channels[9]->isVisible());
    QVERIFY(!channels[10]->isVisible());
    QVERIFY(!menu("mnuMode")->menuAction()->isVisible());
}

void MainWindowTest::menusCarryTheirHelpTopics()
{
    startWindow();
    const QList<QPair<const char*, int>> expected = {
        {"mnuFile", 210}, {"mnuTORMEL", 220}, {"mnuNTS", 230}, {"mnuConnect", 240}, {"mnuTacticalCall", 250},
        {"mnuUser", 260}, {"mnuOptions", 270}, {"mnuHelp", 280}};
    for (const auto& [name, context] : expected)
        QCOMPARE(named<QObject>(*m_window, QLatin1String(name))->property("helpContext").toInt(), context);
    action("mnuHelpMainScreen")->trigger();
    action("mnuHelpContents")->trigger();
    QCOMPARE(m_fakes->help.contexts, QList<int>{10});
    QCOMPARE(m_fakes->help.contentsCommands, QStringList{"Contents()"});
}

// No keeps the program running; Yes unloads it once and closes the port.
void MainWindowTest::closeBoxAsksBeforeUnloading()
{
    startWindow();
    m_fakes->prompter.answers = {PromptAnswer::No, PromptAnswer::Yes};
    QSignalSpy shutdown(m_window.get(), &FrmPacket::shutdownScriptRequested);
    QVERIFY(!m_window->windowHandle()->close()); // the close box
    QCOMPARE(m_fakes->prompter.prompts.size(), 1);
    QCOMPARE(m_fakes->prompter.prompts[0].text, QStringLiteral("Exit Vellicor?"));
    QCOMPARE(m_fakes->prompter.prompts[0].title, QStringLiteral("Vellicor"));
    QCOMPARE(m_fakes->prompter.prompts[0].buttons, PromptButtons::YesNo);
    QCOMPARE(m_fakes->prompter.prompts[0].icon, PromptIcon::Question);
    QCOMPARE(shutdown.count(), 0);
    QVERIFY(m_fakes->link.isOpen());

    QVERIFY(m_window->windowHandle()->close());
    QVERIFY(m_globals.gExiting);
    QCOMPARE(shutdown.count(), 1);
    QCOMPARE(m_fakes->help.closes, 1);
    QVERIFY(!m_fakes->link.isOpen());
    m_window->close();
    QCOMPARE(shutdown.count(), 1);
}

void MainWindowTest::badPreferenceBeepsOnceAtStartUp()
{
    m_fakes->settings.values.insert(QStringLiteral("Properties/MaxLineLength"), QStringLiteral("lots"));
    m_fakes->settings.values.insert(QStringLiteral("Properties/Echo"), QStringLiteral("maybe"));
    startWindow();
    QCOMPARE(m_fakes->beeper.beeps, 1);
    QCOMPARE(m_globals.gMaxLineLength, 0);
}

void MainWindowTest::findSelectsMatchesAndSuspendsScrolling()
{
    startWindow();
    m_fakes->link.receive("N0BBS> msg 12 from W1AW\r\nN0BBS> msg 13 from w1aw\r\n");
    action("mnuFileFind")->trigger();
    FindBar& find = *named<FindBar>(*m_window, QStringLiteral("findBar"));
    QVERIFY(find.isVisible());
    find.input().setText(QStringLiteral("W1AW"));
    find.matchCase().setChecked(true);
    QVERIFY(find.find(false));
    QCOMPARE(receiveView().textCursor().selectedText(), QStringLiteral("W1AW"));
    const int first = receiveView().textCursor().position();
    QCOMPARE(button("cmdScroll")->text(), QStringLiteral("Activate Scroll"));
    QVERIFY(find.find(false)); // only one match with the case matched: wraps to it again
    QCOMPARE(receiveView().textCursor().position(), first);
    find.matchCase().setChecked(false);
    QVERIFY(find.find(false));
    QVERIFY(receiveView().textCursor().position() > first);
    find.input().setText(QStringLiteral("K1ABC"));
    QVERIFY(!find.find(true));
}

void MainWindowTest::everythingReceivedAndSentIsLogged()
{
    startWindow();
    m_fakes->link.receive("cmd:");
    for (const QChar c : QStringLiteral("C N0BBS\r"))
        named<SendBoxEdit>(*m_window, QStringLiteral("txtSent"))->typeCharacter(c);
    QFile log(m_folder->path() + QStringLiteral("/logs/2026-12-05.log"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(log.readAll(), QByteArray("14:43:00Z < cmd:\n14:43:00Z > C N0BBS\n"));
    QVERIFY(action("mnuOptionsLogSession")->isChecked());
    action("mnuOptionsLogSession")->trigger();
    QCOMPARE(m_fakes->settings.values.value(QStringLiteral("Terminal/SessionLog")), QStringLiteral("False"));
    action("mnuFileOpenLogFolder")->trigger();
    QCOMPARE(m_fakes->dialogs.shownFolders, QStringList{m_folder->path() + QStringLiteral("/logs")});
}

void MainWindowTest::communicationsRefreshesThePortPanelsWhenTheDialogCloses()
{
    startWindow();
    QTimer::singleShot(0, this, [this] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog && dialog->objectName() == QStringLiteral("frmProperties"));
        QCOMPARE(m_globals.gPropertiesTab, 1);
        m_fakes->link.close();
        m_fakes->link.setPortNumber(5);
        m_fakes->link.setSettings(QStringLiteral("4800,E,7,1"));
        static_cast<QDialog*>(dialog)->reject();
    });
    action("mnuComPort")->trigger();
    QCOMPARE(named<QLabel>(*m_window, QStringLiteral("panelComPort"))->text(), QStringLiteral("Com Port: 5"));
    QCOMPARE(named<QLabel>(*m_window, QStringLiteral("panelSettings"))->text(), QStringLiteral("Settings: 4800,E,7,1"));
    QCOMPARE(named<QLabel>(*m_window, QStringLiteral("panelSettings"))->toolTip(), QStringLiteral("Settings: 4800,E,7,1"));
}

void MainWindowTest::receiveIndicatorTurnsRedOnDataUntilTheClockTicks()
{
    startWindow();
    const auto* indicator = m_window->findChild<QFrame*>(QStringLiteral("shpInput"));
    const QColor normal = indicator->palette().color(QPalette::Window);
    m_fakes->link.receive("cmd:");
    QCOMPARE(indicator->palette().color(QPalette::Window), QColor(255, 0, 0));
    QTRY_COMPARE(indicator->palette().color(QPalette::Window), normal); // the next tick of the clock
}

// The pane colours of the preferences, and red on the scroll button while
// received text is held.
void MainWindowTest::coloursReachBothPanesAndTheScrollButton()
{
    m_fakes->settings.values.insert(QStringLiteral("Properties/TextReceivedBackColor"), QStringLiteral("65280"));
    m_fakes->settings.values.insert(QStringLiteral("Properties/TextSentBoxForeColor"), QStringLiteral("255"));
    m_fakes->settings.values.insert(QStringLiteral("Properties/TextSentBoxBackColor"), QStringLiteral("16711680"));
    startWindow();
    auto* sendBox = named<QLineEdit>(*m_window, QStringLiteral("txtSent"));
    sendBox->ensurePolished();
    QCOMPARE(receiveView().palette().color(QPalette::Base), QColor(0, 255, 0));
    QCOMPARE(sendBox->palette().color(QPalette::Text), QColor(255, 0, 0));
    QCOMPARE(sendBox->palette().color(QPalette::Base), QColor(0, 0, 255));

    QPushButton& scroll = *button("cmdScroll");
    const QColor normal = scroll.palette().color(QPalette::Button);
    scroll.click(); // "Suspend Scroll"
    m_fakes->link.receive("held");
    scroll.ensurePolished();
    QCOMPARE(scroll.palette().color(QPalette::Button), QColor(255, 0, 0));
    action("mnuActivateScroll")->trigger();
    scroll.ensurePolished();
    QCOMPARE(scroll.palette().color(QPalette::Button), normal);
}

void MainWindowTest::everyCaptionedButtonOfAModeShows()
{
    QFile script(m_folder->path() + QStringLiteral("/VellicorStartup.txt"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("$MODE MENU=&Net\r\n$BUTTON CAPTION=\r\n$BUTTON FUNCTION=CHECK\r\n$BUTTON CAPTION=Traffic\r\n");
    script.close();
    startWindow();
    QTRY_VERIFY(menu("mnuMode")->menuAction()->isVisible());
    const QList<QAction*> modes = menu("mnuMode")->actions();
    const auto net = std::find_if(modes.begin(), modes.end(), [](QAction* a) { return a->text() == "&Net"; });
    QVERIFY(net != modes.end());
    (*net)->trigger();
    QVERIFY(!button("cmdTNCFunc0")->isVisible());
    QVERIFY(button("cmdTNCFunc1")->isVisible());
    QCOMPARE(button("cmdTNCFunc1")->text(), QStringLiteral("Traffic"));
}

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
