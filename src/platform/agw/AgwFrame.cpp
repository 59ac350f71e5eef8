#include "platform/agw/AgwFrame.h"

#include <QtEndian>

namespace vellicor {

namespace {

constexpr int kKindOffset = 4;
constexpr int kPidOffset = 6;
constexpr int kCallFromOffset = 8;
constexpr int kCallToOffset = 18;
constexpr int kLengthOffset = 28;

void putCall(QByteArray& header, int offset, const QByteArray& call)
{
    const QByteArray field = call.left(AgwFrame::kCallBytes - 1);
    header.replace(offset, field.size(), field);
}

QByteArray takeCall(const QByteArray& header, int offset)
{
    const QByteArray field = header.mid(offset, AgwFrame::kCallBytes);
    const qsizetype end = field.indexOf('\0');
    return (end < 0 ? field : field.left(end)).trimmed();
}

quint32 lengthField(const QByteArray& header)
{
    return qFromLittleEndian<quint32>(header.constData() + kLengthOffset);
}

} // namespace

// Connected data carry PID F0 (no layer 3); every other frame 0.
AgwFrame AgwFrame::of(char kind, const QByteArray& callFrom, const QByteArray& callTo, const QByteArray& data, int port)
{
    return {port, kind, kind == 'D' ? 0xF0 : 0, callFrom, callTo, data};
}

QByteArray AgwFrame::encode() const
{
    QByteArray header(kHeaderBytes, '\0');
    qToLittleEndian<quint32>(quint32(port), header.data());
    header[kKindOffset] = kind;
    header[kPidOffset] = char(pid);
    putCall(header, kCallFromOffset, callFrom);
    putCall(header, kCallToOffset, callTo);
    qToLittleEndian<quint32>(quint32(data.size()), header.data() + kLengthOffset);
    return header + data;
}

QList<AgwFrame> AgwFrameReader::feed(const QByteArray& bytes)
{
    QList<AgwFrame> frames;
    if (failed())
        return frames;
    m_pending += bytes;
    while (m_pending.size() >= AgwFrame::kHeaderBytes) {
        const quint32 length = lengthField(m_pending);
        if (length > kMaxDataBytes) {
            m_failure = QStringLiteral("The AGW engine sent a frame of %1 bytes; it is not an AGW engine or its data are garbled")
                            .arg(length);
            m_pending.clear();
            return frames;
        }
        if (m_pending.size() < AgwFrame::kHeaderBytes + qsizetype(length))
            break;
        AgwFrame frame;
        frame.port = int(qFromLittleEndian<quint32>(m_pending.constData()));
        frame.kind = m_pending.at(kKindOffset);
        frame.pid = quint8(m_pending.at(kPidOffset));
        frame.callFrom = takeCall(m_pending, kCallFromOffset);
        frame.callTo = takeCall(m_pending, kCallToOffset);
        frame.data = m_pending.mid(AgwFrame::kHeaderBytes, length);
        m_pending.remove(0, AgwFrame::kHeaderBytes + length);
        frames.append(frame);
    }
    return frames;
}

void AgwFrameReader::reset()
{
    m_pending.clear();
    m_failure.clear();
}

} // namespace vellicor
