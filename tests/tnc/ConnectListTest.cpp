#include "TncRig.h"
#include "tnc/FrmConnect.h"
#include "tnc/FrmTactical.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {
const QString kListFile = QStringLiteral("VellicorConnects.txt");
}

// The connect list file and dialog, and the tactical call dialog.
class ConnectListTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TncRig> rig; // a fresh one for each case

private slots:
    void init() { rig = std::make_unique<TncRig>(); }
    void cleanup() { rig.reset(); }

    void connectSendsCtrlCThenCommandAndCall_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("plain") << "C" << "W1AW" << QByteArray("\x03" "C W1AW\r");
        QTest::newRow("note not sent") << "C" << "W1AW;Hiram" << QByteArray("\x03" "C W1AW\r");
        QTest::newRow("space before semicolon kept") << "C" << "  W1AW ;Hiram " << QByteArray("\x03" "C W1AW \r");
        QTest::newRow("other command word") << "CONNECT" << "K2ABC-3" << QByteArray("\x03" "CONNECT K2ABC-3\r");
        QTest::newRow("empty text") << "C" << "" << QByteArray();
    }

    void connectSendsCtrlCThenCommandAndCall()
    {
        QFETCH(QString, command);
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        rig->globals.gConnectCmd = command;
        rig->connectList()->connectStation(text);
        QCOMPARE(rig->written(), bytes);
        QCOMPARE(rig->writeList().size(), bytes.isEmpty() ? 0 : 2);
    }

    void listFileKeepsEntriesOneALine()
    {
        rig->writeFile(kListFile, "W1AW;Hiram\r\n \r\n\r\n  K2ABC  \nN0CALL\r");
        const auto list = rig->connectList();
        QCOMPARE(list->entries(), (QStringList{"W1AW;Hiram", "K2ABC", "N0CALL"}));
        list->addToList(QStringLiteral(" KB1XYZ "));
        QCOMPARE(rig->readFile(kListFile), QByteArray("W1AW;Hiram\r\nK2ABC\r\nN0CALL\r\nKB1XYZ\r\n"));
        QCOMPARE(rig->connectList()->entries(), list->entries());

        list->addToList(QStringLiteral("K2ABC")); // already there: a beep, the file is left alone
        QCOMPARE(rig->fakes.beeper.beeps, 1);
        QCOMPARE(list->entries().size(), 4);
        list->deleteFromList(1);
        list->deleteFromList(-1);
        QCOMPARE(rig->readFile(kListFile), QByteArray("W1AW;Hiram\r\nN0CALL\r\nKB1XYZ\r\n"));
    }

    // The list's file follows the "$CONFILE" setting but stays inside the
    // program folder; a list that cannot be saved says so in the status panel.
    void listFileFollowsConFileSetting()
    {
        rig->writeFile(QStringLiteral("netlist.txt"), "NET1\r\n");
        rig->globals.gConnectsFile = QStringLiteral("\\NETLIST.TXT");
        const auto list = rig->connectList();
        QCOMPARE(list->entries(), QStringList{"NET1"});
        rig->globals.gConnectsFile = QStringLiteral("\\..\\..\\outside.txt");
        QVERIFY(list->filePath().startsWith(rig->folder() + QLatin1Char('/')));

        rig->writeFile(QStringLiteral("plainfile"), "not a folder");
        rig->globals.gConnectsFile = QStringLiteral("\\plainfile\\list.txt");
        list->addToList(QStringLiteral("W1AW"));
        QVERIFY(rig->host.status.startsWith(QStringLiteral("Status: Connect list not saved (Vellicor Error ")));
        QCOMPARE(rig->readFile(QStringLiteral("plainfile")), QByteArray("not a folder"));
        QVERIFY(rig->fakes.prompter.prompts.isEmpty());
    }

    // Only what is typed is upper-cased: a note stored in the list keeps its
    // case, and typing never completes to an entry.
    void dialogShowsEditsAndConnects()
    {
        rig->writeFile(kListFile, "W1AW;Hiram\r\n");
        FrmConnect dialog(rig->globals, ProgramFolder(rig->folder()), rig->writer, rig->fakes.platform(), rig->host);
        QCOMPARE(dialog.cmbStationList->count(), 1);
        QCOMPARE(dialog.cmbStationList->currentText(), QStringLiteral("W1AW;Hiram"));
        QCOMPARE(dialog.labConnect->text(), QStringLiteral("W1AW"));
        QCOMPARE(dialog.mnuHelp->property("helpContext").toInt(), 1010); // F1 on the highlighted Help item
        dialog.mnuHelp->trigger();
        QCOMPARE(rig->fakes.help.contexts, QList<int>{760});

        dialog.cmbStationList->setEditText(QStringLiteral("KB1XYZ;NET"));
        QCOMPARE(dialog.labConnect->text(), QStringLiteral("KB1XYZ"));
        dialog.mnuAddToList->trigger();
        QCOMPARE(rig->readFile(kListFile), QByteArray("W1AW;Hiram\r\nKB1XYZ;NET\r\n"));
        QCOMPARE(dialog.cmbStationList->count(), 2);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.cmbStationList->setFocus();
        dialog.cmbStationList->clearEditText();
        QTest::keyClicks(dialog.cmbStationList, QStringLiteral("kb1"));
        QCOMPARE(dialog.labConnect->text(), QStringLiteral("KB1"));
        dialog.cmbStationList->setEditText(QStringLiteral("TYPED"));
        dialog.mnuDeleteFromList->trigger(); // the typed text is not an entry: nothing goes
        QCOMPARE(dialog.cmbStationList->count(), 2);
        dialog.cmbStationList->setCurrentIndex(1);
        dialog.mnuDeleteFromList->trigger();
        QCOMPARE(rig->readFile(kListFile), QByteArray("W1AW;Hiram\r\n"));

        dialog.cmdCancel->click();
        QVERIFY(rig->written().isEmpty());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        dialog.show();
        dialog.cmdOK->click();
        QCOMPARE(rig->written(), QByteArray("\x03" "C W1AW\r"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        dialog.mnuDeleteFromList->trigger();
        QCOMPARE(dialog.cmbStationList->count(), 0);
        QCOMPARE(rig->readFile(kListFile), QByteArray());
    }

    void tacticalDialogSetsOrClearsTheAlias_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("writes");
        QTest::newRow("set") << " eoc " << QStringList{"SET/ALIAS EOC\r", "SWITCH\r"};
        QTest::newRow("inner blank kept") << "shelter 2" << QStringList{"SET/ALIAS SHELTER 2\r", "SWITCH\r"};
        QTest::newRow("empty resets") << "" << QStringList{"SWITCH\r", "SET/NOALIAS\r"};
    }

    // The main window keeps one dialog and only hides it, so the text stays.
    void tacticalDialogSetsOrClearsTheAlias()
    {
        QFETCH(QString, typed);
        FrmTactical dialog(rig->writer);
        dialog.show();
        QTest::keyClicks(dialog.txtTactical, typed);
        dialog.cmdOK->click();
        QTEST(rig->writeList(), "writes");
        QVERIFY(!dialog.isVisible());

        dialog.show();
        QCOMPARE(dialog.txtTactical->text(), typed.toUpper());
        dialog.cmdCancel->click();
        QCOMPARE(rig->writeList().size(), 2);
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(ConnectListTest)
#include "ConnectListTest.moc"
