#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <optional>

namespace vellicor {

// A failure of a port operation: its number and the text the operator sees.
struct PortFailure {
    int number = 0;
    QString description;
};

// Empty on success.
using PortResult = std::optional<PortFailure>;

// Failure numbers of port operations. The first three are the ones the
// terminal tells apart; the rest give every other failure kind its own number.
namespace PortFailures {
inline constexpr int kDeviceNotFound = 8002;
inline constexpr int kAlreadyOpen = 8005;
inline constexpr int kOpenFailed = 8010;
inline constexpr int kNotOpen = 8012;
inline constexpr int kPermissionDenied = 8015;
inline constexpr int kNeedsOpenPort = 8018;
inline constexpr int kBadSettings = 8020;
inline constexpr int kUnsupported = 8021;
inline constexpr int kWriteFailed = 8022;
inline constexpr int kConnectFailed = 8023;
inline constexpr int kUnknown = 8099;
}

// Port event numbers raised through SerialLink::portEvent.
namespace PortEvents {
inline constexpr int kSendBufferLow = 1;
inline constexpr int kDataReceived = 2;
inline constexpr int kCtsChanged = 3;
inline constexpr int kDsrChanged = 4;
inline constexpr int kCdChanged = 5;
inline constexpr int kRing = 6;
inline constexpr int kEndOfFile = 7;
inline constexpr int kBreak = 1001;
inline constexpr int kCtsTimeout = 1002;
inline constexpr int kDsrTimeout = 1003;
inline constexpr int kFraming = 1004;
inline constexpr int kOverrun = 1006;
inline constexpr int kCdTimeout = 1007;
inline constexpr int kReceiveOverflow = 1008;
inline constexpr int kParity = 1009;
inline constexpr int kTransmitFull = 1010;
inline constexpr int kDcb = 1011;
// Errors of the link that the classic table has no number for.
inline constexpr int kWriteError = 1101;
inline constexpr int kTimeout = 1102;
inline constexpr int kUnsupportedOperation = 1103;
inline constexpr int kLinkError = 1104;
}

// The one link to the TNC: a serial device or a serial-over-TCP server.
// Configuration is kept while the link is closed and applied when it opens.
class SerialLink : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual PortResult setPortNumber(int number) = 0;
    virtual int portNumber() const = 0;
    virtual PortResult setSettings(const QString& settings) = 0;
    virtual QString settings() const = 0;
    virtual PortResult setHandshaking(int mode) = 0;
    virtual int handshaking() const = 0;

    // Opens the link. A link that must first reach a server (TCP) may return
    // success while still connecting: isConnecting() is then true, and
    // opened() or openFailed() follows.
    virtual PortResult open() = 0;
    // Closes the link, or gives up a connection being made, without a report.
    virtual PortResult close() = 0;
    virtual bool isOpen() const = 0;
    // While connecting, open() and setPortNumber() answer "already open" and
    // writes fail as on a closed link.
    virtual bool isConnecting() const { return false; }

    // The TNC's CTS line; nothing while the link is closed. A link that has
    // no modem lines reports CTS asserted while it is open.
    virtual std::optional<bool> cts() const = 0;

    virtual PortResult write(const QByteArray& bytes) = 0;
    // Takes at most maxBytes of what has been received.
    virtual QByteArray read(qint64 maxBytes) = 0;
    virtual qint64 bytesAvailable() const = 0;

    // The device the port number stands for (for display and the Properties dialog).
    virtual QString deviceName() const { return {}; }

signals:
    // A port event or line error, numbered as in PortEvents.
    void portEvent(int number);
    // The device vanished or the peer closed the connection.
    void linkLost();
    // An open is reaching the server (as "HOST:PORT") and has not ended yet.
    void connecting(const QString& peer);
    // The connection being made is up: the link is open.
    void opened();
    // The connection being made failed or timed out: the link stays closed.
    void openFailed(const PortFailure& failure);
    // The link uses another handshaking mode than the one asked for, which
    // the device cannot have.
    void handshakingInForce(int mode);
};

} // namespace vellicor
