// What the program sends, stored by the practice board and read back with
// "R n", opens into the same fields: radiograms and ARES messages from a
// table and generated within the forms' own rules go through the
// transmission, the practice TNC and board, the board's answer and the readers.
#include "MessageFields.h"
#include "PracticeRig.h"

#include "terminal/BoardAnswer.h"
#include "terminal/Windows1252.h"
#include "traffic/ares/AresFields.h"
#include "traffic/ares/AresReader.h"
#include "traffic/ares/AresTransmission.h"
#include "traffic/nts/NtsCheck.h"
#include "traffic/nts/NtsReader.h"
#include "traffic/nts/NtsTransmission.h"
#include "traffic/common/TrafficPatterns.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cmath>

using namespace vellicor;
using namespace vellicor::test;

Q_DECLARE_METATYPE(vellicor::Radiogram)
Q_DECLARE_METATYPE(vellicor::AresMessage)

namespace {

constexpr int kGenerated = 60;
const QTime kNow(9, 7);

// Field values as operators fill the forms: capitals and digits, a few
// 8-bit letters, punctuation inside words; single blanks between words.
class FieldGenerator {
public:
    explicit FieldGenerator(quint32 seed) : m_random(seed) {}

    int number(int below) { return static_cast<int>(m_random.bounded(below)); }
    template <typename T>
    T pick(const QList<T>& from) { return from.at(number(static_cast<int>(from.size()))); }
    static QString padded(int value, int width) { return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0')); }
    QString digits(int count) { return padded(number(static_cast<int>(std::pow(10, count))), count); }
    QString words(const QStringList& vocabulary, int least, int most)
    {
        QStringList chosen;
        for (int i = least + number(most - least + 1); i > 0; --i)
            chosen.append(pick(vocabulary));
        return chosen.join(QLatin1Char(' '));
    }
    // Words, with a line break now and then where a blank would be.
    QString text(const QStringList& vocabulary, int most)
    {
        QString text = words(vocabulary, 1, most);
        for (qsizetype i = text.indexOf(QLatin1Char(' ')); i >= 0; i = text.indexOf(QLatin1Char(' '), i + 1)) {
            if (number(8) == 0)
                text.replace(i, 1, QStringLiteral("\r\n"));
        }
        return text;
    }
    QString call()
    {
        return pick<QString>({"W", "K", "AA", "KD"}) + digits(1) + pick<QString>({"AW", "XYZ", "Q", "DEN"});
    }
    QString clock(const QString& separator) { return padded(number(24), 2) + separator + padded(number(60), 2); }
    QString date() { return padded(1 + number(12), 2) + "/" + padded(1 + number(28), 2) + "/2026"; }

private:
    QRandomGenerator m_random;
};

const QStringList kTextWords = {"ARRIVED", "SAFE", "LOVE", "BOB", "NEED", "20", "COTS", "X-RAY", "ARL", "FIFTY",
                                "ONE", "WATER", "OK.", "7:30", "JOS\u00C9", "CAF\u00C9", "STOP", "TEXT", "QSL?"};
const QStringList kNames = {"JOHN", "DOE", "ANNA", "LOPEZ", "MARY", "O'NEIL", "J.", "REN\u00C9E", "SMITH-JONES"};
const QStringList kPlaces = {"DENVER", "FORT", "COLLINS", "BOULDER", "CO", "GREELEY", "LONGMONT", "ESTES", "PARK"};

Radiogram generatedRadiogram(FieldGenerator& g)
{
    Radiogram r;
    r.msgNum = TrafficPatterns::formatNumber000(QString::number(1 + g.number(2000))) + (g.number(5) ? "" : "A");
    r.precedence = (g.number(6) ? "" : "TEST ")
        + g.pick<QString>({"R (Routine)", "W (H & W)", "P (Priority)", "Emergency"});
    r.handling = g.pick<QString>({"", "", "HXA", "HXC", "HXG"});
    r.station = g.call();
    r.place = g.words(kPlaces, 1, 3);
    r.timeFiled = g.pick<QString>({"", g.clock("") + "Z", g.clock(":") + "Z"});
    r.dateFiled = g.number(4) ? g.date() : "DEC " + QString::number(1 + g.number(31));
    r.name = g.words(kNames, 1, 3);
    r.address = g.pick<QString>({"", g.digits(3) + " MAIN ST", g.digits(2) + " ELM AVE\r\nAPT " + g.digits(1)});
    r.city = g.words(kPlaces, 1, 2);
    r.state = g.pick<QString>({"CO", "WY", "ON"});
    r.zip = g.digits(5); // the board takes only a ZIP of letters and digits
    r.phone = g.pick<QString>({"", "(303) " + g.digits(3) + "-" + g.digits(4), g.digits(3) + "-" + g.digits(4)});
    r.message = g.text(kTextWords, 40);
    const qsizetype words = NtsCheck::ComputeCheck(r.message);
    r.check = r.message.startsWith("ARL") ? "ARL " + QString::number(words) : QString::number(words);
    r.signedBy = g.words(kNames, 1, 2);
    return r;
}

AresMessage generatedAresMessage(FieldGenerator& g)
{
    const QStringList words = {"Shelter", "status", "cots", "Need", "20", "water,", "All", "quiet.", "(north",
                               "door)", "Truck", "at", "15:30", "caf\u00E9", "Red", "Cross"};
    AresMessage m;
    m.priority = g.pick<QString>({"R", "W", "P", "E"});
    m.subject = g.words(words, 1, 4);
    m.date = g.date();
    m.time = g.pick<QString>({"", g.clock(":")});
    m.to = AresFields::callSignTyped(g.pick<QString>({"EOC", "SHELTER1", "NET", g.call(), "k0abc"}));
    m.toName = g.words(words, 1, 4);
    m.from = AresFields::callSignTyped(g.pick<QString>({"EOC", "SHELTER10", g.call()}));
    m.fromName = g.words(words, 1, 4);
    m.message = g.text(words, 50) + (g.number(2) ? "\r\n" : "");
    m.msgSentTime = g.pick<QString>({"", g.clock(":")});
    m.by = AresFields::callSignTyped(g.pick<QString>({"", "n0call", g.call()}));
    return m;
}

// The practice TNC connected to the board, as an operator leaves it.
struct BoardSession : PracticeRig {
    BoardSession() { send("C N0BBS\r"); }

