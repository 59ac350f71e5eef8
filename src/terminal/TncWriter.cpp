#include "terminal/TncWriter.h"

#include "terminal/Windows1252.h"

namespace vellicor {

TncWriter::TncWriter(SerialLink& link, QObject* parent)
    : QObject(parent)
    , m_link(link)
{
}

PortResult TncWriter::SendToTnc(const QString& text)
{
    if (!m_link.isOpen())
        return PortFailure{PortFailures::kNeedsOpenPort, QStringLiteral("Operation valid only when the port is open")};
    if (text.isEmpty())
        return std::nullopt;
    PortResult result = m_link.write(encodeWindows1252(text));
    if (!result)
        emit sent(text);
    return result;
}

bool TncWriter::portOpen() const
{
    return m_link.isOpen();
}

} // namespace vellicor
