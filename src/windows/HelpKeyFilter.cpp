#include "windows/HelpKeyFilter.h"

#include "windows/HelpFacility.h"

#include <QAction>
#include <QActionEvent>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace vellicor {

namespace {

std::optional<int> contextOf(const QObject* object)
{
    if (!object)
        return std::nullopt;
    const QVariant value = object->property(HelpKeyFilter::kProperty);
    bool isNumber = false;
    const int context = value.toInt(&isNumber);
    if (!value.isValid() || !isNumber)
        return std::nullopt;
    return context;
}

std::optional<int> contextOfAction(const QAction* action)
{
    if (!action)
        return std::nullopt;
    if (const std::optional<int> own = contextOf(action))
        return own;
    return contextOf(action->menu());
}

// The context of a menu itself: its own, its title item's, then its parent menu's.
std::optional<int> contextOfMenu(const QMenu* menu)
{
    for (int depth = 0; menu && depth < 16; ++depth) {
        if (const std::optional<int> own = contextOf(menu))
            return own;
        if (const std::optional<int> title = contextOf(menu->menuAction()))
            return title;
        menu = qobject_cast<const QMenu*>(menu->parentWidget());
    }
    return std::nullopt;
}

bool isHelpKey(const QEvent* event)
{
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier;
}

// The help window is to be seen, not hidden behind the menus left open.
void closeOpenMenus()
{
    for (int open = 0; open < 16; ++open) {
        QWidget* popup = QApplication::activePopupWidget();
        if (!popup)
            return;
        popup->close();
    }
}

} // namespace

HelpKeyFilter::HelpKeyFilter(HelpFacility& help, QObject* parent)
    : QObject(parent)
    , m_help(help)
{
}

void HelpKeyFilter::watch(QWidget* window)
{
    for (QMenuBar* bar : window->findChildren<QMenuBar*>())
        watchMenu(bar);
    for (QMenu* menu : window->findChildren<QMenu*>())
        watchMenu(menu);
}

void HelpKeyFilter::watchMenu(QWidget* menuOrBar)
{
    if (!menuOrBar)
        return;
    menuOrBar->removeEventFilter(this);
    menuOrBar->installEventFilter(this);
    for (QAction* action : menuOrBar->actions()) {
        if (action->menu())
            watchMenu(action->menu());
    }
}

std::optional<int> HelpKeyFilter::contextFor(QWidget* menuOrBar)
{
    if (auto* menu = qobject_cast<QMenu*>(menuOrBar)) {
        if (const std::optional<int> item = contextOfAction(menu->activeAction()))
            return item;
        return contextOfMenu(menu);
    }
    if (auto* bar = qobject_cast<QMenuBar*>(menuOrBar))
        return contextOfAction(bar->activeAction());
    return std::nullopt;
}

bool HelpKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::ActionAdded:
        if (QAction* added = static_cast<QActionEvent*>(event)->action(); added && added->menu())
            watchMenu(added->menu());
        break;
    case QEvent::ShortcutOverride:
        // Keeps an F1 shortcut of the window from taking the key from the menu.
        if (isHelpKey(event) && contextFor(widget)) {
            event->accept();
            return true;
        }
        break;
    case QEvent::KeyPress:
        if (isHelpKey(event)) {
            if (const std::optional<int> context = contextFor(widget)) {
                closeOpenMenus();
                m_help.ShowHelpContext(*context);
                return true;
            }
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vellicor
