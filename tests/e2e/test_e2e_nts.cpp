#include "E2eFixture.h"

#include "traffic/nts/FrmNTS.h"
#include "traffic/nts/Radiogram.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace vellicor;
using namespace vellicor::test;

namespace {

// The radiogram of the complete example as a message file, number "12".
const QByteArray kExampleFile = "12\r\nR (Routine)\r\n\r\nW1AW\r\n4\r\nDENVER CO\r\n1430Z\r\n12/05/2026\r\n"
                                "JOHN DOE\r\n12 MAIN ST .AA.\r\nBOULDER\r\nCO\r\n80302\r\n(303) 555-1212 .BT.\r\n"
                                "ARRIVED SAFE LOVE BOB .BT.\r\nMARY\r\n";

// What the board receives for it: the number read as "12" goes out as "012".
const QByteArray kExampleBytes = QByteArray("\x03") + "CONV\r" + "ST 80302 @NTSCO\r" + "QTC 1 BOULDER, CO\r"
    + "012 R  W1AW 4 DENVER CO 1430Z 12/05/2026\r" + "\r" + "JOHN DOE\r" + "12 MAIN ST\r"
    + "BOULDER, CO, 80302\r" + "(303) 555-1212  BT\r" + "\r" + "ARRIVED SAFE LOVE BOB\r\n" + "  BT\r" + "\r"
    + "MARY\r\x1a" + "\r";

// Answers the real modal windows of the program in turn, as an operator
// would: each step gets the next modal window that shows. A modal window
// that is not the one expected, or one beyond the steps, is closed and
// counted, so a wrong turn fails the test instead of hanging it.
class ModalAnswers : public QObject {
public:
    using Step = std::function<bool(QWidget*)>;

    explicit ModalAnswers(QList<Step> steps)
        : m_steps(std::move(steps))
    {
        connect(&m_poll, &QTimer::timeout, this, &ModalAnswers::answer);
        m_poll.start(20);
    }

    int unexpected() const { return m_unexpected; }
    bool allTaken() const { return m_steps.isEmpty(); }

private:
    void answer()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (m_steps.isEmpty() || !m_steps.takeFirst()(modal)) {
            ++m_unexpected;
            modal->close();
        }
    }

    QList<Step> m_steps;
    QTimer m_poll;
    int m_unexpected = 0;
};

// Clicks a button of a message box and notes the box's text.
ModalAnswers::Step clickBox(QMessageBox::StandardButton button, QStringList& texts)
{
    return [button, &texts](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box || !box->button(button))
            return false;
        texts.append(box->text());
        box->button(button)->click();
        return true;
    };
}

ModalAnswers::Step chooseFile(const QString& path)
{
    return [path](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog)
            return false;
        // The dialog's own name box, as the operator types into it.
        auto* nameBox = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!nameBox)
            return false;
        nameBox->setText(path);
        static_cast<QDialog*>(dialog)->accept();
        return true;
    };
}

QAction* formAction(FrmNTS& form, const char* name)
{
    return form.findChild<QAction*>(QString::fromLatin1(name));
}

// Opens the NTS form from the main menu and loads the example file through
// the real open dialog.
void openExampleInForm(E2eFixture& program, const QTemporaryDir& dir, FrmNTS*& form)
{
    const QString path = dir.filePath(QStringLiteral("NTS12.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(kExampleFile), kExampleFile.size());
    file.close();
    program.window().menus().mnuNTS->trigger();
    QVERIFY(program.window().ntsForm());
    QVERIFY(program.window().ntsForm()->isVisible());
    ModalAnswers dialog({chooseFile(path)});
    formAction(*program.window().ntsForm(), "mnuFileOpen")->trigger();
    QCOMPARE(dialog.unexpected(), 0);
    QVERIFY(dialog.allTaken());
    QCOMPARE(program.window().ntsForm()->radiogram().msgNum, QStringLiteral("012"));
    form = program.window().ntsForm();
}

} // namespace

class E2eNts : public QObject {
    Q_OBJECT
private slots:
    void openedRadiogramReachesTheBoardByteForByte();
    void sendWithTheTncGoneWritesNothingAndSaysSo();
};

void E2eNts::openedRadiogramReachesTheBoardByteForByte()
{
    QTemporaryDir dir;
    E2eFixture program;
    QVERIFY(program.start());
    FrmNTS* form = nullptr;
    openExampleInForm(program, dir, form);
    QVERIFY(form);
    program.fromProgram().clear();

    QStringList boxTexts;
    ModalAnswers answers({clickBox(QMessageBox::Yes, boxTexts), clickBox(QMessageBox::Ok, boxTexts)});
    formAction(*form, "mnuSend")->trigger();

    QTRY_COMPARE_WITH_TIMEOUT(program.fromProgram(), kExampleBytes, 10000);
    QCOMPARE(answers.unexpected(), 0);
    QCOMPARE(boxTexts,
             (QStringList{QStringLiteral("Send the NTS formatted traffic now?"),
                          QStringLiteral("Message is transmitting.  TNC is now in CONVerse mode.\r\n"
                                         "(Ignore 'cmd:' prompt embedded in text or at bottom of main screen.)")}));
    QVERIFY(!form->isVisible());
    QCOMPARE(form->findChild<QPlainTextEdit*>(QStringLiteral("txtMessage"))->toPlainText(),
             QStringLiteral("ARRIVED SAFE LOVE BOB\n"));
}

void E2eNts::sendWithTheTncGoneWritesNothingAndSaysSo()
{
    QTemporaryDir dir;
    E2eFixture program;
    QVERIFY(program.start());
    FrmNTS* form = nullptr;
    openExampleInForm(program, dir, form);
    QVERIFY(form);
    QTcpSocket* tnc = program.tnc();
    tnc->disconnectFromHost();
    QTRY_VERIFY_WITH_TIMEOUT(!program.globals().gPortOk, 15000);
    program.fromProgram().clear();
    const QString textBefore = form->findChild<QPlainTextEdit*>(QStringLiteral("txtMessage"))->toPlainText();

    QStringList boxTexts;
    ModalAnswers answers({clickBox(QMessageBox::Yes, boxTexts), clickBox(QMessageBox::Ok, boxTexts)});
    formAction(*form, "mnuSend")->trigger();

    QCOMPARE(answers.unexpected(), 0);
    QCOMPARE(boxTexts,
             (QStringList{QStringLiteral("Send the NTS formatted traffic now?"),
                          QStringLiteral("The serial port is not open. The message was not sent.")}));
    // Nothing reaches the TNC, not even over a new connection.
    QVERIFY(program.fromProgram().isEmpty());
    QCOMPARE(program.tnc(), tnc);
    QVERIFY(form->isVisible());
    QCOMPARE(form->findChild<QPlainTextEdit*>(QStringLiteral("txtMessage"))->toPlainText(), textBefore);
}

QTEST_MAIN(E2eNts)
#include "test_e2e_nts.moc"
