#include "Controls.h"
#include "E2eFixture.h"
#include "TestFiles.h"
#include "app/FindBar.h"
#include "platform/qt/QtPrintService.h"

#include <QCheckBox>
#include <QDialog>
#include <QtTest>
#include <QWindow>

using namespace vellicor;
using namespace vellicor::test;

namespace {

// Keeps the window from hearing that it became active, as under a window
// manager that never activates it.
class ActivationBlocker : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::ActivationChange; }
};

} // namespace

// The main window's own wiring, over fake outside objects, and its printouts.
class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    // The script ends its busy cursor and sets up the User menu's channels;
    // Options runs it again; Edit opens the clipboard editor.
    void aWindowNeverActivatedStillOpensThePortAndRunsTheStartupScript()
    {
        FakeProgram program;
        writeBytes(program.folder.filePath(QStringLiteral("VellicorStartup.txt")), "MYCALL N0CALL\r\n");
        ActivationBlocker neverActivated;
        program.create().installEventFilter(&neverActivated);
        program.window->show();
        QTRY_COMPARE(program.fakes.link.written, QByteArray("MYCALL N0CALL\r"));
        QTRY_VERIFY(!QApplication::overrideCursor());
        program.window->findChildren<QAction*>(QStringLiteral("MnuChannel")).value(1)->trigger();
        QCOMPARE(program.fakes.link.written, QByteArray("MYCALL N0CALL\r\x01" "B"));
        named<QAction>(*program.window, QStringLiteral("mnuOptionsInitStartup"))->trigger();
        QTRY_VERIFY(program.fakes.link.written.endsWith("B" "MYCALL N0CALL\r"));
        named<QAction>(*program.window, QStringLiteral("mnuEditEditClipboard"))->trigger();
        QVERIFY(named<QWidget>(*program.window, QStringLiteral("frmClipboard"))->isVisible());
    }

    // Typing in the receive pane goes on in the send box. "&TORMEL..." and
    // "&Tactical Call..." share Alt+T: each press highlights the next of
    // them, and Enter runs the one highlighted.
    void keysOnTheMainWindow()
    {
        FakeProgram program;
        QVERIFY(program.start());
        FrmPacket& window = *program.window;
        sendBox(window).setText(QStringLiteral("CONN"));
        receiveView(window).setFocus();
        QTest::keyClicks(&receiveView(window), QStringLiteral("ECT"));
        QVERIFY(sendBox(window).text() == QStringLiteral("CONNECT") && sendBox(window).hasFocus());
        QString opened;
        QTimer::singleShot(0, &window, [&opened] { // the first dialog any key opens
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                opened = dialog->objectName();
                dialog->close();
            }
        });
        QTest::keyClick(&window, Qt::Key_T, Qt::AltModifier);
        QCOMPARE(window.menuBar()->activeAction(), named<QAction>(window, QStringLiteral("mnuTORMEL")));
        QTest::keyClick(&window, Qt::Key_T, Qt::AltModifier);
        QCOMPARE(window.menuBar()->activeAction(), named<QAction>(window, QStringLiteral("mnuTacticalCall")));
        QTest::keyClick(&window, Qt::Key_Return);
        QCOMPARE(opened, QStringLiteral("frmTactical"));
    }

    // Ctrl+Shift+T opens an ARES message the same way.
    void receivedRadiogramOpensInTheNtsForm()
    {
        FakeProgram program;
        QVERIFY(program.start());
        program.fakes.link.receive("12 R W1AW 4 DENVER 12/05/2026\r\nJOHN DOE\r\n12 MAIN ST\r\n"
                                   "BOULDER, CO, 80302\r\n  BT\r\nARRIVED SAFE  BT\r\nMARY\r\n");
        named<QAction>(*program.window, QStringLiteral("mnuFileOpenAsRadiogram"))->trigger();
        const QWidget* form = named<QWidget>(*program.window, QStringLiteral("frmNTS"));
        QVERIFY(form && form->isVisible());
        QCOMPARE(named<QLineEdit>(*form, QStringLiteral("txtName"))->text(), QStringLiteral("JOHN DOE"));
        program.fakes.link.receive("TO: (EOC) Net\r\nFROM: (W1AW) S\r\nHI\r\nEND MSG SENT 1420 BY W1AW\r\n");
        QTest::keyClick(program.window.get(), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(named<QWidget>(*program.window, QStringLiteral("frmTORMEL"))->isVisible());
    }

    // Exit and the close box ask; No keeps the program and its other
    // windows; Yes closes them, unloads once and closes the port.
    void closeBoxAsksBeforeUnloading()
    {
        FakeProgram program;
        QVERIFY(program.start());
        QWidget other;
        other.show();
        program.fakes.prompter.answers = {PromptAnswer::No, PromptAnswer::No, PromptAnswer::Yes};
        QSignalSpy shutdown(program.window.get(), &FrmPacket::shutdownScriptRequested);
        named<QAction>(*program.window, QStringLiteral("mnuExit"))->trigger(); // asks as the close box does
        QVERIFY(!program.window->windowHandle()->close()); // the close box
        QCOMPARE(program.fakes.prompter.prompts.size(), 2);
        QCOMPARE(program.fakes.prompter.prompts[0].text, QStringLiteral("Exit Vellicor?"));
        QVERIFY(program.fakes.link.isOpen() && other.isVisible());

        named<QAction>(*program.window, QStringLiteral("mnuExit"))->trigger();
        QCOMPARE(program.fakes.prompter.prompts.size(), 3); // Yes is not asked again on closing
        QVERIFY(!program.window->isVisible());
        QCOMPARE(shutdown.count(), 1);
        QVERIFY(!program.fakes.link.isOpen() && !other.isVisible());
        program.window->close();
        QCOMPARE(shutdown.count(), 1);
    }

    void findSelectsMatchesAndSuspendsScrolling()
    {
        FakeProgram program;
        QVERIFY(program.start());
        FrmPacket& window = *program.window;
        program.fakes.link.receive("N0BBS> msg 12 from W1AW\r\nN0BBS> msg 13 from w1aw\r\n");
        named<QAction>(window, QStringLiteral("mnuFileFind"))->trigger();
        FindBar& find = *named<FindBar>(window, QStringLiteral("findBar"));
        QVERIFY(find.isVisible());
        const auto click = [&find](const QString& caption) {
            for (QPushButton* b : find.findChildren<QPushButton*>())
                if (b->text() == caption)
                    b->click();
        };
        find.input().setText(QStringLiteral("W1AW"));
        find.matchCase().setChecked(true);
        QTest::keyClick(&find.input(), Qt::Key_Return);
        QCOMPARE(receiveView(window).textCursor().selectedText(), QStringLiteral("W1AW"));
        const int first = receiveView(window).textCursor().position();
        QCOMPARE(button(window, QStringLiteral("cmdScroll")).text(), QStringLiteral("Activate Scroll"));
        click(QStringLiteral("&Next")); // only one match with the case matched: wraps to it again
        QCOMPARE(receiveView(window).textCursor().position(), first);
        find.matchCase().setChecked(false);
        click(QStringLiteral("&Next"));
        QVERIFY(receiveView(window).textCursor().position() > first);
        click(QStringLiteral("Pre&vious"));
        QCOMPARE(receiveView(window).textCursor().position(), first);
        find.input().setText(QStringLiteral("K1ABC"));
        QVERIFY(!find.find(true));
    }

    // The port panels follow the Properties dialog; Restart Port opens the
    // port again; the system's request to end closes without the question.
    void portPanelsRestartPortAndSystemEnd()
    {
        FakeProgram program;
        QVERIFY(program.start());
        QTimer::singleShot(0, this, [&program] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog && dialog->objectName() == QStringLiteral("frmProperties"));
            QCOMPARE(program.globals.gPropertiesTab, 1);
            program.fakes.link.close();
            program.fakes.link.setPortNumber(5);
            program.fakes.link.setSettings(QStringLiteral("4800,E,7,1"));
            static_cast<QDialog*>(dialog)->reject();
        });
        named<QAction>(*program.window, QStringLiteral("mnuComPort"))->trigger();
        QCOMPARE(panel(*program.window, QStringLiteral("Com Port")).text(), QStringLiteral("Com Port: 5"));
        QCOMPARE(panel(*program.window, QStringLiteral("Settings")).text(), QStringLiteral("Settings: 4800,E,7,1"));
        named<QPushButton>(*program.window, QStringLiteral("cmdRestartPort"))->click();
        QVERIFY(program.fakes.link.isOpen());
        program.window->closeForSystem();
        QVERIFY(program.fakes.prompter.prompts.isEmpty());
        QVERIFY(!program.window->isVisible() && !program.fakes.link.isOpen());
    }

    void receiveIndicatorTurnsRedOnDataUntilTheClockTicks()
    {
        FakeProgram program;
        QVERIFY(program.start());
        const auto* indicator = named<QFrame>(*program.window, QStringLiteral("shpInput"));
        const QColor normal = indicator->palette().color(QPalette::Window);
        program.fakes.link.receive("cmd:");
        QCOMPARE(indicator->palette().color(QPalette::Window), QColor(255, 0, 0));
        QTRY_COMPARE(indicator->palette().color(QPalette::Window), normal); // the next tick of the clock
    }

    // The pane colours of the preferences, and red on the scroll button while
    // received text is held.
    void coloursReachBothPanesAndTheScrollButton()
    {
        FakeProgram program;
        program.fakes.settings.values = {{"Properties/TextReceivedBackColor", "65280"},
                                         {"Properties/TextSentBoxForeColor", "255"},
                                         {"Properties/TextSentBoxBackColor", "16711680"}};
        QVERIFY(program.start());
        FrmPacket& window = *program.window;
        sendBox(window).ensurePolished();
        QCOMPARE(receiveView(window).palette().color(QPalette::Base), QColor(0, 255, 0));
        QCOMPARE(sendBox(window).palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(sendBox(window).palette().color(QPalette::Base), QColor(0, 0, 255));

        QTimer::singleShot(0, &window, [] { // the colour dialog of the receive background starts at its colour
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            named<QAbstractButton>(*dialog, QStringLiteral("optColor3"))->click();
            named<QAbstractButton>(*dialog, QStringLiteral("cmdSelectColor"))->click();
            dialog->close();
        });
        named<QAction>(window, QStringLiteral("mnuOptionsPreferences"))->trigger();
        QCOMPARE(program.fakes.dialogs.colorInitials, QList<quint32>{65280});

        QPushButton& scroll = button(window, QStringLiteral("cmdScroll"));
        const QColor normal = scroll.palette().color(QPalette::Button);
        scroll.click(); // "Suspend Scroll"
        program.fakes.link.receive("held");
        scroll.ensurePolished();
        QCOMPARE(scroll.palette().color(QPalette::Button), QColor(255, 0, 0));
        named<QAction>(window, QStringLiteral("mnuActivateScroll"))->trigger();
        scroll.ensurePolished();
        QCOMPARE(scroll.palette().color(QPalette::Button), normal);
    }

    // Printouts are PDF files, each of its own, when VELLICOR_PRINT_DIR names a folder.
    void printoutsAreWrittenAsPdfIntoThePrintFolder()
    {
        QTemporaryDir folder;
        qputenv("VELLICOR_PRINT_DIR", folder.path().toLocal8Bit());
        FakePrompter prompter;
        FakeFileDialogs dialogs;
        QtPrintService printer(prompter, dialogs);
        PrintJob job;
        job.lines = {QString(), QStringLiteral("Num 007 Emergency HXG W1AW 4 DENVER CO 14:30Z  12/05/2026")};
        QVERIFY(printer.print(job) && printer.print(job));
        const QStringList pdfs = QDir(folder.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files);
        QCOMPARE(pdfs.size(), 2);
        QVERIFY(fileBytes(folder.filePath(pdfs.first())).startsWith("%PDF-") && prompter.prompts.isEmpty());
        qunsetenv("VELLICOR_PRINT_DIR");
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
