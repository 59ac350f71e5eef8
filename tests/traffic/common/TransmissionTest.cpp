#include "Fakes.h"
#include "TrafficTestSupport.h"
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
const QString kNotOpen = QStringLiteral("The serial port is not open. The message was not sent.");

// How the link behaves during a send.
enum class Link { Open, Closed, ClosesInFirstPause, RefusesThirdWrite };

void setUp(TestPlatform& fakes, Link link)
{
    if (link != Link::Closed)
        fakes.link.open();
    if (link == Link::RefusesThirdWrite)
        fakes.link.failWritesAfter = 2;
    if (link == Link::ClosesInFirstPause) {
        fakes.pauser.during = [&fakes](double) {
            if (fakes.link.isOpen())
                fakes.link.close();
        };
    }
}

} // namespace

class TransmissionTest : public QObject {
    Q_OBJECT
private slots:
    // After a failed write the rest is skipped but the pauses still run.
    void playsWritesAndPausesInOrder_data()
    {
        QTest::addColumn<int>("link");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<int>("pauses");
        using O = TransmissionOutcome;
        QTest::newRow("open") << int(Link::Open) << int(O::Sent) << QByteArray("ONE\rTWO\rTHREE\r\r") << 2;
        QTest::newRow("closed: no write, no wait") << int(Link::Closed) << int(O::PortClosedBeforeStart) << QByteArray()
                                                   << 0;
        QTest::newRow("closed in the first pause") << int(Link::ClosesInFirstPause) << int(O::LostPartway)
                                                   << QByteArray("ONE\r") << 2;
        QTest::newRow("write refused by an open link") << int(Link::RefusesThirdWrite) << int(O::LostPartway)
                                                       << QByteArray("ONE\rTWO\r") << 2;
    }

    void playsWritesAndPausesInOrder()
    {
        QFETCH(int, link);
        QFETCH(int, outcome);
        QFETCH(QByteArray, written);
        QFETCH(int, pauses);
        TestPlatform fakes;
        setUp(fakes, Link(link));
        TncWriter writer(fakes.link);
        QCOMPARE(int(PlayTransmission(threeLines(), writer, fakes.pauser)), outcome);
        QCOMPARE(fakes.link.written, written);
        QCOMPARE(fakes.pauser.pauses, (QList<double>{0.5, 1.0}).mid(0, pauses));
    }

    // The form prepares itself (reflow, restored zeros) only once the operator
    // said Yes and the port is open, so a send that cannot start changes nothing.
    void sendAsksPreparesAndTellsHowItWent_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<int>("link");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("prepared");
        QTest::addColumn<QString>("note");
        QTest::addColumn<int>("icon");
        QTest::newRow("No") << false << int(Link::Open) << int(TrafficSendResult::Declined) << false << QString() << 0;
        QTest::newRow("port closed") << true << int(Link::Closed) << int(TrafficSendResult::NotSent) << false
                                     << kNotOpen << int(PromptIcon::Exclamation);
        QTest::newRow("sent") << true << int(Link::Open) << int(TrafficSendResult::Sent) << true
                              << kTransmitting << int(PromptIcon::Information);
        QTest::newRow("lost partway") << true << int(Link::ClosesInFirstPause) << int(TrafficSendResult::Incomplete)
                                      << true << kLost << int(PromptIcon::Exclamation);
    }

    void sendAsksPreparesAndTellsHowItWent()
    {
        QFETCH(bool, yes);
        QFETCH(int, link);
        QFETCH(int, result);
        QFETCH(bool, prepared);
        QFETCH(QString, note);
        QFETCH(int, icon);
        TestPlatform fakes;
        setUp(fakes, Link(link));
        fakes.prompter.answers = {yes ? PromptAnswer::Yes : PromptAnswer::No};
        TncWriter writer(fakes.link);
        bool ran = false;
        TrafficSend send(fakes.prompter, writer, fakes.pauser);
        QCOMPARE(int(send.run(kQuestion, [&] { ran = true; return threeLines(); })), result);
        QCOMPARE(ran, prepared);
        QCOMPARE(fakes.link.written.isEmpty(), !prepared);
        const Prompt& question = fakes.prompter.prompts.value(0);
        QCOMPARE(question.text, kQuestion);
        QCOMPARE(question.buttons, PromptButtons::YesNo);
        QCOMPARE(question.icon, PromptIcon::Question);
        QCOMPARE(fakes.prompter.prompts.size(), note.isEmpty() ? 1 : 2);
        if (!note.isEmpty()) {
            const Prompt& shown = fakes.prompter.prompts[1];
            QCOMPARE(shown.text, note);
            QCOMPARE(shown.buttons, PromptButtons::Ok);
            QCOMPARE(int(shown.icon), icon);
        }
    }
};

QTEST_GUILESS_MAIN(TransmissionTest)
#include "TransmissionTest.moc"
