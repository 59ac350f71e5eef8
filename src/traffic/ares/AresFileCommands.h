#pragma once

#include "traffic/common/MessageFileCommands.h"

#include <QDate>

namespace vellicor {

struct AresMessage;

// Open, Save and Save As of the ARES form, and the form's current file, in
// the ARES message file's layout. New forgets the current file, which
// disables Save (forgetFile).
class AresFileCommands : public MessageFileCommands {
public:
    AresFileCommands(Prompter& prompter, FileDialogs& dialogs);

    // Asks for a file and fills a cleared form from it as far as the file
    // is in the layout. False (form unchanged) when the operator cancels or
    // the file cannot be opened.
    bool open(AresMessage& message, const QDate& today);
    // Writes to the current file without asking; a failure is shown. True when written.
    bool save(const AresMessage& message);
    // Writes to a chosen file, asking before replacing one. The file becomes
    // the current one only when it was written; a failure is shown. True when written.
    bool saveAs(const AresMessage& message);

private:
    static Writer writerFor(const AresMessage& message);
};

} // namespace vellicor
