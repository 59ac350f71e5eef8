#include "traffic/nts/NtsFileCommands.h"

#include "traffic/nts/NtsFile.h"
#include "traffic/nts/Radiogram.h"

namespace vellicor {

NtsFileCommands::NtsFileCommands(Prompter& prompter, FileDialogs& dialogs)
    : MessageFileCommands(prompter, dialogs, NtsFile::kDialogFilter)
{
}

bool NtsFileCommands::open(Radiogram& radiogram, const QDate& today)
{
    return MessageFileCommands::open([&](const QStringList& lines) {
        radiogram = Radiogram::cleared(today);
        NtsFile::readInto(lines, radiogram);
    });
}

bool NtsFileCommands::save(Radiogram& radiogram)
{
    return MessageFileCommands::save(writerFor(radiogram));
}

bool NtsFileCommands::saveAs(Radiogram& radiogram)
{
    return MessageFileCommands::saveAs(writerFor(radiogram));
}

MessageFileCommands::Writer NtsFileCommands::writerFor(Radiogram& radiogram)
{
    return [this, &radiogram](const QString& path) { return NtsFile::WriteNtsFile(path, radiogram, prompter()); };
}

} // namespace vellicor
