#include "MessageFormFixture.h"
#include "traffic/ares/AresMessage.h"
#include "traffic/ares/FrmTORMEL.h"
#include "traffic/common/SendOptionsDialog.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {

const QString kSlashed = QString(QChar(0x00D8));

// The complete message file example, the slashed zero as byte 216.
const QByteArray kExampleFile = "R, Shelter status\r\n"
                                "12/05/2026    14:05\r\n"
                                "\r\n"
                                "TO:    (EOC) Net control\r\n"
                                "FROM:  (SHELTER1) Shelter manager, Red Cross\r\n"
                                "\r\n"
                                "All quiet.\r\n"
                                "Need 20 cots.\r\n"
                                "END MSG SENT 14:20 BY N\xd8" "CALL\r\n";

// What the TNC receives when that file is opened and sent.
const QByteArray kExampleBytes = QByteArray("\x03") + "CONV\r" + "S EOC\r" + "R, Shelter status\r"
    + "12/05/2026    14:05\r" + "\r" + "TO:   (EOC) Net control\r" + "FROM: (SHELTER1) Shelter manager, Red Cross\r"
    + "\r" + "All quiet.\r\nNeed 20 cots.\r\n\r" + "END MSG SENT 14:20    BY N0CALL\r\x1a" + "\r";

struct FormUnderTest : MessageFormFixture<FrmTORMEL> {
    QPlainTextEdit* text() { return box("txtMessage"); }
    QComboBox* priority() { return child<QComboBox>("cboPriority"); }
    QString priorityLabel() { return child<QLabel>("labPriority")->text(); }
    QString openFile(const QTemporaryDir& dir, const QByteArray& bytes)
    {
        return MessageFormFixture::openFile(dir, QStringLiteral("TORMELM1.txt"), bytes);
    }
};

} // namespace

class FrmTORMELTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithRoutinePriorityAndToday();
    void typedPriorityStandsInCapitalsWithItsMeaning();
    void onlyCallSignFieldsTakeSlashedZeros();
    void enteringAOneLineFieldSelectsItsText();
    void newAsksBeforeClearing();
    void openedFileIsSentByteForByte();
    void sentTimeComesFromTheClockAndTheCallFromFrom();
    void sendAnsweredNoOrWithClosedPortChangesNothing();
    void printGoesToThePrintService();
    void optionsDialogReflowsTheFormsText();
};

void FrmTORMELTest::startsWithRoutinePriorityAndToday()
{
    FormUnderTest ui;
    QCOMPARE(ui.form.windowTitle(), QStringLiteral("Vellicor TORMEL Message "));
    QCOMPARE(ui.priority()->count(), 4);
    QCOMPARE((QStringList{ui.priority()->itemText(0), ui.priority()->itemText(1), ui.priority()->itemText(2),
                          ui.priority()->itemText(3)}),
             (QStringList{"R", "W", "P", "E"}));
    QCOMPARE(ui.priorityLabel(), QStringLiteral("(Routine)"));
    // Local time is 07:43 on 12/05/2026; the time field stays empty.
    AresMessage expected;
    expected.date = QStringLiteral("12/05/2026");
    QCOMPARE(ui.form.message(), expected);
    QVERIFY(!ui.child<QAction>("mnuFileSave")->isEnabled());
    QCOMPARE(ui.child<QLabel>("labFileName")->text(), QString());
}

void FrmTORMELTest::typedPriorityStandsInCapitalsWithItsMeaning()
{
    FormUnderTest ui;
    ui.priority()->clearEditText();
    QCOMPARE(ui.priorityLabel(), QString());
    QTest::keyClicks(ui.priority(), QStringLiteral("p"));
    QCOMPARE(ui.priority()->currentText(), QStringLiteral("P"));
    QCOMPARE(ui.priorityLabel(), QStringLiteral("(Priority)"));
    QTest::keyClicks(ui.priority(), QStringLiteral("w"));
    QCOMPARE(ui.priority()->currentText(), QStringLiteral("PW"));
    QCOMPARE(ui.priorityLabel(), QString());
    QTest::keyClick(ui.priority(), Qt::Key_Backspace);
    QTest::keyClick(ui.priority(), Qt::Key_Backspace);
    QTest::keyClicks(ui.priority(), QStringLiteral("x"));
    QCOMPARE(ui.priorityLabel(), QString());
    ui.priority()->setCurrentIndex(1);
    QCOMPARE(ui.priority()->currentText(), QStringLiteral("W"));
    QCOMPARE(ui.priorityLabel(), QStringLiteral("(Health and Wealfare)"));
    ui.priority()->setEditText(QStringLiteral("e"));
    QCOMPARE(ui.priority()->currentText(), QStringLiteral("E"));
    QCOMPARE(ui.priorityLabel(), QStringLiteral("(Emergency)"));
}

