#include "practice/PracticeTraffic.h"

#include "practice/MessageStore.h"

namespace vellicor::PracticeTraffic {

const QByteArray kRadiogram = "NR 207 W HXG N0DEN 11 DENVER CO 1830Z MAY 12\r\n"
                              "ANNA LOPEZ\r\n"
                              "1450 PINE ST\r\n"
                              "BOULDER CO 80302\r\n"
                              "303 555 0188\r\n"
                              "BT\r\n"
                              "ARRIVED SAFELY AT RED CROSS SHELTER\r\n"
                              "IN LONGMONT ALL WELL LOVE\r\n"
                              "BT\r\n"
                              "CARLOS\r\n"
                              "\x1a";

const QByteArray kAresMessage = "05/12/2026    14:05\r\n"
                                "\r\n"
                                "TO:   (SHELTER1) Shelter manager\r\n"
                                "FROM: (EOC) Logistics, County EOC\r\n"
                                "\r\n"
                                "Truck 2 leaves the warehouse at 15:30 with 40 cots\r\n"
                                "and 80 blankets. Please have two volunteers at the\r\n"
                                "north door to unload.\r\n"
                                "END MSG SENT 14:10    BY N0EOC\r\n"
                                "\x1a";

namespace {

BoardMessage heading(char type, const QByteArray& to, const QByteArray& at, const QByteArray& from,
                     const QByteArray& title, const QDateTime& now)
{
    BoardMessage message;
    message.type = type;
    message.to = to;
    message.at = at;
    message.from = from;
    message.title = title;
    message.posted = now.toString(QStringLiteral("yyyy-MM-dd HH:mm")).toLatin1();
    return message;
}

} // namespace

QString addTo(MessageStore& store, const QDateTime& now)
{
    BoardMessage radiogram = heading('T', "80302", "NTSCO", "N0DEN", "QTC 1 BOULDER, CO", now);
    QString failure = store.add(radiogram, kRadiogram);
    if (!failure.isEmpty())
        return failure;
    BoardMessage ares = heading('P', "SHELTER1", QByteArray(), "EOC", "P, Cots and blankets", now);
    return store.add(ares, kAresMessage);
}

} // namespace vellicor::PracticeTraffic
