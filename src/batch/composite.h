#pragma once

#include "lifting/multitask.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
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

// Writes the columns of task (its place in the job) of the job's result;
// whyNoCli is the result's problem as UTF-8, made once for all its tasks.
void WriteTaskColumns(lifting::CsvWriter* out, const lifting::MultiTaskResult& job,
                      std::size_t task, QByteArrayView whyNoCli, lifting::FigureTexts* texts);

// The options a row was read with; every row of a job must agree on them.
struct JobOptions {
    lifting::Units units;
    lifting::Duration duration;
};

// The multi-task jobs of a batch, read in two passes. The first counts each
// job's rows and numbers the job of every row; the second adds the rows'
// tasks, so that a job is combined as soon as its last row has come and
// forgotten once its rows are written. Memory then holds the jobs whose rows
// are still coming and a number a row, not every row's results.
class CompositeJobs {
  public:
    // Where a row's task went: its job, and its place among the job's tasks.
    struct Place {
        std::size_t job;
        std::size_t task;
    };

    // First pass: the next row, and the job it names, if any.
    void Count(QByteArrayView name);
    // Ends the first pass: from here on the rows' numbers tell the jobs.
    void Counted();
    // Second pass: the number of the job the next row named in the first,
    // if any. Every row read is taken, in the order counted.
    std::optional<std::uint32_t> NextRow();
    // Adds the task of the row at line, named name, to its job, made at its
    // first row; options where the row's could be read. The job is finished
    // once it has as many rows as were counted.
    Place Add(std::uint32_t number, QByteArrayView name, qint64 line,
              const std::optional<JobOptions>& options, lifting::TaskResult task);
    // Finishes every job still waiting for rows, as at the end of the input.
    void FinishAll();
    // Whether the job is finished: combined, or found to disagree.
    bool Finished(std::size_t job) const { return jobs_[job].finished; }
    // Says that one of the job's rows has been written; the job is forgotten
    // after its last.
    void Written(std::size_t job);

    // Why the job's rows cannot form one job, or nothing.
    const QString& Disagreement(std::size_t job) const { return jobs_[job].disagreement; }
    const lifting::MultiTaskResult& Result(std::size_t job) const { return jobs_[job].result; }
    // The result's problem as UTF-8.
    QByteArrayView WhyNoCli(std::size_t job) const { return jobs_[job].whyNoCli; }

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
        QByteArray whyNoCli;
        bool used = false;
        bool finished = false;
        std::size_t unwritten = 0; // rows added and not yet written
    };
    // What the first pass learnt of a job, by its number: its rows still to
    // come, and its place in jobs_ once its first row has come.
    struct Tally {
        std::uint32_t rows = 0;
        std::optional<std::size_t> place;
    };
    static constexpr std::uint32_t kNoJob = UINT32_MAX;

    void Finish(Job* job);

    std::unordered_map<std::string, std::uint32_t> numbers_; // first pass only
    std::string key_;                    // the name looked up, in room kept from row to row
    std::vector<std::uint32_t> rowJobs_; // each row's job number, or kNoJob
    std::size_t nextRow_ = 0;
    std::vector<Tally> tallies_;
    std::vector<Job> jobs_;
    std::vector<std::size_t> free_; // places in jobs_ to make jobs in again
};

} // namespace batch
