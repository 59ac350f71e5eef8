// Renders each auxiliary window into a PNG file, for looking over their
// layout: vellicor_window_screenshots OUTPUT_FOLDER
#include "Fakes.h"
#include "WindowsFakes.h"
#include "platform/api/PortMap.h"
#include "platform/qt/QtHelpViewer.h"
#include "terminal/TncWriter.h"
#include "windows/FrmAbout.h"
#include "windows/FrmClipboard.h"
#include "windows/FrmProperties.h"
#include "windows/HelpFacility.h"
#include "windows/HelpTopics.h"
#include "windows/WindowsGlobals.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {

bool snap(QWidget* window, const QString& file)
{
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return false;
    QTest::qWait(200);
    const bool saved = window->grab().save(file);
    window->hide();
    return saved;
}

// The window with one of its menus dropped down, as the screen shows it.
bool snapMenu(QMainWindow* window, const char* menuName, const QString& file)
{
    window->move(0, 0);
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return false;
    auto* menu = window->findChild<QMenu*>(QLatin1String(menuName));
    window->menuBar()->setActiveAction(menu->menuAction());
    QTest::qWait(300);
    const QRect area = window->frameGeometry().united(menu->geometry());
    const bool saved = window->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(file);
    menu->hide();
    window->hide();
    return saved;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        qWarning("usage: vellicor_window_screenshots OUTPUT_FOLDER");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    TestPlatform fakes;
    fakes.link.setPortNumber(2);
    fakes.link.setHandshaking(2);
    fakes.link.open();
    PropertiesGlobals globals;
    globals.gLocalEcho = true;
    globals.gMaxLineLength = 70;
    PortMap ports;
    ports.setDevice(2, QStringLiteral("/dev/ttyUSB0"));
    FakePanes panes;
    HelpFacility help(fakes.help);
    bool ok = true;

    for (int tab : {1, 2}) {
        globals.gPropertiesTab = tab;
        FrmProperties properties(globals, fakes.platform(), ports, panes, help);
        ok &= snap(&properties, out.filePath(QStringLiteral("properties-tab%1.png").arg(tab)));
    }

    TncWriter writer(fakes.link);
    FrmClipboard clipboard(fakes.platform(), writer, help);
    clipboard.findChild<QPlainTextEdit*>(QStringLiteral("txtClipboard"))
        ->setPlainText(QStringLiteral("QST ARES net tonight 1900 local\nCheck-ins via W0ABC-4\n"));
    ok &= snap(&clipboard, out.filePath(QStringLiteral("clipboard.png")));
    for (const char* menu : {"mnuFile", "mnuSend"})
        ok &= snapMenu(&clipboard, menu, out.filePath(QStringLiteral("clipboard-%1.png").arg(QLatin1String(menu))));

    FakeLauncher tools;
    FrmAbout about({1, 0, 0}, fakes.sound, fakes.prompter, tools);
    ok &= snap(&about, out.filePath(QStringLiteral("about.png")));

    BuiltInHelp book;
    QtHelpViewer viewer(book);
    viewer.showContents(HelpFacility::kContents);
    ok &= snap(viewer.window(), out.filePath(QStringLiteral("help-contents.png")));
    viewer.showContext(430);
    ok &= snap(viewer.window(), out.filePath(QStringLiteral("help-430.png")));
    return ok ? 0 : 1;
}
