// The help: the program's own help window with a
// topic for every context id, and the help key on highlighted menus.
#include "Fakes.h"
#include "platform/qt/QtHelpViewer.h"
#include "terminal/TncWriter.h"
#include "windows/FrmClipboard.h"
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
        QVERIFY(viewer.window());
        QVERIFY(viewer.window()->isVisible());
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

    void helpKeyOpensTheContextOfTheHighlightedItem_data()
    {
        QTest::addColumn<QVariant>("menuContext");
        QTest::addColumn<QVariant>("itemContext");
        QTest::addColumn<QList<int>>("opened");
        QTest::newRow("item without its own") << QVariant(210) << QVariant() << QList<int>{210};
        QTest::newRow("item with its own") << QVariant(210) << QVariant(240) << QList<int>{240};
        QTest::newRow("no context is left alone") << QVariant() << QVariant() << QList<int>{};
    }

    void helpKeyOpensTheContextOfTheHighlightedItem()
    {
        QFETCH(QVariant, menuContext);
        QFETCH(QVariant, itemContext);
        FakeHelpViewer viewer;
        HelpFacility help(viewer);
        QMainWindow window;
        QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
        file->setProperty(HelpKeyFilter::kProperty, menuContext);
        QAction* item = file->addAction(QStringLiteral("&Edit Clipboard..."));
        item->setProperty(HelpKeyFilter::kProperty, itemContext);
        HelpKeyFilter filter(help);
        filter.watch(&window);
        file->setActiveAction(item);
        QTest::keyClick(file, Qt::Key_F1);
        QTEST(viewer.contexts, "opened");
    }

    void helpKeyOnAMenuTitleInTheMenuBar()
    {
        FakeHelpViewer viewer;
        HelpFacility help(viewer);
        QMainWindow window;
        window.menuBar()->addMenu(QStringLiteral("&File"));
        HelpKeyFilter filter(help);
        filter.watch(&window);
        // A menu added after the filter was installed is watched too.
        QMenu* options = window.menuBar()->addMenu(QStringLiteral("&Options"));
        options->setProperty(HelpKeyFilter::kProperty, 270);
        QMenu* scripts = options->addMenu(QStringLiteral("&Initialize TNC"));
        QAction* custom = scripts->addAction(QStringLiteral("Custom &Script..."));

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(HelpKeyFilter::contextFor(window.menuBar()), std::nullopt);
        window.menuBar()->setActiveAction(options->menuAction());
        QCOMPARE(HelpKeyFilter::contextFor(window.menuBar()), std::optional<int>(270));
        scripts->setActiveAction(custom);
        QTest::keyClick(scripts, Qt::Key_F1);
        QCOMPARE(viewer.contexts, QList<int>{270});
    }

    void helpKeyOnTheClipboardEditorMenus_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<int>("opened");
        QTest::newRow("File") << "mnuFile" << 410;
        QTest::newRow("Send") << "mnuSend" << 420;
    }

    void helpKeyOnTheClipboardEditorMenus()
    {
        QFETCH(QString, menu);
        QFETCH(int, opened);
        TestPlatform fakes;
        TncWriter writer(fakes.link);
        HelpFacility help(fakes.help);
        FrmClipboard editor(fakes.platform(), writer, help);
        QMenu* shown = editor.findChild<QMenu*>(menu);
        shown->setActiveAction(shown->actions().last());
        QTest::keyClick(shown, Qt::Key_F1);
        QCOMPARE(fakes.help.contexts, QList<int>{opened});
    }
};

QTEST_MAIN(HelpTest)
#include "tst_help.moc"
