#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

namespace vellicor {

// The find bar under the receive pane: next, previous, match case. Finding
// suspends scrolling, as a click into the pane does.
class FindBar : public QWidget {
    Q_OBJECT
public:
    FindBar(QPlainTextEdit& pane, QWidget* parent = nullptr);
    void open();
    // Moves the selection to the next (or previous) match, wrapping around;
    // false when the text is nowhere in the pane.
    bool find(bool backward);
    QLineEdit& input() { return *m_input; }
    QCheckBox& matchCase() { return *m_matchCase; }

signals:
    void searching();

private:
    QPlainTextEdit& m_pane;
    QLineEdit* m_input = nullptr;
    QCheckBox* m_matchCase = nullptr;
};

} // namespace vellicor
