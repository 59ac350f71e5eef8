#include "MessageFormFixture.h"
#include "traffic/ares/FrmTORMEL.h"
#include "traffic/nts/FrmNTS.h"

#include <QMenu>
#include <QMenuBar>
#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

namespace {

// What a form's menus show: items in order ("-" for a separator, by its
// name), and the help contexts the help key opens.
struct ExpectedMenus {
    QStringList fileItems;
    QKeySequence printShortcut;
    QString contentsItem;
    QString formatterItem;
    QString formatterCaption;
    QList<int> helpContexts; // File, Options, Send, the formatter's topic
};

const ExpectedMenus kNtsMenus{
    {"mnuFileNew &New", "mnuFileOpen &Open", "mnuFileSave &Save", "mnuFileSaveAs Save &As", "mnuFileSep1 -",
     "mnuFilePrint &Print", "mnuFileSep2 -", "mnuFileExit E&xit NTS"},
    QKeySequence(), "mnuContents", "mnuNTS", "&NTS Message Formatter", {510, 520, 530, 430}};

const ExpectedMenus kTormelMenus{
    {"mnuFileNew &New", "mnuFileOpen &Open", "mnuFileSave &Save", "mnuFileSaveAs Save &As", "mnuSep -",
     "mnuFilePrint &Print", "mnuSep1 -", "mnuFileExit E&xit TORMEL"},
    QKeySequence(QStringLiteral("Ctrl+P")), "mnuHelpContents", "mnuHelpTORMEL", "&TORMEL Message Formatter",
    {710, 720, 730, 550}};

QStringList fileItems(QMenu* file)
{
    QStringList items;
    for (const QAction* item : file->actions())
        items << item->objectName() + (item->isSeparator() ? QStringLiteral(" -") : " " + item->text());
    return items;
}

int helpContext(const QObject* item)
{
    return item->property("helpContext").toInt();
}

template <typename Form>
void checkMenus(const ExpectedMenus& expected)
{
    MessageFormFixture<Form> ui;
    QCOMPARE(fileItems(ui.template child<QMenu>("mnuFile")), expected.fileItems);
    QCOMPARE(ui.template child<QAction>("mnuFilePrint")->shortcut(), expected.printShortcut);
    QStringList bar;
    for (const QAction* item : ui.form.menuBar()->actions())
        bar << item->objectName() + " " + item->text();
    QCOMPARE(bar, (QStringList{"mnuFile &File", "mnuOptions &Options...", "mnuSend &Send", "mnuHelp &Help"}));
    auto* formatter = ui.template child<QAction>(qPrintable(expected.formatterItem));
    QCOMPARE(formatter->text(), expected.formatterCaption);
    QCOMPARE(ui.template child<QAction>(qPrintable(expected.contentsItem))->text(),
             QStringLiteral("&Contents && Index"));
    QCOMPARE((QList<int>{helpContext(ui.template child<QMenu>("mnuFile")),
                         helpContext(ui.template child<QAction>("mnuOptions")),
                         helpContext(ui.template child<QAction>("mnuSend")), helpContext(formatter)}),
             expected.helpContexts);
    QCOMPARE(helpContext(ui.template child<QMenu>("mnuFile")->menuAction()), expected.helpContexts[0]);

    formatter->trigger();
    ui.trigger(qPrintable(expected.contentsItem));
    QCOMPARE(ui.fakes.help.contexts, QList<int>{expected.helpContexts[3]});
    QCOMPARE(ui.fakes.help.contentsCommands, QStringList{QStringLiteral("Contents()")});
}

// Exit and the close box only hide the form, which keeps what it holds;
// once the program is ending, the close goes ahead.
template <typename Form>
void checkExitAndCloseHide(const char* field)
{
    MessageFormFixture<Form> ui;
    ui.line(field)->setText(QStringLiteral("Net control"));
    ui.trigger("mnuFileExit");
    QVERIFY(!ui.form.isVisible());
    ui.form.show();
    QVERIFY(!ui.form.close());
    QVERIFY(!ui.form.isVisible());
    ui.form.show();
    QCOMPARE(ui.line(field)->text(), QStringLiteral("Net control"));
    ui.globals.gExiting = true;
    QVERIFY(ui.form.close());
}

} // namespace

class MessageFormTest : public QObject {
    Q_OBJECT
private slots:
    void ntsMenusCarryTheirNamesCaptionsAndHelp() { checkMenus<FrmNTS>(kNtsMenus); }
    void tormelMenusCarryTheirNamesCaptionsAndHelp() { checkMenus<FrmTORMEL>(kTormelMenus); }
    void ntsExitAndCloseBoxHideTheForm() { checkExitAndCloseHide<FrmNTS>("txtName"); }
    void tormelExitAndCloseBoxHideTheForm() { checkExitAndCloseHide<FrmTORMEL>("txtToName"); }
};

QTEST_MAIN(MessageFormTest)
#include "MessageFormTest.moc"
