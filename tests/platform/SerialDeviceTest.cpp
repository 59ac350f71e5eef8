#include "TestFiles.h"
#include "platform/api/PortMap.h"
#include "platform/qt/QtSerialDevices.h"
#include "platform/qt/QtSerialLink.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <memory>

using namespace vellicor;

namespace {

// Modem lines for the pseudo-terminal, which has none: while a test sets
// `lines`, reading the lines answers them, after `failures` reads that fail
// as a passing device error would.
struct ModemLines {
    std::optional<int> lines;
    int failures = 0;
};
ModemLines g_modemLines;

} // namespace

// Every ioctl of the program passes through here in this test.
extern "C" int ioctl(int fd, unsigned long request, ...) noexcept
{
    va_list args;
    va_start(args, request);
    void* argument = va_arg(args, void*);
    va_end(args);
    if (request == TIOCMGET && g_modemLines.lines) {
        if (g_modemLines.failures > 0) {
            --g_modemLines.failures;
            errno = EIO;
            return -1;
        }
        *static_cast<int*>(argument) = *g_modemLines.lines;
        return 0;
    }
    static const auto real = reinterpret_cast<int (*)(int, unsigned long, ...)>(dlsym(RTLD_NEXT, "ioctl"));
    return real(fd, request, argument);
}

// The link over a serial device, played by a pseudo-terminal: it has no
// modem lines, and closing its master end makes the device vanish.
class SerialDeviceTest : public QObject {
    Q_OBJECT
private slots:
    void offersPresentSerialDevicesInOrder()
    {
        QTemporaryDir dev;
        for (const char* name : {"ttyS10", "ttyS2", "ttyACM1", "rfcomm0", "ttyUSB0", "ttyS0", "tty0", "console",
                                 "ttyUSBx", "ttyprintk"}) {
            QVERIFY(test::writeBytes(dev.filePath(QLatin1String(name)), {}));
        }
        QStringList expected;
        for (const char* name : {"ttyS0", "ttyS2", "ttyS10", "ttyUSB0", "ttyACM1", "rfcomm0"})
            expected.append(dev.filePath(QLatin1String(name)));
        QCOMPARE(QtSerialDevices(dev.path()).present(), expected);
    }

    void init()
    {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master < 0)
            QSKIP("no pseudo-terminals here");
        QVERIFY(grantpt(m_master) == 0 && unlockpt(m_master) == 0);
        QVERIFY(fcntl(m_master, F_SETFL, O_NONBLOCK) == 0);
        m_ports = PortMap();
        m_ports.setDevice(1, QString::fromLocal8Bit(ptsname(m_master)));
        m_link = std::make_unique<QtSerialLink>(m_ports);
        QVERIFY(!m_link->setPortNumber(1));
        const PortResult opened = m_link->open();
        QVERIFY2(!opened, opened ? qPrintable(opened->description) : "");
    }

    void cleanup()
    {
        m_link.reset();
        g_modemLines = {};
        if (m_master >= 0)
            ::close(m_master);
        m_master = -1;
    }

    // One failed read of the modem lines is a passing failure: CTS is still
    // watched, and a TNC switched off afterwards is seen.
    void failedModemLineReadKeepsCtsWatched()
    {
        QVERIFY(!m_link->close());
        g_modemLines = {TIOCM_CTS | TIOCM_DSR, 0};
        QVERIFY(!m_link->open());
        QCOMPARE(m_link->cts(), std::optional<bool>(true));
        QSignalSpy events(m_link.get(), &SerialLink::portEvent);
        g_modemLines = {TIOCM_DSR, 1};
        QVERIFY(events.wait(5000));
        QCOMPARE(events.first().first().toInt(), PortEvents::kCtsChanged);
        QCOMPARE(m_link->cts(), std::optional<bool>(false));
    }

    // The link puts the line into raw mode, so every byte passes unchanged.
    // Polling the missing modem lines must not turn into a stream of errors.
    // The serial port cannot have RTS/CTS and XON/XOFF at once: asked for
    // both, it says RTS/CTS is in force. Settings changed while open reach
    // the device. A device that vanishes loses the link once.
    void carriesEveryByteAndIsLostOnceWhenTheDeviceVanishes()
    {
        QCOMPARE(m_link->cts(), std::optional<bool>(true));
        const QByteArray bytes = test::everyByte();
        QSignalSpy events(m_link.get(), &SerialLink::portEvent);
        QVERIFY(!m_link->write(bytes));
        QCOMPARE(readMaster(bytes.size()), bytes);
        QVERIFY(!events.wait(1200)); // several polling periods
        QCOMPARE(m_link->cts(), std::optional<bool>(true));
        QByteArray received;
        connect(m_link.get(), &SerialLink::portEvent, this, [&](int number) {
            if (number == 2)
                received += m_link->read(64 * 1024);
        });
        QCOMPARE(::write(m_master, bytes.constData(), bytes.size()), ssize_t(bytes.size()));
        QTRY_COMPARE(received, bytes);

        QSignalSpy inForce(m_link.get(), &SerialLink::handshakingInForce);
        QVERIFY(!m_link->setHandshaking(2) && inForce.isEmpty() && !m_link->setHandshaking(3));
        QCOMPARE(inForce.count(), 1);
        QCOMPARE(inForce.first().first().toInt(), 2);
        QCOMPARE(m_link->handshaking(), 3);
        QVERIFY(!m_link->setSettings(QStringLiteral("4800,N,8,2"))); // reaches the open device
        termios line{};
        QVERIFY(tcgetattr(m_master, &line) == 0 && cfgetospeed(&line) == speed_t(B4800));
        QCOMPARE(line.c_cflag & (CSIZE | CSTOPB | PARENB | PARODD), tcflag_t(CS8 | CSTOPB));

        QSignalSpy lost(m_link.get(), &SerialLink::linkLost);
        events.clear();
        ::close(m_master);
        m_master = -1;
        QVERIFY(lost.wait(5000) && !m_link->isOpen() && !events.wait(600));
        QCOMPARE(lost.count(), 1);
        QCOMPARE(m_link->write("x")->number, PortFailures::kNeedsOpenPort);
    }

private:
    // What the TNC's end has received, once it is `size` bytes or 5 s have passed.
    QByteArray readMaster(int size)
    {
        QByteArray got;
        QTest::qWaitFor([&] {
            char buffer[512];
            got.append(buffer, qMax<ssize_t>(0, ::read(m_master, buffer, sizeof buffer)));
            return got.size() >= size;
        }, 5000);
        return got;
    }

    int m_master = -1;
    PortMap m_ports;
    std::unique_ptr<QtSerialLink> m_link;
};

QTEST_MAIN(SerialDeviceTest)
#include "SerialDeviceTest.moc"
