#pragma once

// Vellicor with the practice profile that tools/run.sh installs and the real
// vellicor-practice-tnc in a process of its own, with a board folder of its
// own. A test that includes this defines VELLICOR_PRACTICE_TNC and
// VELLICOR_PRACTICE_PROFILE.
#include "Controls.h"
#include "E2eFixture.h"
#include "TestFiles.h"

#include "app/SendBoxEdit.h"

#include <QProcess>
#include <QTest>

#include <memory>

namespace vellicor::test {

inline const QString kSignOn = QStringLiteral("Vellicor practice TNC 1.0 (no radio)");
// The last answer to the start-up script: its default mode switches to channel A.
inline const QString kStartupDone = QStringLiteral("*** CHANNEL A: not connected");
inline constexpr int kAnswerMs = 15000;

class PracticeSession {
public:
    ~PracticeSession()
    {
        m_program.reset();
        m_tnc.kill();
        m_tnc.waitForFinished(10000);
    }

    // Starts the practice TNC with these arguments (by default on a free
    // loopback port, which Com2 then names; else Com2 is the device given)
    // and Vellicor, and waits for its start-up script to end.
    bool begin(const QStringList& tncArguments = {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0")},
               QString com2Device = {})
    {
        const QList<QByteArray> words = startPracticeTnc(tncArguments); // "port 40123" or "agw HOST:PORT"
        if (words.size() == 2 && words.first() == "port" && com2Device.isEmpty())
            com2Device = QStringLiteral("tcp://127.0.0.1:") + QString::fromLatin1(words.last());
        if (words.isEmpty() || com2Device.isEmpty())
            return false;
        m_program = std::make_unique<E2eFixture>(com2Device);
        for (const QString name : {"VellicorStartup.txt", "VellicorShutdown.txt", "VellicorConnects.txt"})
            m_program->writeDataFile(name, fileBytes(QStringLiteral(VELLICOR_PRACTICE_PROFILE "/") + name));
        return m_program->start() && shows(kStartupDone);
    }

    FrmPacket& window() { return m_program->window(); }
    QString pane() { return receiveView(window()).toPlainText(); }

    // Waits until the receive pane holds `text` at least `times` times.
    bool shows(const QString& text, int times = 1, int timeoutMs = kAnswerMs)
    {
        return QTest::qWaitFor([&] { return pane().count(text) >= times; }, timeoutMs);
    }

    QByteArray storedMessage(int number) const
    {
        return fileBytes(m_store.filePath(QStringLiteral("msg%1.txt").arg(number, 5, 10, QLatin1Char('0'))));
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
    // The first line the practice TNC prints names where it is, in words.
    QList<QByteArray> startPracticeTnc(const QStringList& arguments)
    {
        if (!m_store.isValid())
            return {};
        m_tnc.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_tnc.start(QStringLiteral(VELLICOR_PRACTICE_TNC), arguments + QStringList{"--store", m_store.path()});
        while (m_tnc.waitForStarted(10000) && !m_tnc.canReadLine()) {
            if (!m_tnc.waitForReadyRead(10000))
                return {};
        }
        return m_tnc.readLine().trimmed().split(' ');
    }

    QTemporaryDir m_store;
    QProcess m_tnc;
    std::unique_ptr<E2eFixture> m_program;
};

} // namespace vellicor::test

#define VERIFY_PANE(session, condition) QVERIFY2(condition, qPrintable((session).pane().right(1500)))
