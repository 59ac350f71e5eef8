#include "Fakes.h"
#include "terminal/SessionLog.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

// The station's record of everything received and sent.
class SessionLogTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void linesAreStampedWithUtcTimeAndDirection();
    void partialLinesAreWrittenAtOnceAndFinishedByTheNextText();
    void controlCharactersUseCaretNotationAndTextIsUtf8();
    void aSessionCrossingUtcMidnightStartsANewFile();
    void anUnwritableFolderIsReportedOnceAndNothingElseBreaks();
    void turnedOffItWritesNothing();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    FakeClock m_clock;
    QString logFolder() const { return m_dir->path() + QStringLiteral("/logs"); }
};

void SessionLogTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_clock.utc = QDateTime(QDate(2026, 12, 5), QTime(14, 43, 7), Qt::UTC);
}

void SessionLogTest::linesAreStampedWithUtcTimeAndDirection()
{
    SessionLog log(m_clock, logFolder());
    log.logSent(QStringLiteral("C N0BBS\r"));
    log.logReceived(QStringLiteral("*** CONNECTED to N0BBS\r\nN0BBS>\r\n"));
    // Written through to the file before the call returns: no event loop has run.
    QCOMPARE(contents(logFolder() + QStringLiteral("/2026-12-05.log")),
             QByteArray("14:43:07Z > C N0BBS\n"
                        "14:43:07Z < *** CONNECTED to N0BBS\n"
                        "14:43:07Z < N0BBS>\n"));
    QVERIFY(log.writing());
}

void SessionLogTest::partialLinesAreWrittenAtOnceAndFinishedByTheNextText()
{
    SessionLog log(m_clock, logFolder());
    log.logReceived(QStringLiteral("N0BBS"));
    log.logReceived(QStringLiteral(">\r"));
    log.logReceived(QStringLiteral("\nok\n\nnext"));
    QCOMPARE(contents(log.fileNameFor(QDate(2026, 12, 5))),
             QByteArray("14:43:07Z < N0BBS\n"
                        "14:43:07Z < >\n"
                        "14:43:07Z < ok\n"
                        "14:43:07Z < \n"
                        "14:43:07Z < next\n"));
}

void SessionLogTest::controlCharactersUseCaretNotationAndTextIsUtf8()
{
    SessionLog log(m_clock, logFolder());
    log.logSent(QStringLiteral("\x03"));
    log.logSent(QStringLiteral("73 de W1AW \u00D8\x1A\r"));
    QCOMPARE(contents(log.fileNameFor(QDate(2026, 12, 5))),
             QByteArray("14:43:07Z > ^C\n"
                        "14:43:07Z > 73 de W1AW \xC3\x98^Z\n"));
}

void SessionLogTest::aSessionCrossingUtcMidnightStartsANewFile()
{
    m_clock.utc = QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59), Qt::UTC);
    SessionLog log(m_clock, logFolder());
    log.logReceived(QStringLiteral("before\r\n"));
    m_clock.utc = m_clock.utc.addSecs(2);
    log.logReceived(QStringLiteral("after\r\n"));
    QCOMPARE(contents(logFolder() + QStringLiteral("/2026-12-31.log")), QByteArray("23:59:59Z < before\n"));
    QCOMPARE(contents(logFolder() + QStringLiteral("/2027-01-01.log")), QByteArray("00:00:01Z < after\n"));
}

void SessionLogTest::anUnwritableFolderIsReportedOnceAndNothingElseBreaks()
{
    // A log folder below a plain file can never be created, even by root.
    QFile blocker(m_dir->path() + QStringLiteral("/not-a-folder"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SessionLog log(m_clock, blocker.fileName() + QStringLiteral("/logs"));
    QSignalSpy failed(&log, &SessionLog::failed);
    log.logReceived(QStringLiteral("one\r\n"));
    log.logSent(QStringLiteral("two\r"));
    log.logReceived(QStringLiteral("three\r\n"));
    QCOMPARE(failed.count(), 1);
    QVERIFY(!log.writing());
    QVERIFY(log.enabled());
}

void SessionLogTest::turnedOffItWritesNothing()
{
    SessionLog log(m_clock, logFolder());
    log.setEnabled(false);
    log.logReceived(QStringLiteral("quiet\r\n"));
    QVERIFY(!QFile::exists(log.fileNameFor(QDate(2026, 12, 5))));
    QVERIFY(!log.writing());
    log.setEnabled(true);
    log.logReceived(QStringLiteral("heard\r\n"));
    QCOMPARE(contents(log.fileNameFor(QDate(2026, 12, 5))), QByteArray("14:43:07Z < heard\n"));
}

QTEST_GUILESS_MAIN(SessionLogTest)
#include "SessionLogTest.moc"
