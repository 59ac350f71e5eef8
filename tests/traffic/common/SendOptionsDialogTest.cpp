#include "Fakes.h"
#include "traffic/common/SendOptionsDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {

// A dialog bound to a message text held by the test.
struct DialogUnderTest {
    DialogUnderTest(Globals& globals, FakePrompter& prompter, QString& text,
                    SendOptionsBinding binding = SendOptionsBindings::nts())
        : dialog(globals, std::move(binding), prompter,
                 MessageTextAccess{[&text] { return text; }, [&text](const QString& t) { text = t; }})
    {
        dialog.show();
    }
    template <typename T>
    T* child(const char* name) { return dialog.findChild<T*>(QString::fromLatin1(name)); }
    void click(const char* name) { child<QPushButton>(name)->click(); }
    void setWidth(const QString& width) { child<QLineEdit>("txtLineWidth")->setText(width); }

    SendOptionsDialog dialog;
};

const QString kLongText = QStringLiteral("THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG");

} // namespace

class SendOptionsDialogTest : public QObject {
    Q_OBJECT
private slots:
    void loadShowsTheSettings();
    void formattingOffDisablesTheWidth();
    void clearingFormattingTakesEffectEvenOnCancel();
    void defaultThenCancelTurnsFormattingOnOnly();
    void applyStoresAndReflowsEachTime();
    void okAppliesAndCloses();
    void widthZeroLeavesTheTextAlone();
    void widthOneBecomesTwoAfterReflow();
    void formattingOffStoresWithoutTouchingTheText();
    void badWidthIsRefusedAndChangesNothing_data();
    void badWidthIsRefusedAndChangesNothing();
    void fractionalWidthIsRounded();
    void aresBindingHasNoSendTypeAndItsOwnSettings();
    void ctrlTabKeepsTheSingleTabSelected();
};

void SendOptionsDialogTest::loadShowsTheSettings()
{
    Globals globals;
    globals.gNtsSendAsTraffic = false;
    globals.gNtsLineWidth = 55;
    FakePrompter prompter;
    QString text;
    DialogUnderTest ui(globals, prompter, text);
    QCOMPARE(ui.dialog.windowTitle(), QStringLiteral("Vellicor NTS Options"));
    QCOMPARE(ui.child<QTabBar>("tbsOptions")->tabText(0), QStringLiteral("Send Options"));
    QCOMPARE(ui.child<QTabBar>("tbsOptions")->count(), 1);
    QVERIFY(!ui.child<QRadioButton>("optSendST")->isChecked());
    QVERIFY(ui.child<QRadioButton>("optSendS")->isChecked());
    QCOMPARE(ui.child<QRadioButton>("optSendS")->text(), QStringLiteral("Send as a regular message."));
    QCOMPARE(ui.child<QRadioButton>("optSendST")->text(), QStringLiteral("Send as traffic."));
    QCOMPARE(ui.child<QLineEdit>("txtLineWidth")->text(), QStringLiteral("55"));
    QVERIFY(ui.child<QCheckBox>("chkFormatted")->isChecked());
    QCOMPARE(ui.child<QCheckBox>("chkFormatted")->text(), QStringLiteral("Format Message Body (Recommended)"));
    QCOMPARE(ui.child<QLabel>("Label1")->text(), QStringLiteral("Formatted line width of message text:"));
    QVERIFY(ui.child<QLineEdit>("txtLineWidth")->isEnabled());
}

void SendOptionsDialogTest::formattingOffDisablesTheWidth()
{
    Globals globals;
    globals.gNtsFormatBody = false;
    FakePrompter prompter;
    QString text;
    DialogUnderTest ui(globals, prompter, text);
    QVERIFY(!ui.child<QCheckBox>("chkFormatted")->isChecked());
    QVERIFY(!ui.child<QLineEdit>("txtLineWidth")->isEnabled());
    QVERIFY(!ui.child<QLabel>("Label1")->isEnabled());
    ui.child<QCheckBox>("chkFormatted")->click();
    QVERIFY(globals.gNtsFormatBody);
    QVERIFY(ui.child<QLineEdit>("txtLineWidth")->isEnabled());
}

