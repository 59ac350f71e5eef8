// The message forms as windows. What both do alike is checked once on each
// form: the menus, the hiding close, New, Open and Save As, Send, Print, the
// send options and received text; then each form's own field rules.
#include "AresExample.h"
#include "Fakes.h"
#include "TrafficTestSupport.h"
#include "terminal/TncWriter.h"
#include "traffic/ares/FrmTORMEL.h"
#include "traffic/common/SendOptionsDialog.h"
#include "traffic/nts/FrmNTS.h"

#include <QAccessible>
#include <QAction>
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
using namespace Qt::StringLiterals;

namespace {

// Everything by which the two forms differ as windows.
struct FormCase {
    const char* contentsItem;
    const char* formatterItem;
    int formatterTopic;
    const char* dateField;
    const char* nameField;
    QString clearQuestion;
    bool newKeepsFileName;
    QString fileName;
    QByteArray exampleFile;
    QByteArray savedFile; // the example as Save As writes it again
    QString filter;
    QString sendQuestion;
    QByteArray sent;
    const char* sentField; // a field the send changes, and its text afterwards
    QString sentFieldText;
    int printedLine;
    QString printedText;
    QString optionsTitle;
    bool sendTypeChoice;
    int SendSettings::*lineWidth;
};

const QByteArray kNtsFile = "12\r\nR (Routine)\r\n\r\nW1AW\r\n4\r\nDENVER CO\r\n1430Z\r\n12/05/2026\r\nJOHN DOE\r\n"
                            "12 MAIN ST .AA.\r\nBOULDER\r\nCO\r\n80302\r\n(303) 555-1212 .BT.\r\n"
                            "ARRIVED SAFE LOVE BOB .BT.\r\nMARY\r\n";

const FormCase kNts{
    "mnuContents", "mnuNTS", 430,
    "txtDateFiled", "txtName", "Clear all information on the NTS screen?", true,
    "NTS12.txt", kNtsFile, "012" + kNtsFile.mid(2),
    "NTS Msg Files (NTS*.txt)|NTS*.*|Text Files (*.txt)|*.txt|All Files (*.*)|*.*",
    "Send the NTS formatted traffic now?",
    swapped(kExampleTransmission, {{"\r12 R", "\r012 R"}}),
    "txtMessage", "ARRIVED SAFE LOVE BOB\n",
    1, "Num 012 R (Routine)  W1AW 4 DENVER CO 1430Z  12/05/2026",
    "Vellicor NTS Options", true, &SendSettings::gNtsLineWidth};

const FormCase kTormel{
    "mnuHelpContents", "mnuHelpTORMEL", 550,
    "txtDate", "txtToName", "Clear all information on the TORMEL screen?", false,
    "TORMELM1.txt", kTormelFile, kTormelFile,
    "TORMEL Msg Files (TORMELM*.txt)|TORMELM*.*|Text Files (*.txt)|*.txt|All Files (*.*)|*.*",
    "Send the TORMEL formatted traffic now?", aresexample::kTransmission,
    "txtBy", "N0CALL",
    3, "TO:    (EOC) Net control",
    "Vellicor TORMEL Options", false, &SendSettings::gAresLineWidth};

// A message form shown on the fakes, with its controls found by name and a
// folder for its files.
template <typename Form>
struct MessageFormFixture {
    MessageFormFixture() { form.show(); }

    template <typename T>
    T* child(const char* name) { return form.template findChild<T*>(QString::fromLatin1(name)); }
    QLineEdit* line(const char* name) { return child<QLineEdit>(name); }
    QPlainTextEdit* box(const char* name) { return child<QPlainTextEdit>(name); }
    void trigger(const char* name) { child<QAction>(name)->trigger(); }
    bool activate()
    {
        QApplication::setActiveWindow(&form);
        return QTest::qWaitForWindowActive(&form);
    }
    // Puts the form's example file in the folder and opens it through the
    // form's Open; the file's path.
    QString openExample(const FormCase& c)
    {
        const QString path = dir.filePath(c.fileName);
        writeBytes(path, c.exampleFile);
        fakes.dialogs.fileAnswers = {path};
        trigger("mnuFileOpen");
        return path;
    }

