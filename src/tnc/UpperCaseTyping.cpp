#include "tnc/UpperCaseTyping.h"

#include "tnc/AnsiText.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace vellicor {

void UpperCaseTyping::install(QLineEdit* box)
{
    box->installEventFilter(new UpperCaseTyping(box));
}

void UpperCaseTyping::install(QComboBox* list)
{
    list->installEventFilter(new UpperCaseTyping(list));
}

bool UpperCaseTyping::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const QString typed = key->text();
    if (typed.isEmpty() || typed.at(0).unicode() < 0x20 || key->modifiers() & Qt::ControlModifier)
        return false;
    const QString upper = AnsiText::upper(typed);
    if (upper == typed)
        return false;
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box)
        box = static_cast<QComboBox*>(watched)->lineEdit();
    box->insert(upper);
    return true;
}

} // namespace vellicor
