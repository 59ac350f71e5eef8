// Not a test: the process that test_soak_save_faults kills. It saves
// versions FIRST, FIRST+1, ... of a large file to PATH with the program's own
// atomic save, forever, printing "saving N" before and
// "saved N" after each save.
#include "SoakSupport.h"

#include "terminal/TextFile.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    if (argc != 4) // soak_save_writer PATH FIRST-VERSION MEGABYTES
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    auto version = quint32(std::strtoul(argv[2], nullptr, 10));
    const qint64 megabytes = std::strtoll(argv[3], nullptr, 10);
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // each line reaches the test as it is printed
    std::printf("ready\n");
    for (;; ++version) {
        const QByteArray bytes = vellicor::test::soak::savedVersion(version, megabytes);
        std::printf("saving %u\n", version);
        if (const auto error = vellicor::TextFile::saveAtomically(path, bytes)) {
            std::fprintf(stderr, "save failed: %s\n", qPrintable(error->description));
            return 1;
        }
        std::printf("saved %u\n", version);
    }
}
