#include "Controls.h"
#include "AresExample.h"
#include "E2eFixture.h"
#include "ModalAnswers.h"
#include "NtsExample.h"

#include "app/SendBoxEdit.h"
#include "app/ReceiveView.h"
#include "traffic/ares/FrmTORMEL.h"
#include "windows/FrmClipboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>

using namespace vellicor;
using namespace vellicor::test;

namespace {

// Every byte but NUL and the two line ends, in one line.
QByteArray everyByte()
{
    QByteArray bytes;
    for (int b = 1; b < 256; ++b) {
        if (b != '\n' && b != '\r')
            bytes.append(char(b));
    }
    return bytes;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Runs a window's menu item, answering the modal windows it shows in turn.
bool runItem(QWidget* window, const char* item, QList<ModalAnswers::Step> steps)
{
    ModalAnswers answers(std::move(steps));
    window->findChild<QAction*>(QString::fromLatin1(item))->trigger();
    return answers.unexpected() == 0 && answers.allTaken();
}

} // namespace

class E2eTerminal : public QObject {
    Q_OBJECT
private slots:
    void talksToTheTncAndNoticesWhenItGoesAway();
    void everyByteSurvivesTheBoxesTheirFilesAndTheLink();
};

void E2eTerminal::talksToTheTncAndNoticesWhenItGoesAway()
{
    E2eFixture program;
    QVERIFY(program.start());
    FrmPacket& window = program.window();
    QVERIFY(window.windowTitle().startsWith(QStringLiteral("Vellicor - Version ")));
    QCOMPARE(panel(window, QStringLiteral("Com Port")).text(), QStringLiteral("Com Port: 2"));
    QVERIFY(sendBox(window).hasFocus());

    QTest::keyClicks(&sendBox(window), QStringLiteral("hello w"));
    QKeyEvent eAcute(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("\u00E9"));
    QApplication::sendEvent(&sendBox(window), &eAcute);
    QTest::keyClicks(&sendBox(window), QStringLiteral("rld"));
    QTest::keyClick(&sendBox(window), Qt::Key_Return);
    QTRY_COMPARE(program.fromProgram(), QByteArray("hello w\xE9rld\r"));

    program.tnc()->write("cmd:\r\nN0CALL>\x80 ok\r\n");
    const QString expected = QStringLiteral("N0CALL>\u20AC ok");
    QTRY_VERIFY(receiveView(window).toPlainText().contains(expected));
    const QTextBlock block = receiveView(window).document()->findBlock(
        receiveView(window).toPlainText().indexOf(expected));
    const QTextCharFormat format = block.begin().fragment().charFormat();
    QCOMPARE(format.foreground().color(), QColor(255, 255, 0));

    QVERIFY(!button(window, QStringLiteral("cmdRestartPort")).isVisible());
    program.tnc()->disconnectFromHost();
    QTRY_VERIFY_WITH_TIMEOUT(button(window, QStringLiteral("cmdRestartPort")).isVisible(), 10000);
    QVERIFY(!program.globals().gPortOk);
}

// A file holding every byte but the line ends is opened and saved unchanged,
// and sent unchanged, by the clipboard, the NTS form and the ARES form. The
// bytes stand where the forms' rules keep them: the NTS address and text and
// the ARES text, each a line of its own (the reflow is off: it would rewrap
// them; the other fields are trimmed, upper-cased or reformatted).
void E2eTerminal::everyByteSurvivesTheBoxesTheirFilesAndTheLink()
{
    E2eFixture program;
    QVERIFY(program.start());
    program.globals().gNtsFormatBody = false;
    program.globals().gAresFormatBody = false;
    FrmPacket& window = program.window();
    const QByteArray bytes = everyByte();
    QTemporaryDir dir;
    QStringList notes;

    const QString clipboardPath = dir.filePath(QStringLiteral("all.txt"));
    const QByteArray clipboardFile = bytes + "\r\n";
    QVERIFY(writeBytes(clipboardPath, clipboardFile));
    action(window, QStringLiteral("mnuEditEditClipboard"))->trigger();
    auto* clipboard = window.findChild<FrmClipboard*>(QStringLiteral("frmClipboard"));
    QVERIFY(clipboard);
    QVERIFY(runItem(clipboard, "mnuFileOpen", {chooseFile(clipboardPath)}));
    QVERIFY(runItem(clipboard, "mnuFileSave", {}));
    QCOMPARE(fileBytes(clipboardPath), clipboardFile);
    QVERIFY(runItem(clipboard, "mnuSendEntireClipboard", {clickBox(QMessageBox::Yes, notes)}));
    QTRY_COMPARE(program.fromProgram(), clipboardFile);
    program.fromProgram().clear();

    // The check is 2: the bytes hold one space, which parts two words.
    const QByteArray ntsFile = QByteArray("012" + ntsexample::kFile.mid(2))
                                   .replace("W1AW\r\n4\r\n", "W1AW\r\n2\r\n")
                                   .replace("12 MAIN ST .AA.", bytes + " .AA.")
                                   .replace("ARRIVED SAFE LOVE BOB .BT.", bytes + " .BT.");
    FrmNTS* nts = nullptr;
    ntsexample::openInForm(program, dir, nts, ntsFile);
    QVERIFY(nts);
    QVERIFY(runItem(nts, "mnuFileSave", {}));
    QCOMPARE(fileBytes(dir.filePath(QStringLiteral("NTS12.txt"))), ntsFile);
    QVERIFY(runItem(nts, "mnuSend", {clickBox(QMessageBox::Yes, notes), clickBox(QMessageBox::Ok, notes)}));
    QTRY_COMPARE(program.fromProgram(), QByteArray(ntsexample::kTransmission)
                                            .replace("W1AW 4 ", "W1AW 2 ")
                                            .replace("\r12 MAIN ST\r", "\r" + bytes + "\r")
                                            .replace("ARRIVED SAFE LOVE BOB\r\n  BT", bytes + "  BT"));
    program.fromProgram().clear();

    const QString aresPath = dir.filePath(QStringLiteral("TORMELM1.txt"));
    const QByteArray aresFile = "R, Shelter status\r\n12/05/2026    14:05\r\n\r\nTO:    (EOC) Net control\r\n"
                                "FROM:  (SHELTER1) Shelter manager, Red Cross\r\n\r\n" + bytes + "\r\n"
                                "END MSG SENT 14:20 BY N\xd8" "CALL\r\n";
    QVERIFY(writeBytes(aresPath, aresFile));
    action(window, QStringLiteral("mnuTORMEL"))->trigger();
    FrmTORMEL* ares = named<FrmTORMEL>(window, QStringLiteral("frmTORMEL"));
    QVERIFY(ares);
    QVERIFY(runItem(ares, "mnuFileOpen", {chooseFile(aresPath)}));
    QVERIFY(runItem(ares, "mnuFileSave", {}));
    QCOMPARE(fileBytes(aresPath), aresFile);
    QVERIFY(runItem(ares, "mnuSend", {clickBox(QMessageBox::Yes, notes), clickBox(QMessageBox::Ok, notes)}));
    QTRY_COMPARE(program.fromProgram(),
                 QByteArray(aresexample::kTransmission).replace("All quiet.\r\nNeed 20 cots.\r\n", bytes + "\r\n"));
}

QTEST_MAIN(E2eTerminal)
#include "test_e2e_terminal.moc"
