#pragma once

#include "platform/api/SerialLink.h"

#include <QObject>

namespace vellicor {

// SendToTnc: the one way any window writes to the TNC. Text goes out as
// Windows-1252, one byte a character, with nothing added or translated.
class TncWriter : public QObject {
    Q_OBJECT
public:
    explicit TncWriter(SerialLink& link, QObject* parent = nullptr);

    // With the port closed nothing is written and "needs an open port" is returned.
    PortResult SendToTnc(const QString& text);
    bool portOpen() const;

signals:
    // Emitted for every text actually written.
    void sent(const QString& text);

private:
    SerialLink& m_link;
};

} // namespace vellicor
