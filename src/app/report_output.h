#pragma once

#include "app/report_page.h"

#include <QString>

class QWidget;

// The report's page on paper or in a file.
namespace app {

// Writes the page as a PDF file, A4 landscape (Letter where the locale
// measures in inches), atomically: false with *error saying why when the file
// cannot be written, and an existing file is then left as it was.
bool WriteReportPdf(const ReportInput& input, const QString& path, QString* error);

// Export PDF: asks where, writes, and tells the user why when it fails.
void ExportPdf(QWidget* parent, const ReportInput& input);
// Print: Qt's print dialog, then the page on the printer chosen.
void PrintReport(QWidget* parent, const ReportInput& input);

} // namespace app
