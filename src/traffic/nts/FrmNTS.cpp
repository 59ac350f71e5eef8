#include "traffic/nts/FrmNTS.h"

#include "terminal/TncWriter.h"
#include "traffic/common/SendOptionsDialog.h"
#include "traffic/common/TrafficPatterns.h"
#include "traffic/common/TrafficSend.h"
#include "traffic/nts/NtsCheck.h"
#include "traffic/nts/NtsPrintout.h"
#include "traffic/nts/NtsTransmission.h"
#include "traffic/nts/Radiogram.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>

namespace vellicor {

namespace {

const char* const kHelpProperty = "helpContext";

void setLineText(QLineEdit* box, const QString& text)
{
    if (box->text() != text)
        box->setText(text);
}

void setComboText(QComboBox* box, const QString& text)
{
    if (box->currentText() != text)
        box->setEditText(text);
}

void setMultiLineText(QPlainTextEdit* box, const QString& text)
{
    const QString shown = toEditorText(text);
    if (box->toPlainText() != shown)
        box->setPlainText(shown);
}

// Focus that moves to another control of the form; not a menu, a popup or
// another window taking it for a while.
bool movedWithinForm(const QFocusEvent* event, const QWidget* form)
{
    switch (event->reason()) {
    case Qt::PopupFocusReason:
    case Qt::ActiveWindowFocusReason:
    case Qt::MenuBarFocusReason: return false;
    default: break;
    }
    const QWidget* next = QApplication::focusWidget();
    return next && form->isAncestorOf(next);
}

} // namespace

FrmNTS::FrmNTS(Globals& globals, const Platform& platform, TncWriter& writer, QWidget* parent)
    : QMainWindow(parent)
    , m_globals(globals)
    , m_platform(platform)
    , m_writer(writer)
    , m_files(*platform.prompter, *platform.dialogs)
{
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("frmNTS"));
    setWindowTitle(kCaption);
    auto* page = new QWidget(this);
    setCentralWidget(page);
    m_ui = NtsFormWidgets::build(page);
    buildMenus();
    watchControls();
    showRadiogram(Radiogram::cleared(today()));
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
    r.address = fromEditorText(m_ui.txtAddress->toPlainText());
    r.city = m_ui.txtCity->text();
    r.state = m_ui.txtState->text();
    r.zip = m_ui.txtZip->text();
    r.phone = m_ui.txtPhone->text();
    r.message = fromEditorText(m_ui.txtMessage->toPlainText());
    r.signedBy = m_ui.txtSigned->text();
    return r;
}

void FrmNTS::showRadiogram(const Radiogram& r)
{
    setLineText(m_ui.txtMsgNum, r.msgNum);
    setComboText(m_ui.cmbPrecedence, r.precedence);
    setComboText(m_ui.cmbHX, r.handling);
    setLineText(m_ui.txtStation, r.station);
    setLineText(m_ui.txtCheck, r.check);
    setLineText(m_ui.txtPlace, r.place);
    setLineText(m_ui.txtTimeFiled, r.timeFiled);
    setLineText(m_ui.txtDateFiled, r.dateFiled);
    setLineText(m_ui.txtName, r.name);
    setMultiLineText(m_ui.txtAddress, r.address);
    setLineText(m_ui.txtCity, r.city);
    setLineText(m_ui.txtState, r.state);
    setLineText(m_ui.txtZip, r.zip);
    setLineText(m_ui.txtPhone, r.phone);
    setMultiLineText(m_ui.txtMessage, r.message);
    setLineText(m_ui.txtSigned, r.signedBy);
}

void FrmNTS::newRadiogram()
{
    if (!m_platform.prompter->askYesNo(kClearQuestion))
        return;
    m_files.disableSave();
    showRadiogram(Radiogram::cleared(today()));
    showFileState();
}

void FrmNTS::openFile()
{
    Radiogram r = radiogram();
    if (m_files.open(r, today()))
        showRadiogram(r);
    showFileState();
}

void FrmNTS::saveFile()
{
    Radiogram r = radiogram();
    m_files.save(r);
    showRadiogram(r);
    showFileState();
}

void FrmNTS::saveFileAs()
{
    Radiogram r = radiogram();
    m_files.saveAs(r);
    showRadiogram(r);
    showFileState();
}

void FrmNTS::printRadiogram()
{
    Radiogram r = radiogram();
    NtsPrintout::print(r, *m_platform.prompter, *m_platform.printer);
    showRadiogram(r);
}

void FrmNTS::sendRadiogram()
{
    TrafficSend send(*m_platform.prompter, m_writer, *m_platform.pauser);
    Radiogram r = radiogram();
    const TrafficSendResult result = send.run(NtsTransmission::kQuestion, [&] {
        NtsTransmission::prepareForSend(r, m_globals);
        showRadiogram(r);
        return NtsTransmission::build(r, m_globals);
    });
    if (result == TrafficSendResult::Sent)
        hide();
}

