#include "tnc/DialogButtons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace vellicor {

namespace {

// Return and Enter press the default button from every control of the
// dialog, also from an editable list whose completion would keep them.
class DefaultButtonKeys : public QObject {
public:
    explicit DefaultButtonKeys(QPushButton* button)
        : QObject(button)
        , m_button(button)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || (key->modifiers() & ~Qt::KeypadModifier))
            return false;
        m_button->click();
        return true;
    }

private:
    QPushButton* m_button;
};

} // namespace

DialogButtons layOutWithButtons(QDialog* dialog, const QList<QWidget*>& controls, const QString& okCaption)
{
    const DialogButtons buttons{new QPushButton(okCaption, dialog),
                                new QPushButton(QStringLiteral("Cancel"), dialog)};
    buttons.ok->setDefault(true);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(buttons.ok);
    row->addWidget(buttons.cancel);
    auto* layout = new QVBoxLayout(dialog);
    auto* enterKeys = new DefaultButtonKeys(buttons.ok);
    for (QWidget* control : controls) {
        layout->addWidget(control);
        control->installEventFilter(enterKeys);
    }
    layout->addLayout(row);
    QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return buttons;
}

} // namespace vellicor
