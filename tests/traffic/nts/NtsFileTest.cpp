#include "ExampleRadiogram.h"
#include "terminal/TextFile.h"
#include "traffic/nts/NtsFile.h"
#include "traffic/nts/Radiogram.h"

#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

Q_DECLARE_METATYPE(vellicor::Radiogram)

namespace {

using R = Radiogram;
const QDate kToday(2026, 12, 5);

Radiogram fullRadiogram()
{
    return exampleRadiogram({{&R::msgNum, "7"}, {&R::precedence, "P (Priority)"}, {&R::handling, "HXG"},
                             {&R::check, "ARL 5"}, {&R::timeFiled, "2:30 PM"}, {&R::dateFiled, "12/5/2026"},
                             {&R::address, "12 MAIN ST\r\nAPT 4"}, {&R::phone, "3035551212"},
                             {&R::message, "ARL FIFTY\r\nLOVE BOB\r\n"}});
}

const QString kFullFile = QStringLiteral("007\r\nP (Priority)\r\nHXG\r\nW1AW\r\nARL 5\r\nDENVER CO\r\n14:30Z\r\n12/05/2026\r\n"
                                         "JOHN DOE\r\n12 MAIN ST\r\nAPT 4 .AA.\r\nBOULDER\r\nCO\r\n80302\r\n"
                                         "(303) 555-1212 .BT.\r\nARL FIFTY\r\nLOVE BOB\r\n .BT.\r\nMARY\r\n");

// The full radiogram as it reads back: number, time, date and phone in their patterns.
Radiogram fullReadBack()
{
    return with(fullRadiogram(), {{&R::msgNum, "007"}, {&R::timeFiled, "14:30Z"}, {&R::dateFiled, "12/05/2026"},
                                  {&R::phone, "(303) 555-1212"}});
}

Radiogram opened(const QByteArray& bytes)
{
    Radiogram radiogram = Radiogram::cleared(kToday);
    NtsFile::readInto(TextFile::splitLines(decodeWindows1252(bytes)), radiogram);
    return radiogram;
}

} // namespace

class NtsFileTest : public QObject {
    Q_OBJECT
private slots:
    void fieldsAreWrittenTrimmedWithTheirPatterns_data();
    void fieldsAreWrittenTrimmedWithTheirPatterns();
    void filesReadIntoTheForm_data();
    void filesReadIntoTheForm();
};

void NtsFileTest::fieldsAreWrittenTrimmedWithTheirPatterns_data()
{
    QTest::addColumn<Radiogram>("radiogram");
    QTest::addColumn<QString>("contents");
    QTest::newRow("all empty") << with(R{}, {{&R::precedence, ""}})
                               << "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n .AA.\r\n\r\n\r\n\r\n .BT.\r\n .BT.\r\n\r\n";
    QTest::newRow("every field") << with(fullRadiogram(), {{&R::station, "  W1AW  "}}) << kFullFile;
    QTest::newRow("address lines trimmed at the ends of the address")
        << with(fullRadiogram(), {{&R::address, "  12 MAIN ST  \r\n  APT 4  "}})
        << QString(kFullFile).replace("12 MAIN ST\r\nAPT 4", "12 MAIN ST  \r\n  APT 4");
}

void NtsFileTest::fieldsAreWrittenTrimmedWithTheirPatterns()
{
    QFETCH(Radiogram, radiogram);
    QFETCH(QString, contents);
    QCOMPARE(NtsFile::contents(radiogram), contents);
}

void NtsFileTest::filesReadIntoTheForm_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Radiogram>("read");
    const QByteArray full = kFullFile.toLatin1();
    const QByteArray head = "1\r\nR\r\n\r\nW1AW\r\n3\r\nHERE\r\n\r\n\r\nJOE\r\n";
    const Radiogram headRead = with(Radiogram::cleared(kToday),
        {{&R::msgNum, "001"}, {&R::precedence, "R"}, {&R::station, "W1AW"}, {&R::check, "3"}, {&R::place, "HERE"},
         {&R::dateFiled, ""}, {&R::name, "JOE"}});
    QTest::newRow("every field, CR LF") << full << fullReadBack();
    QTest::newRow("address ending in a break keeps it")
        << QByteArray(full).replace("APT 4 .AA.", " .AA.") << with(fullReadBack(), {{&R::address, "12 MAIN ST\r\n"}});
    QTest::newRow("trimmed address lines") << QByteArray(full).replace("12 MAIN ST\r\nAPT 4", "  12 MAIN ST  \r\n  APT 4")
                                           << fullReadBack();
    QTest::newRow("text line ending in .BT. ends the text")
        << QByteArray(full).replace("ARL FIFTY\r\nLOVE BOB\r\n .BT.\r\nMARY", "SEE ITEM.BT.\r\nMORE TEXT .BT.\r\nMARY")
        << with(fullReadBack(), {{&R::message, "SEE ITE"}, {&R::signedBy, "MORE TEXT .BT."}});
    QTest::newRow("empty file") << QByteArray() << Radiogram::cleared(kToday);
    QTest::newRow("file ending early") << QByteArray("12\r\nEmergency\r\n")
                                       << with(Radiogram::cleared(kToday), {{&R::msgNum, "012"}, {&R::precedence, "Emergency"}});
    QTest::newRow("no address marker: the rest is the address")
        << head + "LINE A\r\nLINE B\r\n" << with(headRead, {{&R::address, "LINE A\r\nLINE B\r\n"}});
}

void NtsFileTest::filesReadIntoTheForm()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Radiogram, read);
    QCOMPARE(opened(bytes), read);
}

QTEST_GUILESS_MAIN(NtsFileTest)
#include "NtsFileTest.moc"
