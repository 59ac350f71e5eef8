#include "tnc/UpperCaseTyping.h"

#include "tnc/AnsiText.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace vellicor {

void UpperCaseTyping::install(QLineEdit* box)
{
    box->installEventFilter(new UpperCaseTyping(box));
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
    static_cast<QLineEdit*>(watched)->insert(upper);
    return true;
}

} // namespace vellicor
