// The help search's order: the pages after the one shown, going round to it last.
#include "platform/api/HelpBook.h"

#include <QTest>

using namespace vellicor;

namespace {

class Book : public HelpBook {
public:
    QUrl contents() const override { return page(0); }
    QUrl topic(int contextId) const override { return page(contextId); }
    QList<QUrl> pages() const override { return {page(0), page(1), page(2), page(3)}; }
    QString pageText(const QUrl& url) const override { return texts.value(url.fileName().toInt()); }

    static QUrl page(int number) { return QUrl(QStringLiteral("qrc:/help/%1").arg(number)); }
    QList<QString> texts = {"Contents", "Ports and SETTINGS", "Scripts: settings of the TNC", "Radiograms"};
};

} // namespace

class HelpBookTest : public QObject {
    Q_OBJECT
private slots:
    void searchGoesOnFromThePageShown_data()
    {
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("found"); // -1: no page holds it
        QTest::newRow("next page") << 0 << "settings" << 1;
        QTest::newRow("skips the page shown") << 1 << "settings" << 2;
        QTest::newRow("wraps round") << 2 << "settings" << 1;
        QTest::newRow("the page shown comes last") << 3 << "radiograms" << 3;
        QTest::newRow("nowhere") << 0 << "beacon" << -1;
        QTest::newRow("unknown page starts at the first") << 9 << "contents" << 0;
    }

    void searchGoesOnFromThePageShown()
    {
        QFETCH(int, shown);
        QFETCH(QString, text);
        QFETCH(int, found);
        const QUrl page = Book().nextPageWith(Book::page(shown), text);
        QCOMPARE(page, found < 0 ? QUrl() : Book::page(found));
    }
};

QTEST_APPLESS_MAIN(HelpBookTest)
#include "HelpBookTest.moc"
