#pragma once

#include <QList>
#include <QString>

class QDialog;
class QPushButton;
class QWidget;

namespace vellicor {

// The two buttons at the foot of a TNC dialog.
struct DialogButtons {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

// Lays `controls` out one under another above a right-aligned row of the
// default button `okCaption` and "Cancel", which closes the dialog unaccepted.
// Return and Enter in any of the controls press the default button.
DialogButtons layOutWithButtons(QDialog* dialog, const QList<QWidget*>& controls, const QString& okCaption);

} // namespace vellicor