void SendOptionsDialogTest::clearingFormattingTakesEffectEvenOnCancel()
{
    Globals globals;
    FakePrompter prompter;
    QString text = kLongText;
    DialogUnderTest ui(globals, prompter, text);
    ui.child<QCheckBox>("chkFormatted")->click();
    ui.setWidth(QStringLiteral("10"));
    ui.click("cmdCancel");
    QVERIFY(!ui.dialog.isVisible());
    QVERIFY(!globals.gNtsFormatBody);
    QCOMPARE(globals.gNtsLineWidth, 70);
    QCOMPARE(text, kLongText);
}

void SendOptionsDialogTest::defaultThenCancelTurnsFormattingOnOnly()
{
    Globals globals;
    globals.gNtsFormatBody = false;
    globals.gNtsSendAsTraffic = false;
    globals.gNtsLineWidth = 40;
    FakePrompter prompter;
    QString text;
    DialogUnderTest ui(globals, prompter, text);
    ui.click("cmdDefault");
    QVERIFY(ui.child<QRadioButton>("optSendST")->isChecked());
    QCOMPARE(ui.child<QLineEdit>("txtLineWidth")->text(), QStringLiteral("70"));
    ui.click("cmdCancel");
    QVERIFY(globals.gNtsFormatBody);
    QVERIFY(!globals.gNtsSendAsTraffic);
    QCOMPARE(globals.gNtsLineWidth, 40);
}

void SendOptionsDialogTest::applyStoresAndReflowsEachTime()
{
    Globals globals;
    FakePrompter prompter;
    QString text = QStringLiteral("The quick brown fox jumps");
    DialogUnderTest ui(globals, prompter, text);
    ui.setWidth(QStringLiteral("10"));
    ui.child<QRadioButton>("optSendS")->click();
    ui.click("cmdApply");
    QVERIFY(ui.dialog.isVisible());
    QCOMPARE(globals.gNtsLineWidth, 10);
    QVERIFY(!globals.gNtsSendAsTraffic);
    QCOMPARE(text, QStringLiteral("The quick \r\nbrown fox \r\njumps\r\n"));
    ui.click("cmdApply");
    QCOMPARE(text, QStringLiteral("The quick \r\n\r\nbrown fox \r\n\r\njumps\r\n"));
    QVERIFY(prompter.prompts.isEmpty());
}

void SendOptionsDialogTest::okAppliesAndCloses()
{
    Globals globals;
    FakePrompter prompter;
    QString text = QStringLiteral("ab cd");
    DialogUnderTest ui(globals, prompter, text);
    ui.setWidth(QStringLiteral("4"));
    ui.click("cmdOK");
    QVERIFY(!ui.dialog.isVisible());
    QCOMPARE(ui.dialog.result(), int(QDialog::Accepted));
    QCOMPARE(globals.gNtsLineWidth, 4);
    QCOMPARE(text, QStringLiteral("ab \r\ncd\r\n"));
}

void SendOptionsDialogTest::widthZeroLeavesTheTextAlone()
{
    Globals globals;
    FakePrompter prompter;
    QString text = kLongText;
    DialogUnderTest ui(globals, prompter, text);
    ui.setWidth(QStringLiteral("0"));
    ui.click("cmdApply");
    QCOMPARE(globals.gNtsLineWidth, 0);
    QCOMPARE(text, kLongText);
}

void SendOptionsDialogTest::widthOneBecomesTwoAfterReflow()
{
    Globals globals;
    FakePrompter prompter;
    QString text = QStringLiteral("ab");
    {
        DialogUnderTest ui(globals, prompter, text);
        ui.setWidth(QStringLiteral("1"));
        ui.click("cmdOK");
    }
    QCOMPARE(globals.gNtsLineWidth, 2);
    QCOMPARE(text, QStringLiteral("a\r\nb\r\n"));
    DialogUnderTest again(globals, prompter, text);
    QCOMPARE(again.child<QLineEdit>("txtLineWidth")->text(), QStringLiteral("2"));
}

void SendOptionsDialogTest::formattingOffStoresWithoutTouchingTheText()
{
    Globals globals;
    globals.gNtsFormatBody = false;
    FakePrompter prompter;
    QString text = kLongText;
    DialogUnderTest ui(globals, prompter, text);
    ui.setWidth(QStringLiteral("12"));
    ui.child<QRadioButton>("optSendS")->click();
    ui.click("cmdApply");
    QCOMPARE(globals.gNtsLineWidth, 12);
    QVERIFY(!globals.gNtsSendAsTraffic);
    QCOMPARE(text, kLongText);
}

