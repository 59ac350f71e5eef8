// The help: the help file path rule, the four help operations, the
// program's own help window with a topic for every context id, and the
// help key on highlighted menus.
#include "Fakes.h"
#include "terminal/TncWriter.h"
#include "windows/FrmClipboard.h"
#include "windows/HelpFacility.h"
#include "windows/HelpKeyFilter.h"
#include "windows/HelpTopics.h"
#include "windows/HelpWindow.h"

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

void pressHelpKey(QWidget* menuOrBar)
{
    QTest::keyClick(menuOrBar, Qt::Key_F1);
}

} // namespace

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    void helpFileIsInTheProgramFolder_data();
    void helpFileIsInTheProgramFolder();
    void initHelpKeepsTheOwnerAndTheHelpFile();
    void operationsGoToTheViewer();
    void everyContextIdOpensItsOwnNonEmptyTopic_data();
    void everyContextIdOpensItsOwnNonEmptyTopic();
    void unknownContextAndEveryCommandOpenTheContents();
    void contentsLinkEveryTopic();
    void backAndForwardRetraceThePagesSeen();
    void searchGoesOnToTheTopicThatHoldsTheText();
    void closeRemovesTheWindow();
    void helpKeyOpensTheContextOfTheHighlightedItem_data();
    void helpKeyOpensTheContextOfTheHighlightedItem();
    void helpKeyOnAMenuTitleInTheMenuBar();
    void helpKeyWithoutAContextIsLeftAlone();
    void helpKeyOnTheClipboardEditorMenus_data();
    void helpKeyOnTheClipboardEditorMenus();
};

void HelpTest::helpFileIsInTheProgramFolder_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("helpFile");
    QTest::newRow("folder") << "C:\\VELLICOR" << "C:\\VELLICOR\\Vellicor.HLP";
    QTest::newRow("drive root") << "C:\\" << "C:\\Vellicor.HLP";
    QTest::newRow("root with a blank after") << "C:\\ " << "C:\\ Vellicor.HLP";
    QTest::newRow("slash root") << "/" << "/Vellicor.HLP";
}

void HelpTest::helpFileIsInTheProgramFolder()
{
    QFETCH(QString, folder);
    QFETCH(QString, helpFile);
    QCOMPARE(HelpFacility::helpFilePath(folder), helpFile);
}

void HelpTest::initHelpKeepsTheOwnerAndTheHelpFile()
{
    FakeHelpViewer viewer;
    HelpFacility help(viewer);
    auto* owner = new QObject;
    help.InitHelp(owner, QStringLiteral("D:\\PACKET"));
    QCOMPARE(help.helpOwner(), owner);
    QCOMPARE(help.helpFile(), QStringLiteral("D:\\PACKET\\Vellicor.HLP"));
    delete owner;
    QCOMPARE(help.helpOwner(), nullptr);
}

void HelpTest::operationsGoToTheViewer()
{
    FakeHelpViewer viewer;
    HelpFacility help(viewer);
    help.ShowHelpContext(430);
    help.ShowHelpContents(QStringLiteral("Contents()"));
    help.CloseHelp();
    QCOMPARE(viewer.contexts, QList<int>{430});
    QCOMPARE(viewer.contentsCommands, QStringList{"Contents()"});
    QCOMPARE(viewer.closes, 1);
}

void HelpTest::everyContextIdOpensItsOwnNonEmptyTopic_data()
{
    QTest::addColumn<int>("contextId");
    for (int id : kContextIds)
        QTest::newRow(qPrintable(QString::number(id))) << id;
}

