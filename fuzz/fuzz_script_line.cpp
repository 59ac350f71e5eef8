// The script line interpreter over a recording link: every line of the
// input runs through ExecuteScriptLine, as a start-up script would. Bytes
// after the first NUL are the file "INC.TXT" in the program folder, which a
// "$FILE INC.TXT" line includes.
#include "FuzzSupport.h"
#include "TncRig.h"
#include "terminal/Windows1252.h"

using namespace vellicor;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes = fuzz::bytesOf(data, size);
    const qsizetype nul = bytes.indexOf('\0');
    const QByteArrayView script = nul < 0 ? bytes : bytes.first(nul);

    test::TncRig rig;
    if (nul >= 0)
        rig.writeFile(QStringLiteral("INC.TXT"), bytes.sliced(nul + 1).toByteArray());
    for (const QString& line : decodeWindows1252(script).split(QLatin1Char('\n'))) {
        if (rig.control.isNull())
            break;
        rig.run(line);
    }
    return 0;
}