void SendOptionsDialogTest::badWidthIsRefusedAndChangesNothing_data()
{
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("button");
    QTest::newRow("letters, Apply") << "abc" << "cmdApply";
    QTest::newRow("empty, OK") << "" << "cmdOK";
    QTest::newRow("too large, OK") << "32768" << "cmdOK";
    QTest::newRow("negative, Apply") << "-1" << "cmdApply";
    QTest::newRow("number then letters, OK") << "70x" << "cmdOK";
}

void SendOptionsDialogTest::badWidthIsRefusedAndChangesNothing()
{
    QFETCH(QString, width);
    QFETCH(QString, button);
    Globals globals;
    globals.gNtsLineWidth = 60;
    FakePrompter prompter;
    QString text = kLongText;
    DialogUnderTest ui(globals, prompter, text);
    ui.setWidth(width);
    ui.child<QRadioButton>("optSendS")->click();
    ui.click(button.toLatin1().constData());
    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(prompter.prompts[0].text, QStringLiteral("The line width must be a whole number from 0 to 32767."));
    QCOMPARE(prompter.prompts[0].title, QStringLiteral("Vellicor"));
    QCOMPARE(prompter.prompts[0].buttons, PromptButtons::Ok);
    QVERIFY(ui.dialog.isVisible());
    QCOMPARE(globals.gNtsLineWidth, 60);
    QVERIFY(globals.gNtsSendAsTraffic);
    QCOMPARE(text, kLongText);
}

void SendOptionsDialogTest::fractionalWidthIsRounded()
{
    Globals globals;
    FakePrompter prompter;
    QString text;
    DialogUnderTest ui(globals, prompter, text);
    ui.setWidth(QStringLiteral("40.6"));
    ui.click("cmdApply");
    QCOMPARE(globals.gNtsLineWidth, 41);
    ui.setWidth(QStringLiteral("32767"));
    ui.click("cmdApply");
    QCOMPARE(globals.gNtsLineWidth, 32767);
    QVERIFY(prompter.prompts.isEmpty());
}

void SendOptionsDialogTest::aresBindingHasNoSendTypeAndItsOwnSettings()
{
    Globals globals;
    FakePrompter prompter;
    QString text = QStringLiteral("ab cd");
    DialogUnderTest ui(globals, prompter, text, SendOptionsBindings::ares());
    QCOMPARE(ui.dialog.windowTitle(), QStringLiteral("Vellicor TORMEL Options"));
    QVERIFY(!ui.child<QRadioButton>("optSendS"));
    QVERIFY(!ui.child<QRadioButton>("optSendST"));
    ui.setWidth(QStringLiteral("4"));
    ui.click("cmdApply");
    QCOMPARE(globals.gAresLineWidth, 4);
    QCOMPARE(globals.gNtsLineWidth, 70);
    QCOMPARE(text, QStringLiteral("ab \r\ncd\r\n"));
    ui.child<QCheckBox>("chkFormatted")->click();
    QVERIFY(!globals.gAresFormatBody);
    QVERIFY(globals.gNtsFormatBody);
}

void SendOptionsDialogTest::ctrlTabKeepsTheSingleTabSelected()
{
    Globals globals;
    FakePrompter prompter;
    QString text;
    DialogUnderTest ui(globals, prompter, text);
    QVERIFY(QTest::qWaitForWindowExposed(&ui.dialog));
    ui.dialog.activateWindow();
    ui.child<QLineEdit>("txtLineWidth")->setFocus();
    QTest::keyClick(ui.child<QLineEdit>("txtLineWidth"), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(ui.child<QTabBar>("tbsOptions")->currentIndex(), 0);
    QVERIFY(ui.child<QWidget>("picOptions0")->isVisible());
    QVERIFY(ui.child<QWidget>("picOptions0")->isEnabled());
    QVERIFY(!ui.child<QWidget>("picOptions1")->isVisible());
}

QTEST_MAIN(SendOptionsDialogTest)
#include "SendOptionsDialogTest.moc"
