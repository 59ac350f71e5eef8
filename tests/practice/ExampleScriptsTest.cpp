#include "PracticeRig.h"
#include "TncRig.h"

#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {

QByteArray exampleBytes(const QString& family, const QString& name)
{
    QFile file(QStringLiteral(VELLICOR_EXAMPLES_DIR "/%1/%2").arg(family, name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The example scripts shipped for each TNC family, run by the real script
// runner, and what they send played into the practice TNC.
class ExampleScriptsTest : public QObject {
    Q_OBJECT
private slots:
    void examplesAreCrLfText_data();
    void examplesAreCrLfText();
    void startupBuildsModesAndItsBbsButtonConnects_data();
    void startupBuildsModesAndItsBbsButtonConnects();
};

void ExampleScriptsTest::examplesAreCrLfText_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("name");
    for (const char* family : {"AEA", "PK900", "KAM"}) {
        for (const char* name : {"VellicorStartup.txt", "VellicorShutdown.txt"})
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(family, name))) << family << name;
    }
}

void ExampleScriptsTest::examplesAreCrLfText()
{
    QFETCH(QString, family);
    QFETCH(QString, name);
    const QByteArray bytes = exampleBytes(family, name);
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QVERIFY(bytes.contains("$TNC=" + family.toLatin1() + "\r\n"));
}

void ExampleScriptsTest::startupBuildsModesAndItsBbsButtonConnects_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("channels");
    QTest::newRow("AEA") << "AEA" << 20;
    QTest::newRow("PK900") << "PK900" << 20;
    QTest::newRow("KAM") << "KAM" << 10;
}

void ExampleScriptsTest::startupBuildsModesAndItsBbsButtonConnects()
{
    QFETCH(QString, family);
    QFETCH(int, channels);
    TncRig rig;
    rig.writeFile(QStringLiteral("VellicorStartup.txt"), exampleBytes(family, "VellicorStartup.txt"));
    rig.writeFile(QStringLiteral("VellicorShutdown.txt"), exampleBytes(family, "VellicorShutdown.txt"));
    rig.control->RunScript(QStringLiteral("Start"));

    QVERIFY2(!rig.host.pane.contains("Invalid"), qPrintable(rig.host.pane));
    QCOMPARE(rig.host.modeItems.size(), 2);
    QCOMPARE(rig.host.modePanel, QString(rig.host.modeItems.value(1)).remove('&'));
    QCOMPARE(rig.host.buttonCaptions().first(), QStringLiteral("BBS"));
    QCOMPARE(rig.host.visibleChannels().size(), channels);
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

QTEST_GUILESS_MAIN(ExampleScriptsTest)
#include "ExampleScriptsTest.moc"
