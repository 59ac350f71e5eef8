// The Help menu's windows: the program's own help window with a topic for
// every context id, the help key on highlighted menus, and the About window
// with its texts, its sound and "&System Info...".
#include "Fakes.h"
#include "WindowsFakes.h"
#include "platform/qt/QtHelpViewer.h"
#include "platform/qt/QtSoundPlayer.h"
#include "windows/FrmAbout.h"
#include "windows/HelpFacility.h"
#include "windows/HelpKeyFilter.h"
#include "windows/HelpTopics.h"
#include "windows/WindowsResources.h"

#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {

// Every context id the program's windows open.
const QList<int> kContextIds = {10,  210, 220, 230, 240, 250, 260, 270, 280, 290, 300, 410,
                                420, 430, 510, 520, 530, 550, 710, 720, 730, 760, 1010};

struct About {
    explicit About(ProgramVersion version = {1, 0, 0})
        : window(version, sound, prompter, launcher)
    {
    }

    FakeSoundPlayer sound;
    FakePrompter prompter;
    FakeLauncher launcher;
    FrmAbout window;
};

} // namespace

class HelpMenuTest : public QObject {
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
        QVERIFY(viewer.window()->currentPage() != HelpTopics::contentsUrl());
        const QString text = viewer.window()->findChild<QTextBrowser*>("txtHelp")->toPlainText();
        QVERIFY2(text.size() > 300 && text.contains(QStringLiteral("Contents and Index")), qPrintable(text));
        const QString link = QStringLiteral("href=\"topic-%1.html\"").arg(contextId);
        QVERIFY2(HelpTopics::pageHtml(HelpTopics::contentsUrl()).contains(link), qPrintable(link));
    }

    void unknownContextAndEveryCommandOpenTheContentsUntilClosed()
    {
        BuiltInHelp book;
        QtHelpViewer viewer(book);
        viewer.showContext(9999);
        QCOMPARE(viewer.window()->currentPage(), HelpTopics::contentsUrl());
        QVERIFY(viewer.window()->findChild<QTextBrowser*>("txtHelp")->toPlainText().contains("Index"));
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
        const QTextCursor found = window->findChild<QTextBrowser*>("txtHelp")->textCursor();
        QCOMPARE(found.selectedText(), QStringLiteral("Already exists"));
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

    void versionLineUnderTheNameAndTheSound_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<QString>("line");
        QTest::newRow("0.x is beta") << 0 << 9 << "Version 0.9.3 (Beta)";
        QTest::newRow("2.0") << 2 << 0 << "Version 2.0.3";
    }

    // The version line stands under the program's name; the sound plays once
    // the window has been drawn, and again on a click on the version line.
    void versionLineUnderTheNameAndTheSound()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        About about({major, minor, 3});
        QLabel* version = about.window.findChild<QLabel*>("lblVersion");
        QTEST(version->text(), "line");
        QVERIFY(about.window.windowTitle() == QStringLiteral("About Vellicor") && about.window.isModal());
        about.window.show();
        const QRect name = about.window.findChild<QLabel*>("lblTitle")->geometry();
        QVERIFY(name.left() == version->geometry().left() && name.bottom() < version->geometry().top());
        QVERIFY(about.sound.played.isEmpty());
        QTRY_COMPARE(about.sound.played, QStringList{"pelwick.wav"});
        QTest::mouseClick(version, Qt::LeftButton);
        QCOMPARE(about.sound.played, QStringList({"pelwick.wav", "pelwick.wav"}));
    }

    void systemInfoStartsTheFirstInstalledTool_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QString>("started"); // empty: none
        QTest::addColumn<bool>("unavailable");
        QTest::newRow("KDE only") << QStringList{"kinfocenter"} << true << "/usr/bin/kinfocenter" << false;
        QTest::newRow("HardInfo before GNOME")
            << QStringList{"gnome-system-monitor", "hardinfo"} << true << "/usr/bin/hardinfo" << false;
        QTest::newRow("none installed") << QStringList{} << true << "" << true;
        QTest::newRow("fails to start") << QStringList{"hardinfo"} << false << "/usr/bin/hardinfo" << true;
    }

    void systemInfoStartsTheFirstInstalledTool()
    {
        QFETCH(QStringList, installed);
        QFETCH(QString, started);
        QFETCH(bool, unavailable);
        About about;
        for (const QString& tool : installed)
            about.launcher.installed.insert(tool, QStringLiteral("/usr/bin/") + tool);
        QFETCH(bool, starts);
        about.launcher.starts = starts;
        about.window.findChild<QPushButton*>("cmdSysInfo")->click();
        QCOMPARE(about.launcher.started, started.isEmpty() ? QStringList() : QStringList{started});
        QCOMPARE(about.prompter.prompts.size(), unavailable ? 1 : 0);
        if (unavailable)
            QCOMPARE(about.prompter.prompts.first().text, QStringLiteral("System Information Is Unavailable At This Time"));
    }

    void soundIsBuiltIntoTheProgram()
    {
        initWindowsResources();
        const QUrl source = QtSoundPlayer::sourceFor(QStringLiteral("pelwick.wav"));
        QCOMPARE(source.scheme(), QStringLiteral("qrc"));
        QFile wav(QLatin1Char(':') + source.path());
        QVERIFY(wav.open(QIODevice::ReadOnly));
        const QByteArray bytes = wav.readAll();
        QVERIFY(bytes.size() > 8000);
        QCOMPARE(bytes.left(4) + bytes.mid(8, 4), QByteArray("RIFFWAVE"));
        QVERIFY(QtSoundPlayer::sourceFor(QStringLiteral("/no/such/sound.wav")).isEmpty());
    }
};

QTEST_MAIN(HelpMenuTest)
#include "tst_help.moc"
