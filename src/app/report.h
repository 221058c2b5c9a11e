#pragma once

#include "lifting/job_file.h"

#include <QString>

class QPainter;
class QWidget;

// The report of one job: a landscape page with the job's details, the sheet
// drawn by the window itself, its results in a table, what each lifting index
// means, and a footer naming the file, the date of printing and the version.
namespace app {

struct ReportInput {
    // The job, with the cells as they were shown when it was saved (or as the
    // window shows them now).
    lifting::JobFile job;
    // The job file it came from or was saved to; empty for a job never saved.
    QString fileName;
};

// Draws the page onto the painter's device (a PDF writer or a printer), over
// its whole paintable area. The job is replayed on a window that is never
// shown, so the page holds what the window shows for it.
void PaintReport(QPainter& painter, const ReportInput& input);

// Writes the page as a PDF file, A4 landscape (Letter where the locale
// measures in inches), atomically: false with *error saying why when the file
// cannot be written, and an existing file is then left as it was.
bool WriteReportPdf(const ReportInput& input, const QString& path, QString* error);

// Export PDF: asks where, writes, and tells the user why when it fails.
void ExportPdf(QWidget* parent, const ReportInput& input);
// Print: Qt's print dialog, then the page on the printer chosen.
void PrintReport(QWidget* parent, const ReportInput& input);

// The --report command, run before any application object exists: reads the
// job file, writes its page to output without a display, and says on
// standard error what went wrong. Returns the exit status: 0, 1 when the page
// cannot be written, 2 when the job file cannot be read.
int RunReportCommand(int& argc, char** argv, const QString& jobPath, const QString& output);

} // namespace app
