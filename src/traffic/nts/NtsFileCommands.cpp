#include "traffic/nts/NtsFileCommands.h"

#include "platform/api/FileDialogs.h"
#include "platform/api/Prompter.h"
#include "terminal/FileErrors.h"
#include "traffic/nts/NtsFile.h"
#include "traffic/nts/Radiogram.h"

#include <QFileInfo>

namespace vellicor {

namespace {
const QString kExistsTitle = QStringLiteral("File Already Exists");
}

NtsFileCommands::NtsFileCommands(Prompter& prompter, FileDialogs& dialogs)
    : m_prompter(prompter)
    , m_dialogs(dialogs)
{
}

bool NtsFileCommands::open(Radiogram& radiogram, const QDate& today)
{
    const std::optional<QString> path =
        m_dialogs.openFile({QStringLiteral("Open"), NtsFile::kDialogFilter, QString(), m_lastDialogName});
    if (!path)
        return false;
    m_lastDialogName = *path;
    const NtsFile::ReadResult file = NtsFile::readLines(*path);
    if (file.error)
        return false;
    radiogram = Radiogram::cleared(today);
    m_currentFile = QFileInfo(*path).absoluteFilePath();
    m_saveEnabled = true;
    NtsFile::readInto(file.lines, radiogram);
    return true;
}

void NtsFileCommands::save(Radiogram& radiogram)
{
    if (m_saveEnabled && !m_currentFile.isEmpty())
        write(m_currentFile, radiogram);
}

void NtsFileCommands::saveAs(Radiogram& radiogram)
{
    const std::optional<QString> path =
        m_dialogs.saveFile({QStringLiteral("Save As"), NtsFile::kDialogFilter, QString(), m_lastDialogName});
    if (!path)
        return;
    m_lastDialogName = *path;
    const QString fullPath = QFileInfo(*path).absoluteFilePath();
    if (QFileInfo::exists(fullPath) && !confirmOverwrite(fullPath))
        return;
    if (!write(fullPath, radiogram))
        return;
    m_currentFile = fullPath;
    m_saveEnabled = true;
}

bool NtsFileCommands::confirmOverwrite(const QString& path)
{
    const QString question = path + QStringLiteral(" already exists.\r\nOverwrite this file?");
    return m_prompter.show(question, kExistsTitle, PromptButtons::YesNoCancel, PromptIcon::Question)
        == PromptAnswer::Yes;
}

bool NtsFileCommands::write(const QString& path, Radiogram& radiogram)
{
    const std::optional<FileError> error = NtsFile::WriteNtsFile(path, radiogram, m_prompter);
    if (error)
        FileErrors::show(m_prompter, path, *error);
    return !error;
}

} // namespace vellicor
