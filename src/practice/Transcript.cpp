#include "practice/Transcript.h"

namespace vellicor {

QString Transcript::open(const QString& path)
{
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return m_file.errorString();
    return {};
}

void Transcript::record(const QByteArray& bytes)
{
    if (m_file.isOpen())
        m_file.write(bytes);
}

} // namespace vellicor
