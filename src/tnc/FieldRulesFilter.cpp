#include "tnc/FieldRulesFilter.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace vellicor {

namespace {

// The text box of a field: a one-line box itself, or an editable list's box.
QLineEdit* lineOf(QObject* field)
{
    if (auto* line = qobject_cast<QLineEdit*>(field))
        return line;
    auto* list = qobject_cast<QComboBox*>(field);
    return list ? list->lineEdit() : nullptr;
}

// Focus that moves to another control of the window; not a menu, a popup
// or another window taking it for a while.
bool movedWithin(const QWidget* window, const QFocusEvent* focus)
{
    switch (focus->reason()) {
    case Qt::PopupFocusReason:
    case Qt::ActiveWindowFocusReason:
    case Qt::MenuBarFocusReason: return false;
    default: break;
    }
    const QWidget* next = QApplication::focusWidget();
    return next && window->isAncestorOf(next);
}

} // namespace

FieldRulesFilter::FieldRulesFilter(QWidget* window)
    : QObject(window)
    , m_window(window)
{
}

FieldRulesFilter* FieldRulesFilter::install(QWidget* window, FieldTable table)
{
    auto* filter = new FieldRulesFilter(window);
    for (const FieldRule& rule : table) {
        auto* field = window->findChild<QWidget*>(QString::fromLatin1(rule.name));
        Q_ASSERT_X(field, "FieldRulesFilter", rule.name);
        if (!field)
            continue;
        filter->m_rules.insert(field, rule);
        field->installEventFilter(filter);
    }
    return filter;
}

bool FieldRulesFilter::eventFilter(QObject* watched, QEvent* event)
{
    const auto found = m_rules.constFind(watched);
    if (found == m_rules.constEnd())
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: return typed(watched, *found, static_cast<QKeyEvent*>(event));
    case QEvent::FocusOut: left(static_cast<QWidget*>(watched), *found, static_cast<QFocusEvent*>(event)); break;
    case QEvent::FocusIn: entered(watched, *found, static_cast<QFocusEvent*>(event)); break;
    default: break;
    }
    return false;
}

bool FieldRulesFilter::typed(QObject* field, const FieldRule& rule, const QKeyEvent* key) const
{
    const Qt::KeyboardModifiers commandKeys = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    const QString typed = key->text();
    QLineEdit* line = lineOf(field);
    if (!rule.typing || !line || typed.isEmpty() || typed.front().category() == QChar::Other_Control
        || (key->modifiers() & commandKeys))
        return false;
    const QString taken = rule.typing(typed);
    if (taken == typed)
        return false;
    line->insert(taken);
    return true;
}

void FieldRulesFilter::left(QWidget* field, const FieldRule& rule, const QFocusEvent* focus)
{
    if (!movedWithin(m_window, focus))
        return;
    QLineEdit* line = lineOf(field);
    if (rule.leaving && line) {
        const QString cleaned = rule.leaving(line->text());
        if (cleaned != line->text())
            line->setText(cleaned);
    }
    if (rule.reportsLeaving)
        emit fieldLeft(field);
}

// A click places the caret after the focus arrives: select again once the
// click is handled.
void FieldRulesFilter::entered(QObject* field, const FieldRule& rule, const QFocusEvent* focus)
{
    QLineEdit* line = lineOf(field);
    if (!rule.selectsOnEntry || !line)
        return;
    line->selectAll();
    if (focus->reason() == Qt::MouseFocusReason)
        QTimer::singleShot(0, line, &QLineEdit::selectAll);
}

} // namespace vellicor
