#include "Fakes.h"
#include "terminal/TncWriter.h"
#include "traffic/common/TrafficSend.h"
#include "traffic/common/Transmission.h"

#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {
Transmission threeLines()
{
    return {TransmissionStep::write(QStringLiteral("ONE\r")), TransmissionStep::pause(0.5),
            TransmissionStep::write(QStringLiteral("TWO\r")), TransmissionStep::write(QStringLiteral("THREE\r")),
            TransmissionStep::pause(1.0), TransmissionStep::write(QStringLiteral("\r"))};
}
const QString kQuestion = QStringLiteral("Send the NTS formatted traffic now?");
}

class TransmissionTest : public QObject {
    Q_OBJECT
private slots:
    void playsEveryWriteAndPauseInOrder();
    void portClosedBeforeStartWritesNothingAndDoesNotWait();
    void writeFailingPartwayFinishesThePausesWithoutWriting();
    void sendDeclinedChangesNothing();
    void sendWithClosedPortTellsTheOperatorAndDoesNotPrepare();
    void sendCompleteShowsTheClosingNote();
    void sendLostPartwayShowsTheIncompleteNote();
};

void TransmissionTest::playsEveryWriteAndPauseInOrder()
{
    TestPlatform fakes;
    fakes.link.open();
    TncWriter writer(fakes.link);
    QCOMPARE(PlayTransmission(threeLines(), writer, fakes.pauser), TransmissionOutcome::Sent);
    QCOMPARE(fakes.link.written, QByteArray("ONE\rTWO\rTHREE\r\r"));
    QCOMPARE(fakes.pauser.pauses, (QList<double>{0.5, 1.0}));
    QCOMPARE(writtenText(threeLines()), QStringLiteral("ONE\rTWO\rTHREE\r\r"));
}

void TransmissionTest::portClosedBeforeStartWritesNothingAndDoesNotWait()
{
    TestPlatform fakes;
    TncWriter writer(fakes.link);
    QCOMPARE(PlayTransmission(threeLines(), writer, fakes.pauser), TransmissionOutcome::PortClosedBeforeStart);
    QVERIFY(fakes.link.written.isEmpty());
    QVERIFY(fakes.pauser.pauses.isEmpty());
}

void TransmissionTest::writeFailingPartwayFinishesThePausesWithoutWriting()
{
    TestPlatform fakes;
    fakes.link.open();
    TncWriter writer(fakes.link);
    // The port closes during the first pause.
    fakes.pauser.during = [&](double) {
        if (fakes.link.isOpen())
            fakes.link.close();
    };
    QCOMPARE(PlayTransmission(threeLines(), writer, fakes.pauser), TransmissionOutcome::LostPartway);
    QCOMPARE(fakes.link.written, QByteArray("ONE\r"));
    QCOMPARE(fakes.pauser.pauses, (QList<double>{0.5, 1.0}));

    // A write refused by an open link counts the same.
    TestPlatform refusing;
    refusing.link.open();
    refusing.link.failWritesAfter = 2;
    TncWriter refusingWriter(refusing.link);
    QCOMPARE(PlayTransmission(threeLines(), refusingWriter, refusing.pauser), TransmissionOutcome::LostPartway);
    QCOMPARE(refusing.link.written, QByteArray("ONE\rTWO\r"));
    QCOMPARE(refusing.pauser.pauses, (QList<double>{0.5, 1.0}));
}

void TransmissionTest::sendDeclinedChangesNothing()
{
    TestPlatform fakes;
    fakes.link.open();
    fakes.prompter.answers = {PromptAnswer::No};
    TncWriter writer(fakes.link);
    bool prepared = false;
    TrafficSend send(fakes.prompter, writer, fakes.pauser);
    QCOMPARE(send.run(kQuestion, [&] { prepared = true; return threeLines(); }), TrafficSendResult::Declined);
    QVERIFY(!prepared);
    QVERIFY(fakes.link.written.isEmpty());
    QCOMPARE(fakes.prompter.prompts.size(), 1);
    QCOMPARE(fakes.prompter.prompts[0].text, kQuestion);
    QCOMPARE(fakes.prompter.prompts[0].title, QStringLiteral("Vellicor"));
    QCOMPARE(fakes.prompter.prompts[0].buttons, PromptButtons::YesNo);
    QCOMPARE(fakes.prompter.prompts[0].icon, PromptIcon::Question);
}

void TransmissionTest::sendWithClosedPortTellsTheOperatorAndDoesNotPrepare()
{
    TestPlatform fakes;
    TncWriter writer(fakes.link);
    bool prepared = false;
    TrafficSend send(fakes.prompter, writer, fakes.pauser);
    QCOMPARE(send.run(kQuestion, [&] { prepared = true; return threeLines(); }), TrafficSendResult::NotSent);
    QVERIFY(!prepared);
    QVERIFY(fakes.pauser.pauses.isEmpty());
    QCOMPARE(fakes.prompter.prompts.size(), 2);
    const Prompt& note = fakes.prompter.prompts[1];
    QCOMPARE(note.text, QStringLiteral("The serial port is not open. The message was not sent."));
    QCOMPARE(note.title, QStringLiteral("Vellicor"));
    QCOMPARE(note.buttons, PromptButtons::Ok);
    QCOMPARE(note.icon, PromptIcon::Exclamation);
}

void TransmissionTest::sendCompleteShowsTheClosingNote()
{
    TestPlatform fakes;
    fakes.link.open();
    TncWriter writer(fakes.link);
    TrafficSend send(fakes.prompter, writer, fakes.pauser);
    QCOMPARE(send.run(kQuestion, threeLines), TrafficSendResult::Sent);
    QCOMPARE(fakes.link.written, QByteArray("ONE\rTWO\rTHREE\r\r"));
    QCOMPARE(fakes.prompter.prompts.size(), 2);
    const Prompt& note = fakes.prompter.prompts[1];
    QCOMPARE(note.text, QStringLiteral("Message is transmitting.  TNC is now in CONVerse mode.\r\n"
                                       "(Ignore 'cmd:' prompt embedded in text or at bottom of main screen.)"));
    QCOMPARE(note.title, QStringLiteral("Vellicor"));
    QCOMPARE(note.buttons, PromptButtons::Ok);
    QCOMPARE(note.icon, PromptIcon::Information);
}

void TransmissionTest::sendLostPartwayShowsTheIncompleteNote()
{
    TestPlatform fakes;
    fakes.link.open();
    fakes.pauser.during = [&](double) {
        if (fakes.link.isOpen())
            fakes.link.close();
    };
    TncWriter writer(fakes.link);
    TrafficSend send(fakes.prompter, writer, fakes.pauser);
    QCOMPARE(send.run(kQuestion, threeLines), TrafficSendResult::Incomplete);
    QCOMPARE(fakes.prompter.prompts.size(), 2);
    QCOMPARE(fakes.prompter.prompts[1].text,
             QStringLiteral("The serial port closed during the transmission. The message was not completely sent."));
    QCOMPARE(fakes.prompter.prompts[1].icon, PromptIcon::Exclamation);
}

QTEST_GUILESS_MAIN(TransmissionTest)
#include "TransmissionTest.moc"
