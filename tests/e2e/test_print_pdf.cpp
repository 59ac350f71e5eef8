#include "platform/qt/QtPrintService.h"
#include "Fakes.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace vellicor;
using namespace vellicor::test;

// Printouts written as PDF files when VELLICOR_PRINT_DIR names a folder.
class PrintPdfTest : public QObject {
    Q_OBJECT
private slots:
    void printoutIsWrittenAsPdfIntoThePrintFolder()
    {
        QTemporaryDir folder;
        qputenv("VELLICOR_PRINT_DIR", folder.path().toLocal8Bit());
        FakePrompter prompter;
        FakeFileDialogs dialogs;
        QtPrintService printer(prompter, dialogs);
        PrintJob job;
        job.lines = {QString(), QStringLiteral("Num 007 Emergency HXG W1AW 4 DENVER CO 14:30Z  12/05/2026")};

        QVERIFY(printer.print(job));
        QVERIFY(printer.print(job));

        const QStringList pdfs = QDir(folder.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files);
        QCOMPARE(pdfs.size(), 2);
        QVERIFY(fileBytes(folder.filePath(pdfs.first())).startsWith("%PDF-"));
        QVERIFY(prompter.prompts.isEmpty());
        qunsetenv("VELLICOR_PRINT_DIR");
    }
};

QTEST_MAIN(PrintPdfTest)
#include "test_print_pdf.moc"
