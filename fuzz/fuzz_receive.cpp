// The received-text path: bytes from the TNC decoded and shown in the
// receive pane, in chunks, with local echo, scrolling suspended and resumed,
// and a bounded scrollback. The first three bytes choose the chunk size, the
// scrollback and how often the operator suspends scrolling; the rest is what
// the TNC sent. A second pane draws once a frame, as the main window does: once
// everything is drawn it must show exactly what the first shows.
#include "FuzzSupport.h"
#include "terminal/ReceivePane.h"
#include "terminal/Windows1252.h"

#include <QTextDocument>

using namespace vellicor;

namespace {

struct Settings {
    qsizetype chunkSize = 1;
    int scrollback = 0;
    bool logWriting = false;
    int toggleEvery = 0; // chunks between scroll toggles; 0 never
};

Settings settingsFrom(QByteArrayView head)
{
    Settings settings;
    settings.chunkSize = static_cast<quint8>(head[0]) + 1;
    settings.logWriting = (static_cast<quint8>(head[1]) & 1) != 0;
    settings.scrollback = static_cast<quint8>(head[1]) >> 1;
    settings.toggleEvery = static_cast<quint8>(head[2]) % 8;
    return settings;
}

struct Pane {
    QTextDocument document;
    PaneDocument doc{document};
    TerminalGlobals globals;
    StatusPanels status;
    ReceivePane pane{doc, globals, status};
};

void checkScrollback(const Pane& pane, const Settings& settings)
{
    if (!settings.logWriting || settings.scrollback == 0 || !pane.pane.scrollActive())
        return;
    if (pane.doc.lineCount() > settings.scrollback)
        fuzz::fail("more lines kept than the scrollback allows");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    const QByteArrayView bytes = fuzz::bytesOf(data, size);
    const Settings settings = settingsFrom(bytes.first(3));
    Pane pane;
    Pane framed;
    framed.pane.setDisplayFrames(std::chrono::hours(1), std::chrono::hours(1));
    for (Pane* each : {&pane, &framed}) {
        each->globals.gRxForeColor = 0x0000FF;
        each->globals.gTxForeColor = 0xFFFF00;
        each->pane.setScrollback(settings.scrollback, [&settings] { return settings.logWriting; });
    }

    int chunks = 0;
    for (qsizetype at = 3; at < bytes.size(); at += settings.chunkSize) {
        const QByteArrayView chunk = bytes.sliced(at, qMin(settings.chunkSize, bytes.size() - at));
        const bool toggle = settings.toggleEvery != 0 && ++chunks % settings.toggleEvery == 0;
        for (Pane* each : {&pane, &framed}) {
            each->pane.ShowReceivedText(decodeWindows1252(chunk));
            if (toggle) {
                each->pane.toggleScroll();
                each->pane.AppendToReceivePane(QStringLiteral("echo\r\n"), each->globals.gTxForeColor);
            }
        }
        checkScrollback(pane, settings);
    }
    for (Pane* each : {&pane, &framed}) {
        if (!each->pane.scrollActive())
            each->pane.resume();
        each->pane.showPendingText();
        if (!each->pane.heldText().isEmpty() || each->pane.heldTextWaiting())
            fuzz::fail("held text left after resuming");
        checkScrollback(*each, settings);
    }
    // Lines dropped by the scrollback go at other moments when drawing waits for the frame.
    const bool linesDropped = settings.logWriting && settings.scrollback > 0;
    if (!linesDropped && framed.doc.plainText() != pane.doc.plainText())
        fuzz::fail("drawing once a frame shows other text than drawing every chunk");
    return 0;
}
