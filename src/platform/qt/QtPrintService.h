#pragma once

#include "platform/api/FileDialogs.h"
#include "platform/api/PrintService.h"
#include "platform/api/Prompter.h"

namespace vellicor {

// Prints to the default printer through Qt. When VELLICOR_PRINT_DIR is set,
// every printout is written there as a PDF instead; with no printer at all
// the operator is offered to save the printout as a PDF.
class QtPrintService : public PrintService {
public:
    QtPrintService(Prompter& prompter, FileDialogs& dialogs);
    bool print(const PrintJob& job) override;

    static bool renderPdf(const PrintJob& job, const QString& fileName);

private:
    bool offerPdf(const PrintJob& job);

    Prompter& m_prompter;
    FileDialogs& m_dialogs;
};

} // namespace vellicor
