#include "MessageFormFixture.h"
#include "traffic/common/SendOptionsDialog.h"
#include "traffic/nts/FrmNTS.h"
#include "traffic/nts/Radiogram.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {

// The form of the complete example as a message file, number "12".
const QByteArray kExampleFile = "12\r\nR (Routine)\r\n\r\nW1AW\r\n4\r\nDENVER CO\r\n1430Z\r\n12/05/2026\r\n"
                                "JOHN DOE\r\n12 MAIN ST .AA.\r\nBOULDER\r\nCO\r\n80302\r\n(303) 555-1212 .BT.\r\n"
                                "ARRIVED SAFE LOVE BOB .BT.\r\nMARY\r\n";

// What the TNC receives for it: the number goes out as the file gives it,
// formatted "000".
const QByteArray kExampleBytes = QByteArray("\x03") + "CONV\r" + "ST 80302 @NTSCO\r" + "QTC 1 BOULDER, CO\r"
    + "012 R  W1AW 4 DENVER CO 1430Z 12/05/2026\r" + "\r" + "JOHN DOE\r" + "12 MAIN ST\r"
    + "BOULDER, CO, 80302\r" + "(303) 555-1212  BT\r" + "\r" + "ARRIVED SAFE LOVE BOB\r\n" + "  BT\r" + "\r"
    + "MARY\r\x1a" + "\r";

using FormUnderTest = MessageFormFixture<FrmNTS>;

QString openExample(FormUnderTest& ui, const QTemporaryDir& dir)
{
    return ui.openFile(dir, QStringLiteral("NTS12.txt"), kExampleFile);
}

} // namespace

class FrmNTSTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithRoutinePrecedenceAndToday();
    void typedLettersBecomeCapitalsInStationStateAndZip();
    void leavingFieldsCleansThemUp();
    void leavingTheTextVerifiesTheCheck();
    void newAsksBeforeClearing();
    void openedFileIsSentByteForByte();
    void sendWithClosedPortWritesNothingAndChangesNothing();
    void sendLostPartwayKeepsTheFormShown();
    void saveAsNamesTheFileOnTheForm();
    void printGoesToThePrintService();
    void optionsDialogReflowsTheFormsText();
};

void FrmNTSTest::startsWithRoutinePrecedenceAndToday()
{
    FormUnderTest ui;
    QCOMPARE(ui.form.windowTitle(), QStringLiteral("Vellicor NTS Message "));
    QCOMPARE(ui.child<QComboBox>("cmbPrecedence")->currentText(), QStringLiteral("R (Routine)"));
    QCOMPARE(ui.child<QComboBox>("cmbPrecedence")->count(), 4);
    QCOMPARE(ui.child<QComboBox>("cmbPrecedence")->itemText(1), QStringLiteral("W (H & W)"));
    QCOMPARE(ui.child<QComboBox>("cmbHX")->currentText(), QString());
    QCOMPARE(ui.child<QComboBox>("cmbHX")->itemText(6), QStringLiteral("HXG"));
    QCOMPARE(ui.line("txtDateFiled")->text(), QStringLiteral("12/05/2026"));
    Radiogram expected;
    expected.dateFiled = QStringLiteral("12/05/2026");
    QCOMPARE(ui.form.radiogram(), expected);
    QVERIFY(!ui.child<QAction>("mnuFileSave")->isEnabled());
    QCOMPARE(ui.child<QLabel>("labFileName")->text(), QString());
}

void FrmNTSTest::typedLettersBecomeCapitalsInStationStateAndZip()
{
    FormUnderTest ui;
    QTest::keyClicks(ui.line("txtState"), QStringLiteral("co"));
    QTest::keyClicks(ui.line("txtStation"), QStringLiteral("w1aw/2"));
    QTest::keyClicks(ui.line("txtZip"), QStringLiteral("k1a 0b1"));
    QTest::keyClicks(ui.line("txtPlace"), QStringLiteral("denver"));
    QCOMPARE(ui.line("txtState")->text(), QStringLiteral("CO"));
    QCOMPARE(ui.line("txtStation")->text(), QStringLiteral("W1AW/2"));
    QCOMPARE(ui.line("txtZip")->text(), QStringLiteral("K1A 0B1"));
    QCOMPARE(ui.line("txtPlace")->text(), QStringLiteral("denver"));
}

