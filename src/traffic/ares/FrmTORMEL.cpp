#include "traffic/ares/FrmTORMEL.h"

#include "terminal/TncWriter.h"
#include "traffic/ares/AresFields.h"
#include "traffic/ares/AresMessage.h"
#include "traffic/ares/AresPrintout.h"
#include "traffic/ares/AresTransmission.h"
#include "traffic/common/EditorText.h"
#include "traffic/common/SendOptionsDialog.h"
#include "traffic/common/TrafficSend.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTimer>

namespace vellicor {

namespace {

const char* const kHelpProperty = "helpContext";

void setLineText(QLineEdit* box, const QString& text)
{
    if (box->text() != text)
        box->setText(text);
}

void setMultiLineText(QPlainTextEdit* box, const QString& text)
{
    const QString shown = toEditorText(text);
    if (box->toPlainText() != shown)
        box->setPlainText(shown);
}

} // namespace

FrmTORMEL::FrmTORMEL(Globals& globals, const Platform& platform, TncWriter& writer, QWidget* parent)
    : QMainWindow(parent)
    , m_globals(globals)
    , m_platform(platform)
    , m_writer(writer)
    , m_files(*platform.prompter, *platform.dialogs)
{
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("frmTORMEL"));
    setWindowTitle(kCaption);
    auto* page = new QWidget(this);
    setCentralWidget(page);
    m_ui = AresFormWidgets::build(page);
    buildMenus();
    watchControls();
    showMessage(AresMessage::cleared(today()));
    showFileState();
    resize(640, 560);
}

AresMessage FrmTORMEL::message() const
{
    AresMessage m;
    m.priority = m_ui.cboPriority->currentText();
    m.subject = m_ui.txtSubject->text();
    m.date = m_ui.txtDate->text();
    m.time = m_ui.txtTime->text();
    m.to = m_ui.txtTo->text();
    m.toName = m_ui.txtToName->text();
    m.from = m_ui.txtFrom->text();
    m.fromName = m_ui.txtFromName->text();
    m.message = fromEditorText(m_ui.txtMessage->toPlainText());
    m.msgSentTime = m_ui.txtMsgSentTime->text();
    m.by = m_ui.txtBy->text();
    return m;
}

void FrmTORMEL::showMessage(const AresMessage& m)
{
    if (m_ui.cboPriority->currentText() != m.priority)
        m_ui.cboPriority->setEditText(m.priority);
    priorityTextChanged(m_ui.cboPriority->currentText());
    setLineText(m_ui.txtSubject, m.subject);
    setLineText(m_ui.txtDate, m.date);
    setLineText(m_ui.txtTime, m.time);
    setLineText(m_ui.txtTo, m.to);
    setLineText(m_ui.txtToName, m.toName);
    setLineText(m_ui.txtFrom, m.from);
    setLineText(m_ui.txtFromName, m.fromName);
    setMultiLineText(m_ui.txtMessage, m.message);
    setLineText(m_ui.txtMsgSentTime, m.msgSentTime);
    setLineText(m_ui.txtBy, m.by);
}

void FrmTORMEL::ClearForm()
{
    m_files.forgetFile();
    showFileState();
    showMessage(AresMessage::cleared(today()));
}

void FrmTORMEL::newMessage()
{
    if (m_platform.prompter->askYesNo(kClearQuestion))
        ClearForm();
}

void FrmTORMEL::openFile()
{
    AresMessage m = message();
    if (m_files.open(m, today()))
        showMessage(m);
    showFileState();
}

void FrmTORMEL::saveFile()
{
    m_files.save(message());
    showFileState();
}

void FrmTORMEL::saveFileAs()
{
    m_files.saveAs(message());
    showFileState();
}

void FrmTORMEL::printMessage()
{
    AresPrintout::print(message(), *m_platform.printer);
}

void FrmTORMEL::sendMessage()
{
    TrafficSend send(*m_platform.prompter, m_writer, *m_platform.pauser);
    AresMessage m = message();
    const TrafficSendResult result = send.run(AresTransmission::kQuestion, [&] {
        AresTransmission::prepareForSend(m, m_globals, m_platform.clock->nowLocal().time());
        showMessage(m);
        return AresTransmission::build(m, m_globals);
    });
    if (result == TrafficSendResult::Sent)
        hide();
}

void FrmTORMEL::showOptions()
{
    QPlainTextEdit* text = m_ui.txtMessage;
    SendOptionsDialog dialog(m_globals, SendOptionsBindings::ares(), *m_platform.prompter,
                             {[text] { return fromEditorText(text->toPlainText()); },
                              [text](const QString& reflowed) { setMultiLineText(text, reflowed); }},
                             this);
    dialog.exec();
}

