// The NTS form's own field rules; what it shares with the ARES form is
// checked in MessageFormTest.
#include "MessageFormFixture.h"
#include "traffic/nts/FrmNTS.h"

#include <QComboBox>
#include <QLabel>
#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

using FormUnderTest = MessageFormFixture<FrmNTS>;

namespace {

// Types characters that have no key of their own on the test keyboard.
void typeCharacters(QWidget* box, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace

class FrmNTSTest : public QObject {
    Q_OBJECT
private slots:
    void typedPrecedenceAndHandlingAreKeptAsTyped();
    void leavingTheTextVerifiesTheCheck();
    void saveAsShowsTheFieldsAsSaved();
    void receivedRadiogramShowsWhetherItsCheckAgrees();
};

// The lists offer entries but never complete what is typed: a typed "e"
// goes out as "e", not as "Emergency".
void FrmNTSTest::typedPrecedenceAndHandlingAreKeptAsTyped()
{
    FormUnderTest ui;
    auto* precedence = ui.child<QComboBox>("cmbPrecedence");
    auto* handling = ui.child<QComboBox>("cmbHX");
    QVERIFY(ui.activate());
    precedence->setFocus();
    precedence->clearEditText();
    QTest::keyClicks(precedence, QStringLiteral("e"));
    QTest::keyClick(precedence, Qt::Key_Return);
    handling->setFocus();
    QTest::keyClicks(handling, QStringLiteral("hx"));
    QTest::keyClick(handling, Qt::Key_Return);
    QCOMPARE(precedence->currentText(), QStringLiteral("e"));
    QCOMPARE(handling->currentText(), QStringLiteral("hx"));
    ui.globals.gBypassConv = true;
    ui.fakes.link.open();
    ui.trigger("mnuSend");
    QVERIFY(ui.fakes.link.written.contains("\r e hx  "));
}

void FrmNTSTest::leavingTheTextVerifiesTheCheck()
{
    FormUnderTest ui;
    QVERIFY(ui.activate());
    ui.box("txtMessage")->setFocus();
    QTest::keyClicks(ui.box("txtMessage"), QStringLiteral("ARRIVED SAFE"));
    QTest::keyClick(ui.box("txtMessage"), Qt::Key_Return);
    QTest::keyClicks(ui.box("txtMessage"), QStringLiteral("LOVE"));
    typeCharacters(ui.box("txtMessage"), QStringLiteral("\u00A0")); // a no-break space joins a word
    QTest::keyClicks(ui.box("txtMessage"), QStringLiteral("BOB"));
    QTest::keyClick(ui.box("txtMessage"), Qt::Key_Tab);
    QCOMPARE(ui.line("txtCheck")->text(), QStringLiteral("3"));
    QVERIFY(ui.fakes.prompter.prompts.isEmpty());

    ui.line("txtCheck")->setText(QStringLiteral("ARL 3"));
    ui.box("txtMessage")->setFocus();
    QTest::keyClicks(ui.box("txtMessage"), QStringLiteral(" XOXO"));
    ui.fakes.prompter.answers = {PromptAnswer::Yes};
    ui.line("txtSigned")->setFocus(Qt::MouseFocusReason);
    QCOMPARE(ui.fakes.prompter.prompts.size(), 1);
    QCOMPARE(ui.line("txtCheck")->text(), QStringLiteral("ARL 4"));
}

// Saving fills in the check and formats the phone, and the form shows them.
void FrmNTSTest::saveAsShowsTheFieldsAsSaved()
{
    QTemporaryDir dir;
    FormUnderTest ui;
    const QString path = dir.filePath(QStringLiteral("NTS7.txt"));
    ui.line("txtMsgNum")->setText(QStringLiteral("7"));
    ui.line("txtPhone")->setText(QStringLiteral("3035551212"));
    ui.fakes.dialogs.fileAnswers = {path};
    ui.trigger("mnuFileSaveAs");
    QCOMPARE(ui.line("txtCheck")->text(), QStringLiteral("0"));
    QCOMPARE(ui.line("txtPhone")->text(), QStringLiteral("(303) 555-1212"));
    QVERIFY(fileBytes(path).startsWith("007\r\nR (Routine)\r\n\r\n\r\n0\r\n"));
}

// The verdict follows the text; the received check is never changed.
void FrmNTSTest::receivedRadiogramShowsWhetherItsCheckAgrees()
{
    FormUnderTest ui;
    Radiogram received;
    received.check = QStringLiteral("ARL 4");
    received.message = QStringLiteral("ARL FIFTY\r\nLOVE BOB\r\n");
    ui.form.openReceived(received);
    auto* verdict = ui.child<QLabel>("labCheckVerdict");
    QCOMPARE(verdict->text(), QStringLiteral("Check ARL 4 agrees with the text"));
    ui.box("txtMessage")->moveCursor(QTextCursor::End);
    QTest::keyClicks(ui.box("txtMessage"), QStringLiteral("XOXO"));
    QCOMPARE(verdict->text(), QStringLiteral("Check ARL 4, text has 5 words"));
    QCOMPARE(ui.line("txtCheck")->text(), QStringLiteral("ARL 4"));
    ui.fakes.prompter.answers = {PromptAnswer::Yes};
    ui.trigger("mnuFileNew");
    QCOMPARE(verdict->text(), QString());
}

QTEST_MAIN(FrmNTSTest)
#include "FrmNTSTest.moc"
