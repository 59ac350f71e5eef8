#pragma once

#include <QByteArrayView>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace vellicor::fuzz {

// The fuzzer's bytes as a view.
inline QByteArrayView bytesOf(const std::uint8_t* data, std::size_t size)
{
    return QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// One application object for the whole run, offscreen, so documents have
// fonts and objects have an event loop's thread data.
inline void startApplication(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TZ", "America/Denver");
    static QGuiApplication app(*argc, *argv);
}

// A private folder for the whole run: the program's folder of the targets
// that read files.
inline const QTemporaryDir& scratchFolder()
{
    static QTemporaryDir dir;
    return dir;
}

// Stops the run with a message the fuzzer reports as a finding.
[[noreturn]] inline void fail(const char* what)
{
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

} // namespace vellicor::fuzz
