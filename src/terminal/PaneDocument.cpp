#include "terminal/PaneDocument.h"

#include <QTextCharFormat>

namespace vellicor {

PaneDocument::PaneDocument(QTextDocument& document)
    : m_document(document)
    , m_ownCaret(&document)
{
}

void PaneDocument::useCaret(CaretGetter get, CaretSetter set)
{
    m_getCaret = std::move(get);
    m_setCaret = std::move(set);
}

QColor PaneDocument::toColor(quint32 bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

QString PaneDocument::displayText(const QString& text)
{
    if (!text.contains(QLatin1Char('\r')))
        return text;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

// "ab\ncd\n" becomes "ab", "\ncd", "\n": each piece after the first starts a new line.
QStringList PaneDocument::splitBeforeLineBreaks(const QString& text)
{
    QStringList pieces;
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype lineBreak = text.indexOf(QLatin1Char('\n'), start + 1);
        const qsizetype end = lineBreak < 0 ? text.size() : lineBreak;
        pieces.append(text.mid(start, end - start));
        start = end;
    }
    return pieces;
}

QTextCursor PaneDocument::caret() const
{
    return m_getCaret ? m_getCaret() : m_ownCaret;
}

void PaneDocument::setCaret(const QTextCursor& cursor)
{
    if (m_setCaret)
        m_setCaret(cursor);
    else
        m_ownCaret = cursor;
}

void PaneDocument::insertAtEnd(const QString& text, quint32 color)
{
    QTextCursor cursor = caret();
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat format;
    format.setForeground(toColor(color));
    const QString shown = displayText(text);
    // A few lines go in one at a time, each starting with its line break: the
    // view then scrolls and draws only the new lines, where one insertion of
    // several lines (or a line ending in its break) redraws the whole pane.
    // More lines than the view shows replace the whole view anyway and go in at once.
    if (shown.count(QLatin1Char('\n')) > qMin(m_visibleLines, kLinesInsertedSeparately)) {
        cursor.insertText(shown, format);
    } else {
        for (const QString& line : splitBeforeLineBreaks(shown))
            cursor.insertText(line, format);
    }
    setCaret(cursor);
}

void PaneDocument::insertAtCaret(const QString& text)
{
    QTextCursor cursor = caret();
    cursor.clearSelection();
    cursor.insertText(displayText(text));
    setCaret(cursor);
}

void PaneDocument::deleteLastCharacter()
{
    if (isEmpty())
        return;
    QTextCursor cursor(&m_document);
    cursor.movePosition(QTextCursor::End);
    cursor.deletePreviousChar();
}

void PaneDocument::moveCaretToEnd()
{
    QTextCursor cursor = caret();
    cursor.movePosition(QTextCursor::End);
    setCaret(cursor);
}

void PaneDocument::clear()
{
    m_document.clear();
    QTextCursor cursor(&m_document);
    setCaret(cursor);
}

bool PaneDocument::isEmpty() const
{
    return m_document.isEmpty();
}

QString PaneDocument::plainText() const
{
    return m_document.toPlainText();
}

} // namespace vellicor
