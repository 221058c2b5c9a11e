#pragma once

#include "lifting/multitask.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace lifting {
class CsvWriter;
class FigureTexts;
} // namespace lifting

// Multi-task jobs in a batch: the rows of a CSV file that name the same
// composite job, gathered as they are read and combined by the multi-task
// engine once the last has come, and the columns a task of such a job adds.
namespace batch {

// The column whose text groups rows into one multi-task job.
inline constexpr const char* kCompositeColumn = "composite";

// The columns of a task of a multi-task job, after the sheet's results: its
// governing end's FIRWL, STRWL, FILI and STLI, the end, its rank, and the
// job's CLI with why there is none.
enum class TaskValue { Firwl, Strwl, Fili, Stli, GoverningEnd, Rank, Cli, WhyNoCli };
struct TaskColumn {
    const char* name;
    TaskValue value;
};
inline constexpr std::array<TaskColumn, 8> kTaskColumns{{
    {"firwl", TaskValue::Firwl},
    {"strwl", TaskValue::Strwl},
    {"fili", TaskValue::Fili},
    {"stli", TaskValue::Stli},
    {"governing_end", TaskValue::GoverningEnd},
    {"task_rank", TaskValue::Rank},
    {"cli", TaskValue::Cli},
    {"why_no_cli", TaskValue::WhyNoCli},
}};

// Writes the columns of task (its place in the job) of the job's result.
void WriteTaskColumns(lifting::CsvWriter* out, const lifting::MultiTaskResult& job,
                      std::size_t task, lifting::FigureTexts* texts);

// The options a row was read with; every row of a job must agree on them.
struct JobOptions {
    lifting::Units units;
    lifting::Duration duration;
};

class CompositeJobs {
  public:
    // Where a row's task went: its job, and its place among the job's tasks.
    struct Place {
        std::size_t job;
        std::size_t task;
    };

    // Adds the task of the row at line to the job named, made at its first
    // row; options where the row's could be read.
    Place Add(QByteArrayView name, qint64 line, const std::optional<JobOptions>& options,
              lifting::TaskResult task);
    // Combines every job whose rows agree on their options.
    void Finish();

    // Why the job's rows cannot form one job, or nothing.
    const QString& Disagreement(std::size_t job) const { return jobs_[job].disagreement; }
    const lifting::MultiTaskResult& Result(std::size_t job) const { return jobs_[job].result; }

  private:
    struct Seen {
        qint64 line;
        JobOptions options;
    };
    struct Job {
        QByteArray name;
        std::vector<lifting::TaskResult> tasks;
        std::optional<Seen> first;      // the first row with options
        std::optional<Seen> otherUnits; // the first row in units other than its
        std::optional<Seen> otherDuration;
        QString disagreement;
        lifting::MultiTaskResult result;
    };

    std::vector<Job> jobs_;
    std::unordered_map<std::string, std::size_t> byName_;
    std::string key_; // the name looked up, in room kept from row to row
};

} // namespace batch
