#pragma once

#include "traffic/common/TrafficGlobals.h"
#include "platform/api/Platform.h"
#include "traffic/common/SendOptions.h"
#include "traffic/common/Transmission.h"

#include <QKeySequence>
#include <QMainWindow>

#include <functional>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;

namespace vellicor {

class MessageFileCommands;
class TncWriter;

// Everything by which the two message forms' windows differ: the window's
// name and caption, the New question, and the names, captions and help
// contexts of their menus.
struct MessageFormNames {
    QString objectName;
    QString caption;
    QString clearQuestion;
    const char* firstSeparator;  // between Save As and Print
    const char* secondSeparator; // between Print and Exit
    QKeySequence printShortcut;
    QString exitCaption;
    int fileHelp;
    int optionsHelp;
    int sendHelp;
    const char* contentsItem;
    const char* formatterItem;
    QString formatterCaption;
    int formatterHelp;
};

// What the two message forms share as windows: a secondary window that the
// main window keeps for the run and that its close box only hides (so its
// contents stay); the File, Options, Send and Help menus; the New question;
// the file name label and the Save item; the send and the send-options
// dialog. Each form brings its own controls, field rules and message logic.
class MessageForm : public QMainWindow {
    Q_OBJECT
public:
    // The form's commands, as its menus run them.
    virtual void newForm() = 0; // asks, then clears the form
    virtual void openFile() = 0;
    virtual void saveFile() = 0;
    virtual void saveFileAs() = 0;
    virtual void printForm() = 0;
    virtual void sendForm() = 0;
    virtual void showOptions() = 0;

protected:
    MessageForm(TrafficGlobals& globals, const Platform& platform, TncWriter& writer, QWidget* parent,
                const MessageFormNames& names);

    void closeEvent(QCloseEvent* event) override;

    // The page the form's controls are built on.
    QWidget* page() const { return centralWidget(); }
    void buildMenus();
    // Asks whether to clear the form (New).
    bool confirmClear();

    // The label that shows the current file, and where that file is kept;
    // showFileState() brings the label and the Save item up to date.
    void watchFileState(QLabel* fileName, const MessageFileCommands& files);
    void showFileState();

    QDate today() const;
    // Asks the question, sends the message that prepare builds, and hides
    // the form once the whole message went out.
    void sendThenHide(const QString& question, const std::function<Transmission()>& prepare);
    // The send-options dialog, reflowing the text of the form's message box.
    void showSendOptions(const SendOptionsBinding& binding, QPlainTextEdit* message);

    // Put a text on a control only when it differs: an unchanged control
    // keeps its caret and signals no change.
    static void showLineText(QLineEdit* box, const QString& text);
    static void showComboText(QComboBox* box, const QString& text);
    static void showMultiLineText(QPlainTextEdit* box, const QString& text);

    TrafficGlobals& m_globals;
    Platform m_platform;

private:
    void buildFileMenu();
    void buildHelpMenu();
    QAction* addCommand(QMenu* menu, const char* name, const QString& caption, const std::function<void()>& command);

    const MessageFormNames m_names;
    TncWriter& m_writer;
    QLabel* m_labFileName = nullptr;
    const MessageFileCommands* m_files = nullptr;
    QAction* m_mnuFileSave = nullptr;
};

} // namespace vellicor
