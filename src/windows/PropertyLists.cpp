#include "windows/PropertyLists.h"

#include "platform/api/PortMap.h"

namespace vellicor::PropertyLists {

QStringList ports()
{
    QStringList items;
    for (int port = 1; port <= PortMap::kHighestPort; ++port)
        items.append(QStringLiteral("Com%1").arg(port));
    return items;
}

QStringList speeds()
{
    return {QStringLiteral("110"),   QStringLiteral("300"),    QStringLiteral("600"),
            QStringLiteral("1200"),  QStringLiteral("2400"),   QStringLiteral("4800"),
            QStringLiteral("9600"),  QStringLiteral("14400"),  QStringLiteral("19200"),
            QStringLiteral("28800"), QStringLiteral("38400"),  QStringLiteral("56000"),
            QStringLiteral("57600"), QStringLiteral("115200"), QStringLiteral("128000"),
            QStringLiteral("256000")};
}

QStringList dataBits()
{
    return {QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"),
            QStringLiteral("8")};
}

QStringList parities()
{
    return {QStringLiteral("Even"), QStringLiteral("Odd"), QStringLiteral("None"),
            QStringLiteral("Mark"), QStringLiteral("Space")};
}

QStringList stopBits()
{
    return {QStringLiteral("1"), QStringLiteral("1.5"), QStringLiteral("2")};
}

namespace {

int parityIndex(QChar letter)
{
    switch (letter.toLower().unicode()) {
    case 'e': return 0;
    case 'o': return 1;
    case 'n': return 2;
    case 'm': return 3;
    case 's': return 4;
    }
    return -1;
}

void selectSettings(const QString& s, CommunicationsSelection& selection)
{
    // k makes room for the two extra characters of "1.5" stop bits.
    const qsizetype k = s.contains(QLatin1Char('.')) ? 2 : 0;
    const qsizetype length = s.size();
    if (length - 6 - k < 1)
        return;
    // Positions count from 1, as the settings text is described.
    auto charAt = [&s](qsizetype position) { return s.at(position - 1); };
    selection.speed = speeds().indexOf(s.left(length - 6 - k));
    selection.parity = parityIndex(charAt(length - 4 - k));
    selection.dataBits = dataBits().indexOf(QString(charAt(length - 2 - k)));
    selection.stopBits = stopBits().indexOf(s.right(1 + k));
}

} // namespace

CommunicationsSelection select(const QString& settings, int portNumber, int handshaking,
                               bool localEcho)
{
    CommunicationsSelection selection;
    selectSettings(settings, selection);
    if (portNumber >= 1 && portNumber <= PortMap::kHighestPort)
        selection.port = portNumber - 1;
    selection.flow = handshaking;
    selection.echo = localEcho;
    return selection;
}

QString settingsText(const QString& speed, const QString& parity, const QString& dataBits,
                     const QString& stopBits)
{
    return speed.trimmed() + QLatin1Char(',') + parity.left(1) + QLatin1Char(',')
        + dataBits.trimmed() + QLatin1Char(',') + stopBits.trimmed();
}

} // namespace vellicor::PropertyLists