void FrmTORMELTest::onlyCallSignFieldsTakeSlashedZeros()
{
    FormUnderTest ui;
    for (const char* name : {"txtTo", "txtFrom", "txtBy"}) {
        QTest::keyClicks(ui.line(name), QStringLiteral("n0callx"));
        QTest::keyClick(ui.line(name), Qt::Key_Backspace);
        QCOMPARE(ui.line(name)->text(), "N" + kSlashed + "CALL");
    }
    for (const char* name : {"txtToName", "txtFromName", "txtSubject", "txtMsgSentTime"}) {
        QTest::keyClicks(ui.line(name), QStringLiteral("n0call"));
        QCOMPARE(ui.line(name)->text(), QStringLiteral("n0call"));
    }
    QTest::keyClicks(ui.text(), QStringLiteral("n0call"));
    QCOMPARE(ui.text()->toPlainText(), QStringLiteral("n0call"));
}

void FrmTORMELTest::enteringAOneLineFieldSelectsItsText()
{
    FormUnderTest ui;
    QVERIFY(ui.activate());
    ui.line("txtSubject")->setText(QStringLiteral("Shelter status"));
    ui.line("txtFrom")->setText(QStringLiteral("SHELTER1"));
    ui.line("txtSubject")->setFocus(Qt::OtherFocusReason);
    QCOMPARE(ui.line("txtSubject")->selectedText(), QStringLiteral("Shelter status"));
    ui.line("txtFrom")->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(ui.line("txtFrom"), QStringLiteral("eoc"));
    QCOMPARE(ui.line("txtFrom")->text(), QStringLiteral("EOC"));

    ui.text()->setPlainText(QStringLiteral("All quiet."));
    ui.text()->setFocus(Qt::OtherFocusReason);
    QVERIFY(!ui.text()->textCursor().hasSelection());
}

void FrmTORMELTest::newAsksBeforeClearing()
{
    QTemporaryDir dir;
    FormUnderTest ui;
    ui.openFile(dir, kExampleFile);
    const AresMessage opened = ui.form.message();
    ui.fakes.prompter.answers = {PromptAnswer::No};
    ui.trigger("mnuFileNew");
    QCOMPARE(ui.fakes.prompter.prompts.last().text, QStringLiteral("Clear all information on the TORMEL screen?"));
    QCOMPARE(ui.fakes.prompter.prompts.last().title, QStringLiteral("Vellicor"));
    QCOMPARE(ui.fakes.prompter.prompts.last().buttons, PromptButtons::YesNo);
    QCOMPARE(ui.fakes.prompter.prompts.last().icon, PromptIcon::Question);
    QCOMPARE(ui.form.message(), opened);
    QVERIFY(ui.child<QAction>("mnuFileSave")->isEnabled());

    ui.priority()->setEditText(QStringLiteral("E"));
    ui.fakes.clock.utc = QDateTime(QDate(2027, 1, 2), QTime(3, 0), Qt::UTC); // still Jan 1 locally
    ui.trigger("mnuFileNew");
    QCOMPARE(ui.form.message(), AresMessage::cleared(QDate(2027, 1, 1)));
    QCOMPARE(ui.priorityLabel(), QStringLiteral("(Routine)"));
    QVERIFY(!ui.child<QAction>("mnuFileSave")->isEnabled());
    QCOMPARE(ui.child<QLabel>("labFileName")->text(), QString());
}

void FrmTORMELTest::openedFileIsSentByteForByte()
{
    QTemporaryDir dir;
    FormUnderTest ui;
    const QString path = ui.openFile(dir, kExampleFile);
    QCOMPARE(ui.child<QLabel>("labFileName")->text(), path);
    QCOMPARE(ui.line("txtBy")->text(), "N" + kSlashed + "CALL");
    ui.fakes.link.open();
    ui.trigger("mnuSend");
    QCOMPARE(ui.fakes.link.written, kExampleBytes);
    QCOMPARE(ui.fakes.pauser.pauses, (QList<double>{0.5, 1.0}));
    QCOMPARE(ui.fakes.prompter.prompts.size(), 2);
    QCOMPARE(ui.fakes.prompter.prompts[0].text, QStringLiteral("Send the TORMEL formatted traffic now?"));
    QCOMPARE(ui.fakes.prompter.prompts[1].text,
             QStringLiteral("Message is transmitting.  TNC is now in CONVerse mode.\r\n"
                            "(Ignore 'cmd:' prompt embedded in text or at bottom of main screen.)"));
    QCOMPARE(ui.fakes.prompter.prompts[1].icon, PromptIcon::Information);
    QVERIFY(!ui.form.isVisible());
    QCOMPARE(ui.line("txtBy")->text(), QStringLiteral("N0CALL"));
}

