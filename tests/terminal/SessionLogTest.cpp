#include "Fakes.h"
#include "TestFiles.h"
#include "terminal/SessionLog.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace vellicor;
using namespace vellicor::test;

// The station's record of everything received and sent.
class SessionLogTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_clock.utc = QDateTime(QDate(2026, 12, 5), QTime(14, 43, 7), Qt::UTC);
    }

    void linesAreStampedWithUtcTimeAndDirection_data()
    {
        QTest::addColumn<QStringList>("texts"); // ">" sent, "<" received; "off" and "on" turn the log off and on
        QTest::addColumn<QByteArray>("logged");
        QTest::newRow("whole lines") << QStringList{">C N0BBS\r", "<*** CONNECTED to N0BBS\r\nN0BBS>\r\n"}
                                     << QByteArray("14:43:07Z > C N0BBS\n14:43:07Z < *** CONNECTED to N0BBS\n"
                                                   "14:43:07Z < N0BBS>\n");
        QTest::newRow("a line in pieces is one line, its last piece written at once")
            << QStringList{"<N0BBS", "<>\r", "<\nok\n\nnext"}
            << QByteArray("14:43:07Z < N0BBS>\n14:43:07Z < ok\n14:43:07Z < \n14:43:07Z < next");
        QTest::newRow("text in the other direction ends a line in pieces")
            << QStringList{"<N0BBS", ">B\r", "<>\r\n", "<\r\n"}
            << QByteArray("14:43:07Z < N0BBS\n14:43:07Z > B\n14:43:07Z < >\n14:43:07Z < \n");
        QTest::newRow("a CR that ends a piece, then a line without LF")
            << QStringList{"<N0BBS>\r", "<ok\r\n"} << QByteArray("14:43:07Z < N0BBS>\n14:43:07Z < ok\n");
        QTest::newRow("control characters in caret notation, text in UTF-8, sent pieces joined")
            << QStringList{">\x03", QStringLiteral(">73 de W1AW \u00D8\x1A\r")}
            << QByteArray("14:43:07Z > ^C73 de W1AW \xC3\x98^Z\n");
        QTest::newRow("turned off, a line open ends and nothing is written")
            << QStringList{"<open line", "off", "<quiet\r\n"} << QByteArray("14:43:07Z < open line\n");
        QTest::newRow("turned on again") << QStringList{"off", "<quiet\r\n", "on", "<heard\r\n"}
                                         << QByteArray("14:43:07Z < heard\n");
    }

    void linesAreStampedWithUtcTimeAndDirection()
    {
        QFETCH(QStringList, texts);
        SessionLog log(m_clock, logFolder());
        bool on = true;
        for (const QString& text : texts) {
            if (text == u"off" || text == u"on") {
                on = text == u"on";
                log.setEnabled(on);
                continue;
            }
            if (text.startsWith(QLatin1Char('>')))
                log.logSent(text.mid(1));
            else
                log.logReceived(text.mid(1));
            QCOMPARE(log.writing(), on);
        }
        // Written through to the file before the call returns: no event loop has run.
        QTEST(fileBytes(logFolder() + QStringLiteral("/2026-12-05.log")), "logged");
    }

    void aSessionCrossingUtcMidnightStartsANewFile()
    {
        m_clock.utc = QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59), Qt::UTC);
        SessionLog log(m_clock, logFolder());
        log.logReceived(QStringLiteral("before"));
        m_clock.utc = m_clock.utc.addSecs(2);
        log.logReceived(QStringLiteral("\r\nafter\r\n"));
        QCOMPARE(fileBytes(logFolder() + QStringLiteral("/2026-12-31.log")), QByteArray("23:59:59Z < before\n"));
        QCOMPARE(fileBytes(log.fileNameFor(QDate(2027, 1, 1))), QByteArray("00:00:01Z < after\n"));
    }

    void anUnwritableFolderIsReportedOnceAndNothingElseBreaks()
    {
        // A log folder below a plain file can never be created, even by root.
        const QString blocker = m_dir->path() + QStringLiteral("/not-a-folder");
        QVERIFY(writeBytes(blocker, "x"));
        SessionLog log(m_clock, blocker + QStringLiteral("/logs"));
        QSignalSpy failed(&log, &SessionLog::failed);
        log.logReceived(QStringLiteral("one\r\n"));
        log.logSent(QStringLiteral("two\r"));
        log.logReceived(QStringLiteral("three\r\n"));
        QCOMPARE(failed.count(), 1);
        QVERIFY(!log.writing() && log.enabled());
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    FakeClock m_clock;
    QString logFolder() const { return m_dir->path() + QStringLiteral("/logs"); }
};

QTEST_GUILESS_MAIN(SessionLogTest)
#include "SessionLogTest.moc"
