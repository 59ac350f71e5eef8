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
    cursor.insertText(displayText(text), format);
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
