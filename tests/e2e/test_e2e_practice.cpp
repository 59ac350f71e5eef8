// The whole program against the real practice TNC: Vellicor with the
// practice profile that tools/run.sh installs, the practice TNC and its board
// in a process of their own, as a newcomer runs them.
#include "Controls.h"
#include "E2eFixture.h"
#include "TestFiles.h"

#include "app/SendBoxEdit.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <memory>

using namespace vellicor;
using namespace vellicor::test;

namespace {

const QStringList kProfileFiles = {QStringLiteral("VellicorStartup.txt"), QStringLiteral("VellicorShutdown.txt"),
                                   QStringLiteral("VellicorConnects.txt")};
const QString kSignOn = QStringLiteral("Vellicor practice TNC 1.0 (no radio)");
// The last answer to the start-up script: its default mode switches to channel A.
const QString kStartupDone = QStringLiteral("*** CHANNEL A: not connected");
const int kAnswerMs = 15000;

// The real vellicor-practice-tnc executable, started as scripts start it, on a
// free loopback port; the first line it prints names the port.
quint16 startPracticeTnc(QProcess& tnc, const QString& storeFolder)
{
    tnc.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    tnc.start(QStringLiteral(VELLICOR_PRACTICE_TNC),
              {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"), QStringLiteral("--store"), storeFolder});
    while (tnc.waitForStarted(10000) && !tnc.canReadLine()) {
        if (!tnc.waitForReadyRead(10000))
            return 0;
    }
    const QList<QByteArray> words = tnc.readLine().trimmed().split(' '); // "port 40123"
    return words.size() == 2 && words.first() == "port" ? words.last().toUShort() : 0;
}

// The practice TNC with a board folder of its own, and Vellicor with the
// practice profile and Com2 pointed at the TNC's port.
class PracticeSession {
public:
    ~PracticeSession()
    {
        m_program.reset();
        m_tnc.kill();
        m_tnc.waitForFinished(10000);
    }

    bool begin()
    {
        const quint16 port = m_store.isValid() ? startPracticeTnc(m_tnc, m_store.path()) : 0;
        if (port == 0)
            return false;
        m_program = std::make_unique<E2eFixture>(port);
        for (const QString& name : kProfileFiles) {
            const QByteArray bytes = fileBytes(QStringLiteral(VELLICOR_PRACTICE_PROFILE "/") + name);
            if (bytes == "<missing>")
                return false;
            m_program->writeDataFile(name, bytes);
        }
        return m_program->start() && shows(kStartupDone);
    }

    E2eFixture& program() { return *m_program; }
    FrmPacket& window() { return m_program->window(); }
    QString pane() { return receiveView(window()).toPlainText(); }

    // Waits until the receive pane holds `text` at least `times` times.
    bool shows(const QString& text, int times = 1)
    {
        return QTest::qWaitFor([&] { return pane().count(text) >= times; }, kAnswerMs);
    }

    void type(const QString& line)
    {
        QTest::keyClicks(&sendBox(window()), line);
        QTest::keyClick(&sendBox(window()), Qt::Key_Return);
    }

    // Presses the function button with this caption, as the operator clicks it.
    bool press(const QString& caption)
    {
        for (int i = 0; i < 8; ++i) {
            QPushButton& function = button(window(), QStringLiteral("cmdTNCFunc%1").arg(i));
            if (function.isVisible() && function.text() == caption) {
                function.click();
                return true;
            }
        }
        return false;
    }

private:
    QTemporaryDir m_store;
    QProcess m_tnc;
    std::unique_ptr<E2eFixture> m_program;
};

QStringList visibleButtonCaptions(FrmPacket& window)
{
    QStringList captions;
    for (int i = 0; i < 8; ++i) {
        if (button(window, QStringLiteral("cmdTNCFunc%1").arg(i)).isVisible())
            captions.append(button(window, QStringLiteral("cmdTNCFunc%1").arg(i)).text());
    }
    return captions;
}

QList<QAction*> modeItems(FrmPacket& window)
{
    QList<QAction*> items;
    for (QAction* action : menu(window, QStringLiteral("mnuMode"))->actions()) {
        if (action->objectName() == QStringLiteral("mnuModeItem") && action->isVisible())
            items.append(action);
    }
    return items;
}

} // namespace

#define VERIFY_PANE(session, condition) QVERIFY2(condition, qPrintable((session).pane().right(1500)))

class E2ePractice : public QObject {
    Q_OBJECT
private slots:
    void startupScriptBuildsTheModeMenuWhoseButtonsDriveTheTnc();
};

void E2ePractice::startupScriptBuildsTheModeMenuWhoseButtonsDriveTheTnc()
{
    PracticeSession session;
    VERIFY_PANE(session, session.begin());
    FrmPacket& window = session.window();
    QVERIFY(session.pane().contains(kSignOn));
    QVERIFY(window.windowTitle().endsWith(QStringLiteral("        Practice TNC - no radio, nothing goes on the air")));
    QVERIFY(menu(window, QStringLiteral("mnuMode"))->menuAction()->isVisible());
    const QList<QAction*> modes = modeItems(window);
    QCOMPARE(modes.size(), 2);
    QCOMPARE(modes[0]->text(), QStringLiteral("&Bulletin Board"));
    QCOMPARE(modes[1]->text(), QStringLiteral("&Net"));
    QCOMPARE(panel(window, QStringLiteral("Mode")).text(), QStringLiteral("Bulletin Board"));
    QCOMPARE(visibleButtonCaptions(window),
             (QStringList{"BBS", "List", "Read", "Help", "Bye", "Disconnect"}));
    QCOMPARE(menu(window, QStringLiteral("mnuUser"))->actions()[1]->text(), QStringLiteral("Channel &B"));

    // "$SETDAYTIME" set the TNC's clock.
    session.type(QStringLiteral("DA"));
    const QRegularExpression daytime(QStringLiteral("DAYTIME \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d"));
    VERIFY_PANE(session, QTest::qWaitFor([&] { return session.pane().contains(daytime); }, kAnswerMs));

    modes[1]->trigger();
    VERIFY_PANE(session, session.shows(QStringLiteral("*** CHANNEL B: not connected")));
    QCOMPARE(panel(window, QStringLiteral("Mode")).text(), QStringLiteral("Net"));
    QCOMPARE(visibleButtonCaptions(window), (QStringList{"Net", "Check In", "Traffic", "73", "Disconnect"}));
    QVERIFY(session.press(QStringLiteral("Net")));
    VERIFY_PANE(session, session.shows(QStringLiteral("*** CONNECTED to N0NET")));
    QVERIFY(session.press(QStringLiteral("Check In")));
    VERIFY_PANE(session, session.shows(QStringLiteral("Roger N0CALL, you are checked in.")));
    QVERIFY(session.press(QStringLiteral("Disconnect")));
    VERIFY_PANE(session, session.shows(QStringLiteral("*** DISCONNECTED from N0NET")));
}

QTEST_MAIN(E2ePractice)
#include "test_e2e_practice.moc"