void FrmTORMEL::closeEvent(QCloseEvent* event)
{
    if (m_globals.gExiting) {
        event->accept();
        return;
    }
    event->ignore();
    hide();
}

void FrmTORMEL::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->setProperty(kHelpProperty, kHelpFileMenu);
    file->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    file->menuAction()->setProperty(kHelpProperty, kHelpFileMenu);
    addCommand(file, "mnuFileNew", QStringLiteral("&New"), &FrmTORMEL::newMessage);
    addCommand(file, "mnuFileOpen", QStringLiteral("&Open"), &FrmTORMEL::openFile);
    m_mnuFileSave = addCommand(file, "mnuFileSave", QStringLiteral("&Save"), &FrmTORMEL::saveFile);
    addCommand(file, "mnuFileSaveAs", QStringLiteral("Save &As"), &FrmTORMEL::saveFileAs);
    file->addSeparator()->setObjectName(QStringLiteral("mnuSep"));
    addCommand(file, "mnuFilePrint", QStringLiteral("&Print"), &FrmTORMEL::printMessage)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    file->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    addCommand(file, "mnuFileExit", QStringLiteral("E&xit TORMEL"), &FrmTORMEL::hide);

    addCommand(nullptr, "mnuOptions", QStringLiteral("&Options..."), &FrmTORMEL::showOptions)
        ->setProperty(kHelpProperty, kHelpOptionsMenu);
    addCommand(nullptr, "mnuSend", QStringLiteral("&Send"), &FrmTORMEL::sendMessage)
        ->setProperty(kHelpProperty, kHelpSendMenu);
    buildHelpMenu();
}

// Adds a command to a menu, or to the menu bar itself when menu is null.
QAction* FrmTORMEL::addCommand(QMenu* menu, const char* name, const QString& caption,
                               void (FrmTORMEL::*command)())
{
    QAction* action = menu ? menu->addAction(caption) : menuBar()->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, command);
    return action;
}

void FrmTORMEL::buildHelpMenu()
{
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->menuAction()->setObjectName(QStringLiteral("mnuHelp"));
    help->addAction(QStringLiteral("&Contents && Index"), this, [this] {
        m_platform.help->showContents(QStringLiteral("Contents()"));
    })->setObjectName(QStringLiteral("mnuHelpContents"));
    QAction* formatter = help->addAction(QStringLiteral("&TORMEL Message Formatter"), this,
                                         [this] { m_platform.help->showContext(kHelpFormatter); });
    formatter->setObjectName(QStringLiteral("mnuHelpTORMEL"));
    formatter->setProperty(kHelpProperty, kHelpFormatter);
}

void FrmTORMEL::watchControls()
{
    connect(m_ui.cboPriority, &QComboBox::editTextChanged, this, &FrmTORMEL::priorityTextChanged);
    for (QLineEdit* field : m_ui.oneLineFields())
        field->installEventFilter(this);
}

bool FrmTORMEL::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && callSignTyped(watched, event))
        return true;
    if (event->type() == QEvent::FocusIn)
        selectWholeText(watched, event);
    return QMainWindow::eventFilter(watched, event);
}

// The priority stands in capitals, and its meaning is spelled out beside it.
void FrmTORMEL::priorityTextChanged(const QString& text)
{
    const QString upper = AresFields::upperCased(text);
    if (upper != text) {
        QLineEdit* edit = m_ui.cboPriority->lineEdit();
        const int caret = edit->cursorPosition();
        edit->setText(upper);
        edit->setCursorPosition(caret);
        return; // the change of text comes back here with the capitals
    }
    m_ui.labPriority->setText(AresFields::priorityLabel(text));
}

// To, From and By take typed letters as capitals and the digit zero as the
// slashed zero; control keys and commands pass unchanged.
bool FrmTORMEL::callSignTyped(QObject* watched, QEvent* event)
{
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field || !m_ui.callSignFields().contains(field))
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers commandKeys = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    const QString typed = key->text();
    if (typed.isEmpty() || typed.front().category() == QChar::Other_Control || (key->modifiers() & commandKeys))
        return false;
    const QString call = AresFields::callSignTyped(typed);
    if (call == typed)
        return false;
    field->insert(call);
    return true;
}

// Entering a one-line field selects its whole text, so typing replaces it.
// A click places the caret after the focus arrives; select again once the
// click is handled.
void FrmTORMEL::selectWholeText(QObject* watched, QEvent* event)
{
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field)
        return;
    field->selectAll();
    if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason)
        QTimer::singleShot(0, field, &QLineEdit::selectAll);
}

void FrmTORMEL::showFileState()
{
    m_ui.labFileName->setText(m_files.currentFile());
    m_mnuFileSave->setEnabled(m_files.saveEnabled());
}

QDate FrmTORMEL::today() const
{
    return m_platform.clock->nowLocal().date();
}

} // namespace vellicor
