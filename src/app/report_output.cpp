#include "app/report_output.h"

#include "lifting/saving.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace app {
namespace {

// The page's margin in points, on paper as in a PDF.
constexpr double kMargin = 34; // 12 mm

// A printer's page as a paint device of another kind. Qt draws a widget onto
// a printer as one image at the printer's resolution (hundreds of megabytes
// for this page, and no text); onto any other device, in vectors. This one
// paints with the printer's own engine and measures as the printer does, so
// the sheet reaches the printer as it reaches a PDF.
class PrinterPage : public QPaintDevice {
  public:
    explicit PrinterPage(QPrinter& printer) : printer_(printer) {}
    QPaintEngine* paintEngine() const override { return printer_.paintEngine(); }

  protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return printer_.width();
        case PdmHeight:
            return printer_.height();
        case PdmWidthMM:
            return printer_.widthMM();
        case PdmHeightMM:
            return printer_.heightMM();
        case PdmNumColors:
            return printer_.colorCount();
        case PdmDepth:
            return printer_.depth();
        case PdmDpiX:
            return printer_.logicalDpiX();
        case PdmDpiY:
            return printer_.logicalDpiY();
        case PdmPhysicalDpiX:
            return printer_.physicalDpiX();
        case PdmPhysicalDpiY:
            return printer_.physicalDpiY();
        case PdmDevicePixelRatio:
            return qRound(printer_.devicePixelRatio());
        case PdmDevicePixelRatioScaled:
            return qRound(printer_.devicePixelRatio() * devicePixelRatioFScale());
        }
        return QPaintDevice::metric(metric);
    }

  private:
    QPrinter& printer_;
};

QString TitleOf(const ReportInput& input) {
    return input.job.details.title.isEmpty() ? QStringLiteral("Lifting analysis")
                                             : input.job.details.title;
}

} // namespace

ReportPages PagesOf(const ReportInput& input) {
    return {TitleOf(input), input.fileName, ReportPageCount(input),
            [input](QPainter& painter, int page) { PaintReport(painter, input, page); }};
}

bool WritePdf(const ReportPages& pages, const QString& path, QString* error) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        const bool inches = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
        writer.setPageLayout(QPageLayout(
            QPageSize(inches ? QPageSize::Letter : QPageSize::A4), QPageLayout::Landscape,
            QMarginsF(kMargin, kMargin, kMargin, kMargin), QPageLayout::Point));
        writer.setTitle(pages.title);
        writer.setCreator(QStringLiteral("%1 %2").arg(QCoreApplication::applicationName(),
                                                      QCoreApplication::applicationVersion()));
        QPainter painter;
        if (!painter.begin(&writer)) {
            *error = QStringLiteral("the PDF could not be started");
            return false;
        }
        for (int page = 0; page < pages.count; ++page) {
            if (page > 0)
                writer.newPage();
            pages.paint(painter, page);
        }
    }
    return lifting::SaveFile(path, pdf.data(), error);
}

bool WriteReportPdf(const ReportInput& input, const QString& path, QString* error) {
    return WritePdf(PagesOf(input), path, error);
}

void ExportPdf(QWidget* parent, const ReportPages& pages) {
    const QFileInfo job(pages.fileName);
    const QString folder = pages.fileName.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : job.absolutePath();
    const QString name = !pages.pdfName.isEmpty()   ? pages.pdfName
                         : pages.fileName.isEmpty() ? pages.title
                                                    : job.completeBaseName();
    QFileDialog dialog(parent, QStringLiteral("Export PDF"),
                       QDir(folder).filePath(name + QStringLiteral(".pdf")),
                       QStringLiteral("PDF files (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    QString error;
    if (!WritePdf(pages, path, &error))
        QMessageBox::warning(parent, QStringLiteral("Export PDF"),
                             QStringLiteral("The report could not be written to %1: %2")
                                 .arg(QDir::toNativeSeparators(path), error));
}

void ExportPdf(QWidget* parent, const ReportInput& input) {
    ExportPdf(parent, PagesOf(input));
}

void PrintPages(QWidget* parent, const ReportPages& pages) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    // As in the PDF, or the printer's least where it needs more.
    printer.setPageMargins(QMarginsF(kMargin, kMargin, kMargin, kMargin), QPageLayout::Point);
    printer.setDocName(pages.title);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print Report"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    PrinterPage page(printer);
    QPainter painter;
    if (!painter.begin(&page)) {
        QMessageBox::warning(
            parent, QStringLiteral("Print"),
            QStringLiteral("The printer %1 could not be started.").arg(printer.printerName()));
        return;
    }
    for (int number = 0; number < pages.count; ++number) {
        if (number > 0)
            printer.newPage();
        pages.paint(painter, number);
    }
}

void PrintReport(QWidget* parent, const ReportInput& input) {
    PrintPages(parent, PagesOf(input));
}

} // namespace app
