#include "multitask.h"

#include "app/job_window.h"
#include "app/multitask_window.h"
#include "lifting/multitask.h"
#include "sheet.h"

#include <QTableWidget>

#include <benchmark/benchmark.h>

#include <array>

namespace bench {
namespace {

// A job of the most tasks a job holds, every one with its indices, and
// summed frequencies that fall between the table's rows: every step of the
// CLI is worked out, interpolations included.
lifting::MultiTaskJob ThirtyTasks() {
    lifting::MultiTaskJob job;
    for (std::size_t t = 0; t < lifting::kMaxTasks; ++t) {
        lifting::Task& task = job.tasks.emplace_back();
        task.name = QStringLiteral("Task %1").arg(t + 1);
        task.coupling = static_cast<lifting::Coupling>(t % 3);
        const std::array<int, lifting::kEntryCount> entries{20 + static_cast<int>(t % 7),
                                                            25 + static_cast<int>(t % 5),
                                                            10 + static_cast<int>(t % 9),
                                                            static_cast<int>(t * 2 % 60),
                                                            10 + static_cast<int>(t % 6),
                                                            static_cast<int>(t * 5 % 70),
                                                            static_cast<int>(t % 4) * 15,
                                                            static_cast<int>(t % 3) * 30,
                                                            0};
        for (std::size_t e = 0; e < lifting::kEntryCount; ++e)
            task[static_cast<lifting::Entry>(e)] = QString::number(entries[e]);
        task[lifting::Entry::Frequency] = QString::fromLatin1(t % 2 == 0 ? "0.2" : "0.5");
    }
    return job;
}

void Compute(benchmark::State& state) {
    const lifting::MultiTaskJob job = ThirtyTasks();
    if (!lifting::Compute(job).cli) {
        state.SkipWithError("the job has no CLI");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(lifting::Compute(job));
}

// One entry of the shown window typed anew, as its editor commits a
// keystroke: the job recomputed, the table filled and the window painted.
void TableEdit(benchmark::State& state) {
    app::JobWindow sheet;
    app::MultiTaskWindow& window = sheet.MultiTask();
    window.Apply(ThirtyTasks());
    if (!ShowUntilPainted(window)) {
        state.SkipWithError("no first frame");
        return;
    }
    Settle();
    QTableWidgetItem* item = window.table().item(0, app::MultiTaskWindow::FirstEntry);
    bool odd = false;
    for (auto _ : state) {
        item->setText(QString::fromLatin1((odd = !odd) ? "21" : "20"));
        window.repaint();
        state.PauseTiming();
        Settle();
        state.ResumeTiming();
    }
    if (!lifting::Compute(window.file().job).cli)
        state.SkipWithError("the job has no CLI");
}

} // namespace

void RegisterMultiTask() {
    benchmark::RegisterBenchmark("MultiTask/compute_30_tasks", Compute)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("MultiTask/table_edit", TableEdit)->Unit(benchmark::kMicrosecond);
}

} // namespace bench
