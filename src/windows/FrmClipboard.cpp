#include "windows/FrmClipboard.h"

#include "terminal/EditorText.h"
#include "windows/HelpFacility.h"
#include "windows/HelpKeyFilter.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QVBoxLayout>

namespace vellicor {

class FrmClipboard::TextBox : public ClipboardText {
public:
    explicit TextBox(QPlainTextEdit& edit)
        : m_edit(edit)
    {
    }
    QString text() const override { return editorText(*m_edit.document()); }
    void setText(const QString& text) override { m_edit.setPlainText(text); }
    QString selectedText() const override { return fromEditorText(m_edit.textCursor().selectedText()); }
    void insertAtEnd(const QString& text) override
    {
        QTextCursor cursor = m_edit.textCursor();
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(text);
    }
    void moveCaretToStart() override { m_edit.moveCursor(QTextCursor::Start); }

private:
    QPlainTextEdit& m_edit;
};

FrmClipboard::FrmClipboard(const Platform& platform, TncWriter& writer, HelpFacility& help,
                           QWidget* parent)
    : QMainWindow(parent, Qt::Window)
    , m_help(help)
{
    setObjectName(QStringLiteral("frmClipboard"));
    setWindowTitle(QStringLiteral("Vellicor Clipboard"));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    m_lblFileName = new QLabel(ClipboardEditor::kNoActiveFileCaption, central);
    m_lblFileName->setObjectName(QStringLiteral("lblFileName"));
    m_txtClipboard = new QPlainTextEdit(central);
    m_txtClipboard->setObjectName(QStringLiteral("txtClipboard"));
    m_txtClipboard->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(m_lblFileName);
    layout->addWidget(m_txtClipboard, 1);
    setCentralWidget(central);

    m_textBox = std::make_unique<TextBox>(*m_txtClipboard);
    m_editor = std::make_unique<ClipboardEditor>(*m_textBox, *platform.prompter, *platform.dialogs,
                                                 *platform.printer, writer);
    buildMenus();
    connect(m_editor.get(), &ClipboardEditor::fileLabelChanged, this,
            [this](const QString& caption, const QString& tip) {
                m_lblFileName->setText(caption);
                m_lblFileName->setToolTip(tip);
            });
    connect(m_editor.get(), &ClipboardEditor::saveEnabledChanged, m_mnuFileSave, &QAction::setEnabled);
    connect(m_editor.get(), &ClipboardEditor::hideRequested, this, &QWidget::hide);
    (new HelpKeyFilter(m_help, this))->watch(this);
    resize(640, 480);
}

FrmClipboard::~FrmClipboard() = default;

QAction* FrmClipboard::addItem(QMenu* menu, const char* name, const QString& caption,
                               void (ClipboardEditor::*command)())
{
    QAction* item = menu->addAction(caption);
    item->setObjectName(QLatin1String(name));
    connect(item, &QAction::triggered, m_editor.get(), command);
    return item;
}

void FrmClipboard::buildMenus()
{
    menuBar()->addMenu(buildFileMenu());
    menuBar()->addMenu(buildSendMenu());
    menuBar()->addMenu(buildHelpMenu());
}

QMenu* FrmClipboard::buildFileMenu()
{
    auto* file = new QMenu(QStringLiteral("&File"), this);
    file->setObjectName(QStringLiteral("mnuFile"));
    file->setProperty(HelpKeyFilter::kProperty, 410);
    addItem(file, "mnuFileOpen", QStringLiteral("&Open"), &ClipboardEditor::open);
    addItem(file, "mnuFileAppend", QStringLiteral("&Append"), &ClipboardEditor::append);
    m_mnuFileSave = addItem(file, "mnuFileSave", QStringLiteral("&Save"), &ClipboardEditor::save);
    m_mnuFileSave->setEnabled(false);
    addItem(file, "mnuFileSaveAs", QStringLiteral("Save &As"), &ClipboardEditor::saveAs);
    file->addSeparator();
    addItem(file, "mnuFilePrintEntireClipboard", QStringLiteral("Print &Entire Clipboard"),
            &ClipboardEditor::printEntireClipboard);
    addItem(file, "mnuFilePrintSelectedText", QStringLiteral("&Print Selected Text"),
            &ClipboardEditor::printSelectedText);
    file->addSeparator();
    addItem(file, "mnuFileClearClipboard", QStringLiteral("&Clear Clipboard"),
            &ClipboardEditor::clearClipboard);
    file->addSeparator();
    QAction* exit = file->addAction(QStringLiteral("E&xit Clipboard"));
    exit->setObjectName(QStringLiteral("mnuFileExit"));
    connect(exit, &QAction::triggered, this, &QWidget::hide);
    return file;
}

QMenu* FrmClipboard::buildSendMenu()
{
    auto* send = new QMenu(QStringLiteral("&Send"), this);
    send->setObjectName(QStringLiteral("mnuSend"));
    send->setProperty(HelpKeyFilter::kProperty, 420);
    addItem(send, "mnuSendEntireClipboard", QStringLiteral("&Entire Clipboard"),
            &ClipboardEditor::sendEntireClipboard);
    addItem(send, "mnuSendSelectedText", QStringLiteral("&Selected Text"),
            &ClipboardEditor::sendSelectedText);
    return send;
}

QMenu* FrmClipboard::buildHelpMenu()
{
    auto* help = new QMenu(QStringLiteral("&Help"), this);
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* contents = help->addAction(QStringLiteral("&Contents && Index"));
    contents->setObjectName(QStringLiteral("mnuContents"));
    QAction* clipboard = help->addAction(QStringLiteral("Clipboard"));
    clipboard->setObjectName(QStringLiteral("mnuClipboard"));
    connect(contents, &QAction::triggered, this,
            [this] { m_help.ShowHelpContents(HelpFacility::kContents); });
    connect(clipboard, &QAction::triggered, this, [this] { m_help.ShowHelpContext(300); });
    return help;
}

void FrmClipboard::closeEvent(QCloseEvent* event)
{
    // The close box hides the editor; the program's own close at exit goes ahead.
    if (event->spontaneous()) {
        event->ignore();
        hide();
        return;
    }
    QMainWindow::closeEvent(event);
}

} // namespace vellicor
