#include "app/ReceiveView.h"

#include "terminal/PaneKeys.h"

#include <QKeyEvent>
#include <QMenu>
#include <QTextCharFormat>

#include <memory>

namespace vellicor {

ReceiveView::ReceiveView(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("txtReceived"));
    setUndoRedoEnabled(false);
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QFont font(QStringLiteral("Terminal"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(11);
    // Received text is one byte a character, Latin script: glyphs need no shaping, and skipping
    // it makes laying out each new line of a fast stream several times cheaper.
    font.setStyleStrategy(QFont::PreferNoShaping);
    setFont(font);
    connect(this, &QPlainTextEdit::selectionChanged, this, &ReceiveView::resetInsertionSize);
}

void ReceiveView::resetInsertionSize()
{
    // Only the size of what is inserted next: a selection keeps its text as it is.
    if (textCursor().hasSelection())
        return;
    QTextCharFormat size;
    size.setFontPointSize(11);
    mergeCurrentCharFormat(size);
}

void ReceiveView::keyPressEvent(QKeyEvent* event)
{
    const PaneKeyAction action = PaneKeys::inReceivePane(*event);
    switch (action.kind) {
    case PaneKeyAction::Kind::FunctionKey:
        emit functionKey(event->key());
        break;
    case PaneKeyAction::Kind::Type:
        emit characterTyped(action.text);
        break;
    case PaneKeyAction::Kind::Edit:
        QPlainTextEdit::keyPressEvent(event);
        break;
    }
}

void ReceiveView::focusInEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusInEvent(event);
    resetInsertionSize();
    emit focusTaken();
}

void ReceiveView::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    emit visibleLinesChanged(viewport()->height() / fontMetrics().lineSpacing());
}

void ReceiveView::contextMenuEvent(QContextMenuEvent* event)
{
    std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    menu->setObjectName(QStringLiteral("receivePaneMenu"));
    menu->addSeparator();
    menu->addActions(m_contextActions);
    menu->exec(event->globalPos());
}

} // namespace vellicor
