#include "terminal/ReceivePane.h"

namespace vellicor {

namespace {
constexpr QChar kCr = QLatin1Char('\r');
constexpr QChar kLf = QLatin1Char('\n');
constexpr QChar kBs = QLatin1Char('\b');
// Text waiting for the frame's end is drawn early past this size, so one
// drawing never holds up the window for long during a burst.
constexpr qsizetype kMostPending = 64 * 1024;
}

ReceivePane::ReceivePane(PaneDocument& pane, const TerminalGlobals& globals, StatusPanels& status,
                         QObject* parent)
    : QObject(parent)
    , m_pane(pane)
    , m_globals(globals)
    , m_status(status)
{
    m_frame.setSingleShot(true);
    connect(&m_frame, &QTimer::timeout, this, &ReceivePane::endFrame);
}

QString ReceivePane::cleanChunk(QString chunk, int* leadingDeletes)
{
    const qsizetype lastCr = chunk.lastIndexOf(kCr);
    if (lastCr >= 0 && (lastCr + 1 == chunk.size() || chunk[lastCr + 1] != kLf))
        chunk[lastCr] = QLatin1Char(' ');

    // One pass, equal to taking the first BS again and again: a BS with
    // nothing left before it in the chunk deletes from the pane instead.
    QString kept;
    kept.reserve(chunk.size());
    int deletes = 0;
    for (const QChar c : std::as_const(chunk)) {
        if (c != kBs)
            kept.append(c);
        else if (!kept.isEmpty())
            kept.chop(1);
        else
            ++deletes;
    }
    if (leadingDeletes)
        *leadingDeletes = deletes;
    return kept;
}

void ReceivePane::ShowReceivedText(const QString& chunk)
{
    int deletes = 0;
    const QString text = cleanChunk(chunk, &deletes);
    deleteShownCharacters(deletes);

    if (m_scrollActive) {
        showPendingWhenFrameEnds(text);
        setButtonRed(false);
        return;
    }
    m_heldText += PaneDocument::displayText(text);
    limitHeldText();
    setButtonRed(true);
    m_status.SetStatusText(QStringLiteral("Status: Scroll Suspended, new data received"));
}

void ReceivePane::setDisplayFrames(std::chrono::milliseconds first, std::chrono::milliseconds longest)
{
    m_firstFrame = first;
    m_longestFrame = qMax(first, longest);
    m_frame.setInterval(first);
}

void ReceivePane::showPendingText()
{
    if (m_pendingText.isEmpty())
        return;
    applyScrollback();
    m_pane.insertAtEnd(m_pendingText, m_pendingColor);
    m_pendingText.clear();
    emit lastLineShown();
    if (m_firstFrame.count() > 0)
        m_frame.start(); // what comes within this frame waits for its end
}

void ReceivePane::endFrame()
{
    if (m_pendingText.isEmpty()) {
        m_frame.setInterval(m_firstFrame); // quiet: the next text is drawn at once
        return;
    }
    m_frame.setInterval(qMin(m_frame.intervalAsDuration() * 2, m_longestFrame));
    showPendingText();
}

// Deletes from the text not yet drawn first, then from the pane.
void ReceivePane::deleteShownCharacters(int count)
{
    const int fromPending = int(qMin<qsizetype>(count, m_pendingText.size()));
    m_pendingText.chop(fromPending);
    for (int i = fromPending; i < count; ++i)
        m_pane.deleteLastCharacter();
}

void ReceivePane::showPendingWhenFrameEnds(const QString& text)
{
    if (m_pendingColor != m_globals.gRxForeColor)
        showPendingText();
    m_pendingText += PaneDocument::displayText(text);
    m_pendingColor = m_globals.gRxForeColor;
    if (!m_frame.isActive() || m_pendingText.size() >= kMostPending)
        showPendingText();
}

void ReceivePane::AppendToReceivePane(const QString& text, quint32 color)
{
    showPendingText();
    m_pane.insertAtEnd(text, color);
    if (m_scrollActive)
        emit lastLineShown();
}

void ReceivePane::insertAtCaret(const QString& text)
{
    showPendingText();
    m_pane.insertAtCaret(text);
}

void ReceivePane::suspend()
{
    showPendingText();
    m_scrollActive = false;
    m_pane.setLineLimit(0); // the operator is reading: nothing is dropped meanwhile
    m_status.SetStatusText(QStringLiteral("Status: Scroll Suspended"));
    emit scrollButtonChanged();
}

void ReceivePane::toggleScroll()
{
    if (!m_scrollActive) {
        resume();
        return;
    }
    suspend();
    emit sendBoxFocusRequested();
}

void ReceivePane::resume()
{
    m_pane.moveCaretToEnd();
    if (!m_heldText.isEmpty())
        m_pane.insertAtCaret(m_heldText);
    m_pane.moveCaretToEnd();
    m_heldText.clear();
    m_scrollActive = true;
    applyScrollback();
    m_status.SetStatusText(QStringLiteral("Status: "));
    setButtonRed(false);
    emit scrollButtonChanged();
    emit lastLineShown();
    emit sendBoxFocusRequested();
}

void ReceivePane::clearScreen(Prompter& prompter)
{
    if (!prompter.askYesNo(QStringLiteral("Clear Screen Contents?")))
        return;
    if (m_buttonRed
        && !prompter.askYesNo(QStringLiteral("There is new data that you have not seen yet.\r\nClear Screen Contents Anyway?"),
                              QStringLiteral("Vellicor Warning")))
        return;
    m_pane.clear();
    m_heldText.clear();
    m_pendingText.clear();
    setButtonRed(false);
}

void ReceivePane::printSelection(const QString& selectedText, PrintService& printer)
{
    PrintJob job;
    QString text = PaneDocument::displayText(selectedText);
    text.replace(QChar::ParagraphSeparator, kLf).replace(QChar::LineSeparator, kLf);
    job.lines = text.split(kLf);
    printer.print(job);
}

void ReceivePane::setScrollback(int lines, std::function<bool()> logWriting)
{
    m_scrollbackLines = qMax(0, lines);
    m_logWriting = std::move(logWriting);
    m_toldLimitNeedsLog = false;
    if (m_scrollActive)
        applyScrollback();
}

void ReceivePane::applyScrollback()
{
    const bool logWriting = m_logWriting && m_logWriting();
    if (m_scrollbackLines > 0 && logWriting) {
        m_pane.setLineLimit(m_scrollbackLines);
        m_toldLimitNeedsLog = false;
        return;
    }
    m_pane.setLineLimit(0);
    if (m_scrollbackLines > 0 && !m_toldLimitNeedsLog && m_pane.lineCount() > m_scrollbackLines) {
        m_toldLimitNeedsLog = true;
        m_status.SetStatusText(QStringLiteral("Status: The scrollback limit needs the session log; nothing is dropped"));
    }
}

void ReceivePane::limitHeldText()
{
    if (m_scrollbackLines <= 0 || !m_logWriting || !m_logWriting())
        return;
    qsizetype breaks = m_heldText.count(QLatin1Char('\n'));
    if (breaks < m_scrollbackLines)
        return;
    qsizetype cut = 0;
    for (; breaks >= m_scrollbackLines; --breaks)
        cut = m_heldText.indexOf(QLatin1Char('\n'), cut) + 1;
    m_heldText.remove(0, cut);
}

QString ReceivePane::scrollButtonCaption() const
{
    return m_scrollActive ? QStringLiteral("Suspend Scroll") : QStringLiteral("Activate Scroll");
}

void ReceivePane::setButtonRed(bool red)
{
    if (m_buttonRed == red)
        return;
    m_buttonRed = red;
    emit scrollButtonChanged();
}

} // namespace vellicor
