#include "tnc/DialogButtons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace vellicor {

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
    for (QWidget* control : controls)
        layout->addWidget(control);
    layout->addLayout(row);
    QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return buttons;
}

} // namespace vellicor
