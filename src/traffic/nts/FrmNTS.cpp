#include "traffic/nts/FrmNTS.h"

#include "terminal/EditorText.h"
#include "tnc/FieldRulesFilter.h"
#include "traffic/nts/NtsCheck.h"
#include "traffic/nts/NtsFields.h"
#include "traffic/nts/NtsPrintout.h"
#include "traffic/nts/NtsTransmission.h"
#include "traffic/nts/Radiogram.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace vellicor {

namespace {

// The window's names and captions, its New question and its help contexts.
const MessageFormNames kNames{
    .objectName = QStringLiteral("frmNTS"),
    .caption = QStringLiteral("Vellicor NTS Message "),
    .clearQuestion = QStringLiteral("Clear all information on the NTS screen?"),
    .firstSeparator = "mnuFileSep1",
    .secondSeparator = "mnuFileSep2",
    .printShortcut = QKeySequence(),
    .exitCaption = QStringLiteral("E&xit NTS"),
    .fileHelp = 510,
    .optionsHelp = 520,
    .sendHelp = 530,
    .contentsItem = "mnuContents",
    .formatterItem = "mnuNTS",
    .formatterCaption = QStringLiteral("&NTS Message Formatter"),
    .formatterHelp = 430,
};

} // namespace

FrmNTS::FrmNTS(TrafficGlobals& globals, const Platform& platform, TncWriter& writer, QWidget* parent)
    : MessageForm(globals, platform, writer, parent, kNames)
    , m_files(*platform.prompter, *platform.dialogs)
{
    m_ui = NtsFormWidgets::build(page());
    buildMenus();
    watchControls();
    watchFileState(m_ui.labFileName, m_files);
    showRadiogram(Radiogram::cleared(today()));
    m_kept = radiogram();
    showFileState();
}

Radiogram FrmNTS::radiogram() const
{
    Radiogram r;
    r.msgNum = m_ui.txtMsgNum->text();
    r.precedence = m_ui.cmbPrecedence->currentText();
    r.handling = m_ui.cmbHX->currentText();
    r.station = m_ui.txtStation->text();
    r.check = m_ui.txtCheck->text();
    r.place = m_ui.txtPlace->text();
    r.timeFiled = m_ui.txtTimeFiled->text();
    r.dateFiled = m_ui.txtDateFiled->text();
    r.name = m_ui.txtName->text();
    r.address = editorText(*m_ui.txtAddress->document());
    r.city = m_ui.txtCity->text();
    r.state = m_ui.txtState->text();
    r.zip = m_ui.txtZip->text();
    r.phone = m_ui.txtPhone->text();
    r.message = editorText(*m_ui.txtMessage->document());
    r.signedBy = m_ui.txtSigned->text();
    return r;
}

void FrmNTS::showRadiogram(const Radiogram& r)
{
    showLineText(m_ui.txtMsgNum, r.msgNum);
    showComboText(m_ui.cmbPrecedence, r.precedence);
    showComboText(m_ui.cmbHX, r.handling);
    showLineText(m_ui.txtStation, r.station);
    showLineText(m_ui.txtCheck, r.check);
    showLineText(m_ui.txtPlace, r.place);
    showLineText(m_ui.txtTimeFiled, r.timeFiled);
    showLineText(m_ui.txtDateFiled, r.dateFiled);
    showLineText(m_ui.txtName, r.name);
    showMultiLineText(m_ui.txtAddress, r.address);
    showLineText(m_ui.txtCity, r.city);
    showLineText(m_ui.txtState, r.state);
    showLineText(m_ui.txtZip, r.zip);
    showLineText(m_ui.txtPhone, r.phone);
    showMultiLineText(m_ui.txtMessage, r.message);
    showLineText(m_ui.txtSigned, r.signedBy);
}

void FrmNTS::newForm()
{
    if (!confirmClear())
        return;
    m_files.disableSave();
    showRadiogram(Radiogram::cleared(today()));
    m_kept = radiogram();
    m_ui.labCheckVerdict->clear();
    showFileState();
}

void FrmNTS::openFile()
{
    Radiogram r = radiogram();
    if (m_files.open(r, today())) {
        showRadiogram(r);
        m_kept = radiogram();
        m_ui.labCheckVerdict->clear();
    }
    showFileState();
}

void FrmNTS::saveFile()
{
    Radiogram r = radiogram();
    const bool written = m_files.save(r);
    showRadiogram(r);
    if (written)
        m_kept = radiogram();
    showFileState();
}

void FrmNTS::saveFileAs()
{
    Radiogram r = radiogram();
    const bool written = m_files.saveAs(r);
    showRadiogram(r);
    if (written)
        m_kept = radiogram();
    showFileState();
}

bool FrmNTS::openReceived(const Radiogram& received)
{
    if (holdsUnsavedText() && !confirmClear())
        return false;
    m_files.forgetFile();
    showRadiogram(received);
    showFileState();
    showCheckVerdict();
    return true;
}

void FrmNTS::printForm()
{
    Radiogram r = radiogram();
    NtsPrintout::print(r, *m_platform.prompter, *m_platform.printer);
    showRadiogram(r);
}

void FrmNTS::sendForm()
{
    Radiogram r = radiogram();
    sendThenHide(NtsTransmission::kQuestion, [&] {
        NtsTransmission::prepareForSend(r, m_globals);
        showRadiogram(r);
        return NtsTransmission::build(r, m_globals);
    });
}

void FrmNTS::showOptions()
{
    showSendOptions(SendOptionsBindings::nts(), m_ui.txtMessage);
}

bool FrmNTS::holdsUnsavedText() const
{
    return radiogram() != m_kept;
}

void FrmNTS::showCheckVerdict()
{
    m_ui.labCheckVerdict->setText(NtsCheck::verdict(m_ui.txtCheck->text(), editorText(*m_ui.txtMessage->document())));
}

void FrmNTS::watchControls()
{
    // The verdict of a received radiogram follows the text and the check as they change.
    const auto followVerdict = [this] {
        if (!m_ui.labCheckVerdict->text().isEmpty())
            showCheckVerdict();
    };
    connect(m_ui.txtCheck, &QLineEdit::textChanged, this, followVerdict);
    connect(m_ui.txtMessage, &QPlainTextEdit::textChanged, this, followVerdict);
    // Leaving the text is the only field the table reports: it verifies the check.
    connect(FieldRulesFilter::install(this, NtsFields::kFieldRules), &FieldRulesFilter::fieldLeft, this,
            &FrmNTS::verifyCheck);
}

void FrmNTS::verifyCheck()
{
    Radiogram r = radiogram();
    NtsCheck::verifyCheck(r, *m_platform.prompter);
    showLineText(m_ui.txtCheck, r.check);
}

} // namespace vellicor