void FrmNTSTest::leavingFieldsCleansThemUp()
{
    FormUnderTest ui;
    QVERIFY(ui.activate());
    ui.line("txtMsgNum")->setFocus();
    QTest::keyClicks(ui.line("txtMsgNum"), QStringLiteral(" 5 "));
    QTest::keyClick(ui.line("txtMsgNum"), Qt::Key_Tab);
    QCOMPARE(ui.line("txtMsgNum")->text(), QStringLiteral("005"));

    ui.line("txtPhone")->setFocus();
    QTest::keyClicks(ui.line("txtPhone"), QStringLiteral("3035551212"));
    ui.line("txtSigned")->setFocus(Qt::MouseFocusReason);
    QCOMPARE(ui.line("txtPhone")->text(), QStringLiteral("(303) 555-1212"));

    ui.line("txtPhone")->setText(QStringLiteral("303-555-1212"));
    ui.line("txtPhone")->setFocus();
    ui.line("txtSigned")->setFocus(Qt::TabFocusReason);
    QCOMPARE(ui.line("txtPhone")->text(), QStringLiteral("303-555-1212"));
    QVERIFY(ui.fakes.prompter.prompts.isEmpty());
}

void FrmNTSTest::leavingTheTextVerifiesTheCheck()
{
    FormUnderTest ui;
    QVERIFY(ui.activate());
    ui.box("txtMessage")->setFocus();
    QTest::keyClicks(ui.box("txtMessage"), QStringLiteral("ARRIVED SAFE"));
    QTest::keyClick(ui.box("txtMessage"), Qt::Key_Return);
    QTest::keyClicks(ui.box("txtMessage"), QStringLiteral("LOVE BOB"));
    QTest::keyClick(ui.box("txtMessage"), Qt::Key_Tab);
    QCOMPARE(ui.line("txtCheck")->text(), QStringLiteral("4"));
    QVERIFY(ui.fakes.prompter.prompts.isEmpty());

    ui.line("txtCheck")->setText(QStringLiteral("ARL 4"));
    ui.box("txtMessage")->setFocus();
    QTest::keyClicks(ui.box("txtMessage"), QStringLiteral(" XOXO"));
    ui.fakes.prompter.answers = {PromptAnswer::Yes};
    ui.line("txtSigned")->setFocus(Qt::MouseFocusReason);
    QCOMPARE(ui.fakes.prompter.prompts.size(), 1);
    QCOMPARE(ui.line("txtCheck")->text(), QStringLiteral("ARL 5"));
}

void FrmNTSTest::newAsksBeforeClearing()
{
    QTemporaryDir dir;
    FormUnderTest ui;
    const QString path = openExample(ui, dir);
    const Radiogram opened = ui.form.radiogram();
    ui.fakes.prompter.answers = {PromptAnswer::No};
    ui.trigger("mnuFileNew");
    QCOMPARE(ui.fakes.prompter.prompts.last().text, QStringLiteral("Clear all information on the NTS screen?"));
    QCOMPARE(ui.fakes.prompter.prompts.last().buttons, PromptButtons::YesNo);
    QCOMPARE(ui.form.radiogram(), opened);
    QVERIFY(ui.child<QAction>("mnuFileSave")->isEnabled());

    ui.fakes.clock.utc = QDateTime(QDate(2027, 1, 2), QTime(12, 0), Qt::UTC);
    ui.trigger("mnuFileNew");
    QCOMPARE(ui.form.radiogram(), Radiogram::cleared(QDate(2027, 1, 2)));
    QVERIFY(!ui.child<QAction>("mnuFileSave")->isEnabled());
    QCOMPARE(ui.child<QLabel>("labFileName")->text(), path);
}

void FrmNTSTest::openedFileIsSentByteForByte()
{
    QTemporaryDir dir;
    FormUnderTest ui;
    openExample(ui, dir);
    ui.fakes.link.open();
    ui.trigger("mnuSend");
    QCOMPARE(ui.fakes.link.written, kExampleBytes);
    QCOMPARE(ui.fakes.pauser.pauses, (QList<double>{0.5, 1.0}));
    QCOMPARE(ui.fakes.prompter.prompts.size(), 2);
    QCOMPARE(ui.fakes.prompter.prompts[0].text, QStringLiteral("Send the NTS formatted traffic now?"));
    QVERIFY(ui.fakes.prompter.prompts[1].text.startsWith(QStringLiteral("Message is transmitting.")));
    QVERIFY(!ui.form.isVisible());
    QCOMPARE(ui.box("txtMessage")->toPlainText(), QStringLiteral("ARRIVED SAFE LOVE BOB\n"));
}

