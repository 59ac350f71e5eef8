#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <array>

namespace vellicor {

// The main window's menu bar, item by item, with the captions operators know
// and the help topic of each menu (dynamic property "helpContext").
struct MainMenus {
    QMenu* mnuFile = nullptr;
    QAction* mnuEditEditClipboard = nullptr;
    QAction* mnuFilePrintSelectedText = nullptr;
    QAction* mnuFileFind = nullptr;
    QAction* mnuFileOpenLogFolder = nullptr;
    QAction* mnuFileOpenAsRadiogram = nullptr; // added with the received-traffic commands
    QAction* mnuFileOpenAsAres = nullptr;
    QAction* mnuActivateScroll = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuTORMEL = nullptr;
    QAction* mnuNTS = nullptr;
    QAction* mnuConnect = nullptr;
    QAction* mnuTacticalCall = nullptr;
    QMenu* mnuUser = nullptr;
    std::array<QAction*, 20> MnuChannel{};
    QMenu* mnuOptions = nullptr;
    QAction* mnuOptionsClearScreen = nullptr;
    QAction* mnuComPort = nullptr;
    QMenu* mnuOptionsInitializeTNC = nullptr;
    QAction* mnuOptionsInitStartup = nullptr;
    QAction* mnuOptionsInitShutDown = nullptr;
    QAction* mnuOptionsInitCustom = nullptr;
    QAction* mnuOptionsPreferences = nullptr;
    QAction* mnuAutobaud = nullptr;
    QAction* mnuOptionsLogSession = nullptr;
    QMenu* mnuMode = nullptr;
    QAction* mnuModePlaceholder = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpContents = nullptr;
    QAction* mnuHelpMainScreen = nullptr;
    QAction* mnuAbout = nullptr;

    static MainMenus build(QMenuBar& bar);
};

// Marks a menu or menu item with the help topic F1 opens on it.
void setHelpContext(QObject& item, int contextId);

} // namespace vellicor
