#include "open.h"

#include "app/job_window.h"
#include "lifting/job_file.h"
#include "lifting/redesign.h"
#include "sheet.h"
#include "worksheet/form1.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace bench {
namespace {

// The dish-washer job, as Save writes it.
lifting::JobFile DishJob() {
    lifting::JobFile file;
    file.details.title = QStringLiteral("Dish rack unloading");
    file.details.date = QStringLiteral("2026-12-08");
    using lifting::Entry;
    for (const auto& [entry, typed] :
         {std::pair{Entry::LoadAvg, "20"}, std::pair{Entry::LoadMax, "20"},
          std::pair{Entry::OriginH, "20"}, std::pair{Entry::OriginV, "44"},
          std::pair{Entry::DestinationH, "20"}, std::pair{Entry::DestinationV, "7"},
          std::pair{Entry::OriginA, "30"}, std::pair{Entry::DestinationA, "30"},
          std::pair{Entry::Frequency, "5"}})
        file.job[entry] = QString::fromLatin1(typed);
    file.calculated = true;
    file.shown = lifting::KeepAll(lifting::Evaluate(file.job));
    return file;
}

void OpenJob(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dish.liftjob"));
    QFile out(path);
    if (!dir.isValid() || !out.open(QIODevice::WriteOnly) ||
        out.write(lifting::WriteJobFile(DishJob())) < 0) {
        state.SkipWithError("the job file could not be written");
        return;
    }
    out.close();
    app::JobWindow window;
    if (!ShowUntilPainted(window.form())) {
        state.SkipWithError("no first frame");
        return;
    }
    Settle();
    const lifting::Shown saved = lifting::Evaluate(DishJob().job);
    for (auto _ : state) {
        // A message about the file would be a dialog nobody answers here.
        const bool opened = window.OpenPath(path);
        window.form().repaint();
        state.PauseTiming();
        if (!opened || window.form().ShownCells() != saved) {
            state.SkipWithError("the job did not open as saved");
            break;
        }
        Settle();
        state.ResumeTiming();
    }
}

// The guidance of the calculated sheet: every factor at both ends, each
// change entered into a sheet of its own.
void Redesign(benchmark::State& state) {
    lifting::SheetEngine sheet;
    sheet.EnterJob(DishJob().job, true);
    for (auto _ : state)
        benchmark::DoNotOptimize(lifting::Redesign(sheet));
}

} // namespace

void RegisterOpen() {
    benchmark::RegisterBenchmark("Open/job", OpenJob)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Redesign/guidance", Redesign)->Unit(benchmark::kMicrosecond);
}

} // namespace bench
