#include "E2eFixture.h"
#include "ModalAnswers.h"
#include "NtsExample.h"

#include "traffic/nts/FrmNTS.h"
#include "traffic/nts/Radiogram.h"

#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace vellicor;
using namespace vellicor::test;

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
    ntsexample::openInForm(program, dir, form);
    QVERIFY(form);
    program.fromProgram().clear();

    QStringList boxTexts;
    ModalAnswers answers({clickBox(QMessageBox::Yes, boxTexts), clickBox(QMessageBox::Ok, boxTexts)});
    ntsexample::formAction(*form, "mnuSend")->trigger();

    QTRY_COMPARE_WITH_TIMEOUT(program.fromProgram(), ntsexample::kTransmission, 10000);
    QCOMPARE(answers.unexpected(), 0);
    QCOMPARE(boxTexts, (QStringList{QStringLiteral("Send the NTS formatted traffic now?"), kTransmittingNote}));
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
    ntsexample::openInForm(program, dir, form);
    QVERIFY(form);
    QTcpSocket* tnc = program.tnc();
    tnc->disconnectFromHost();
    QTRY_VERIFY_WITH_TIMEOUT(!program.globals().gPortOk, 15000);
    program.fromProgram().clear();
    const QString textBefore = form->findChild<QPlainTextEdit*>(QStringLiteral("txtMessage"))->toPlainText();

    QStringList boxTexts;
    ModalAnswers answers({clickBox(QMessageBox::Yes, boxTexts), clickBox(QMessageBox::Ok, boxTexts)});
    ntsexample::formAction(*form, "mnuSend")->trigger();

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
