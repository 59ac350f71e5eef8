#include "PracticeRig.h"
#include "TestFiles.h"
#include "TncRig.h"

#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

// The example scripts shipped for each TNC family: CR LF text, run by the real
// script runner, and what they send played into the practice TNC.
class ExampleScriptsTest : public QObject {
    Q_OBJECT
private slots:
    void startupBuildsModesAndItsBbsButtonConnects_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("channels");
        QTest::newRow("AEA") << "AEA" << 20;
        QTest::newRow("PK900") << "PK900" << 20;
        QTest::newRow("KAM") << "KAM" << 10;
    }

    void startupBuildsModesAndItsBbsButtonConnects()
    {
        QFETCH(QString, family);
        TncRig rig;
        for (const QString name : {"VellicorStartup.txt", "VellicorShutdown.txt"}) {
            const QByteArray bytes = fileBytes(QStringLiteral(VELLICOR_EXAMPLES_DIR "/%1/%2").arg(family, name));
            QVERIFY(bytes.endsWith("\r\n") && bytes.contains("$TNC=" + family.toLatin1() + "\r\n"));
            QCOMPARE(bytes.count('\r') + bytes.count('\n'), 2 * bytes.count("\r\n")); // no lone CR or LF
            rig.writeFile(name, bytes);
        }
        rig.control->RunScript(QStringLiteral("Start"));
        QVERIFY2(!rig.host.pane.contains("Invalid"), qPrintable(rig.host.pane));
        QCOMPARE(rig.host.modeItems.size(), 2);
        QCOMPARE(rig.host.modePanel, QString(rig.host.modeItems.value(1)).remove('&'));
        QCOMPARE(rig.host.buttonCaptions().first(), QStringLiteral("BBS"));
        QTEST(int(rig.host.visibleChannels().size()), "channels");
        QVERIFY(QRegularExpression("DAYTIME \\d{12}\\r").match(QString::fromLatin1(rig.written())).hasMatch());

        PracticeRig practice;
        practice.send(rig.written());
        rig.written().clear();
        rig.control->pressButton(0);
        QVERIFY(practice.send(rig.written()).contains("*** CONNECTED to N0BBS"));

        rig.written().clear();
        rig.control->RunScript(QStringLiteral("Shut"));
        QVERIFY(!rig.host.pane.contains("Invalid"));
        QVERIFY(practice.send(rig.written()).contains("*** DISCONNECTED from N0BBS"));
    }
};

QTEST_GUILESS_MAIN(ExampleScriptsTest)
#include "ExampleScriptsTest.moc"
