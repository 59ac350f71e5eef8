#include "traffic/ares/AresFileCommands.h"

#include "traffic/ares/AresFile.h"
#include "traffic/ares/AresMessage.h"

namespace vellicor {

AresFileCommands::AresFileCommands(Prompter& prompter, FileDialogs& dialogs)
    : MessageFileCommands(prompter, dialogs, AresFile::kDialogFilter)
{
}

bool AresFileCommands::open(AresMessage& message, const QDate& today)
{
    return MessageFileCommands::open([&](const QStringList& lines) {
        message = AresMessage::cleared(today);
        AresFile::readInto(lines, message);
    });
}

bool AresFileCommands::save(const AresMessage& message)
{
    return MessageFileCommands::save(writerFor(message));
}

bool AresFileCommands::saveAs(const AresMessage& message)
{
    return MessageFileCommands::saveAs(writerFor(message));
}

MessageFileCommands::Writer AresFileCommands::writerFor(const AresMessage& message)
{
    return [&message](const QString& path) { return AresFile::WriteMessageFile(path, message); };
}

} // namespace vellicor
