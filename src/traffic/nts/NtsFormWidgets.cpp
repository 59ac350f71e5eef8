#include "traffic/nts/NtsFormWidgets.h"

#include "traffic/common/MessageFormStyle.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace vellicor {

namespace {

const QStringList kPrecedences = {QStringLiteral("R (Routine)"), QStringLiteral("W (H & W)"),
                                  QStringLiteral("P (Priority)"), QStringLiteral("Emergency")};
const QStringList kHandlings = {QStringLiteral("HXA"), QStringLiteral("HXB"), QStringLiteral("HXC"),
                                QStringLiteral("HXD"), QStringLiteral("HXE"), QStringLiteral("HXF"),
                                QStringLiteral("HXG")};
const QString kMessageLabel =
    QStringLiteral("Message Text  (Try to keep this short, as non-packet NTS stations may pick up this traffic.)");

// Places a labelled control in the grid and names it.
template <typename T>
T* place(QGridLayout* grid, QWidget* page, const char* name, const QString& caption, int row, int column,
         int span = 1)
{
    auto* label = new QLabel(caption, page);
    auto* control = new T(page);
    control->setObjectName(QString::fromLatin1(name));
    control->setFont(MessageFormStyle::fieldFont());
    label->setBuddy(control);
    grid->addWidget(label, row, column, 1, span);
    grid->addWidget(control, row + 1, column, 1, span);
    return control;
}

QComboBox* comboWith(QComboBox* combo, const QStringList& entries)
{
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr); // what is typed is kept: "e" never becomes "Emergency"
    combo->addItems(entries);
    combo->setEditText(QString());
    return combo;
}

QPlainTextEdit* multiLine(QPlainTextEdit* box)
{
    MessageFormStyle::makeMultiLine(box);
    return box;
}

} // namespace

NtsFormWidgets NtsFormWidgets::build(QWidget* page)
{
    auto* grid = new QGridLayout(page);
    NtsFormWidgets w;
    w.txtMsgNum = place<QLineEdit>(grid, page, "txtMsgNum", QStringLiteral("Message Number"), 0, 0);
    w.cmbPrecedence = comboWith(place<QComboBox>(grid, page, "cmbPrecedence", QStringLiteral("Precedence"), 0, 1),
                                kPrecedences);
    w.cmbHX = comboWith(place<QComboBox>(grid, page, "cmbHX", QStringLiteral("Handling Instructions"), 0, 2),
                        kHandlings);
    w.txtStation = place<QLineEdit>(grid, page, "txtStation", QStringLiteral("Station of Origin"), 0, 3);
    w.txtCheck = place<QLineEdit>(grid, page, "txtCheck", QStringLiteral("Check"), 2, 0);
    w.txtPlace = place<QLineEdit>(grid, page, "txtPlace", QStringLiteral("Place of Origin"), 2, 1);
    w.txtTimeFiled = place<QLineEdit>(grid, page, "txtTimeFiled", QStringLiteral("Time Filed"), 2, 2);
    w.txtDateFiled = place<QLineEdit>(grid, page, "txtDateFiled", QStringLiteral("Date Filed"), 2, 3);
    w.txtName = place<QLineEdit>(grid, page, "txtName", QStringLiteral("Name"), 4, 0, 2);
    w.txtAddress = multiLine(place<QPlainTextEdit>(grid, page, "txtAddress", QStringLiteral("Address"), 6, 0, 2));
    w.txtCity = place<QLineEdit>(grid, page, "txtCity", QStringLiteral("City"), 4, 2);
    w.txtState = place<QLineEdit>(grid, page, "txtState", QStringLiteral("State"), 4, 3);
    w.txtZip = place<QLineEdit>(grid, page, "txtZip", QStringLiteral("Zip"), 6, 2);
    w.txtPhone = place<QLineEdit>(grid, page, "txtPhone", QStringLiteral("Phone"), 6, 3);
    w.txtMessage = multiLine(place<QPlainTextEdit>(grid, page, "txtMessage", kMessageLabel, 8, 0, 4));
    w.txtMessage->setFont(MessageFormStyle::messageFont());
    w.txtSigned = place<QLineEdit>(grid, page, "txtSigned", QStringLiteral("Signed"), 10, 0, 2);
    w.labCheckVerdict = new QLabel(page);
    w.labCheckVerdict->setObjectName(QStringLiteral("labCheckVerdict"));
    grid->addWidget(w.labCheckVerdict, 11, 2, 1, 2);
    w.labFileName = new QLabel(page);
    w.labFileName->setObjectName(QStringLiteral("labFileName"));
    grid->addWidget(w.labFileName, 12, 0, 1, 4);
    grid->setRowStretch(9, 1);
    grid->setRowStretch(7, 0);
    return w;
}

} // namespace vellicor
