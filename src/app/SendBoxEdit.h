#pragma once

#include <QLineEdit>

namespace vellicor {

class SendBox;

// The send box widget: every typed character goes through the send-box rules
// before the text box sees it.
class SendBoxEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit SendBoxEdit(QWidget* parent = nullptr);
    void setRules(SendBox* rules) { m_rules = rules; }
    // Types a character as if it had been pressed here.
    void typeCharacter(QChar character);

signals:
    void functionKey(int qtKey);
    void scrollBackRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    SendBox* m_rules = nullptr;
};

} // namespace vellicor
