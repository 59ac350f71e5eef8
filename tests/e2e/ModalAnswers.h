#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QTimer>

#include <functional>

namespace vellicor::test {

// Answers the real modal windows of the program in turn, as an operator
// would: each step gets the next modal window that shows. A modal window
// that is not the one expected, or one beyond the steps, is closed and
// counted, so a wrong turn fails the test instead of hanging it.
class ModalAnswers : public QObject {
public:
    using Step = std::function<bool(QWidget*)>;

    explicit ModalAnswers(QList<Step> steps)
        : m_steps(std::move(steps))
    {
        connect(&m_poll, &QTimer::timeout, this, &ModalAnswers::answer);
        m_poll.start(20);
    }

    int unexpected() const { return m_unexpected; }

private:
    void answer()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (m_steps.isEmpty() || !m_steps.takeFirst()(modal)) {
            ++m_unexpected;
            modal->close();
        }
    }

    QList<Step> m_steps;
    QTimer m_poll;
    int m_unexpected = 0;
};

// Clicks a button of a message box and notes the box's text.
inline ModalAnswers::Step clickBox(QMessageBox::StandardButton button, QStringList& texts)
{
    return [button, &texts](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box || !box->button(button))
            return false;
        texts.append(box->text());
        box->button(button)->click();
        return true;
    };
}

// The closing note of both message forms' Send.
inline const QString kTransmittingNote = QStringLiteral(
    "Message is transmitting.  TNC is now in CONVerse mode.\r\n"
    "(Ignore 'cmd:' prompt embedded in text or at bottom of main screen.)");

} // namespace vellicor::test
