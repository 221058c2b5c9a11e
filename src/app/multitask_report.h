#pragma once

#include "app/report_output.h"
#include "lifting/multitask_file.h"

#include <QString>

#include <array>
#include <cstddef>

// The report of a multi-task job: landscape pages of up to kTasksPerPage
// tasks each, with the job's details, every task's values, the composite
// lifting index's steps in rank order, what the index means, the rules used
// and a footer; then a page of what to change first. The window's read-only
// columns print the same values.
namespace app {

inline constexpr int kTasksPerPage = 10;

// The entries of a task, in the order of their columns.
struct TaskEntryColumn {
    const char* header; // short, for a column
    lifting::Entry entry;
    const char* name; // in words, for a screen reader
};
inline constexpr std::array<TaskEntryColumn, lifting::kEntryCount> kTaskEntryColumns{{
    {"L(AVG)", lifting::Entry::LoadAvg, "average load"},
    {"L(Max)", lifting::Entry::LoadMax, "maximum load"},
    {"H o", lifting::Entry::OriginH, "H at origin"},
    {"V o", lifting::Entry::OriginV, "V at origin"},
    {"A o", lifting::Entry::OriginA, "A at origin"},
    {"H d", lifting::Entry::DestinationH, "H at destination"},
    {"V d", lifting::Entry::DestinationV, "V at destination"},
    {"A d", lifting::Entry::DestinationA, "A at destination"},
    {"F", lifting::Entry::Frequency, "frequency"},
}};

// The values worked out for each task, by the governing end where they are
// an end's, and from the CLI's step where they are the sum's.
enum class TaskValue { Firwl, Fm, Strwl, Fili, Stli, Governing, Rank, SummedF, SummedFm, Delta };
struct TaskValueColumn {
    TaskValue value;
    const char* header; // short, for a column
    const char* name;   // in words, for a screen reader
};
inline constexpr std::array<TaskValueColumn, 10> kTaskValueColumns{{
    {TaskValue::Firwl, "FIRWL", "frequency-independent RWL"},
    {TaskValue::Fm, "FM", "frequency multiplier"},
    {TaskValue::Strwl, "STRWL", "single-task RWL"},
    {TaskValue::Fili, "FILI", "frequency-independent lifting index"},
    {TaskValue::Stli, "STLI", "single-task lifting index"},
    {TaskValue::Governing, "End", "governing end"},
    {TaskValue::Rank, "Rank", "rank"},
    {TaskValue::SummedF, "Sum F", "summed frequency"},
    {TaskValue::SummedFm, "FM sum", "FM of the summed frequency"},
    {TaskValue::Delta, "\u0394LI", "increase of the lifting index"},
}};

// The value as printed; empty where the task has none (an entry refused or
// missing, or no CLI step), "N/A" for an index that cannot be given.
QString TaskValueText(const lifting::MultiTaskResult& result, std::size_t task, TaskValue value);

// "CLI 1.52: increased risk for some workers", or why there is none.
QString CompositeSummary(const lifting::MultiTaskResult& result);

// The pages of the job saved at (or opened from) fileName, for WritePdf,
// ExportPdf and PrintPages.
ReportPages MultiTaskPages(const lifting::MultiTaskFile& file, const QString& fileName);

} // namespace app
