#include "windows/ClipboardEditor.h"

#include "terminal/FileErrors.h"
#include "terminal/TextFile.h"

#include <QFile>

namespace vellicor {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

bool endsInLineBreak(const QString& text)
{
    return text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r'));
}

} // namespace

ClipboardEditor::ClipboardEditor(ClipboardText& box, Prompter& prompter, FileDialogs& dialogs,
                                 PrintService& printer, TncWriter& writer, QObject* parent)
    : QObject(parent)
    , m_box(box)
    , m_prompter(prompter)
    , m_dialogs(dialogs)
    , m_printer(printer)
    , m_writer(writer)
{
}

FileDialogRequest ClipboardEditor::request(const QString& title) const
{
    return {title, QStringLiteral("Text (*.txt)|*.txt|All Files (*.*)|*.*"), QStringLiteral(".txt"),
            m_dialogFile};
}

void ClipboardEditor::open()
{
    load(QStringLiteral("Open"), Placement::Replace);
}

void ClipboardEditor::append()
{
    load(QStringLiteral("Append"), Placement::Append);
}

void ClipboardEditor::load(const QString& title, Placement placement)
{
    const std::optional<QString> path = m_dialogs.openFile(request(title));
    if (!path)
        return;
    m_dialogFile = *path;
    const std::optional<QString> collected = readCollected(*path);
    if (!collected)
        return;
    if (placement == Placement::Replace)
        m_box.setText(*collected);
    else
        m_box.insertAtEnd(*collected);
    m_box.moveCaretToStart();
    makeActive(*path);
}

// Every line of the file followed by CR LF; nothing when the file could not be read.
std::optional<QString> ClipboardEditor::readCollected(const QString& path)
{
    QFile probe(path);
    if (!probe.open(QIODevice::ReadOnly)) {
        FileErrors::show(m_prompter, path, FileErrors::forFailure(probe, path, FileErrors::Access::Read),
                         PromptButtons::OkCancel);
        return std::nullopt;
    }
    probe.close();
    const TextFile::ReadResult read = TextFile::readLines(path);
    if (read.error) {
        FileErrors::show(m_prompter, path, *read.error);
        return std::nullopt;
    }
    QString collected;
    for (const QString& line : read.lines)
        collected += line + kCrLf;
    return collected;
}

void ClipboardEditor::save()
{
    if (m_saveEnabled)
        writeTo(m_activeFile);
}

void ClipboardEditor::saveAs()
{
    const std::optional<QString> path = m_dialogs.saveFile(request(QStringLiteral("Save As")));
    if (!path)
        return;
    m_dialogFile = *path;
    if (!confirmOverwrite(*path) || !writeTo(*path))
        return;
    makeActive(*path);
}

bool ClipboardEditor::confirmOverwrite(const QString& path)
{
    QFile probe(path);
    if (probe.open(QIODevice::ReadOnly)) {
        probe.close();
        return m_prompter.show(path + kCrLf + QStringLiteral("Already exists.  Overwrite it?"),
                               QStringLiteral("Vellicor Clipboard"), PromptButtons::YesNo,
                               PromptIcon::Question)
            == PromptAnswer::Yes;
    }
    const FileError error = FileErrors::forFailure(probe, path, FileErrors::Access::Read);
    if (error.number == FileErrors::kFileNotFound)
        return true;
    FileErrors::show(m_prompter, path, error);
    return false;
}

bool ClipboardEditor::writeTo(const QString& path)
{
    QString content = m_box.text();
    if (!content.isEmpty() && !endsInLineBreak(content))
        content += kCrLf;
    if (const std::optional<FileError> error = TextFile::saveText(path, content)) {
        FileErrors::show(m_prompter, path, *error);
        return false;
    }
    return true;
}

void ClipboardEditor::makeActive(const QString& path)
{
    m_activeFile = path;
    emit fileLabelChanged(path, path);
    setSaveEnabled(true);
}

void ClipboardEditor::setSaveEnabled(bool enabled)
{
    if (m_saveEnabled == enabled)
        return;
    m_saveEnabled = enabled;
    emit saveEnabledChanged(enabled);
}

void ClipboardEditor::printEntireClipboard()
{
    print(m_box.text());
}

void ClipboardEditor::printSelectedText()
{
    print(m_box.selectedText());
}

void ClipboardEditor::print(const QString& text)
{
    PrintJob job; // Courier New 12 points, 500 twips from the left, 1000 from the top
    job.lines = TextFile::splitLines(text);
    m_printer.print(job);
}

void ClipboardEditor::clearClipboard()
{
    m_box.setText(QString());
    m_activeFile.clear();
    setSaveEnabled(false);
    emit fileLabelChanged(QString(), QStringLiteral("No active file"));
}

void ClipboardEditor::sendEntireClipboard()
{
    send(QStringLiteral("Send the entire clipboard to the TNC?"), m_box.text());
}

void ClipboardEditor::sendSelectedText()
{
    send(QStringLiteral("Send the selected (highlighted) text to the TNC?"), m_box.selectedText());
}

void ClipboardEditor::send(const QString& question, const QString& text)
{
    if (!m_prompter.askYesNo(question))
        return;
    if (const PortResult failure = m_writer.SendToTnc(text)) {
        // The operator must not take a text that never left for one that was sent.
        m_prompter.show(QStringLiteral("Nothing was sent to the TNC.") + kCrLf + failure->description,
                        QStringLiteral("Vellicor"), PromptButtons::Ok, PromptIcon::Exclamation);
        return;
    }
    if (!endsInLineBreak(text))
        m_writer.SendToTnc(QStringLiteral("\r"));
    emit hideRequested();
}

} // namespace vellicor
