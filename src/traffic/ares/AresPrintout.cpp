#include "traffic/ares/AresPrintout.h"

#include "terminal/TextFile.h"
#include "traffic/ares/AresFile.h"
#include "traffic/common/MessagePrintout.h"

namespace vellicor::AresPrintout {

PrintJob job(const AresMessage& message)
{
    PrintJob page = MessagePrintout::emptyPage();
    // The header, the text from the line after the header's empty line, and
    // the closing line: the same lines, built the same way, as the file.
    page.lines = TextFile::splitLines(AresFile::contents(message));
    return page;
}

void print(const AresMessage& message, PrintService& printer)
{
    printer.print(job(message));
}

} // namespace vellicor::AresPrintout
