#include "traffic/common/MessageForm.h"

#include "terminal/EditorText.h"
#include "terminal/TncWriter.h"
#include "traffic/common/MessageFileCommands.h"
#include "traffic/common/SendOptionsDialog.h"
#include "traffic/common/TrafficSend.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>

namespace vellicor {

namespace {
const char* const kHelpProperty = "helpContext";
}

MessageForm::MessageForm(TrafficGlobals& globals, const Platform& platform, TncWriter& writer, QWidget* parent,
                         const MessageFormNames& names)
    : QMainWindow(parent)
    , m_globals(globals)
    , m_platform(platform)
    , m_names(names)
    , m_writer(writer)
{
    setWindowFlag(Qt::Window);
    setObjectName(names.objectName);
    setWindowTitle(names.caption);
    setCentralWidget(new QWidget(this));
}

void MessageForm::closeEvent(QCloseEvent* event)
{
    if (m_globals.gExiting) {
        event->accept();
        return;
    }
    event->ignore();
    hide();
}

void MessageForm::buildMenus()
{
    buildFileMenu();
    addCommand(nullptr, "mnuOptions", QStringLiteral("&Options..."), [this] { showOptions(); })
        ->setProperty(kHelpProperty, m_names.optionsHelp);
    addCommand(nullptr, "mnuSend", QStringLiteral("&Send"), [this] { sendForm(); })
        ->setProperty(kHelpProperty, m_names.sendHelp);
    buildHelpMenu();
}

void MessageForm::buildFileMenu()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->setProperty(kHelpProperty, m_names.fileHelp);
    file->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    file->menuAction()->setProperty(kHelpProperty, m_names.fileHelp);
    addCommand(file, "mnuFileNew", QStringLiteral("&New"), [this] { newForm(); });
    addCommand(file, "mnuFileOpen", QStringLiteral("&Open"), [this] { openFile(); });
    m_mnuFileSave = addCommand(file, "mnuFileSave", QStringLiteral("&Save"), [this] { saveFile(); });
    addCommand(file, "mnuFileSaveAs", QStringLiteral("Save &As"), [this] { saveFileAs(); });
    file->addSeparator()->setObjectName(QString::fromLatin1(m_names.firstSeparator));
    addCommand(file, "mnuFilePrint", QStringLiteral("&Print"), [this] { printForm(); })
        ->setShortcut(m_names.printShortcut);
    file->addSeparator()->setObjectName(QString::fromLatin1(m_names.secondSeparator));
    addCommand(file, "mnuFileExit", m_names.exitCaption, [this] { hide(); });
}

void MessageForm::buildHelpMenu()
{
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->menuAction()->setObjectName(QStringLiteral("mnuHelp"));
    help->addAction(QStringLiteral("&Contents && Index"), this, [this] {
        m_platform.help->showContents(QStringLiteral("Contents()"));
    })->setObjectName(QString::fromLatin1(m_names.contentsItem));
    const int context = m_names.formatterHelp;
    QAction* formatter =
        help->addAction(m_names.formatterCaption, this, [this, context] { m_platform.help->showContext(context); });
    formatter->setObjectName(QString::fromLatin1(m_names.formatterItem));
    formatter->setProperty(kHelpProperty, context);
}

// Adds a command to a menu, or to the menu bar itself when menu is null.
QAction* MessageForm::addCommand(QMenu* menu, const char* name, const QString& caption,
                                 const std::function<void()>& command)
{
    QAction* action = menu ? menu->addAction(caption) : menuBar()->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, [command] { command(); });
    return action;
}

void MessageForm::watchFileState(QLabel* fileName, const MessageFileCommands& files)
{
    m_labFileName = fileName;
    m_files = &files;
}

void MessageForm::showFileState()
{
    m_labFileName->setText(m_files->currentFile());
    m_mnuFileSave->setEnabled(m_files->saveEnabled());
}

bool MessageForm::confirmClear()
{
    return m_platform.prompter->askYesNo(m_names.clearQuestion);
}

QDate MessageForm::today() const
{
    return m_platform.clock->nowLocal().date();
}

void MessageForm::sendThenHide(const QString& question, const std::function<Transmission()>& prepare)
{
    TrafficSend send(*m_platform.prompter, m_writer, *m_platform.pauser);
    if (send.run(question, prepare) == TrafficSendResult::Sent)
        hide();
}

void MessageForm::showSendOptions(const SendOptionsBinding& binding, QPlainTextEdit* message)
{
    SendOptionsDialog dialog(m_globals, binding, *m_platform.prompter,
                             {[message] { return editorText(*message->document()); },
                              [message](const QString& reflowed) { showMultiLineText(message, reflowed); }},
                             this);
    dialog.exec();
}

void MessageForm::showLineText(QLineEdit* box, const QString& text)
{
    if (box->text() != text)
        box->setText(text);
}

void MessageForm::showComboText(QComboBox* box, const QString& text)
{
    if (box->currentText() != text)
        box->setEditText(text);
}

void MessageForm::showMultiLineText(QPlainTextEdit* box, const QString& text)
{
    const QString shown = toEditorText(text);
    if (editorText(*box->document()) != fromEditorText(shown))
        box->setPlainText(shown);
}

} // namespace vellicor
