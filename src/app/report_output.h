#pragma once

#include "app/report_page.h"

#include <QString>

#include <functional>

class QPainter;
class QWidget;

// The report's page on paper or in a file.
namespace app {

// A report of one page or more, for its PDF and the printer: paint draws page
// number `page` (from 0) of `count` over the painter's whole paintable area.
struct ReportPages {
    QString title;    // of the PDF and the print job
    QString fileName; // the job file it came from, where the PDF is offered
    int count = 1;
    std::function<void(QPainter& painter, int page)> paint;
    // The PDF's suggested name, without ".pdf"; empty: the job file's, else
    // the title.
    QString pdfName = {};
};
// The pages of a job.
ReportPages PagesOf(const ReportInput& input);
// As WriteReportPdf, ExportPdf and PrintReport below, for pages of any kind.
bool WritePdf(const ReportPages& pages, const QString& path, QString* error);
void ExportPdf(QWidget* parent, const ReportPages& pages);
void PrintPages(QWidget* parent, const ReportPages& pages);

// Writes the page as a PDF file, A4 landscape (Letter where the locale
// measures in inches), atomically: false with *error saying why when the file
// cannot be written, and an existing file is then left as it was.
bool WriteReportPdf(const ReportInput& input, const QString& path, QString* error);

// Export PDF: asks where, writes, and tells the user why when it fails.
void ExportPdf(QWidget* parent, const ReportInput& input);
// Print: Qt's print dialog, then the page on the printer chosen.
void PrintReport(QWidget* parent, const ReportInput& input);

} // namespace app
