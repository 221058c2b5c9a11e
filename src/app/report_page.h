#pragma once

#include "lifting/job_file.h"

#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

// The report of one job: a landscape page with the job's details, the sheet
// drawn by the window itself, its results in a table, what each lifting index
// means, and a footer naming the file, the date of printing and the version;
// then a page of what to change first.
namespace app {

struct ReportInput {
    // The job, with the cells as they were shown when it was saved (or as the
    // window shows them now).
    lifting::JobFile job;
    // The job file it came from or was saved to; empty for a job never saved.
    QString fileName;
};

// The pages of the report: the sheet's, then, where the job is calculated,
// what to change first at each end.
int ReportPageCount(const ReportInput& input);

// Draws page `page` (from 0) onto the painter's device (a PDF writer or a
// printer), over its whole paintable area. The job is entered on a window
// that is never shown, so the first page holds what the window shows for it.
void PaintReport(QPainter& painter, const ReportInput& input, int page);

// The reports' lettering: a font of points on paper, and one line of text in
// rect, elided where it is too long.
QFont ReportFont(int points, bool bold = false);
void DrawReportLine(QPainter& painter, const QRectF& rect, const QString& text,
                    Qt::Alignment align = Qt::AlignLeft);

} // namespace app
