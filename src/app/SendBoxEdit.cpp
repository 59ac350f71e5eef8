#include "app/SendBoxEdit.h"

#include "terminal/PaneKeys.h"
#include "terminal/SendBox.h"

#include <QAction>
#include <QKeyEvent>

#include <algorithm>

namespace vellicor {

namespace {

// Ctrl+Shift with a key that a menu command of the window has as its
// shortcut (File > Find..., Open as Radiogram, ...) runs that command.
bool isMenuShortcut(const QWidget& box, const QKeyEvent& key)
{
    if (key.modifiers() != (Qt::ControlModifier | Qt::ShiftModifier))
        return false;
    const QKeySequence pressed(key.keyCombination());
    const QList<QAction*> actions = box.window()->findChildren<QAction*>();
    return std::any_of(actions.cbegin(), actions.cend(),
                       [&](const QAction* action) { return action->shortcut() == pressed; });
}

} // namespace

SendBoxEdit::SendBoxEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setObjectName(QStringLiteral("txtSent"));
    QFont font(QStringLiteral("Terminal"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(11);
    setFont(font);
}

void SendBoxEdit::typeCharacter(QChar character)
{
    SendBoxState state{text(), cursorPosition()};
    const bool consumed = m_rules && m_rules->keyTyped(character, state);
    if (state.text != text())
        setText(state.text);
    setCursorPosition(static_cast<int>(state.caret));
    if (consumed)
        return;
    if (character == QLatin1Char('\b'))
        backspace();
    else
        insert(QString(character));
}

bool SendBoxEdit::event(QEvent* event)
{
    // Tab and the control keys belong to the TNC, not to focus moves or
    // editing shortcuts of the text box.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!isMenuShortcut(*this, *key) && !PaneKeys::typedText(*key).isEmpty()) {
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void SendBoxEdit::keyPressEvent(QKeyEvent* event)
{
    const PaneKeyAction action = PaneKeys::inSendBox(*event);
    switch (action.kind) {
    case PaneKeyAction::Kind::FunctionKey:
        emit functionKey(event->key());
        break;
    case PaneKeyAction::Kind::Type:
        for (const QChar c : action.text)
            typeCharacter(c);
        break;
    case PaneKeyAction::Kind::Edit:
        QLineEdit::keyPressEvent(event);
        break;
    }
}

void SendBoxEdit::keyReleaseEvent(QKeyEvent* event)
{
    QLineEdit::keyReleaseEvent(event);
    if (PaneKeys::releaseReadsBack(event->key()))
        emit scrollBackRequested();
}

} // namespace vellicor
