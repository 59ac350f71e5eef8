#include "traffic/common/MessageFileCommands.h"

#include "platform/api/FileDialogs.h"
#include "platform/api/Prompter.h"
#include "terminal/TextFile.h"

#include <QFileInfo>

namespace vellicor {

namespace {
const QString kExistsTitle = QStringLiteral("File Already Exists");
}

MessageFileCommands::MessageFileCommands(Prompter& prompter, FileDialogs& dialogs, const QString& dialogFilter)
    : m_prompter(prompter)
    , m_dialogs(dialogs)
    , m_dialogFilter(dialogFilter)
{
}

void MessageFileCommands::forgetFile()
{
    m_currentFile.clear();
    m_saveEnabled = false;
}

bool MessageFileCommands::open(const Reader& fillClearedForm)
{
    const std::optional<QString> path =
        m_dialogs.openFile({QStringLiteral("Open"), m_dialogFilter, QString(), m_lastDialogName});
    if (!path)
        return false;
    m_lastDialogName = *path;
    const TextFile::ReadResult file = TextFile::readLines(*path);
    if (file.error) {
        // Other read failures end Open quietly, as the forms always did; a
        // file too large is refused aloud, so it is not taken for a broken one.
        if (file.error->number == FileErrors::kFileTooLarge)
            FileErrors::show(m_prompter, *path, *file.error);
        return false;
    }
    m_currentFile = QFileInfo(*path).absoluteFilePath();
    m_saveEnabled = true;
    fillClearedForm(file.lines);
    return true;
}

bool MessageFileCommands::save(const Writer& write)
{
    return m_saveEnabled && !m_currentFile.isEmpty() && writeShowingFailure(m_currentFile, write);
}

bool MessageFileCommands::saveAs(const Writer& write)
{
    const std::optional<QString> path =
        m_dialogs.saveFile({QStringLiteral("Save As"), m_dialogFilter, QString(), m_lastDialogName});
    if (!path)
        return false;
    m_lastDialogName = *path;
    const QString fullPath = QFileInfo(*path).absoluteFilePath();
    if (QFileInfo::exists(fullPath) && !confirmOverwrite(fullPath))
        return false;
    if (!writeShowingFailure(fullPath, write))
        return false;
    m_currentFile = fullPath;
    m_saveEnabled = true;
    return true;
}

bool MessageFileCommands::confirmOverwrite(const QString& path)
{
    const QString question = path + QStringLiteral(" already exists.\r\nOverwrite this file?");
    return m_prompter.show(question, kExistsTitle, PromptButtons::YesNoCancel, PromptIcon::Question)
        == PromptAnswer::Yes;
}

bool MessageFileCommands::writeShowingFailure(const QString& path, const Writer& write)
{
    const std::optional<FileError> error = write(path);
    if (error)
        FileErrors::show(m_prompter, path, *error);
    return !error;
}

} // namespace vellicor
