// The ARES message file reader: any file opened into the message form, and
// the form's contents written again. (The layout cannot carry every text
// back unchanged: an empty priority reads back as the "," after it, and a
// date not exactly ten characters long trades characters with the time, so
// only crashes, hangs and sanitizer reports are findings here.)
#include "FileFuzzing.h"
#include "traffic/ares/AresFile.h"
#include "traffic/ares/AresMessage.h"

using namespace vellicor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = fuzz::writeScratchFile(QStringLiteral("TORMELM1.txt"), fuzz::bytesOf(data, size));
    const AresFile::ReadResult read = AresFile::readLines(path);
    if (read.error)
        fuzz::fail("a readable file reported an error");
    AresMessage message = AresMessage::cleared(QDate(2026, 12, 5));
    AresFile::readInto(read.lines, message);
    AresFile::contents(message);
    return 0;
}
