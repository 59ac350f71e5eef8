#include "traffic/ares/AresFileCommands.h"

#include "platform/api/FileDialogs.h"
#include "platform/api/Prompter.h"
#include "terminal/FileErrors.h"
#include "traffic/ares/AresFile.h"
#include "traffic/ares/AresMessage.h"

#include <QFileInfo>

namespace vellicor {

namespace {
const QString kExistsTitle = QStringLiteral("File Already Exists");
}

AresFileCommands::AresFileCommands(Prompter& prompter, FileDialogs& dialogs)
    : m_prompter(prompter)
    , m_dialogs(dialogs)
{
}

bool AresFileCommands::open(AresMessage& message, const QDate& today)
{
    const std::optional<QString> path =
        m_dialogs.openFile({QStringLiteral("Open"), AresFile::kDialogFilter, QString(), m_lastDialogName});
    if (!path)
        return false;
    m_lastDialogName = *path;
    const AresFile::ReadResult file = AresFile::readLines(*path);
    if (file.error)
        return false;
    message = AresMessage::cleared(today);
    m_currentFile = QFileInfo(*path).absoluteFilePath();
    AresFile::readInto(file.lines, message);
    return true;
}

void AresFileCommands::save(const AresMessage& message)
{
    if (!m_currentFile.isEmpty())
        write(m_currentFile, message);
}

void AresFileCommands::saveAs(const AresMessage& message)
{
    const std::optional<QString> path =
        m_dialogs.saveFile({QStringLiteral("Save As"), AresFile::kDialogFilter, QString(), m_lastDialogName});
    if (!path)
        return;
    m_lastDialogName = *path;
    const QString fullPath = QFileInfo(*path).absoluteFilePath();
    if (QFileInfo::exists(fullPath) && !confirmOverwrite(fullPath))
        return;
    if (write(fullPath, message))
        m_currentFile = fullPath;
}

bool AresFileCommands::confirmOverwrite(const QString& path)
{
    const QString question = path + QStringLiteral(" already exists.\r\nOverwrite this file?");
    return m_prompter.show(question, kExistsTitle, PromptButtons::YesNoCancel, PromptIcon::Question)
        == PromptAnswer::Yes;
}

bool AresFileCommands::write(const QString& path, const AresMessage& message)
{
    const std::optional<FileError> error = AresFile::WriteMessageFile(path, message);
    if (error)
        FileErrors::show(m_prompter, path, *error);
    return !error;
}

} // namespace vellicor
