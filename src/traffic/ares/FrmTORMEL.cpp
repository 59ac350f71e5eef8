#include "traffic/ares/FrmTORMEL.h"

#include "terminal/EditorText.h"
#include "terminal/Windows1252.h"
#include "traffic/ares/AresFields.h"
#include "traffic/ares/AresMessage.h"
#include "traffic/ares/AresPrintout.h"
#include "traffic/ares/AresTransmission.h"
#include "tnc/FieldRulesFilter.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace vellicor {

namespace {

// The window's names and captions, its New question and its help contexts.
const MessageFormNames kNames{
    .objectName = QStringLiteral("frmTORMEL"),
    .caption = QStringLiteral("Vellicor TORMEL Message "),
    .clearQuestion = QStringLiteral("Clear all information on the TORMEL screen?"),
    .firstSeparator = "mnuSep",
    .secondSeparator = "mnuSep1",
    .printShortcut = QKeySequence(Qt::CTRL | Qt::Key_P),
    .exitCaption = QStringLiteral("E&xit TORMEL"),
    .fileHelp = 710,
    .optionsHelp = 720,
    .sendHelp = 730,
    .contentsItem = "mnuHelpContents",
    .formatterItem = "mnuHelpTORMEL",
    .formatterCaption = QStringLiteral("&TORMEL Message Formatter"),
    .formatterHelp = 550,
};

} // namespace

FrmTORMEL::FrmTORMEL(TrafficGlobals& globals, const Platform& platform, TncWriter& writer, QWidget* parent)
    : MessageForm(globals, platform, writer, parent, kNames)
    , m_files(*platform.prompter, *platform.dialogs)
{
    m_ui = AresFormWidgets::build(page());
    buildMenus();
    watchControls();
    watchFileState(m_ui.labFileName, m_files);
    showMessage(AresMessage::cleared(today()));
    m_kept = message();
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
    m.message = editorText(*m_ui.txtMessage->document());
    m.msgSentTime = m_ui.txtMsgSentTime->text();
    m.by = m_ui.txtBy->text();
    return m;
}

void FrmTORMEL::showMessage(const AresMessage& m)
{
    showComboText(m_ui.cboPriority, m.priority);
    priorityTextChanged(m_ui.cboPriority->currentText());
    showLineText(m_ui.txtSubject, m.subject);
    showLineText(m_ui.txtDate, m.date);
    showLineText(m_ui.txtTime, m.time);
    showLineText(m_ui.txtTo, m.to);
    showLineText(m_ui.txtToName, m.toName);
    showLineText(m_ui.txtFrom, m.from);
    showLineText(m_ui.txtFromName, m.fromName);
    showMultiLineText(m_ui.txtMessage, m.message);
    showLineText(m_ui.txtMsgSentTime, m.msgSentTime);
    showLineText(m_ui.txtBy, m.by);
}

void FrmTORMEL::ClearForm()
{
    m_files.forgetFile();
    showFileState();
    showMessage(AresMessage::cleared(today()));
    m_kept = message();
}

void FrmTORMEL::newForm()
{
    if (confirmClear())
        ClearForm();
}

void FrmTORMEL::openFile()
{
    AresMessage m = message();
    if (m_files.open(m, today())) {
        showMessage(m);
        m_kept = message();
    }
    showFileState();
}

void FrmTORMEL::saveFile()
{
    if (m_files.save(message()))
        m_kept = message();
    showFileState();
}

void FrmTORMEL::saveFileAs()
{
    if (m_files.saveAs(message()))
        m_kept = message();
    showFileState();
}

bool FrmTORMEL::openReceived(const AresMessage& received)
{
    if (holdsUnsavedText() && !confirmClear())
        return false;
    m_files.forgetFile();
    showMessage(received);
    showFileState();
    return true;
}

void FrmTORMEL::printForm()
{
    AresPrintout::print(message(), *m_platform.printer);
}

void FrmTORMEL::sendForm()
{
    AresMessage m = message();
    sendThenHide(AresTransmission::kQuestion, [&] {
        AresTransmission::prepareForSend(m, m_globals, m_platform.clock->nowLocal().time());
        showMessage(m);
        return AresTransmission::build(m, m_globals);
    });
}

void FrmTORMEL::showOptions()
{
    showSendOptions(SendOptionsBindings::ares(), m_ui.txtMessage);
}

void FrmTORMEL::watchControls()
{
    connect(m_ui.cboPriority, &QComboBox::editTextChanged, this, &FrmTORMEL::priorityTextChanged);
    FieldRulesFilter::install(this, AresFields::kFieldRules);
}

// The priority stands in capitals, and its meaning is spelled out beside it.
void FrmTORMEL::priorityTextChanged(const QString& text)
{
    const QString upper = upperWindows1252(text);
    if (upper != text) {
        QLineEdit* edit = m_ui.cboPriority->lineEdit();
        const int caret = edit->cursorPosition();
        edit->setText(upper);
        edit->setCursorPosition(caret);
        return; // the change of text comes back here with the capitals
    }
    m_ui.labPriority->setText(AresFields::priorityLabel(text));
}

} // namespace vellicor