    QTemporaryDir dir;
    TestPlatform fakes;
    TrafficGlobals globals;
    TncWriter writer{fakes.link};
    Form form{globals, fakes.platform(), writer};
};

// Runs a check on a fresh form of the kind the test row names.
template <typename Check>
void onForm(Check check)
{
    QFETCH(QString, form);
    if (form == QLatin1String("NTS")) {
        MessageFormFixture<FrmNTS> ui;
        check(ui, kNts);
    } else {
        MessageFormFixture<FrmTORMEL> ui;
        check(ui, kTormel);
    }
}

void addForms()
{
    QTest::addColumn<QString>("form");
    QTest::newRow("NTS") << "NTS";
    QTest::newRow("TORMEL") << "TORMEL";
}

// The texts of every named box, list and label of a form.
QMap<QString, QString> snapshot(const QWidget& form)
{
    QMap<QString, QString> texts;
    for (const QLineEdit* box : form.findChildren<QLineEdit*>())
        texts[box->objectName()] = box->text();
    for (const QPlainTextEdit* box : form.findChildren<QPlainTextEdit*>())
        texts[box->objectName()] = box->toPlainText();
    for (const QComboBox* list : form.findChildren<QComboBox*>())
        texts[list->objectName()] = list->currentText();
    for (const QLabel* label : form.findChildren<QLabel*>())
        texts[label->objectName()] = label->text();
    texts.remove(QString());
    return texts;
}

// A fresh form shows today's date and its help; New on an opened file asks
// first: No keeps everything, Yes leaves the form as a new one of that day.
const auto checkNewAsksBeforeClearing = [](auto& ui, const FormCase& c) {
    ui.trigger(c.formatterItem);
    ui.trigger(c.contentsItem);
    QCOMPARE(ui.fakes.help.contexts, QList<int>{c.formatterTopic});
    QCOMPARE(ui.fakes.help.contentsCommands, QStringList{QStringLiteral("Contents()")});
    // Local time is 07:43 on 12/05/2026.
    QCOMPARE(ui.line(c.dateField)->text(), QStringLiteral("12/05/2026"));
    QVERIFY(!ui.template child<QAction>("mnuFileSave")->isEnabled());
    QCOMPARE(ui.template child<QLabel>("labFileName")->text(), QString());

    const QString path = ui.openExample(c);
    const auto opened = snapshot(ui.form);
    ui.fakes.prompter.answers = {PromptAnswer::No};
    ui.trigger("mnuFileNew");
    QCOMPARE(ui.fakes.prompter.prompts.value(0).text, c.clearQuestion);
    QCOMPARE(snapshot(ui.form), opened);
    QVERIFY(ui.template child<QAction>("mnuFileSave")->isEnabled());

    std::remove_reference_t<decltype(ui)> untouched;
    for (auto* form : {&ui, &untouched}) {
        form->fakes.clock.utc = QDateTime(QDate(2027, 1, 2), QTime(3, 0), Qt::UTC); // still Jan 1 locally
        form->trigger("mnuFileNew");
    }
    auto cleared = snapshot(untouched.form);
    cleared[QStringLiteral("labFileName")] = c.newKeepsFileName ? path : QString();
    QCOMPARE(snapshot(ui.form), cleared);
    QCOMPARE(ui.line(c.dateField)->text(), QStringLiteral("01/01/2027"));
    QVERIFY(!ui.template child<QAction>("mnuFileSave")->isEnabled());
};

// A send the port cuts short keeps the form shown; sent whole, the opened
// file goes out byte for byte and the form hides.
const auto checkOpenedFileIsSentByteForByte = [](auto& ui, const FormCase& c) {
    const QString path = ui.openExample(c);
    QCOMPARE(ui.fakes.dialogs.requests.value(0).filter, c.filter);
    QCOMPARE(ui.template child<QLabel>("labFileName")->text(), path);
    QVERIFY(ui.template child<QAction>("mnuFileSave")->isEnabled());
    ui.fakes.link.open();
    ui.fakes.pauser.during = [&](double) {
        ui.fakes.pauser.during = nullptr;
        ui.fakes.link.close();
    };
    ui.trigger("mnuSend");
    QCOMPARE(ui.fakes.link.written, QByteArray("\x03" "CONV\r"));
    QCOMPARE(ui.fakes.prompter.prompts.value(1).text, kLost);
    QVERIFY(ui.form.isVisible());

    ui.fakes.link.written.clear();
    ui.fakes.prompter.prompts.clear();
    ui.fakes.link.open();
    ui.trigger("mnuSend");
    QCOMPARE(ui.fakes.link.written, c.sent);
    QCOMPARE(ui.fakes.prompter.prompts.size(), 2);
    QCOMPARE(ui.fakes.prompter.prompts[0].text, c.sendQuestion);
    QCOMPARE(ui.fakes.prompter.prompts[1].text, kTransmitting);
    QVERIFY(!ui.form.isVisible());
    QCOMPARE(snapshot(ui.form).value(QString::fromLatin1(c.sentField)), c.sentFieldText);
};

// Save As writes the form's own layout and names the file; Print sends the
// form to the print service and leaves it as it is; Save writes it again.
const auto checkSaveAsSaveAndPrint = [](auto& ui, const FormCase& c) {
    const QString opened = ui.openExample(c);
    const QString path = ui.dir.filePath(QStringLiteral("saved.txt"));
    ui.fakes.dialogs.fileAnswers = {path};
    ui.trigger("mnuFileSaveAs");
    QCOMPARE(ui.fakes.dialogs.requests.value(1).fileName, opened); // the dialog starts at the file opened
    QCOMPARE(fileBytes(path), c.savedFile);
    QCOMPARE(ui.template child<QLabel>("labFileName")->text(), path);
    const auto before = snapshot(ui.form);
    ui.trigger("mnuFilePrint");
    QCOMPARE(ui.fakes.printer.jobs.size(), 1);
    QCOMPARE(ui.fakes.printer.jobs[0].lines.value(c.printedLine), c.printedText);
    QCOMPARE(snapshot(ui.form), before);

    ui.line(c.nameField)->setText(QStringLiteral("Jane Roe"));
    ui.trigger("mnuFileSave");
    QVERIFY(fileBytes(path).contains("Jane Roe") && ui.fakes.prompter.prompts.isEmpty());
    QCOMPARE(ui.fakes.dialogs.requests.size(), 2);
};

const auto checkOptionsDialogReflowsTheFormsText = [](auto& ui, const FormCase& c) {
    ui.box("txtMessage")->setPlainText(QStringLiteral("ab cd"));
    bool seen = false;
    QTimer::singleShot(0, &ui.form, [&] {
        auto* dialog = qobject_cast<SendOptionsDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen = dialog->windowTitle() == c.optionsTitle
            && dialog->findChildren<QRadioButton*>().isEmpty() != c.sendTypeChoice;
        dialog->findChild<QLineEdit*>(QStringLiteral("txtLineWidth"))->setText(QStringLiteral("4"));
        dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    });
    ui.trigger("mnuOptions");
    QVERIFY(seen);
    QCOMPARE(ui.globals.*c.lineWidth, 4);
    QCOMPARE(ui.globals.gNtsLineWidth + ui.globals.gAresLineWidth, 4 + 70); // the other form's width stays
    QCOMPARE(ui.box("txtMessage")->toPlainText(), QStringLiteral("ab \ncd\n"));
};

// A message read from received text, for each form; the name is the addressee's.
Radiogram receivedOn(const FrmNTS&, const QString& name)
{
    return with(Radiogram{}, {{&Radiogram::name, name}, {&Radiogram::check, "1"}, {&Radiogram::message, "ARRIVED"}});
}

AresMessage receivedOn(const FrmTORMEL&, const QString& name)
{
    return with(aresexample::message(), {{&AresMessage::toName, name}});
}

// Received text opens with no file named, after New's question when the
// form holds text not saved (a message received earlier is not saved).
const auto checkReceivedTextOpensUnnamed = [](auto& ui, const FormCase& c) {
    ui.openExample(c);
    QVERIFY(ui.form.openReceived(receivedOn(ui.form, QStringLiteral("Ann Lee"))));
    QVERIFY(ui.fakes.prompter.prompts.isEmpty() && !ui.template child<QAction>("mnuFileSave")->isEnabled());
    QCOMPARE(ui.line(c.nameField)->text(), QStringLiteral("Ann Lee"));
    QCOMPARE(ui.template child<QLabel>("labFileName")->text(), QString());
    const auto shown = snapshot(ui.form);
    ui.fakes.prompter.answers = {PromptAnswer::No, PromptAnswer::Yes};
    QVERIFY(!ui.form.openReceived(receivedOn(ui.form, QStringLiteral("Jane Roe"))));
    QCOMPARE(ui.fakes.prompter.prompts.value(0).text, c.clearQuestion);
    QCOMPARE(snapshot(ui.form), shown);
    QVERIFY(ui.form.openReceived(receivedOn(ui.form, QStringLiteral("Jane Roe"))));
    QCOMPARE(ui.line(c.nameField)->text(), QStringLiteral("Jane Roe"));
};

// A field stands under or after its label and is named by it, as a screen
// reader announces it.
const auto checkFieldFollowsItsLabel = [](auto& ui, const FormCase&) {
    QFETCH(QString, field);
    QFETCH(QString, label);
    const QWidget* box = ui.template child<QWidget>(qPrintable(field));
    QCOMPARE(QAccessible::queryAccessibleInterface(const_cast<QWidget*>(box))->text(QAccessible::Name), label);
    for (const QLabel* caption : ui.form.template findChildren<QLabel*>()) {
        if (caption->text() == label)
            QVERIFY(box->y() > caption->geometry().bottom() || box->x() > caption->geometry().right());
    }
};

// Types each character as one key; "\b" is Backspace.
void typeKeys(QWidget* field, const QString& keys)
{
    for (const QChar c : keys) {
        if (c == QLatin1Char('\b'))
            QTest::keyClick(field, Qt::Key_Backspace);
        else
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// A field with a text, the keys typed into it once it has the focus, and
// what it shows after Tab moved on to the next field.
const auto checkTypedAndLeftField = [](auto& ui, const FormCase&) {
    QFETCH(QString, field);
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QVERIFY(ui.activate());
    QLineEdit* box = ui.line(qPrintable(field));
    box->setText(before);
    box->setFocus(Qt::OtherFocusReason);
    typeKeys(box, typed);
    QTest::keyClick(box, Qt::Key_Tab);
    QVERIFY(!box->hasFocus());
    QTEST(box->text(), "shown");
};

} // namespace

class MessageFormTest : public QObject {
    Q_OBJECT
private slots:
    void freshFormShowsTodayAndNewAsksBeforeClearing_data() { addForms(); }
    void freshFormShowsTodayAndNewAsksBeforeClearing() { onForm(checkNewAsksBeforeClearing); }
    void openedFileIsSentByteForByteOnceWhole_data() { addForms(); }
    void openedFileIsSentByteForByteOnceWhole() { onForm(checkOpenedFileIsSentByteForByte); }
    void saveAsSaveAndPrint_data() { addForms(); }
    void saveAsSaveAndPrint() { onForm(checkSaveAsSaveAndPrint); }
    void optionsDialogReflowsTheFormsText_data() { addForms(); }
    void optionsDialogReflowsTheFormsText() { onForm(checkOptionsDialogReflowsTheFormsText); }
    void receivedTextOpensUnnamed_data() { addForms(); }
    void receivedTextOpensUnnamed() { onForm(checkReceivedTextOpensUnnamed); }
    void fieldsFollowTheirLabels_data();
    void fieldsFollowTheirLabels() { onForm(checkFieldFollowsItsLabel); }
    void typedAndLeftFields_data();
    void typedAndLeftFields() { onForm(checkTypedAndLeftField); }

    // The lists offer entries but never complete what is typed: a typed "e"
    // goes out as "e", not as "Emergency".
    void ntsPrecedenceAndHandlingAreKeptAsTyped()
    {
        MessageFormFixture<FrmNTS> ui;
        auto* precedence = ui.child<QComboBox>("cmbPrecedence");
        auto* handling = ui.child<QComboBox>("cmbHX");
        QVERIFY(ui.activate());
        for (const auto& [list, typed] : {std::pair{precedence, "e"}, {handling, "hx"}}) {
            list->setFocus();
            list->clearEditText();
            QTest::keyClicks(list, QString::fromLatin1(typed));
            QTest::keyClick(list, Qt::Key_Return);
        }
        QCOMPARE(precedence->currentText() + "|" + handling->currentText(), QStringLiteral("e|hx"));
        ui.globals.gBypassConv = true;
        ui.fakes.link.open();
        ui.trigger("mnuSend");
        QVERIFY(ui.fakes.link.written.contains("\r e hx  "));
    }

    void leavingTheNtsTextVerifiesTheCheck()
    {
        MessageFormFixture<FrmNTS> ui;
        QVERIFY(ui.activate());
        QPlainTextEdit* text = ui.box("txtMessage");
        text->setFocus();
        QTest::keyClicks(text, QStringLiteral("ARRIVED SAFE"));
        QTest::keyClick(text, Qt::Key_Return);
        typeKeys(text, QStringLiteral("LOVE\u00A0BOB")); // a no-break space joins a word
        QTest::keyClick(text, Qt::Key_Tab);
        QCOMPARE(ui.line("txtCheck")->text(), QStringLiteral("3"));
        QVERIFY(ui.fakes.prompter.prompts.isEmpty());

        ui.line("txtCheck")->setText(QStringLiteral("ARL 3"));
        text->setFocus();
        QTest::keyClicks(text, QStringLiteral(" XOXO"));
        ui.fakes.prompter.answers = {PromptAnswer::Yes};
        ui.line("txtSigned")->setFocus(Qt::MouseFocusReason);
        QCOMPARE(ui.fakes.prompter.prompts.size(), 1);
        QCOMPARE(ui.line("txtCheck")->text(), QStringLiteral("ARL 4"));
    }

    // Saving fills in the check and formats the phone, and the form shows them.
    void ntsSaveAsShowsTheFieldsAsSaved()
    {
        MessageFormFixture<FrmNTS> ui;
        ui.line("txtMsgNum")->setText(QStringLiteral("7"));
        ui.line("txtPhone")->setText(QStringLiteral("3035551212"));
        const QString path = ui.dir.filePath(QStringLiteral("NTS7.txt"));
        ui.fakes.dialogs.fileAnswers = {path};
        ui.trigger("mnuFileSaveAs");
        QCOMPARE(ui.line("txtCheck")->text() + "|" + ui.line("txtPhone")->text(), QStringLiteral("0|(303) 555-1212"));
        QVERIFY(fileBytes(path).startsWith("007\r\nR (Routine)\r\n\r\n\r\n0\r\n"));
        // Saved: a received radiogram replaces it without a question.
        QVERIFY(ui.form.openReceived(Radiogram{}) && ui.fakes.prompter.prompts.isEmpty());
    }

    // The verdict follows the text; the received check is never changed.
    void receivedRadiogramShowsWhetherItsCheckAgrees()
    {
        MessageFormFixture<FrmNTS> ui;
        ui.form.openReceived(with(Radiogram{}, {{&Radiogram::check, "ARL 4"},
                                                {&Radiogram::message, "ARL FIFTY\r\nLOVE BOB\r\n"}}));
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

    void tormelPriorityStandsInCapitalsWithItsMeaning()
    {
        MessageFormFixture<FrmTORMEL> ui;
        auto* priority = ui.child<QComboBox>("cboPriority");
        const auto shown = [&] { return priority->currentText() + " " + ui.child<QLabel>("labPriority")->text(); };
        QCOMPARE(shown(), QStringLiteral("R (Routine)"));
        priority->clearEditText();
        QCOMPARE(shown(), QStringLiteral(" "));
        QTest::keyClicks(priority, QStringLiteral("p"));
        QCOMPARE(shown(), QStringLiteral("P (Priority)"));
        QTest::keyClicks(priority, QStringLiteral("w"));
        QCOMPARE(shown(), QStringLiteral("PW "));
        priority->setCurrentIndex(1);
        QCOMPARE(shown(), QStringLiteral("W (Health and Wealfare)"));
        priority->setEditText(QStringLiteral("e"));
        QCOMPARE(shown(), QStringLiteral("E (Emergency)"));
    }

    void tormelSentTimeComesFromTheClockAndTheCallFromFrom()
    {
        MessageFormFixture<FrmTORMEL> ui;
        ui.globals.gBypassConv = true;
        QTest::keyClicks(ui.line("txtFrom"), QStringLiteral("w0xyz"));
        ui.fakes.clock.utc = QDateTime(QDate(2026, 12, 6), QTime(6, 59, 59), Qt::UTC); // 23:59 local
        ui.fakes.link.open();
        ui.trigger("mnuSend");
        QVERIFY(ui.fakes.link.written.endsWith("\r\rEND MSG SENT 23:59    BY W0XYZ\r\x1a\r"));
        QStringList shown;
        for (const char* name : {"txtMsgSentTime", "txtFrom", "txtBy", "txtTime"})
            shown.append(ui.line(name)->text());
        QCOMPARE(shown, (QStringList{"23:59", "W0XYZ", "W0XYZ", ""}));
    }
};

void MessageFormTest::fieldsFollowTheirLabels_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("label");
    QTest::newRow("NTS number") << "NTS" << "txtMsgNum" << "Message Number";
    QTest::newRow("NTS signed") << "NTS" << "txtSigned" << "Signed";
    QTest::newRow("TORMEL date") << "TORMEL" << "txtDate" << "Date:";
    QTest::newRow("TORMEL by") << "TORMEL" << "txtBy" << "BY";
}

// Each form's field table, served by the typing filter: capitals, slashed
// zeros, clean-ups on leaving, and the whole text selected on entering.
void MessageFormTest::typedAndLeftFields_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    const auto row = [](const char* form, const char* field, const QString& before, const QString& typed,
                        const QString& shown) {
        QTest::addRow("%s %s %s", form, field, qPrintable(typed)) << form << field << before << typed << shown;
    };
    row("NTS", "txtState", "", "co", "CO");
    // Capitals within Windows-1252 only, one for one: the sharp s and the micro sign stay.
    row("NTS", "txtStation", "", u"w1aw/2\u00DF\u00B5\u00E9\u00FF\u0161\u0153"_s,
        u"W1AW/2\u00DF\u00B5\u00C9\u0178\u0160\u0152"_s);
    row("NTS", "txtZip", "", "k1a 0b1", "K1A 0B1");
    row("NTS", "txtPlace", "Den", "ver city", "Denver city"); // no rule, no selection on entering
    row("NTS", "txtMsgNum", "", " 5 ", "005");
    row("NTS", "txtPhone", "", "3035551212", "(303) 555-1212");
    row("NTS", "txtPhone", "", "303-555-1212 ", "303-555-1212");
    const QString call = u"N\u00D8CALL"_s;
    row("TORMEL", "txtTo", "", "n0callx\b", call);
    row("TORMEL", "txtFrom", "SHELTER1", "n0call", call);
    row("TORMEL", "txtBy", "", "n0call", call);
    row("TORMEL", "txtToName", "", "n0call", "n0call");
    row("TORMEL", "txtFromName", "Red Cross", "n0call", "n0call");
    row("TORMEL", "txtSubject", "Shelter status", "Cots", "Cots");
    row("TORMEL", "txtMsgSentTime", "14:20", "n0", "n0");
}

QTEST_MAIN(MessageFormTest)
#include "MessageFormTest.moc"
