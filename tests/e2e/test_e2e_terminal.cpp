#include "E2eFixture.h"

#include "app/SendBoxEdit.h"
#include "app/ReceiveView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>

using namespace vellicor;
using namespace vellicor::test;

class E2eTerminal : public QObject {
    Q_OBJECT
private slots:
    void talksToTheTncAndNoticesWhenItGoesAway();
};

void E2eTerminal::talksToTheTncAndNoticesWhenItGoesAway()
{
    E2eFixture program;
    QVERIFY(program.start());
    FrmPacket& window = program.window();
    QVERIFY(window.windowTitle().startsWith(QStringLiteral("Vellicor - Version ")));
    QCOMPARE(window.panelLabel(QStringLiteral("Com Port")).text(), QStringLiteral("Com Port: 2"));
    QVERIFY(window.sendBox().hasFocus());

    QTest::keyClicks(&window.sendBox(), QStringLiteral("hello w"));
    QKeyEvent eAcute(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("\u00E9"));
    QApplication::sendEvent(&window.sendBox(), &eAcute);
    QTest::keyClicks(&window.sendBox(), QStringLiteral("rld"));
    QTest::keyClick(&window.sendBox(), Qt::Key_Return);
    QTRY_COMPARE(program.fromProgram(), QByteArray("hello w\xE9rld\r"));

    program.tnc()->write("cmd:\r\nN0CALL>\x80 ok\r\n");
    const QString expected = QStringLiteral("N0CALL>\u20AC ok");
    QTRY_VERIFY(window.receiveView().toPlainText().contains(expected));
    const QTextBlock block = window.receiveView().document()->findBlock(
        window.receiveView().toPlainText().indexOf(expected));
    const QTextCharFormat format = block.begin().fragment().charFormat();
    QCOMPARE(format.foreground().color(), QColor(255, 255, 0));

    QVERIFY(!window.restartButton().isVisible());
    program.tnc()->disconnectFromHost();
    QTRY_VERIFY_WITH_TIMEOUT(window.restartButton().isVisible(), 10000);
    QVERIFY(!program.globals().gPortOk);
}

QTEST_MAIN(E2eTerminal)
#include "test_e2e_terminal.moc"