    // Sends the transmission, then "R n" for the message it stored; the
    // board's answer as the receive pane gets it.
    QString storeAndRead(const Transmission& transmission)
    {
        const QByteArray saved = send(encodeWindows1252(writtenText(transmission)));
        if (!saved.contains("Message #1 saved"))
            return decodeWindows1252(saved);
        BoardAnswer answer;
        answer.sent(QStringLiteral("R 1\r"));
        answer.received(decodeWindows1252(send("R 1\r")));
        return answer.answer();
    }
};

TrafficGlobals sendOptions(int width)
{
    TrafficGlobals globals;
    globals.gNtsFormatBody = globals.gAresFormatBody = width > 0;
    globals.gNtsLineWidth = globals.gAresLineWidth = width > 0 ? width : 70;
    return globals;
}

} // namespace

class ReceivedTrafficRoundTripTest : public QObject {
    Q_OBJECT
private slots:
    void radiogramComesBackFieldForField_data();
    void radiogramComesBackFieldForField();
    void aresMessageComesBackFieldForField_data();
    void aresMessageComesBackFieldForField();
};

// Width 0 stands for formatting turned off.
void ReceivedTrafficRoundTripTest::radiogramComesBackFieldForField_data()
{
    QTest::addColumn<Radiogram>("radiogram");
    QTest::addColumn<int>("width");
    FieldGenerator g(16);
    for (int i = 0; i < kGenerated; ++i)
        QTest::addRow("generated %d", i) << generatedRadiogram(g) << g.pick<int>({0, 20, 70});
}

void ReceivedTrafficRoundTripTest::radiogramComesBackFieldForField()
{
    QFETCH(Radiogram, radiogram);
    QFETCH(int, width);
    TrafficGlobals globals = sendOptions(width);
    NtsTransmission::prepareForSend(radiogram, globals);
    BoardSession board;
    const QString answer = board.storeAndRead(NtsTransmission::build(radiogram, globals));
    const ReceivedReading<Radiogram> reading = NtsReader::read(answer);
    QVERIFY2(reading.message, qPrintable(reading.reason + "\n" + answer));
    QCOMPARE(fieldsOf(*reading.message), fieldsOf(radiogram));
}

void ReceivedTrafficRoundTripTest::aresMessageComesBackFieldForField_data()
{
    QTest::addColumn<AresMessage>("message");
    QTest::addColumn<int>("width");
    FieldGenerator g(4);
    for (int i = 0; i < kGenerated; ++i)
        QTest::addRow("generated %d", i) << generatedAresMessage(g) << g.pick<int>({0, 20, 70});
}

// The form shows the call-sign fields with slashed zeros; the send turned
// them into plain zeros, the reader turns them back.
void ReceivedTrafficRoundTripTest::aresMessageComesBackFieldForField()
{
    QFETCH(AresMessage, message);
    QFETCH(int, width);
    TrafficGlobals globals = sendOptions(width);
    AresTransmission::prepareForSend(message, globals, kNow);
    BoardSession board;
    const QString answer = board.storeAndRead(AresTransmission::build(message, globals));
    const ReceivedReading<AresMessage> reading = AresReader::read(answer);
    QVERIFY2(reading.message, qPrintable(reading.reason + "\n" + answer));
    for (QString* call : {&message.to, &message.from, &message.by})
        *call = AresFields::callSignTyped(*call);
    QCOMPARE(fieldsOf(*reading.message), fieldsOf(message));
}

QTEST_GUILESS_MAIN(ReceivedTrafficRoundTripTest)
#include "ReceivedTrafficRoundTripTest.moc"
