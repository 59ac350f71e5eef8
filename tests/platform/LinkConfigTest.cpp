#include "Fakes.h"
#include "TestFiles.h"
#include "platform/api/LineSettings.h"
#include "platform/api/PortMap.h"
#include "platform/qt/QtPlatform.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vellicor;
using vellicor::test::MemorySettings;

// Line settings text, port numbers to devices, file dialog filters and the
// INI preferences file.
class LinkConfigTest : public QObject {
    Q_OBJECT
private slots:
    void parsesLineSettings_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("parsed"); // empty when refused

        QTest::newRow("default") << "9600,n,8,1" << "9600,N,8,1";
        QTest::newRow("even seven") << "4800,E,7,1" << "4800,E,7,1";
        QTest::newRow("blanks") << " 1200 , o , 7 , 2 " << "1200,O,7,2";
        QTest::newRow("mark") << "300,m,8,1" << "300,M,8,1";
        QTest::newRow("one and a half") << "110,n,5,1.5" << "110,N,5,1.5";
        QTest::newRow("four data bits parse") << "9600,n,4,1" << "9600,N,4,1";
        QTest::newRow("three parts") << "9600,n,8" << "";
        QTest::newRow("bad parity") << "9600,x,8,1" << "";
        QTest::newRow("baud not a number") << "fast,n,8,1" << "";
        QTest::newRow("baud zero") << "0,n,8,1" << "";
        QTest::newRow("nine data bits") << "9600,n,9,1" << "";
        QTest::newRow("three data bits") << "9600,n,3,1" << "";
        QTest::newRow("three stop bits") << "9600,n,8,3" << "";
    }

    void parsesLineSettings()
    {
        QFETCH(QString, text);
        QFETCH(QString, parsed);
        const std::optional<LineSettings> settings = LineSettings::parse(text);
        QCOMPARE(settings.has_value(), !parsed.isEmpty());
        if (settings)
            QCOMPARE(settings->toString(), parsed);
    }

    void portsMapToDevices()
    {
        MemorySettings store;
        store.values = {{"Ports/Com2", "tcp://127.0.0.1:8001"}, {"Ports/Com3", " /dev/ttyUSB0 "},
                        {"Ports/Com4", "   "}, {"Properties/Com5", "/dev/wrong-group"}};
        PortMap map;
        map.load(store);
        QStringList devices; // of ports 1 to 5
        for (int port = 1; port <= 5; ++port)
            devices.append(map.deviceFor(port));
        const QStringList expected{"/dev/ttyS0", "tcp://127.0.0.1:8001", "/dev/ttyUSB0", "/dev/ttyS3", "/dev/ttyS4"};
        QCOMPARE(devices, expected);

        map.setDevice(6, QStringLiteral("/dev/rfcomm0"));
        map.store(store, 6);
        map.store(store, 7); // no entry: nothing written
        QCOMPARE(store.writes, QStringList{QStringLiteral("Ports/Com6=/dev/rfcomm0")});
        map.setDevice(2, QString()); // back to the default
        QCOMPARE(map.deviceFor(2), QStringLiteral("/dev/ttyS1"));
    }

    void convertsDialogFilters_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("qt");
        QTest::newRow("text and all") << "Text Files (*.txt)|*.txt|All Files (*.*)|*.*"
                                      << "Text Files (*.txt);;All Files (*)";
        QTest::newRow("description without patterns") << "NTS Messages|NTS*.txt" << "NTS Messages (NTS*.txt)";
        QTest::newRow("several patterns") << "Scripts|*.txt;*.scr" << "Scripts (*.txt *.scr)";
        QTest::newRow("dangling description") << "Text|*.txt|Orphan" << "Text (*.txt)";
        QTest::newRow("empty") << "" << "";
    }

    void convertsDialogFilters()
    {
        QFETCH(QString, filter);
        QTEST(QtFileDialogs::toQtFilter(filter), "qt");
    }

    void iniStoreKeepsTextValues()
    {
        QTemporaryDir dir;
        const auto written = [&dir](const char* name, const QByteArray& bytes) {
            const QString path = dir.filePath(QLatin1String(name));
            return test::writeBytes(path, bytes) ? path : QString();
        };
        const QString group = QStringLiteral("Properties");
        {
            IniSettingsStore store(dir.filePath(QStringLiteral("Vellicor.ini")));
            QVERIFY(!store.unreadable() && !store.value(group, QStringLiteral("Settings")));
            QVERIFY(store.setValue(group, QStringLiteral("Settings"), QStringLiteral("4800,e,7,1")));
        }
        IniSettingsStore again(dir.filePath(QStringLiteral("Vellicor.ini")));
        QCOMPARE(again.value(group, QStringLiteral("Settings")).value_or(QString()), QStringLiteral("4800,e,7,1"));

        // Written by hand, without quotes, a value with commas reads the same.
        const QByteArray byHand = "[Properties]\r\nSettings=9600,n,8,1\r\nTextReceivedForeColor=&H00FFFF\r\n";
        IniSettingsStore hand(written("hand.ini", byHand));
        QCOMPARE(hand.value(group, QStringLiteral("Settings")).value_or(QString()), QStringLiteral("9600,n,8,1"));
        QCOMPARE(hand.value(group, QStringLiteral("TextReceivedForeColor")).value_or(QString()), QStringLiteral("&H00FFFF"));

        // A file that is not INI reads as nothing and says so.
        const QByteArray notIni("[Properties\nEcho=\"unterminated\n\x00\x01\x02", 30);
        IniSettingsStore broken(written("broken.ini", notIni));
        QVERIFY(broken.unreadable() && !broken.value(group, QStringLiteral("Echo")));
    }
};

QTEST_MAIN(LinkConfigTest)
#include "LinkConfigTest.moc"
