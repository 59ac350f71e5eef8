#include "windows/HelpTopics.h"

#include "windows/WindowsResources.h"

#include <QFile>
#include <QTextDocument>

namespace vellicor {
namespace HelpTopics {

namespace {

HelpTopic topic(int id, const char* title)
{
    return {id, QString::fromUtf8(title), QStringLiteral("topic-%1.html").arg(id)};
}

} // namespace

const QList<HelpTopic>& all()
{
    static const QList<HelpTopic> topics = {
        topic(10, "The main screen"),
        topic(210, "Main screen: File menu"),
        topic(220, "Main screen: TORMEL command"),
        topic(230, "Main screen: NTS command"),
        topic(240, "Main screen: Connect command"),
        topic(250, "Main screen: Tactical Call command"),
        topic(260, "Main screen: User menu (channels)"),
        topic(270, "Main screen: Options menu"),
        topic(280, "Main screen: Help menu"),
        topic(290, "The Properties screen"),
        topic(300, "The clipboard editor"),
        topic(410, "Clipboard editor: File menu"),
        topic(420, "Clipboard editor: Send menu"),
        topic(430, "The NTS message formatter"),
        topic(510, "NTS formatter: File menu"),
        topic(520, "NTS formatter: Options"),
        topic(530, "NTS formatter: Send"),
        topic(550, "The TORMEL message formatter"),
        topic(710, "TORMEL formatter: File menu"),
        topic(720, "TORMEL formatter: Options"),
        topic(730, "TORMEL formatter: Send"),
        topic(760, "The connect screen"),
        topic(1010, "Connect screen: Help menu"),
    };
    return topics;
}

QUrl contentsUrl()
{
    return QUrl(QStringLiteral("qrc:/vellicor/help/contents.html"));
}

QUrl urlFor(int contextId)
{
    for (const HelpTopic& entry : all()) {
        if (entry.contextId == contextId)
            return QUrl(QStringLiteral("qrc:/vellicor/help/") + entry.page);
    }
    return contentsUrl();
}

QString pageHtml(const QUrl& url)
{
    QFile file(QLatin1Char(':') + url.path());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace HelpTopics

BuiltInHelp::BuiltInHelp()
{
    initWindowsResources();
}

QUrl BuiltInHelp::contents() const
{
    return HelpTopics::contentsUrl();
}

QUrl BuiltInHelp::topic(int contextId) const
{
    return HelpTopics::urlFor(contextId);
}

QList<QUrl> BuiltInHelp::pages() const
{
    QList<QUrl> all = {contents()};
    for (const HelpTopic& entry : HelpTopics::all())
        all.append(topic(entry.contextId));
    return all;
}

QString BuiltInHelp::pageText(const QUrl& page) const
{
    QTextDocument document;
    document.setHtml(HelpTopics::pageHtml(page));
    return document.toPlainText();
}

} // namespace vellicor
