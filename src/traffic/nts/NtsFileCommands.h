#pragma once

#include "traffic/common/MessageFileCommands.h"

#include <QDate>

namespace vellicor {

struct Radiogram;

// Open, Save and Save As of the NTS form, and the form's current file, in
// the NTS message file's layout. New disables Save but keeps the current
// file's name (disableSave).
class NtsFileCommands : public MessageFileCommands {
public:
    NtsFileCommands(Prompter& prompter, FileDialogs& dialogs);

    // Asks for a file and fills a cleared form from it. False (form
    // unchanged) when the operator cancels or the file cannot be read.
    bool open(Radiogram& radiogram, const QDate& today);
    // Writes to the current file without asking; a failure is shown. The
    // check and the phone on the form are made ready first. True when written.
    bool save(Radiogram& radiogram);
    // Writes to a chosen file, asking before replacing one. The file becomes
    // the current one only when it was written; a failure is shown. True when written.
    bool saveAs(Radiogram& radiogram);

private:
    Writer writerFor(Radiogram& radiogram);
};

} // namespace vellicor
