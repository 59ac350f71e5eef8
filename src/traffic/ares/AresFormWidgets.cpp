#include "traffic/ares/AresFormWidgets.h"

#include "traffic/common/MessageFormStyle.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace vellicor {

namespace {

const QStringList kPriorityCodes = {QStringLiteral("R"), QStringLiteral("W"), QStringLiteral("P"),
                                    QStringLiteral("E")};

template <typename T>
T* named(T* control, const char* name)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setFont(MessageFormStyle::fieldFont());
    return control;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, QWidget* buddy = nullptr)
{
    auto* text = named(new QLabel(caption, parent), name);
    if (buddy)
        text->setBuddy(buddy);
    return text;
}

QGroupBox* frame(QWidget* page, const char* name, const QString& caption = QString())
{
    auto* box = new QGroupBox(caption, page);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QGroupBox* buildHeader(QWidget* page, AresFormWidgets& w)
{
    QGroupBox* box = frame(page, "Frame2");
    auto* grid = new QGridLayout(box);
    w.cboPriority = named(new QComboBox(box), "cboPriority");
    w.cboPriority->setEditable(true);
    w.cboPriority->setInsertPolicy(QComboBox::NoInsert);
    w.cboPriority->setCompleter(nullptr);
    w.cboPriority->addItems(kPriorityCodes);
    w.labPriority = label(box, "labPriority", QString());
    w.txtSubject = named(new QLineEdit(box), "txtSubject");
    w.txtDate = named(new QLineEdit(box), "txtDate");
    w.txtTime = named(new QLineEdit(box), "txtTime");
    grid->addWidget(label(box, "Label1", QStringLiteral("Priority:"), w.cboPriority), 0, 0);
    grid->addWidget(w.cboPriority, 0, 1);
    grid->addWidget(w.labPriority, 0, 2);
    grid->addWidget(label(box, "Label3", QStringLiteral("Date:"), w.txtDate), 0, 3);
    grid->addWidget(w.txtDate, 0, 4);
    grid->addWidget(label(box, "Label2", QStringLiteral("Subject:"), w.txtSubject), 1, 0);
    grid->addWidget(w.txtSubject, 1, 1, 1, 2);
    grid->addWidget(label(box, "Label4", QStringLiteral("Time:"), w.txtTime), 1, 3);
    grid->addWidget(w.txtTime, 1, 4);
    grid->setColumnStretch(2, 1);
    return box;
}

QGroupBox* buildAddresses(QWidget* page, AresFormWidgets& w)
{
    QGroupBox* box = frame(page, "Frame1");
    auto* grid = new QGridLayout(box);
    w.txtTo = named(new QLineEdit(box), "txtTo");
    w.txtToName = named(new QLineEdit(box), "txtToName");
    w.txtFrom = named(new QLineEdit(box), "txtFrom");
    w.txtFromName = named(new QLineEdit(box), "txtFromName");
    grid->addWidget(label(box, "Label7", QStringLiteral("Tactical Call")), 0, 1);
    grid->addWidget(label(box, "Label8", QStringLiteral("Name, Agency, Title, Badge Number")), 0, 2);
    grid->addWidget(label(box, "Label5", QStringLiteral("TO:"), w.txtTo), 1, 0);
    grid->addWidget(w.txtTo, 1, 1);
    grid->addWidget(w.txtToName, 1, 2);
    grid->addWidget(label(box, "Label6", QStringLiteral("FROM:"), w.txtFrom), 2, 0);
    grid->addWidget(w.txtFrom, 2, 1);
    grid->addWidget(w.txtFromName, 2, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 3);
    return box;
}

QGroupBox* buildMessage(QWidget* page, AresFormWidgets& w)
{
    QGroupBox* box = frame(page, "Frame3", QStringLiteral("Message Text:"));
    auto* layout = new QVBoxLayout(box);
    w.txtMessage = named(new QPlainTextEdit(box), "txtMessage");
    w.txtMessage->setFont(MessageFormStyle::messageFont());
    MessageFormStyle::makeMultiLine(w.txtMessage);
    layout->addWidget(w.txtMessage, 1);

    auto* closing = new QHBoxLayout;
    w.txtMsgSentTime = named(new QLineEdit(box), "txtMsgSentTime");
    w.txtBy = named(new QLineEdit(box), "txtBy");
    closing->addWidget(label(box, "Label9", QStringLiteral("END MSG SENT"), w.txtMsgSentTime));
    closing->addWidget(w.txtMsgSentTime);
    closing->addWidget(label(box, "Label10", QStringLiteral("BY"), w.txtBy));
    closing->addWidget(w.txtBy);
    closing->addWidget(label(box, "Label11", QStringLiteral("(FCC Assigned Callsign)")));
    closing->addStretch();
    layout->addLayout(closing);
    return box;
}

// Tab goes through the fields in the order the operator fills them in,
// whatever order the layout makes them in.
void setTabOrder(const AresFormWidgets& w)
{
    const QList<QWidget*> order = {w.cboPriority, w.txtSubject, w.txtDate,    w.txtTime,
                                   w.txtTo,       w.txtToName,  w.txtFrom,    w.txtFromName,
                                   w.txtMessage,  w.txtMsgSentTime, w.txtBy};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace

AresFormWidgets AresFormWidgets::build(QWidget* page)
{
    auto* layout = new QVBoxLayout(page);
    AresFormWidgets w;
    w.labFileName = label(page, "labFileName", QString());
    layout->addWidget(w.labFileName);
    layout->addWidget(buildHeader(page, w));
    layout->addWidget(buildAddresses(page, w));
    layout->addWidget(buildMessage(page, w), 1);
    setTabOrder(w);
    return w;
}

} // namespace vellicor
