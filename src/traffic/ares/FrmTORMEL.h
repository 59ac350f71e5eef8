#pragma once

#include "app/Globals.h"
#include "platform/api/Platform.h"
#include "traffic/ares/AresFileCommands.h"
#include "traffic/ares/AresFormWidgets.h"

#include <QMainWindow>

class QAction;
class QMenu;

namespace vellicor {

class TncWriter;
struct AresMessage;

// The ARES (TORMEL) message form. It only wires its controls to the
// message logic: the field rules, the message file, the printout, the
// transmission and the send options. The main window keeps one for the
// run; closing it with its close box hides it, so its contents stay.
class FrmTORMEL : public QMainWindow {
    Q_OBJECT
public:
    static inline const QString kCaption = QStringLiteral("Vellicor TORMEL Message ");
    static inline const QString kClearQuestion = QStringLiteral("Clear all information on the TORMEL screen?");
    static constexpr int kHelpFormatter = 550;
    static constexpr int kHelpFileMenu = 710;
    static constexpr int kHelpOptionsMenu = 720;
    static constexpr int kHelpSendMenu = 730;

    FrmTORMEL(Globals& globals, const Platform& platform, TncWriter& writer, QWidget* parent = nullptr);

    // The message as the controls hold it, and putting one on them.
    AresMessage message() const;
    void showMessage(const AresMessage& message);

    // The form's commands, as its menus run them.
    void ClearForm();
    void newMessage();
    void openFile();
    void saveFile();
    void saveFileAs();
    void printMessage();
    void sendMessage();
    void showOptions();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    QAction* addCommand(QMenu* menu, const char* name, const QString& caption, void (FrmTORMEL::*command)());
    void buildHelpMenu();
    void watchControls();
    void priorityTextChanged(const QString& text);
    bool callSignTyped(QObject* watched, QEvent* event);
    void selectWholeText(QObject* watched, QEvent* event);
    void showFileState();
    QDate today() const;

    Globals& m_globals;
    Platform m_platform;
    TncWriter& m_writer;
    AresFileCommands m_files;
    AresFormWidgets m_ui;
    QAction* m_mnuFileSave = nullptr;
};

} // namespace vellicor
