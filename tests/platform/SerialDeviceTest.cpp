#include "platform/api/PortMap.h"
#include "platform/qt/QtSerialLink.h"

#include <QSignalSpy>
#include <QTest>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <memory>

using namespace vellicor;

// The link over a serial device, played by a pseudo-terminal: it has no
// modem lines, and closing its master end makes the device vanish.
class SerialDeviceTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master < 0)
            QSKIP("no pseudo-terminals here");
        QVERIFY(grantpt(m_master) == 0 && unlockpt(m_master) == 0);
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
        if (m_master >= 0)
            ::close(m_master);
        m_master = -1;
    }

    void deviceWithoutModemLinesCountsAsCtsUp()
    {
        QVERIFY(m_link->isOpen());
        QCOMPARE(m_link->cts(), std::optional<bool>(true));
        // Polling the missing modem lines must not turn into a stream of errors.
        QSignalSpy events(m_link.get(), &SerialLink::portEvent);
        QVERIFY(!events.wait(1200)); // several polling periods
        QCOMPARE(m_link->cts(), std::optional<bool>(true));
    }

    void bytesGoBothWays()
    {
        // The link puts the line into raw mode, so every byte passes unchanged.
        QByteArray bytes;
        for (int b = 0; b < 256; ++b)
            bytes.append(char(b));
        QVERIFY(!m_link->write(bytes));
        const QByteArray atTnc = readMaster(bytes.size());
        QCOMPARE(atTnc, bytes);

        QByteArray received;
        connect(m_link.get(), &SerialLink::portEvent, this, [&](int number) {
            if (number == 2)
                received += m_link->read(64 * 1024);
        });
        QCOMPARE(::write(m_master, bytes.constData(), bytes.size()), ssize_t(bytes.size()));
        QTRY_COMPARE(received.size(), bytes.size());
        QCOMPARE(received, bytes);
    }

    void vanishingDeviceLosesTheLinkOnce()
    {
        QSignalSpy lost(m_link.get(), &SerialLink::linkLost);
        QSignalSpy events(m_link.get(), &SerialLink::portEvent);
        ::close(m_master);
        m_master = -1;
        QVERIFY(lost.wait(5000));
        QVERIFY(!m_link->isOpen());
        QVERIFY(!events.wait(600));
        QCOMPARE(lost.count(), 1);
        QCOMPARE(m_link->write("x")->number, PortFailures::kNeedsOpenPort);
    }

private:
    QByteArray readMaster(int size)
    {
        QByteArray got;
        const int flags = fcntl(m_master, F_GETFL);
        fcntl(m_master, F_SETFL, flags | O_NONBLOCK);
        const bool complete = QTest::qWaitFor([&] {
            char buffer[512];
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n > 0)
                got.append(buffer, n);
            return got.size() >= size;
        }, 5000);
        fcntl(m_master, F_SETFL, flags);
        if (!complete)
            qWarning() << "only" << got.size() << "of" << size << "bytes arrived";
        return got;
    }

    int m_master = -1;
    PortMap m_ports;
    std::unique_ptr<QtSerialLink> m_link;
};

QTEST_MAIN(SerialDeviceTest)
#include "SerialDeviceTest.moc"
