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

TrafficGlobals withSettings(const SendSettings& settings)
{
    TrafficGlobals globals;
    static_cast<SendSettings&>(globals) = settings;
    return globals;
}

// A dialog on these settings and a message text of its own.
struct DialogUnderTest {
    explicit DialogUnderTest(const SendSettings& settings = {}, QString message = {},
                             SendOptionsBinding binding = SendOptionsBindings::nts())
        : globals(withSettings(settings))
        , text(std::move(message))
        , dialog(globals, std::move(binding), prompter,
                 MessageTextAccess{[this] { return text; }, [this](const QString& t) { text = t; }})
    {
        dialog.show();
    }
    template <typename T>
    T* child(const char* name) { return dialog.findChild<T*>(QString::fromLatin1(name)); }
    void click(const QString& name) { child<QPushButton>(qPrintable(name))->click(); }
    QLineEdit* width() { return child<QLineEdit>("txtLineWidth"); }

    TrafficGlobals globals;
    FakePrompter prompter;
    QString text;
    SendOptionsDialog dialog;
};

const QString kLongText = QStringLiteral("THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG");

} // namespace

class SendOptionsDialogTest : public QObject {
    Q_OBJECT
private slots:
    // The dialog shows the settings; Default shows the start-up ones, and
    // turning formatting on that way takes effect at once, even on Cancel.
    void loadShowsTheSettingsAndDefaultTurnsFormattingOn()
    {
        DialogUnderTest ui({.gNtsSendAsTraffic = false, .gNtsFormatBody = false, .gNtsLineWidth = 55});
        QVERIFY(ui.child<QRadioButton>("optSendS")->isChecked());
        QCOMPARE(ui.width()->text(), QStringLiteral("55"));
        QVERIFY(!ui.child<QCheckBox>("chkFormatted")->isChecked());
        QVERIFY(!ui.width()->isEnabled() && !ui.child<QLabel>("Label1")->isEnabled());
        ui.click("cmdDefault");
        QVERIFY(ui.child<QRadioButton>("optSendST")->isChecked() && ui.width()->isEnabled());
        QCOMPARE(ui.width()->text(), QStringLiteral("70"));
        ui.click("cmdCancel");
        QVERIFY(ui.globals.gNtsFormatBody && !ui.globals.gNtsSendAsTraffic);
        QCOMPARE(ui.globals.gNtsLineWidth, 55);
    }

    void clearingFormattingTakesEffectEvenOnCancel()
    {
        DialogUnderTest ui({}, kLongText);
        ui.child<QCheckBox>("chkFormatted")->click();
        ui.width()->setText(QStringLiteral("10"));
        ui.click("cmdCancel");
        QVERIFY(!ui.dialog.isVisible() && !ui.globals.gNtsFormatBody);
        QCOMPARE(ui.globals.gNtsLineWidth, 70);
        QCOMPARE(ui.text, kLongText);
    }

    // Apply and OK store the send type and the width (a fraction rounded, 1
    // raised to 2 by the reflow) and reflow the form's text when formatting is
    // on; width 0 leaves the text as it is. OK closes the dialog, Apply does not.
    void applyAndOkStoreAndReflow_data()
    {
        QTest::addColumn<bool>("formatted");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reflowed");
        QTest::newRow("Apply") << true << "10" << "cmdApply" << 10 << "The quick brown fox jumps"
                               << "The quick \r\nbrown fox \r\njumps\r\n";
        QTest::newRow("width 0") << true << "0" << "cmdApply" << 0 << kLongText << kLongText;
        QTest::newRow("width 1 becomes 2") << true << "1" << "cmdOK" << 2 << "ab" << "a\r\nb\r\n";
        QTest::newRow("formatting off") << false << "12" << "cmdApply" << 12 << kLongText << kLongText;
        QTest::newRow("fraction rounded") << true << "40.6" << "cmdApply" << 41 << "" << "";
        QTest::newRow("largest width") << true << "32767" << "cmdOK" << 32767 << "short" << "short\r\n";
    }

    void applyAndOkStoreAndReflow()
    {
        QFETCH(bool, formatted);
        QFETCH(QString, width);
        QFETCH(QString, button);
        QFETCH(QString, text);
        DialogUnderTest ui({.gNtsFormatBody = formatted}, text);
        ui.width()->setText(width);
        ui.child<QRadioButton>("optSendS")->click();
        ui.click(button);
        QCOMPARE(ui.dialog.isVisible(), button == QLatin1String("cmdApply"));
        QTEST(ui.globals.gNtsLineWidth, "stored");
        QTEST(ui.text, "reflowed");
        QVERIFY(!ui.globals.gNtsSendAsTraffic && ui.prompter.prompts.isEmpty());
    }

    void badWidthIsRefusedAndChangesNothing_data()
    {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("button");
        QTest::newRow("too large, OK") << "32768" << "cmdOK";
        QTest::newRow("negative, Apply") << "-1" << "cmdApply";
        QTest::newRow("number then letters, OK") << "70x" << "cmdOK";
    }

    void badWidthIsRefusedAndChangesNothing()
    {
        QFETCH(QString, width);
        QFETCH(QString, button);
        DialogUnderTest ui({.gNtsLineWidth = 60}, kLongText);
        ui.width()->setText(width);
        ui.child<QRadioButton>("optSendS")->click();
        ui.click(button);
        QCOMPARE(ui.prompter.prompts.size(), 1);
        QCOMPARE(ui.prompter.prompts[0].text, QStringLiteral("The line width must be a whole number from 0 to 32767."));
        QCOMPARE(ui.prompter.prompts[0].title, QStringLiteral("Vellicor"));
        QCOMPARE(ui.prompter.prompts[0].buttons, PromptButtons::Ok);
        QCOMPARE(ui.dialog.focusWidget(), ui.width()); // to mend it
        QCOMPARE(ui.globals.gNtsLineWidth, 60);
        QVERIFY(ui.dialog.isVisible() && ui.globals.gNtsSendAsTraffic);
        QCOMPARE(ui.text, kLongText);
    }

    // Its title, its width and the missing send type are checked with the ARES form.
    void aresBindingKeepsItsOwnFormattingFlag()
    {
        DialogUnderTest ui({}, {}, SendOptionsBindings::ares());
        ui.child<QCheckBox>("chkFormatted")->click();
        QVERIFY(!ui.globals.gAresFormatBody && ui.globals.gNtsFormatBody);
    }

    void ctrlTabKeepsTheSingleTabSelected()
    {
        DialogUnderTest ui;
        QVERIFY(QTest::qWaitForWindowExposed(&ui.dialog));
        ui.dialog.activateWindow();
        ui.width()->setFocus();
        QTest::keyClick(ui.width(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(ui.child<QTabBar>("tbsOptions")->currentIndex(), 0);
        QVERIFY(ui.child<QWidget>("picOptions0")->isVisible() && ui.child<QWidget>("picOptions0")->isEnabled());
        QVERIFY(!ui.child<QWidget>("picOptions1")->isVisible());
    }
};

QTEST_MAIN(SendOptionsDialogTest)
#include "SendOptionsDialogTest.moc"
