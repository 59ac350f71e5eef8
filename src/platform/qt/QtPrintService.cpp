#include "platform/qt/QtPrintService.h"

#include <QDateTime>
#include <QDir>
#include <QFontDatabase>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace vellicor {

namespace {

constexpr double kTwipsPerInch = 1440.0;

QFont printFont(const PrintJob& job)
{
    QFont font(job.fontFamily);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(job.pointSize);
    return font;
}

bool render(const PrintJob& job, QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setFont(printFont(job));
    const double dpi = printer.resolution();
    const int left = static_cast<int>(job.leftTwips * dpi / kTwipsPerInch);
    const int top = static_cast<int>(job.topTwips * dpi / kTwipsPerInch);
    const int lineHeight = painter.fontMetrics().lineSpacing();
    const int bottom = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    int y = top + painter.fontMetrics().ascent();
    for (const QString& line : job.lines) {
        if (y > bottom) {
            printer.newPage();
            y = top + painter.fontMetrics().ascent();
        }
        painter.drawText(left, y, line);
        y += lineHeight;
    }
    return painter.end();
}

QString uniquePdfName(const QString& folder)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString name = QStringLiteral("%1/Vellicor-%2.pdf").arg(folder, stamp);
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = QStringLiteral("%1/Vellicor-%2-%3.pdf").arg(folder, stamp).arg(n);
    return name;
}

} // namespace

QtPrintService::QtPrintService(Prompter& prompter, FileDialogs& dialogs)
    : m_prompter(prompter)
    , m_dialogs(dialogs)
{
}

bool QtPrintService::renderPdf(const PrintJob& job, const QString& fileName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    return render(job, printer);
}

bool QtPrintService::print(const PrintJob& job)
{
    const QString folder = qEnvironmentVariable("VELLICOR_PRINT_DIR");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        return renderPdf(job, uniquePdfName(folder));
    }
    if (QPrinterInfo::defaultPrinter().isNull())
        return offerPdf(job);
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    return render(job, printer);
}

bool QtPrintService::offerPdf(const PrintJob& job)
{
    const QString question = QStringLiteral("No printer is available.\r\nSave the printout as a PDF file instead?");
    if (!m_prompter.askYesNo(question))
        return false;
    const std::optional<QString> name = m_dialogs.saveFile(
        {QStringLiteral("Save Printout"), QStringLiteral("PDF (*.pdf)|*.pdf"), QStringLiteral(".pdf"), QString()});
    if (!name)
        return false;
    return renderPdf(job, *name);
}

} // namespace vellicor
