#include "app/SharedAccessKeys.h"

#include <QAction>
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

} // namespace

SharedAccessKeys::SharedAccessKeys(QMenuBar& bar)
    : QObject(&bar)
    , m_bar(bar)
{
    bar.installEventFilter(this);
}

bool SharedAccessKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_bar || event->type() != QEvent::Shortcut)
        return false;
    auto* shortcut = static_cast<QShortcutEvent*>(event);
    const QKeyCombination combination = shortcut->key()[0];
    const QChar key = QChar(combination.key()).toUpper();
    const QList<QAction*> matches = carriers(m_bar, key);
    if (matches.size() < 2)
        return false;
    const qsizetype current = matches.indexOf(m_bar.activeAction());
    m_bar.setActiveAction(matches[(current + 1) % matches.size()]);
    return true;
}

} // namespace vellicor
