#pragma once

#include <QList>
#include <QString>
#include <QUrl>

namespace vellicor {

// The pages a help viewer shows: the contents, a page for each context id,
// and their text for searching.
class HelpBook {
public:
    virtual ~HelpBook() = default;
    virtual QUrl contents() const = 0;
    // The topic's page; an unknown context id gives the contents.
    virtual QUrl topic(int contextId) const = 0;
    // Every page: the contents first, then the topics in their order.
    virtual QList<QUrl> pages() const = 0;
    // The page's text without markup; empty when there is no such page.
    virtual QString pageText(const QUrl& page) const = 0;

    // The first page after the current one, going round to the current one
    // last, whose text holds the given text in any case; empty when none does.
    QUrl nextPageWith(const QUrl& current, const QString& text) const;
};

} // namespace vellicor
