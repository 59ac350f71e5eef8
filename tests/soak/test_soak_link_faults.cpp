// Faults of the link through the whole program: a link that floods errors,
// and the TNC unplugged during a script's "#" pause.
#include "Controls.h"
#include "E2eFixture.h"
#include "SoakSupport.h"

#include "app/ReceiveView.h"
#include "app/SendBoxEdit.h"

#include <QApplication>
#include <QTest>

#include <array>

using namespace vellicor;
using namespace vellicor::test;

class SoakLinkFaults : public QObject {
    Q_OBJECT
private slots:
    void errorFloodAsksOneBoxAtATimeAndTheWindowKeepsWorking()
    {
        using namespace PortEvents;
        static constexpr std::array<int, 4> kErrors = {kWriteError, kTimeout, kUnsupportedOperation, kLinkError};
        const qint64 errors = soak::setting("VELLICOR_SOAK_ERRORS", 20000);
        FakeProgram program;
        QVERIFY(program.start());
        FakeLink& link = program.fakes.link;
        program.fakes.prompter.onShow = [&link] {
            for (int error : kErrors) // errors go on while the box is up
                link.raise(error);
        };

        soak::Heartbeat heartbeat;
        qint64 raised = 0;
        QTimer flood;
        QObject::connect(&flood, &QTimer::timeout, [&] {
            for (int i = 0; i < 100 && raised < errors; ++i, ++raised)
                link.raise(kErrors.at(raised % kErrors.size()));
            link.receive("LINE " + QByteArray::number(raised) + "\r\n");
            if (raised == errors)
                flood.stop();
        });
        flood.start(0);
        QTRY_VERIFY_WITH_TIMEOUT(!flood.isActive(), 300000);

        const qsizetype boxes = program.fakes.prompter.prompts.size();
        QCOMPARE(boxes, errors / 11);
        QVERIFY2(heartbeat.takeTicks() > 0, "the event loop stopped answering");
        QTRY_VERIFY(receiveView(*program.window).toPlainText().endsWith(QStringLiteral("LINE %1\n").arg(errors)));
        QTest::keyClicks(&sendBox(*program.window), QStringLiteral("STILL HERE"));
        QTest::keyClick(&sendBox(*program.window), Qt::Key_Return);
        QCOMPARE(link.written, QByteArray("STILL HERE\r"));
        qInfo().noquote() << QStringLiteral("soak error flood: %1 errors, %2 boxes, longest event-loop gap %3 ms")
                                 .arg(errors).arg(boxes).arg(heartbeat.longestGapMs());
    }

    void unpluggedDuringScriptPauseEndsTheScriptAndItRunsWholeAfterRestart()
    {
        E2eFixture program;
        QVERIFY(program.start());
        program.writeDataFile(QStringLiteral("VellicorStartup.txt"), "FIRST\r\n#\r\n#\r\nSECOND\r\n");
        QAction& runStartup = *named<QAction>(program.window(), QStringLiteral("mnuOptionsInitStartup"));
        program.fromProgram().clear();
        QTcpSocket* tnc = program.tnc();
        // The plug is pulled as soon as the TNC has "FIRST": the far end goes
        // away at once, as a TNC switched off or a cable pulled.
        QObject::connect(tnc, &QTcpSocket::readyRead, tnc, [&program, tnc] {
            if (program.fromProgram().contains("FIRST\r"))
                tnc->abort();
        });

        runStartup.trigger();
        QCOMPARE(program.fromProgram(), QByteArray("FIRST\r"));
        const QLabel& status = panel(program.window(), QStringLiteral("Status"));
        QCOMPARE(status.text(), QStringLiteral("Status: Change in CTS Detected"));
        QVERIFY(!QApplication::overrideCursor());

        // The operator's way back: Restart Port, once the watchdog shows it.
        QPushButton& restart = button(program.window(), QStringLiteral("cmdRestartPort"));
        QTRY_VERIFY_WITH_TIMEOUT(restart.isVisible(), 20000);
        restart.click();
        QTRY_VERIFY_WITH_TIMEOUT(program.tnc() != tnc && program.linkOpen(), 10000);
        program.fromProgram().clear();
        runStartup.trigger();
        QTRY_COMPARE(program.fromProgram(), QByteArray("FIRST\rSECOND\r"));
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(SoakLinkFaults)
#include "test_soak_link_faults.moc"
