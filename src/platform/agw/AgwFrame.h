#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace vellicor {

// One frame of the AGW packet engine protocol: a 36-byte header (radio port,
// kind, PID, the two calls and the data length, all little-endian) and data.
struct AgwFrame {
    static constexpr int kHeaderBytes = 36;
    static constexpr int kCallBytes = 10;

    int port = 0;
    char kind = 0;
    int pid = 0;
    QByteArray callFrom;
    QByteArray callTo;
    QByteArray data;

    static AgwFrame of(char kind, const QByteArray& callFrom, const QByteArray& callTo, const QByteArray& data = {},
                       int port = 0);
    QByteArray encode() const;
};

// Cuts the engine's byte stream into frames, whatever pieces it arrives in.
// A length field beyond kMaxDataBytes means the stream is not AGW (or is
// broken): the reader stops for good and failure() says why.
class AgwFrameReader {
public:
    static constexpr quint32 kMaxDataBytes = 64 * 1024;

    // Takes the bytes and returns every frame they complete.
    QList<AgwFrame> feed(const QByteArray& bytes);
    bool failed() const { return !m_failure.isEmpty(); }
    QString failure() const { return m_failure; }
    void reset();

private:
    QByteArray m_pending;
    QString m_failure;
};

} // namespace vellicor
