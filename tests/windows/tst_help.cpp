// The help: the program's own help window with a
// topic for every context id, and the help key on highlighted menus.
#include "Fakes.h"
#include "platform/qt/QtHelpViewer.h"
#include "windows/HelpFacility.h"
#include "windows/HelpKeyFilter.h"
#include "windows/HelpTopics.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {

// Every context id the program's windows open.
const QList<int> kContextIds = {10,  210, 220, 230, 240, 250, 260, 270, 280, 290, 300, 410,
                                420, 430, 510, 520, 530, 550, 710, 720, 730, 760, 1010};

QTextBrowser* browser(HelpWindow* window)
{
    return window->findChild<QTextBrowser*>("txtHelp");
}

} // namespace

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    void everyContextIdOpensItsOwnNonEmptyTopic_data()
    {
        QTest::addColumn<int>("contextId");
        for (int id : kContextIds)
            QTest::newRow(qPrintable(QString::number(id))) << id;
    }

    void everyContextIdOpensItsOwnNonEmptyTopic()
    {
        QFETCH(int, contextId);
        BuiltInHelp book;
        QtHelpViewer viewer(book);
        viewer.showContext(contextId);
        QVERIFY(viewer.window() && viewer.window()->isVisible());
        QCOMPARE(viewer.window()->windowTitle(), QStringLiteral("Vellicor Help"));
        QVERIFY(viewer.window()->currentPage() != HelpTopics::contentsUrl());
        const QString text = browser(viewer.window())->toPlainText();
        QVERIFY2(text.size() > 300, qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Contents and Index")));
        const QString link = QStringLiteral("href=\"topic-%1.html\"").arg(contextId);
        QVERIFY2(HelpTopics::pageHtml(HelpTopics::contentsUrl()).contains(link), qPrintable(link));
    }

    void unknownContextAndEveryCommandOpenTheContentsUntilClosed()
    {
        BuiltInHelp book;
        QtHelpViewer viewer(book);
        viewer.showContext(9999);
        QCOMPARE(viewer.window()->currentPage(), HelpTopics::contentsUrl());
        QVERIFY(browser(viewer.window())->toPlainText().contains(QStringLiteral("Index")));
        for (const QString command : {"Contents()", "JumpId(\"x\")"}) {
            viewer.showContext(430);
            viewer.showContents(command);
            QCOMPARE(viewer.window()->currentPage(), HelpTopics::contentsUrl());
        }
        QPointer<HelpWindow> window = viewer.window();
        viewer.close();
        QVERIFY(!viewer.window());
        QTRY_VERIFY(!window);
        viewer.showContents(QStringLiteral("Contents()"));
        QVERIFY(viewer.window());
    }

    void backForwardAndSearchGoToThePagesAsked()
    {
        BuiltInHelp book;
        QtHelpViewer viewer(book);
        viewer.showContext(430);
        viewer.showContext(290);
        HelpWindow* window = viewer.window();
        auto* back = window->findChild<QToolButton*>("cmdBack");
        auto* forward = window->findChild<QToolButton*>("cmdForward");
        QVERIFY(back->isEnabled());
        back->click();
        QCOMPARE(window->currentPage(), HelpTopics::urlFor(430));
        QVERIFY(forward->isEnabled());
        forward->click();
        QCOMPARE(window->currentPage(), HelpTopics::urlFor(290));

        viewer.showContext(10); // search goes on to the topic that holds the text
        QVERIFY(window->find(QStringLiteral("Already exists")));
        QCOMPARE(window->currentPage(), HelpTopics::urlFor(410));
        QCOMPARE(browser(window)->textCursor().selectedText(), QStringLiteral("Already exists"));
        QVERIFY(!window->find(QStringLiteral("no such words anywhere")));
    }

    // F1 on a highlighted item opens its own context, else that of the menus
    // it is in; a menu added after the filter was installed is watched too.
    void helpKeyOpensTheContextOfTheHighlightedItem_data()
    {
        QTest::addColumn<QVariant>("menuContext");
        QTest::addColumn<QVariant>("itemContext");
        QTest::addColumn<QList<int>>("opened");
        QTest::newRow("item without its own") << QVariant(270) << QVariant() << QList<int>{270};
        QTest::newRow("item with its own") << QVariant(270) << QVariant(240) << QList<int>{240};
        QTest::newRow("no context is left alone") << QVariant() << QVariant() << QList<int>{};
    }

    void helpKeyOpensTheContextOfTheHighlightedItem()
    {
        QFETCH(QVariant, menuContext);
        QFETCH(QVariant, itemContext);
        FakeHelpViewer viewer;
        HelpFacility help(viewer);
        QMainWindow window;
        QMenu* options = window.menuBar()->addMenu(QStringLiteral("&Options"));
        options->setProperty(HelpKeyFilter::kProperty, menuContext);
        HelpKeyFilter filter(help);
        filter.watch(&window);
        QMenu* scripts = options->addMenu(QStringLiteral("&Initialize TNC"));
        QAction* custom = scripts->addAction(QStringLiteral("Custom &Script..."));
        custom->setProperty(HelpKeyFilter::kProperty, itemContext);
        scripts->setActiveAction(custom);
        QTest::keyClick(scripts, Qt::Key_F1);
        QTEST(viewer.contexts, "opened");

        window.show(); // a menu title highlighted in the menu bar
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(HelpKeyFilter::contextFor(window.menuBar()), std::nullopt);
        window.menuBar()->setActiveAction(options->menuAction());
        const std::optional<int> titleContext = menuContext.isValid() ? std::optional<int>(270) : std::nullopt;
        QCOMPARE(HelpKeyFilter::contextFor(window.menuBar()), titleContext);
    }
};

QTEST_MAIN(HelpTest)
#include "tst_help.moc"
