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

void NtsFileCommands::save(Radiogram& radiogram)
{
    MessageFileCommands::save(writerFor(radiogram));
}

void NtsFileCommands::saveAs(Radiogram& radiogram)
{
    MessageFileCommands::saveAs(writerFor(radiogram));
}

MessageFileCommands::Writer NtsFileCommands::writerFor(Radiogram& radiogram)
{
    return [this, &radiogram](const QString& path) { return NtsFile::WriteNtsFile(path, radiogram, prompter()); };
}

} // namespace vellicor
