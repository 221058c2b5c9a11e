#include "lifting/multitask_redesign.h"

#include "lifting/sheet_engine.h"

#include <algorithm>

namespace lifting {
namespace {

// The costliest factor at the task's governing end, run through the sheet.
std::optional<FactorAdvice> CostliestOf(const MultiTaskJob& job, std::size_t task, End end) {
    SheetEngine sheet;
    sheet.EnterJob(SheetJobOf(job, task), true);
    const std::optional<std::array<EndAdvice, 2>> advice = Redesign(sheet);
    if (!advice)
        return std::nullopt;
    const EndAdvice& at = (*advice)[static_cast<std::size_t>(end)];
    if (at.factors.empty() || !at.factors.front().change)
        return std::nullopt;
    return at.factors.front();
}

// The job with the task changed as the sheet's job was. The work duration is
// the job's, so a change of duration is one for every task.
MultiTaskJob WithChange(const MultiTaskJob& job, std::size_t task, const Job& change) {
    MultiTaskJob changed = job;
    changed.duration = change.duration;
    changed.tasks[task].coupling = change.coupling;
    changed.tasks[task].entries = change.entries;
    return changed;
}

} // namespace

Job SheetJobOf(const MultiTaskJob& job, std::size_t task) {
    Job sheet;
    sheet.units = job.units;
    sheet.duration = job.duration;
    sheet.coupling = job.tasks.at(task).coupling;
    sheet.entries = job.tasks.at(task).entries;
    return sheet;
}

std::vector<TaskAdvice> RedesignTasks(const MultiTaskJob& job, const MultiTaskResult& result) {
    std::vector<TaskAdvice> tasks;
    for (const CompositeStep& step : result.steps) {
        TaskAdvice advice;
        advice.task = step.task;
        advice.contribution = step.delta;
        if (step.delta && result.cli && *result.cli > 0)
            advice.share = *step.delta / *result.cli * 100;
        advice.end = result.tasks[step.task].values->governing;
        advice.costliest = CostliestOf(job, step.task, advice.end);
        if (advice.costliest) {
            const MultiTaskResult after =
                Compute(WithChange(job, step.task, *advice.costliest->change));
            advice.cliAfter = after.cli;
            advice.whyNoCliAfter = after.problem;
        }
        tasks.push_back(std::move(advice));
    }
    std::stable_sort(tasks.begin(), tasks.end(), [](const TaskAdvice& a, const TaskAdvice& b) {
        return a.contribution.value_or(-1) > b.contribution.value_or(-1);
    });
    return tasks;
}

} // namespace lifting
