#include "traffic/ares/AresPrintout.h"

#include "terminal/TextFile.h"
#include "traffic/ares/AresFile.h"

namespace vellicor::AresPrintout {

PrintJob job(const AresMessage& message)
{
    PrintJob page;
    page.fontFamily = QStringLiteral("Courier New");
    page.pointSize = 12;
    page.leftTwips = 500;
    page.topTwips = 1000;
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
