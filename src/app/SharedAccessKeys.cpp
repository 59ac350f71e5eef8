#include "app/SharedAccessKeys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <QShortcutEvent>

namespace vellicor {

namespace {

QChar accessKey(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (caption[i + 1] != QLatin1Char('&'))
                return caption[i + 1].toUpper();
            ++i;
        }
    }
    return {};
}

QList<QAction*> carriers(const QMenuBar& bar, QChar key)
{
    QList<QAction*> found;
    for (QAction* action : bar.actions()) {
        if (action->isVisible() && action->isEnabled() && accessKey(action->text()) == key)
            found.append(action);
    }
    return found;
}

QAction* nextOf(const QList<QAction*>& actions, QAction* current)
{
    return actions[(actions.indexOf(current) + 1) % actions.size()];
}

} // namespace

SharedAccessKeys::SharedAccessKeys(QMenuBar& bar)
    : QObject(&bar)
    , m_bar(bar)
{
    bar.installEventFilter(this);
}

// Watches the bar for its access keys, and while it holds a command also
// the whole program: a click or another shortcut ends the hold.
bool SharedAccessKeys::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Shortcut:
        if (watched == &m_bar)
            return sharedKeyPressed(event);
        release(true);
        break;
    case QEvent::KeyPress: return m_holding && watched != &m_bar && heldKeyPressed(static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonPress: release(false); break;
    case QEvent::WindowDeactivate:
        if (watched == m_bar.window())
            release(true);
        break;
    default: break;
    }
    return false;
}

bool SharedAccessKeys::sharedKeyPressed(QEvent* event)
{
    const QKeyCombination combination = static_cast<QShortcutEvent*>(event)->key()[0];
    const QList<QAction*> matches = carriers(m_bar, QChar(combination.key()).toUpper());
    if (matches.size() < 2) {
        release(false); // the bar opens that menu or runs that command itself
        return false;
    }
    hold(nextOf(matches, m_bar.activeAction()));
    return true;
}

// While the bar holds a highlighted command, every key press is the bar's.
bool SharedAccessKeys::heldKeyPressed(QKeyEvent* key)
{
    QAction* current = m_bar.activeAction();
    switch (key->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta: return false;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: run(current); return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (current && current->menu())
            run(current);
        return true;
    case Qt::Key_Escape: release(true); return true;
    case Qt::Key_F1:    // the help key: the highlighted command's topic
    case Qt::Key_Left:  // the bar moves its highlight,
    case Qt::Key_Right: // opening a menu it lands on
        QCoreApplication::sendEvent(&m_bar, key);
        if (!m_bar.activeAction() || m_bar.activeAction()->menu())
            release(false);
        return true;
    default: letterPressed(key->text()); return true;
    }
}

// A letter is an access key without Alt, as on a menu bar that has the keys.
void SharedAccessKeys::letterPressed(const QString& text)
{
    const QList<QAction*> matches = text.size() == 1 ? carriers(m_bar, text[0].toUpper()) : QList<QAction*>();
    if (matches.size() == 1)
        run(matches[0]);
    else if (matches.size() > 1)
        hold(nextOf(matches, m_bar.activeAction()));
}

void SharedAccessKeys::hold(QAction* command)
{
    m_bar.setActiveAction(command);
    if (!m_holding)
        qApp->installEventFilter(this);
    m_holding = true;
}

void SharedAccessKeys::release(bool clearHighlight)
{
    if (!m_holding)
        return;
    m_holding = false;
    qApp->removeEventFilter(this);
    if (clearHighlight) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&m_bar, &escape);
    }
}

// Runs a command of the bar, or opens a menu of it, as a click would.
void SharedAccessKeys::run(QAction* item)
{
    release(true);
    if (!item)
        return;
    if (item->menu())
        m_bar.setActiveAction(item);
    else
        item->trigger();
}

} // namespace vellicor
