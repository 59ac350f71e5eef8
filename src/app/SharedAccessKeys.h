#pragma once

#include <QObject>

class QAction;
class QKeyEvent;
class QMenuBar;

namespace vellicor {

// Alt with a letter that several menu-bar commands share ("&TORMEL..." and
// "&Tactical Call...") moves the highlight to the next of them on each press,
// as menu bars do for a shared access key. While a command stays highlighted
// the keys belong to the menu bar: Enter runs it, Escape leaves the bar, the
// arrows move along the bar, and nothing typed reaches the TNC. Without this,
// each press would run a command at once.
class SharedAccessKeys : public QObject {
    Q_OBJECT
public:
    explicit SharedAccessKeys(QMenuBar& bar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool sharedKeyPressed(QEvent* event);
    bool heldKeyPressed(QKeyEvent* key);
    void letterPressed(const QString& text);
    void hold(QAction* command);
    void release(bool clearHighlight);
    void run(QAction* item);

    QMenuBar& m_bar;
    bool m_holding = false;
};

} // namespace vellicor