void FrmTORMELTest::sentTimeComesFromTheClockAndTheCallFromFrom()
{
    FormUnderTest ui;
    ui.globals.gBypassConv = true;
    QTest::keyClicks(ui.line("txtTo"), QStringLiteral("eoc"));
    QTest::keyClicks(ui.line("txtFrom"), QStringLiteral("w0xyz"));
    ui.fakes.clock.utc = QDateTime(QDate(2026, 12, 6), QTime(6, 59, 59), Qt::UTC); // 23:59 local
    ui.fakes.link.open();
    ui.trigger("mnuSend");
    QVERIFY(ui.fakes.link.written.startsWith("S EOC\r"));
    QVERIFY(ui.fakes.link.written.endsWith("\r\rEND MSG SENT 23:59    BY W0XYZ\r\x1a\r"));
    QCOMPARE(ui.line("txtMsgSentTime")->text(), QStringLiteral("23:59"));
    QCOMPARE(ui.line("txtFrom")->text(), QStringLiteral("W0XYZ"));
    QCOMPARE(ui.line("txtBy")->text(), QStringLiteral("W0XYZ"));
}

void FrmTORMELTest::sendAnsweredNoOrWithClosedPortChangesNothing()
{
    FormUnderTest ui;
    ui.globals.gAresLineWidth = 5;
    QTest::keyClicks(ui.line("txtTo"), QStringLiteral("n0call"));
    ui.text()->setPlainText(QStringLiteral("All quiet here"));
    const AresMessage before = ui.form.message();

    ui.fakes.prompter.answers = {PromptAnswer::No};
    ui.trigger("mnuSend");
    QCOMPARE(ui.fakes.prompter.prompts.size(), 1);
    QCOMPARE(ui.form.message(), before);

    ui.trigger("mnuSend");
    QVERIFY(ui.fakes.link.written.isEmpty());
    QVERIFY(ui.fakes.pauser.pauses.isEmpty());
    QCOMPARE(ui.fakes.prompter.prompts.size(), 3);
    QCOMPARE(ui.fakes.prompter.prompts[2].text, QStringLiteral("The serial port is not open. The message was not sent."));
    QCOMPARE(ui.fakes.prompter.prompts[2].title, QStringLiteral("Vellicor"));
    QCOMPARE(ui.fakes.prompter.prompts[2].icon, PromptIcon::Exclamation);
    QCOMPARE(ui.form.message(), before);
    QVERIFY(ui.form.isVisible());
}

void FrmTORMELTest::printGoesToThePrintService()
{
    QTemporaryDir dir;
    FormUnderTest ui;
    ui.openFile(dir, kExampleFile);
    const AresMessage before = ui.form.message();
    ui.trigger("mnuFilePrint");
    QCOMPARE(ui.fakes.printer.jobs.size(), 1);
    QCOMPARE(ui.fakes.printer.jobs[0].lines.join(QLatin1String("\r\n")) + "\r\n",
             QString::fromLatin1(kExampleFile));
    QCOMPARE(ui.form.message(), before);
    QVERIFY(ui.fakes.prompter.prompts.isEmpty());
}

void FrmTORMELTest::optionsDialogReflowsTheFormsText()
{
    FormUnderTest ui;
    ui.text()->setPlainText(QStringLiteral("ab cd"));
    bool seen = false;
    QTimer::singleShot(0, &ui.form, [&] {
        auto* dialog = qobject_cast<SendOptionsDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen = dialog->windowTitle() == QStringLiteral("Vellicor TORMEL Options")
            && dialog->findChildren<QRadioButton*>().isEmpty();
        dialog->findChild<QLineEdit*>(QStringLiteral("txtLineWidth"))->setText(QStringLiteral("4"));
        dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    });
    ui.trigger("mnuOptions");
    QVERIFY(seen);
    QCOMPARE(ui.globals.gAresLineWidth, 4);
    QCOMPARE(ui.globals.gNtsLineWidth, 70);
    QCOMPARE(ui.text()->toPlainText(), QStringLiteral("ab \ncd\n"));
}

QTEST_MAIN(FrmTORMELTest)
#include "FrmTORMELTest.moc"