void HelpTest::everyContextIdOpensItsOwnNonEmptyTopic()
{
    QFETCH(int, contextId);
    HelpWindowViewer viewer;
    viewer.showContext(contextId);
    QVERIFY(viewer.window());
    QVERIFY(viewer.window()->isVisible());
    QCOMPARE(viewer.window()->windowTitle(), QStringLiteral("Vellicor Help"));
    QVERIFY(viewer.window()->currentPage() != HelpTopics::contentsUrl());
    const QString text = browser(viewer.window())->toPlainText();
    QVERIFY2(text.size() > 300, qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Contents and Index")));
}

void HelpTest::unknownContextAndEveryCommandOpenTheContents()
{
    HelpWindowViewer viewer;
    viewer.showContext(9999);
    QCOMPARE(viewer.window()->currentPage(), HelpTopics::contentsUrl());
    QVERIFY(browser(viewer.window())->toPlainText().contains(QStringLiteral("Index")));
    viewer.showContext(430);
    viewer.showContents(QStringLiteral("Contents()"));
    QCOMPARE(viewer.window()->currentPage(), HelpTopics::contentsUrl());
    viewer.showContext(430);
    viewer.showContents(QStringLiteral("JumpId(\"x\")"));
    QCOMPARE(viewer.window()->currentPage(), HelpTopics::contentsUrl());
}

void HelpTest::contentsLinkEveryTopic()
{
    const QString contents = HelpTopics::pageHtml(HelpTopics::contentsUrl());
    for (int id : kContextIds) {
        const QString link = QStringLiteral("href=\"topic-%1.html\"").arg(id);
        QVERIFY2(contents.contains(link), qPrintable(link));
    }
}

void HelpTest::backAndForwardRetraceThePagesSeen()
{
    HelpWindowViewer viewer;
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
}

void HelpTest::searchGoesOnToTheTopicThatHoldsTheText()
{
    HelpWindowViewer viewer;
    viewer.showContext(10);
    HelpWindow* window = viewer.window();
    QVERIFY(window->find(QStringLiteral("Already exists")));
    QCOMPARE(window->currentPage(), HelpTopics::urlFor(410));
    QCOMPARE(browser(window)->textCursor().selectedText(), QStringLiteral("Already exists"));
    QVERIFY(!window->find(QStringLiteral("no such words anywhere")));
}

void HelpTest::closeRemovesTheWindow()
{
    HelpWindowViewer viewer;
    viewer.showContext(300);
    QPointer<HelpWindow> window = viewer.window();
    viewer.close();
    QVERIFY(!viewer.window());
    QTRY_VERIFY(!window);
    viewer.showContents(QStringLiteral("Contents()"));
    QVERIFY(viewer.window());
}

void HelpTest::helpKeyOpensTheContextOfTheHighlightedItem_data()
{
    QTest::addColumn<QVariant>("itemContext");
    QTest::addColumn<int>("opened");
    QTest::newRow("item without its own") << QVariant() << 210;
    QTest::newRow("item with its own") << QVariant(240) << 240;
}

void HelpTest::helpKeyOpensTheContextOfTheHighlightedItem()
{
    QFETCH(QVariant, itemContext);
    QFETCH(int, opened);
    FakeHelpViewer viewer;
    HelpFacility help(viewer);
    QMainWindow window;
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->setProperty(HelpKeyFilter::kProperty, 210);
    QAction* item = file->addAction(QStringLiteral("&Edit Clipboard..."));
    item->setProperty(HelpKeyFilter::kProperty, itemContext);
    HelpKeyFilter filter(help);
    filter.watch(&window);

    file->setActiveAction(item);
    pressHelpKey(file);
    QCOMPARE(viewer.contexts, QList<int>{opened});
}

void HelpTest::helpKeyOnAMenuTitleInTheMenuBar()
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
    pressHelpKey(scripts);
    QCOMPARE(viewer.contexts, QList<int>{270});
}

void HelpTest::helpKeyWithoutAContextIsLeftAlone()
{
    FakeHelpViewer viewer;
    HelpFacility help(viewer);
    QMainWindow window;
    QMenu* user = window.menuBar()->addMenu(QStringLiteral("&Misc"));
    QAction* item = user->addAction(QStringLiteral("Item"));
    HelpKeyFilter filter(help);
    filter.watch(&window);
    user->setActiveAction(item);
    pressHelpKey(user);
    QVERIFY(viewer.contexts.isEmpty());
}

void HelpTest::helpKeyOnTheClipboardEditorMenus_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("opened");
    QTest::newRow("File") << "mnuFile" << 410;
    QTest::newRow("Send") << "mnuSend" << 420;
}

void HelpTest::helpKeyOnTheClipboardEditorMenus()
{
    QFETCH(QString, menu);
    QFETCH(int, opened);
    TestPlatform fakes;
    TncWriter writer(fakes.link);
    HelpFacility help(fakes.help);
    FrmClipboard editor(fakes.platform(), writer, help);
    QMenu* shown = editor.findChild<QMenu*>(menu);
    shown->setActiveAction(shown->actions().last());
    pressHelpKey(shown);
    QCOMPARE(fakes.help.contexts, QList<int>{opened});
}

QTEST_MAIN(HelpTest)
#include "tst_help.moc"
