#include "app/MainMenus.h"

namespace vellicor {

namespace {

QAction* item(QMenu& menu, const char* name, const QString& caption)
{
    QAction* action = menu.addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QAction* barCommand(QMenuBar& bar, const char* name, const QString& caption, int help)
{
    QAction* action = bar.addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    setHelpContext(*action, help);
    return action;
}

QMenu* menu(QMenuBar& bar, const char* name, const QString& caption, int help)
{
    QMenu* added = bar.addMenu(caption);
    added->setObjectName(QString::fromLatin1(name));
    added->menuAction()->setObjectName(QString::fromLatin1(name));
    if (help > 0) {
        setHelpContext(*added, help);
        setHelpContext(*added->menuAction(), help);
    }
    return added;
}

QString channelCaption(int index)
{
    const QChar id = index < 10 ? QChar('0' + index) : QChar('A' + index - 10);
    return QStringLiteral("Channel &") + id;
}

void buildFile(MainMenus& m, QMenuBar& bar)
{
    m.mnuFile = menu(bar, "mnuFile", QStringLiteral("&File"), 210);
    m.mnuEditEditClipboard = item(*m.mnuFile, "mnuEditEditClipboard", QStringLiteral("&Edit Clipboard..."));
    m.mnuFilePrintSelectedText = item(*m.mnuFile, "mnuFilePrintSelectedText", QStringLiteral("&Print Selected Text"));
    m.mnuFileFind = item(*m.mnuFile, "mnuFileFind", QStringLiteral("&Find..."));
    m.mnuFileFind->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    m.mnuFileOpenLogFolder = item(*m.mnuFile, "mnuFileOpenLogFolder", QStringLiteral("Open &Log Folder"));
    m.mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    m.mnuActivateScroll = item(*m.mnuFile, "mnuActivateScroll", QStringLiteral("&Activate Scroll"));
    m.mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFileSep"));
    m.mnuExit = item(*m.mnuFile, "mnuExit", QStringLiteral("E&xit Vellicor"));
}

void buildUser(MainMenus& m, QMenuBar& bar)
{
    m.mnuUser = menu(bar, "mnuUser", QStringLiteral("&User"), 260);
    for (int i = 0; i < 20; ++i) {
        m.MnuChannel[i] = item(*m.mnuUser, "MnuChannel", channelCaption(i));
        m.MnuChannel[i]->setProperty("index", i);
        m.MnuChannel[i]->setVisible(i < 10);
    }
}

void buildOptions(MainMenus& m, QMenuBar& bar)
{
    m.mnuOptions = menu(bar, "mnuOptions", QStringLiteral("&Options"), 270);
    m.mnuOptionsClearScreen = item(*m.mnuOptions, "mnuOptionsClearScreen", QStringLiteral("Clear Screen"));
    m.mnuComPort = item(*m.mnuOptions, "mnuComPort", QStringLiteral("&Communications..."));
    m.mnuOptionsInitializeTNC = m.mnuOptions->addMenu(QStringLiteral("&Initialize TNC"));
    m.mnuOptionsInitializeTNC->setObjectName(QStringLiteral("mnuOptionsInitializeTNC"));
    m.mnuOptionsInitStartup = item(*m.mnuOptionsInitializeTNC, "mnuOptionsInitStartup", QStringLiteral("Start&Up Script"));
    m.mnuOptionsInitShutDown = item(*m.mnuOptionsInitializeTNC, "mnuOptionsInitShutDown", QStringLiteral("Shut&Down Script"));
    m.mnuOptionsInitCustom = item(*m.mnuOptionsInitializeTNC, "mnuOptionsInitCustom", QStringLiteral("Custom &Script..."));
    m.mnuOptionsPreferences = item(*m.mnuOptions, "mnuOptionsPreferences", QStringLiteral("&Preferences..."));
    m.mnuAutobaud = item(*m.mnuOptions, "mnuAutobaud", QStringLiteral("Send &Autobaud Characters"));
    m.mnuOptionsLogSession = item(*m.mnuOptions, "mnuOptionsLogSession", QStringLiteral("&Log Session"));
    m.mnuOptionsLogSession->setCheckable(true);
}

void buildHelp(MainMenus& m, QMenuBar& bar)
{
    m.mnuHelp = menu(bar, "mnuHelp", QStringLiteral("&Help"), 280);
    m.mnuHelpContents = item(*m.mnuHelp, "mnuHelpContents", QStringLiteral("&Contents && Index"));
    m.mnuHelpMainScreen = item(*m.mnuHelp, "mnuHelpMainScreen", QStringLiteral("&Main Screen"));
    m.mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuSep"));
    m.mnuAbout = item(*m.mnuHelp, "mnuAbout", QStringLiteral("&About Vellicor"));
}

} // namespace

void setHelpContext(QObject& item, int contextId)
{
    item.setProperty("helpContext", contextId);
}

MainMenus MainMenus::build(QMenuBar& bar)
{
    MainMenus m;
    buildFile(m, bar);
    m.mnuTORMEL = barCommand(bar, "mnuTORMEL", QStringLiteral("&TORMEL..."), 220);
    m.mnuNTS = barCommand(bar, "mnuNTS", QStringLiteral("&NTS..."), 230);
    m.mnuConnect = barCommand(bar, "mnuConnect", QStringLiteral("&Connect..."), 240);
    m.mnuTacticalCall = barCommand(bar, "mnuTacticalCall", QStringLiteral("&Tactical Call..."), 250);
    buildUser(m, bar);
    buildOptions(m, bar);
    m.mnuMode = menu(bar, "mnuMode", QStringLiteral("&Mode"), 0);
    m.mnuModePlaceholder = item(*m.mnuMode, "mnuModeItem", QString());
    m.mnuMode->menuAction()->setVisible(false);
    buildHelp(m, bar);
    return m;
}

} // namespace vellicor
