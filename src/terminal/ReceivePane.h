#pragma once

#include "terminal/TerminalGlobals.h"
#include "platform/api/PrintService.h"
#include "platform/api/Prompter.h"
#include "terminal/PaneDocument.h"
#include "terminal/StatusPanels.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>

namespace vellicor {

// The rules of the receive pane: cleaning and showing received text,
// suspending and resuming scrolling with held text, the local echo, Clear
// Screen and printing the selection.
class ReceivePane : public QObject {
    Q_OBJECT
public:
    ReceivePane(PaneDocument& pane, const TerminalGlobals& globals, StatusPanels& status,
                QObject* parent = nullptr);

    // A trailing lone CR becomes a space; a BS removes the character before
    // it, or the pane's last character when it comes first.
    static QString cleanChunk(QString chunk, int* leadingDeletes);

    void ShowReceivedText(const QString& chunk);
    // Received text is drawn at most once a frame while it streams in: the
    // first chunk after a quiet frame at once, the rest together when the
    // frame ends. While text keeps coming each frame is twice as long as the
    // last, up to the longest. Zero (the default) draws every chunk as it comes.
    void setDisplayFrames(std::chrono::milliseconds first, std::chrono::milliseconds longest);
    // Draws at once whatever received text waits for the frame's end.
    void showPendingText();
    void AppendToReceivePane(const QString& text, quint32 color);
    void insertAtCaret(const QString& text);

    // The pane received the focus (a click, PageUp or Up in the send box).
    void suspend();
    // The scroll button: suspend or resume.
    void toggleScroll();
    void resume();
    void clearScreen(Prompter& prompter);
    void printSelection(const QString& selectedText, PrintService& printer);

    // The newest lines kept in the pane (and in held text); 0 keeps all.
    // Lines are dropped only while the session log is writing.
    void setScrollback(int lines, std::function<bool()> logWriting);

    bool scrollActive() const { return m_scrollActive; }
    bool heldTextWaiting() const { return m_buttonRed; }
    QString heldText() const { return m_heldText; }
    QString scrollButtonCaption() const;

signals:
    void scrollButtonChanged();
    void sendBoxFocusRequested();
    void lastLineShown();

private:
    void setButtonRed(bool red);
    void deleteShownCharacters(int count);
    void showPendingWhenFrameEnds(const QString& text);
    void endFrame();
    void applyScrollback();
    void limitHeldText();

    PaneDocument& m_pane;
    const TerminalGlobals& m_globals;
    StatusPanels& m_status;
    bool m_scrollActive = true;
    bool m_buttonRed = false;
    QString m_heldText;
    QString m_pendingText;
    quint32 m_pendingColor = 0;
    QTimer m_frame;
    std::chrono::milliseconds m_firstFrame{0};
    std::chrono::milliseconds m_longestFrame{0};
    int m_scrollbackLines = 0;
    std::function<bool()> m_logWriting;
    bool m_toldLimitNeedsLog = false;
};

} // namespace vellicor
