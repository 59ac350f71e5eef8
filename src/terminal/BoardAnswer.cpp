#include "terminal/BoardAnswer.h"

namespace vellicor {

namespace {

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// The text without its trailing blanks and line ends.
QString withoutTrailingBreaks(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && (isLineEnd(text[end - 1]) || text[end - 1] == QLatin1Char(' ')))
        --end;
    return text.left(end);
}

} // namespace

void BoardAnswer::sent(const QString& text)
{
    if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')))
        m_answer.clear();
}

void BoardAnswer::received(const QString& chunk)
{
    m_answer += chunk;
    if (m_answer.size() > kLongestAnswer)
        m_answer.remove(0, m_answer.size() - kLongestAnswer);
}

QString BoardAnswer::answer() const
{
    const QString text = withoutTrailingBreaks(m_answer);
    qsizetype lastLine = text.size();
    while (lastLine > 0 && !isLineEnd(text[lastLine - 1]))
        --lastLine;
    const bool prompt = text.endsWith(QLatin1Char('>')) || text.endsWith(QLatin1Char(':'));
    return prompt ? text.left(lastLine) : m_answer;
}

} // namespace vellicor
