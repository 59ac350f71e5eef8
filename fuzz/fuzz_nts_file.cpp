// The NTS message file reader: any file opened into the radiogram form.
// Saving what was read and reading it again must give the same file.
#include "FileFuzzing.h"
#include "terminal/TextFile.h"
#include "traffic/nts/NtsFile.h"
#include "traffic/nts/Radiogram.h"

using namespace vellicor;

namespace {

// What was read, saved, opened again and saved again gives the same file.
void checkSavedTwiceAlike(const Radiogram& read)
{
    const QString saved = NtsFile::contents(read);
    Radiogram reopened = Radiogram::cleared(QDate(2026, 12, 5));
    NtsFile::readInto(TextFile::splitLines(saved), reopened);
    if (NtsFile::contents(reopened) != saved)
        fuzz::fail("saving the message opened again changes the file");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = fuzz::writeScratchFile(QStringLiteral("NTS1.txt"), fuzz::bytesOf(data, size));
    const TextFile::ReadResult read = TextFile::readLines(path);
    if (read.error)
        fuzz::fail("a readable file reported an error");
    Radiogram radiogram = Radiogram::cleared(QDate(2026, 12, 5));
    NtsFile::readInto(read.lines, radiogram);
    checkSavedTwiceAlike(radiogram);
    return 0;
}