void FrmNTS::showOptions()
{
    QPlainTextEdit* message = m_ui.txtMessage;
    SendOptionsDialog dialog(m_globals, SendOptionsBindings::nts(), *m_platform.prompter,
                             {[message] { return fromEditorText(message->toPlainText()); },
                              [message](const QString& text) { setMultiLineText(message, text); }},
                             this);
    dialog.exec();
}

void FrmNTS::closeEvent(QCloseEvent* event)
{
    if (m_globals.gExiting) {
        event->accept();
        return;
    }
    event->ignore();
    hide();
}

void FrmNTS::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->setProperty(kHelpProperty, kHelpFileMenu);
    file->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    file->menuAction()->setProperty(kHelpProperty, kHelpFileMenu);
    addCommand(file, "mnuFileNew", QStringLiteral("&New"), &FrmNTS::newRadiogram);
    addCommand(file, "mnuFileOpen", QStringLiteral("&Open"), &FrmNTS::openFile);
    m_mnuFileSave = addCommand(file, "mnuFileSave", QStringLiteral("&Save"), &FrmNTS::saveFile);
    addCommand(file, "mnuFileSaveAs", QStringLiteral("Save &As"), &FrmNTS::saveFileAs);
    file->addSeparator()->setObjectName(QStringLiteral("mnuFileSep1"));
    addCommand(file, "mnuFilePrint", QStringLiteral("&Print"), &FrmNTS::printRadiogram);
    file->addSeparator()->setObjectName(QStringLiteral("mnuFileSep2"));
    addCommand(file, "mnuFileExit", QStringLiteral("E&xit NTS"), &FrmNTS::hide);

    addCommand(nullptr, "mnuOptions", QStringLiteral("&Options..."), &FrmNTS::showOptions)
        ->setProperty(kHelpProperty, kHelpOptionsMenu);
    addCommand(nullptr, "mnuSend", QStringLiteral("&Send"), &FrmNTS::sendRadiogram)
        ->setProperty(kHelpProperty, kHelpSendMenu);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->addAction(QStringLiteral("&Contents && Index"), this, [this] {
        m_platform.help->showContents(QStringLiteral("Contents()"));
    })->setObjectName(QStringLiteral("mnuContents"));
    QAction* formatter = help->addAction(QStringLiteral("&NTS Message Formatter"), this,
                                         [this] { m_platform.help->showContext(kHelpFormatter); });
    formatter->setObjectName(QStringLiteral("mnuNTS"));
    formatter->setProperty(kHelpProperty, kHelpFormatter);
}

// Adds a command to a menu, or to the menu bar itself when menu is null.
QAction* FrmNTS::addCommand(QMenu* menu, const char* name, const QString& caption, void (FrmNTS::*command)())
{
    QAction* action = menu ? menu->addAction(caption) : menuBar()->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, command);
    return action;
}

void FrmNTS::watchControls()
{
    for (QWidget* field : {static_cast<QWidget*>(m_ui.txtStation), static_cast<QWidget*>(m_ui.txtState),
                           static_cast<QWidget*>(m_ui.txtZip), static_cast<QWidget*>(m_ui.txtMsgNum),
                           static_cast<QWidget*>(m_ui.txtPhone), static_cast<QWidget*>(m_ui.txtMessage)})
        field->installEventFilter(this);
}

bool FrmNTS::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && upperCaseTyped(watched, event))
        return true;
    if (event->type() == QEvent::FocusOut && movedWithinForm(static_cast<QFocusEvent*>(event), this))
        leftField(watched);
    return QMainWindow::eventFilter(watched, event);
}

// Station, state and ZIP take typed letters as capitals.
bool FrmNTS::upperCaseTyped(QObject* watched, QEvent* event)
{
    if (watched != m_ui.txtStation && watched != m_ui.txtState && watched != m_ui.txtZip)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers commandKeys = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    const QString typed = key->text();
    if (typed.isEmpty() || (key->modifiers() & commandKeys) || typed.toUpper() == typed)
        return false;
    static_cast<QLineEdit*>(watched)->insert(typed.toUpper());
    return true;
}

void FrmNTS::leftField(QObject* field)
{
    if (field == m_ui.txtMsgNum)
        setLineText(m_ui.txtMsgNum, TrafficPatterns::formatNumber000(TrafficPatterns::trimSpaces(m_ui.txtMsgNum->text())));
    else if (field == m_ui.txtPhone)
        setLineText(m_ui.txtPhone, TrafficPatterns::formatPhone(TrafficPatterns::trimSpaces(m_ui.txtPhone->text())));
    else if (field == m_ui.txtMessage)
        verifyCheck();
}

void FrmNTS::verifyCheck()
{
    Radiogram r = radiogram();
    NtsCheck::verifyCheck(r, *m_platform.prompter);
    setLineText(m_ui.txtCheck, r.check);
}

void FrmNTS::showFileState()
{
    m_ui.labFileName->setText(m_files.currentFile());
    m_mnuFileSave->setEnabled(m_files.saveEnabled());
}

QDate FrmNTS::today() const
{
    return m_platform.clock->nowLocal().date();
}

} // namespace vellicor
