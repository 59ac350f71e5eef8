#pragma once

#include <QColor>
#include <QTextCursor>
#include <QTextDocument>

#include <functional>

namespace vellicor {

// The receive pane's styled text as the terminal's rules edit it: a text
// document and a caret. The window hands in its own caret so that clicks into
// the pane and the rules share one; without it the document keeps its own.
class PaneDocument {
public:
    using CaretGetter = std::function<QTextCursor()>;
    using CaretSetter = std::function<void(const QTextCursor&)>;

    explicit PaneDocument(QTextDocument& document);
    void useCaret(CaretGetter get, CaretSetter set);

    static QColor toColor(quint32 bgr);

    // Line ends (CR LF, a lone CR, a lone LF) each become one line break.
    static QString displayText(const QString& text);

    void insertAtEnd(const QString& text, quint32 color);
    // The text takes the colour of the text before the caret.
    void insertAtCaret(const QString& text);
    void deleteLastCharacter();
    void moveCaretToEnd();
    void clear();
    bool isEmpty() const;
    // Keeps at most this many lines, dropping the oldest; 0 keeps all.
    void setLineLimit(int lines) { m_document.setMaximumBlockCount(lines); }
    int lineCount() const { return m_document.blockCount(); }
    // How many lines the view shows: more new lines than that replace the
    // whole view, so they go in at once.
    void setVisibleLines(int lines) { m_visibleLines = lines; }
    QString plainText() const;
    QTextDocument& document() { return m_document; }

private:
    static constexpr qsizetype kLinesInsertedSeparately = 64;
    static QStringList splitBeforeLineBreaks(const QString& text);
    QTextCursor caret() const;
    void setCaret(const QTextCursor& cursor);

    QTextDocument& m_document;
    QTextCursor m_ownCaret;
    CaretGetter m_getCaret;
    CaretSetter m_setCaret;
    qsizetype m_visibleLines = kLinesInsertedSeparately;
};

} // namespace vellicor
