#include "terminal/ReceivePane.h"

#include <QTest>
#include <QTextDocument>

using namespace vellicor;

// The receive pane keeps its newest lines only while the log keeps the rest.
class ScrollbackTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void dropsTheOldestLinesWhileTheLogWrites();
    void keepsEverythingWhenTheLogIsNotWritingAndSaysSoOnce();
    void doesNotTrimWhileSuspendedAndLimitsHeldText();
    void aCaretInsideThePaneStaysOnItsText();

private:
    void receiveLines(int first, int last);

    std::unique_ptr<QTextDocument> m_document;
    std::unique_ptr<PaneDocument> m_pane;
    std::unique_ptr<StatusPanels> m_status;
    std::unique_ptr<ReceivePane> m_receive;
    TerminalGlobals m_globals;
    bool m_logWriting = true;
};

void ScrollbackTest::init()
{
    m_document = std::make_unique<QTextDocument>();
    m_pane = std::make_unique<PaneDocument>(*m_document);
    m_status = std::make_unique<StatusPanels>();
    m_receive = std::make_unique<ReceivePane>(*m_pane, m_globals, *m_status);
    m_logWriting = true;
    m_receive->setScrollback(5, [this] { return m_logWriting; });
}

void ScrollbackTest::receiveLines(int first, int last)
{
    for (int i = first; i <= last; ++i)
        m_receive->ShowReceivedText(QStringLiteral("line %1\r\n").arg(i));
}

void ScrollbackTest::dropsTheOldestLinesWhileTheLogWrites()
{
    receiveLines(1, 12);
    QCOMPARE(m_document->blockCount(), 5);
    QCOMPARE(m_document->toPlainText(), QStringLiteral("line 9\nline 10\nline 11\nline 12\n"));
    m_receive->ShowReceivedText(QStringLiteral("\b\b\bX"));
    QVERIFY(m_document->toPlainText().endsWith(QStringLiteral("line 11\nline X")));
}

void ScrollbackTest::keepsEverythingWhenTheLogIsNotWritingAndSaysSoOnce()
{
    m_logWriting = false;
    receiveLines(1, 12);
    QCOMPARE(m_document->blockCount(), 13);
    QCOMPARE(m_status->text(StatusPanels::kStatus),
             QStringLiteral("Status: The scrollback limit needs the session log; nothing is dropped"));
    m_status->SetStatusText(QStringLiteral("Status: "));
    receiveLines(13, 14);
    QCOMPARE(m_status->text(StatusPanels::kStatus), QStringLiteral("Status: "));
    m_logWriting = true;
    receiveLines(15, 15);
    QCOMPARE(m_document->blockCount(), 5);
}

void ScrollbackTest::doesNotTrimWhileSuspendedAndLimitsHeldText()
{
    receiveLines(1, 4);
    m_receive->suspend();
    receiveLines(5, 20);
    QCOMPARE(m_document->toPlainText(), QStringLiteral("line 1\nline 2\nline 3\nline 4\n"));
    QCOMPARE(m_receive->heldText(), QStringLiteral("line 17\nline 18\nline 19\nline 20\n"));
    m_receive->resume();
    QCOMPARE(m_document->blockCount(), 5);
    QCOMPARE(m_document->toPlainText(), QStringLiteral("line 17\nline 18\nline 19\nline 20\n"));
}

void ScrollbackTest::aCaretInsideThePaneStaysOnItsText()
{
    receiveLines(1, 5);
    QTextCursor caret(m_document.get());
    caret.setPosition(m_document->toPlainText().indexOf(QStringLiteral("line 4")));
    m_pane->useCaret([&caret] { return caret; }, [&caret](const QTextCursor& c) { caret = c; });
    QTextCursor watched = caret;
    receiveLines(6, 7);
    QCOMPARE(m_document->blockCount(), 5);
    watched.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QCOMPARE(watched.selectedText(), QStringLiteral("line 4"));
}

QTEST_MAIN(ScrollbackTest)
#include "ScrollbackTest.moc"
