// The connect list reader: any file as the connect list. Every entry read
// is trimmed, and saving the list and reading it again gives the same
// entries, less the empty ones (a line of spaces reads as an empty entry,
// which is saved as an empty line, which the next reading skips).
#include "FakeScriptHost.h"
#include "Fakes.h"
#include "FileFuzzing.h"
#include "tnc/AnsiText.h"
#include "tnc/ConnectList.h"

using namespace vellicor;

namespace {

struct ListRig {
    test::TestPlatform fakes;
    TncGlobals globals;
    test::FakeScriptHost host;
    TncWriter writer{fakes.link};
    ConnectList list{globals, ProgramFolder(fuzz::scratchFolder().path()), writer, fakes.beeper, host};
};

void checkEntries(const QStringList& entries)
{
    for (const QString& entry : entries) {
        if (entry != AnsiText::trimSpaces(entry))
            fuzz::fail("an entry was kept untrimmed");
        if (ConnectList::CallFromListEntry(entry).contains(QLatin1Char(';')))
            fuzz::fail("a call holds the note separator");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ListRig rig;
    fuzz::writeScratchFile(QStringLiteral("VellicorConnects.txt"), fuzz::bytesOf(data, size));
    rig.list.load();
    const QStringList read = rig.list.entries();
    checkEntries(read);
    if (!rig.list.SaveStationList())
        fuzz::fail("the list could not be saved");
    rig.list.load();
    QStringList expected = read;
    expected.removeAll(QString());
    if (rig.list.entries() != expected)
        fuzz::fail("saving and reading the list changed it");
    return 0;
}
