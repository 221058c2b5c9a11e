#pragma once

#include "app/report_output.h"
#include "lifting/job_file.h"
#include "lifting/multitask_file.h"

#include <QString>

#include <optional>
#include <variant>

class QWidget;

// A job before a change and after it, side by side on a landscape page: both
// jobs' details, every entry and multiplier with the changed ones marked, the
// RWL and lifting index at each end with their change in percent and their
// bands. A multi-task comparison runs over more pages where its tasks need
// them.
namespace app {

// A job file of either kind, and where it came from (empty for a sheet never
// saved).
struct ComparedFile {
    std::variant<lifting::JobFile, lifting::MultiTaskFile> file;
    QString fileName;
};

// The file at path, of the kind its "format" names; nothing with *error
// saying what is wrong.
std::optional<ComparedFile> LoadComparedFile(const QString& path, QString* error);

// The pages of the comparison, for WritePdf, ExportPdf and PrintPages; nothing
// with *error saying why where one job has one task and the other several.
std::optional<ReportPages> ComparisonPages(const ComparedFile& before, const ComparedFile& after,
                                           QString* error);

// "Compare With...": asks for the job before the change, to be compared with
// after (the sheet), then where to save the PDF; tells the user why where the
// two cannot be compared.
void CompareWith(QWidget* parent, const ComparedFile& after);

// The --compare command, run before any application object exists: reads both
// files, writes the page to output without a display, and says on standard
// error what went wrong, naming the file. Returns the exit status: 0, 1 when
// the page cannot be written, 2 when a job file cannot be read or the two
// cannot be compared.
int RunCompareCommand(int& argc, char** argv, const QString& beforePath, const QString& afterPath,
                      const QString& output);

} // namespace app
