#pragma once

#include <QObject>

class QMenuBar;

namespace vellicor {

// Alt with a letter that several menu-bar commands share ("&TORMEL..." and
// "&Tactical Call...") moves the highlight to the next of them on each press,
// as menu bars do for a shared access key; Enter then runs the highlighted
// command. Without this, each press would run a command at once.
class SharedAccessKeys : public QObject {
    Q_OBJECT
public:
    explicit SharedAccessKeys(QMenuBar& bar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMenuBar& m_bar;
};

} // namespace vellicor
