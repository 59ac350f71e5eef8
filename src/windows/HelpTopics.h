#pragma once

#include "platform/api/HelpBook.h"

#include <QList>
#include <QString>
#include <QUrl>

namespace vellicor {

// One page of the program's built-in help and the context id that opens it.
struct HelpTopic {
    int contextId = 0;
    QString title;
    QString page; // file name of the page among the help resources
};

// The help pages compiled into the program: one topic for every context id
// the windows use, and the contents page that links them all.
namespace HelpTopics {

const QList<HelpTopic>& all();
QUrl contentsUrl();
// The topic's page; an unknown context id gives the contents.
QUrl urlFor(int contextId);
// The HTML of a page among the help resources, which are there once a
// BuiltInHelp has been made; empty when there is none.
QString pageHtml(const QUrl& url);

} // namespace HelpTopics

// The built-in help pages as the book the help viewer shows.
class BuiltInHelp : public HelpBook {
public:
    BuiltInHelp();
    QUrl contents() const override;
    QUrl topic(int contextId) const override;
    QList<QUrl> pages() const override;
    QString pageText(const QUrl& page) const override;
};
} // namespace vellicor
