#include "app/FindBar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

namespace vellicor {

FindBar::FindBar(QPlainTextEdit& pane, QWidget* parent)
    : QWidget(parent)
    , m_pane(pane)
{
    setObjectName(QStringLiteral("findBar"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    m_input = new QLineEdit(this);
    m_input->setObjectName(QStringLiteral("txtFind"));
    auto* next = new QPushButton(QStringLiteral("&Next"), this);
    auto* previous = new QPushButton(QStringLiteral("Pre&vious"), this);
    m_matchCase = new QCheckBox(QStringLiteral("Match &case"), this);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    row->addWidget(new QLabel(QStringLiteral("Find:"), this));
    row->addWidget(m_input, 1);
    row->addWidget(next);
    row->addWidget(previous);
    row->addWidget(m_matchCase);
    row->addWidget(close);
    connect(m_input, &QLineEdit::returnPressed, this, [this] { find(false); });
    connect(next, &QPushButton::clicked, this, [this] { find(false); });
    connect(previous, &QPushButton::clicked, this, [this] { find(true); });
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

void FindBar::open()
{
    show();
    m_input->setFocus();
    m_input->selectAll();
}

bool FindBar::find(bool backward)
{
    const QString text = m_input->text();
    if (text.isEmpty())
        return false;
    emit searching();
    QTextDocument::FindFlags flags;
    if (backward)
        flags |= QTextDocument::FindBackward;
    if (m_matchCase->isChecked())
        flags |= QTextDocument::FindCaseSensitively;
    QTextDocument* document = m_pane.document();
    QTextCursor found = document->find(text, m_pane.textCursor(), flags);
    if (found.isNull()) {
        QTextCursor wrap(document);
        wrap.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
        found = document->find(text, wrap, flags);
    }
    if (found.isNull())
        return false;
    m_pane.setTextCursor(found);
    m_pane.ensureCursorVisible();
    return true;
}

} // namespace vellicor
