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

// A send asks first and plays the transmission only once the operator said
// Yes and the port is open, so a send that cannot start changes nothing; the
// form prepares itself (reflow, restored zeros) only then. After a failed
// write the rest is skipped but the pauses still run.
class TransmissionTest : public QObject {
    Q_OBJECT
private slots:
    void sendAsksPlaysAndTellsHowItWent_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<int>("link");
        QTest::addColumn<int>("result");
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<int>("pauses");
        QTest::addColumn<QString>("note");
        QTest::addColumn<int>("icon");
        using R = TrafficSendResult;
        const int exclamation = int(PromptIcon::Exclamation);
        QTest::newRow("No") << false << int(Link::Open) << int(R::Declined) << QByteArray() << 0 << QString() << 0;
        QTest::newRow("port closed") << true << int(Link::Closed) << int(R::NotSent) << QByteArray() << 0 << kNotOpen
                                     << exclamation;
        QTest::newRow("sent") << true << int(Link::Open) << int(R::Sent) << QByteArray("ONE\rTWO\rTHREE\r\r") << 2
                              << kTransmitting << int(PromptIcon::Information);
        QTest::newRow("lost in the first pause") << true << int(Link::ClosesInFirstPause) << int(R::Incomplete)
                                                 << QByteArray("ONE\r") << 2 << kLost << exclamation;
        QTest::newRow("write refused by an open link") << true << int(Link::RefusesThirdWrite) << int(R::Incomplete)
                                                       << QByteArray("ONE\rTWO\r") << 2 << kLost << exclamation;
    }

    void sendAsksPlaysAndTellsHowItWent()
    {
        QFETCH(bool, yes);
        QFETCH(int, link);
        QFETCH(QByteArray, written);
        QFETCH(int, pauses);
        QFETCH(QString, note);
        QFETCH(int, icon);
        TestPlatform fakes;
        setUp(fakes, Link(link));
        fakes.prompter.answers = {yes ? PromptAnswer::Yes : PromptAnswer::No};
        TncWriter writer(fakes.link);
        bool ran = false;
        TrafficSend send(fakes.prompter, writer, fakes.pauser);
        QTEST(int(send.run(kQuestion, [&] { ran = true; return threeLines(); })), "result");
        QCOMPARE(ran, !written.isEmpty());
        QCOMPARE(fakes.link.written, written);
        QCOMPARE(fakes.pauser.pauses, (QList<double>{0.5, 1.0}).mid(0, pauses));
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
