#pragma once

#include "lifting/job.h"
#include "lifting/rules.h"

#include <QLatin1StringView>
#include <QString>

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

// Jobs of several tasks and their composite lifting index (CLI), by the
// published multi-task procedure. Each task is read and computed by the rules
// the sheet uses; only the combining is new here. Every intermediate value is
// returned, for the window, the report, the batch and the tests alike.
namespace lifting {

// A job holds at most this many tasks; above kEstablishedTasks the index is
// less established, and kManyTasksNote says so.
inline constexpr std::size_t kMaxTasks = 30;
inline constexpr std::size_t kEstablishedTasks = 10;
inline constexpr const char* kManyTasksNote =
    "Above 10 tasks the composite lifting index is less established.";

// One task as entered: its name, its coupling and the text typed for each
// entry, or nothing where it was never entered.
struct Task {
    QString name;
    Coupling coupling = Coupling::Good;
    std::array<std::optional<QString>, kEntryCount> entries;

    std::optional<QString>& operator[](Entry e) { return entries[static_cast<std::size_t>(e)]; }
    const std::optional<QString>& operator[](Entry e) const {
        return entries[static_cast<std::size_t>(e)];
    }
    bool operator==(const Task&) const = default;
};

// The job: one unit system and one work duration for all its tasks.
struct MultiTaskJob {
    Units units = Units::UsCustomary;
    Duration duration = Duration::UpToOneHour;
    std::vector<Task> tasks;
    bool operator==(const MultiTaskJob&) const = default;
};

// A task's entries as read: every one a number of 0 or more.
struct TaskNumbers {
    Coupling coupling = Coupling::Good;
    std::array<double, kEntryCount> entries{};

    double& operator[](Entry e) { return entries[static_cast<std::size_t>(e)]; }
    double operator[](Entry e) const { return entries[static_cast<std::size_t>(e)]; }
};

enum class End { Origin, Destination };
// "origin", "destination"
QLatin1StringView NameOf(End end);

// One end of a task.
struct EndValues {
    float hm = 0, vm = 0, dm = 0, am = 0, cm = 0;
    float fm = 0;    // FM of the task's own frequency, in this end's column
    float firwl = 0; // LC·HM·VM·DM·AM·CM: the RWL with FM = 1
    float strwl = 0; // the RWL with FM: FIRWL × FM, rounded as the sheet's
    // L(Max) / FIRWL and L(AVG) / STRWL; none where the RWL is 0 or less.
    std::optional<float> fili;
    std::optional<float> stli;
};

struct TaskValues {
    TaskNumbers numbers;
    Units units = Units::UsCustomary; // those of the numbers
    double distance = 0;              // D, shared by both ends
    std::array<EndValues, 2> ends;
    // The end with the larger STLI (the origin on a tie); an end without an
    // STLI counts as the larger.
    End governing = End::Origin;

    const EndValues& operator[](End e) const { return ends[static_cast<std::size_t>(e)]; }
    const EndValues& Governing() const { return (*this)[governing]; }
};

struct TaskResult {
    // None where an entry is refused or missing.
    std::optional<TaskValues> values;
    // Why there are no values ("L(Max) is empty"); empty where there are.
    QString refused;
    // 1 for the largest STLI; only where every task of the job has its indices.
    std::optional<int> rank;

    // Whether the task has FILI and STLI: an RWL above 0 at both ends, with
    // FM and without.
    bool HasIndices() const;
    // Why the task has no FILI and STLI ("H 30 in at the origin is beyond the
    // limit"); empty where it has them. Said only when asked, as a batch asks
    // for the first such task of a job only.
    QString Problem() const;
};

// FM of a summed frequency: from the FM table with the job's duration, in the
// lower of its two columns, linear between neighbouring rows; at or below 0.2
// lifts/min the 0.2 row, above 15 none (0).
struct SummedFm {
    double fm = 0;
    bool interpolated = false; // between two rows of the table
};
SummedFm SummedFrequencyMultiplier(double frequency, Duration duration);

// One term of the CLI, in rank order.
struct CompositeStep {
    std::size_t task = 0;        // its place in the job, from 0
    double summedFrequency = 0;  // F1 + ... + Fk
    SummedFm fm;                 // FM of that sum
    std::optional<double> delta; // ΔLI: STLI1 first, then
                                 // FILIk × (1/FM(F1..k) − 1/FM(F1..k−1)); none
                                 // where an FM it needs is 0
};

struct MultiTaskResult {
    std::vector<TaskResult> tasks;    // in the job's order
    std::vector<CompositeStep> steps; // in rank order, where every task has its indices
    std::optional<double> cli;
    QString problem;        // why there is no CLI, where there is none
    bool manyTasks = false; // more than kEstablishedTasks: show kManyTasksNote
};

// A task from its numbers; it always has values, and a problem where an RWL
// is 0 or less.
TaskResult ComputeTask(const TaskNumbers& task, Units units, Duration duration);
// A task from its texts, each read as the sheet reads an entry; a refused or
// missing entry gives no values and a problem naming it.
TaskResult ComputeTask(const Task& task, Units units, Duration duration);
// Ranks the tasks of a job and combines them into its CLI.
MultiTaskResult Combine(std::vector<TaskResult> tasks, Duration duration);
MultiTaskResult Compute(const MultiTaskJob& job);

// How the values print. Multipliers and FM of a task's end: MultiplierText;
// FIRWL and STRWL: RwlText. FILI and STLI (IndexFigure), FM of a summed
// frequency, each ΔLI and the CLI (CompositeFigure): two decimals, and "N/A"
// where there is none. A summed frequency: in the general form, without the
// sheet's "0.#" ("3.").
Figure IndexFigure(float index);
Figure CompositeFigure(double value);
Figure SummedFrequencyFigure(double frequency);
QString IndexText(std::optional<float> index);
QString CompositeText(std::optional<double> value);

} // namespace lifting
