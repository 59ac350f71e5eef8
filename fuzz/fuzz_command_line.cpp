// The command line: any text after the program's name. The port number
// that comes out is always one the program can use (0 to 32767).
#include "FuzzSupport.h"
#include "terminal/CommandLine.h"
#include "terminal/Windows1252.h"

using namespace vellicor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString commandLine = decodeWindows1252(fuzz::bytesOf(data, size));
    const CommandLineOptions options = CommandLineOptions::parse(commandLine);
    if (options.commPort < 0 || options.commPort > 32767)
        fuzz::fail("port number out of range");
    return 0;
}
