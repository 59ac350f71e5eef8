#include "platform/api/HelpBook.h"

namespace vellicor {

QUrl HelpBook::nextPageWith(const QUrl& current, const QString& text) const
{
    const QList<QUrl> all = pages();
    const qsizetype start = all.indexOf(current);
    for (qsizetype step = 1; step <= all.size(); ++step) {
        const QUrl& candidate = all.at((start + step) % all.size());
        if (pageText(candidate).contains(text, Qt::CaseInsensitive))
            return candidate;
    }
    return {};
}

} // namespace vellicor