void FrmNTSTest::sendWithClosedPortWritesNothingAndChangesNothing()
{
    FormUnderTest ui;
    ui.globals.gNtsLineWidth = 10;
    ui.box("txtMessage")->setPlainText(QStringLiteral("ARRIVED SAFE LOVE BOB"));
    ui.box("txtAddress")->setPlainText(QStringLiteral("12 MAIN ST\n\n"));
    const Radiogram before = ui.form.radiogram();
    ui.trigger("mnuSend");
    QVERIFY(ui.fakes.link.written.isEmpty());
    QVERIFY(ui.fakes.pauser.pauses.isEmpty());
    QCOMPARE(ui.fakes.prompter.prompts.size(), 2);
    QCOMPARE(ui.fakes.prompter.prompts[1].text, QStringLiteral("The serial port is not open. The message was not sent."));
    QCOMPARE(ui.fakes.prompter.prompts[1].title, QStringLiteral("Vellicor"));
    QCOMPARE(ui.fakes.prompter.prompts[1].icon, PromptIcon::Exclamation);
    QCOMPARE(ui.form.radiogram(), before);
    QVERIFY(ui.form.isVisible());
}

void FrmNTSTest::sendLostPartwayKeepsTheFormShown()
{
    QTemporaryDir dir;
    FormUnderTest ui;
    openExample(ui, dir);
    ui.fakes.link.open();
    ui.fakes.pauser.during = [&](double) {
        if (ui.fakes.link.isOpen())
            ui.fakes.link.close();
    };
    ui.trigger("mnuSend");
    QCOMPARE(ui.fakes.link.written, QByteArray("\x03" "CONV\r"));
    QCOMPARE(ui.fakes.pauser.pauses, (QList<double>{0.5, 1.0}));
    QCOMPARE(ui.fakes.prompter.prompts.last().text,
             QStringLiteral("The serial port closed during the transmission. The message was not completely sent."));
    QVERIFY(ui.form.isVisible());
}

void FrmNTSTest::saveAsNamesTheFileOnTheForm()
{
    QTemporaryDir dir;
    FormUnderTest ui;
    const QString path = dir.filePath(QStringLiteral("NTS7.txt"));
    ui.line("txtMsgNum")->setText(QStringLiteral("7"));
    ui.line("txtPhone")->setText(QStringLiteral("3035551212"));
    ui.fakes.dialogs.fileAnswers = {path};
    ui.trigger("mnuFileSaveAs");
    QCOMPARE(ui.child<QLabel>("labFileName")->text(), path);
    QVERIFY(ui.child<QAction>("mnuFileSave")->isEnabled());
    QCOMPARE(ui.line("txtCheck")->text(), QStringLiteral("0"));
    QCOMPARE(ui.line("txtPhone")->text(), QStringLiteral("(303) 555-1212"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("007\r\nR (Routine)\r\n\r\n\r\n0\r\n"));
}

void FrmNTSTest::printGoesToThePrintService()
{
    QTemporaryDir dir;
    FormUnderTest ui;
    openExample(ui, dir);
    ui.trigger("mnuFilePrint");
    QCOMPARE(ui.fakes.printer.jobs.size(), 1);
    QCOMPARE(ui.fakes.printer.jobs[0].lines.value(1),
             QStringLiteral("Num 012 R (Routine)  W1AW 4 DENVER CO 1430Z  12/05/2026"));
    QCOMPARE(ui.fakes.printer.jobs[0].lines.value(8), QStringLiteral("ARRIVED SAFE LOVE BOB .BT."));
}

void FrmNTSTest::optionsDialogReflowsTheFormsText()
{
    FormUnderTest ui;
    ui.box("txtMessage")->setPlainText(QStringLiteral("ab cd"));
    bool seen = false;
    QTimer::singleShot(0, &ui.form, [&] {
        auto* dialog = qobject_cast<SendOptionsDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen = dialog->windowTitle() == QStringLiteral("Vellicor NTS Options");
        dialog->findChild<QLineEdit*>(QStringLiteral("txtLineWidth"))->setText(QStringLiteral("4"));
        dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    });
    ui.trigger("mnuOptions");
    QVERIFY(seen);
    QCOMPARE(ui.globals.gNtsLineWidth, 4);
    QCOMPARE(ui.box("txtMessage")->toPlainText(), QStringLiteral("ab \ncd\n"));
}

QTEST_MAIN(FrmNTSTest)
#include "FrmNTSTest.moc"
