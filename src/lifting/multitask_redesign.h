#pragma once

#include "lifting/multitask.h"
#include "lifting/redesign.h"

#include <QString>

#include <cstddef>
#include <optional>
#include <vector>

// What to change first in a job of several tasks: which task adds most to
// the CLI, and what its costliest factor's change would leave of the CLI.
// Each task is run as a sheet for the guidance, and the job is computed again
// with the change made, so no rule is worked out twice.
namespace lifting {

// A task of the job as the sheet enters it: the job's units and duration,
// the task's coupling and entries.
Job SheetJobOf(const MultiTaskJob& job, std::size_t task);

struct TaskAdvice {
    std::size_t task = 0; // its place in the job, from 0
    // What it adds to the CLI: its STLI where it ranks first, its ΔLI
    // otherwise; none where that ΔLI is.
    std::optional<double> contribution;
    std::optional<double> share; // of the CLI, in percent; none without both
    End end = End::Origin;       // the task's governing end
    // The smallest multiplier at that end and its change; none where every
    // multiplier there is 1.00 already.
    std::optional<FactorAdvice> costliest;
    // The job's CLI with that change made to this task (the ranking worked
    // out anew); none where there is no change or no CLI after it.
    std::optional<double> cliAfter;
    QString whyNoCliAfter; // where there is a change but no CLI after it
};

// The tasks, largest contribution first (none last, ties in rank order);
// nothing where the job has no steps (a task without indices).
std::vector<TaskAdvice> RedesignTasks(const MultiTaskJob& job, const MultiTaskResult& result);

} // namespace lifting
