#pragma once

#include <QObject>

class QSessionManager;
class QSocketNotifier;

namespace vellicor {

// The system asking the program to end: SIGTERM, SIGHUP or SIGINT, or the
// desktop session ending. Each arrives as `requested` on the window thread,
// between other events, so the program can close as it does on its own.
// One instance at a time; it needs the application object.
class SystemEnd : public QObject {
    Q_OBJECT
public:
    explicit SystemEnd(QObject* parent = nullptr);
    ~SystemEnd() override;

signals:
    void requested();

private:
    void signalArrived();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace vellicor
