#include "summary.h"

#include <QString>

#include <algorithm>
#include <ostream>
#include <tuple>

namespace bench {
namespace {

// Against the window with one caption, the cheapest window that draws text:
// setting up fonts is the floor of any window with text, and the rest is the
// sheet's own faces, glyphs and controls.
constexpr double kStartUpRatio = 2.5;
constexpr double kMemoryRatio = 1.1;
constexpr double kHandlerMs = 1.0;
constexpr double kOpenMs = 5.0;
constexpr double kRedesignMs = 0.1;
constexpr double kBatchRowsPerSecond = 500000;
constexpr double kBatchFloorRatio = 2.0;
constexpr double kCompositeMs = 0.1;
constexpr double kTableEditMs = 2.0;

template <typename... Args> std::string Printf(const char* format, Args... args) {
    return QString::asprintf(format, args...).toStdString();
}

const char* Verdict(bool met) {
    return met ? "met" : "MISSED";
}

} // namespace

SummaryReporter::SummaryReporter() : ConsoleReporter(OO_Tabular) {}

void SummaryReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred)
            continue;
        const bool median = run.run_type == Run::RT_Aggregate;
        if (median && run.aggregate_name != "median")
            continue;
        const std::string& name = run.run_name.function_name;
        Figure& figure = figures_[name];
        if (figure.median && !median)
            continue;
        figure.median = median;
        if (median)
            repetitions_ = static_cast<int>(run.repetitions);
        const double toMs = 1e3 / benchmark::GetTimeUnitMultiplier(run.time_unit);
        figure.wallMs = run.GetAdjustedRealTime() * toMs;
        figure.cpuMs = run.GetAdjustedCPUTime() * toMs;
        for (const auto& [counter, value] : run.counters)
            figure.counters[counter] = value.value;
        if (name.starts_with("Handler/") &&
            std::find(handlers_.begin(), handlers_.end(), name) == handlers_.end())
            handlers_.push_back(name);
    }
}

const SummaryReporter::Figure* SummaryReporter::Find(const std::string& name) const {
    const auto found = figures_.find(name);
    return found == figures_.end() ? nullptr : &found->second;
}

// One line of the table: a figure of the window against the same figure of
// the baseline window in the same group of benchmarks.
void SummaryReporter::PrintRatio(const char* what, const std::string& window, const Value& value,
                                 double target, const char* baseline) {
    const std::string group = window.substr(0, window.find('/') + 1);
    const Figure* w = Find(window);
    const Figure* b = Find(group + baseline);
    if (w == nullptr || b == nullptr)
        return;
    const double a = value(*w);
    const double c = value(*b);
    if (!(a > 0) || !(c > 0)) {
        GetOutputStream() << Printf("  %-40s not measured on this platform\n", what);
        return;
    }
    const double ratio = a / c;
    std::string line = Printf("  %-40s %10.2f %10.2f %7.2fx", what, a, c, ratio);
    if (target > 0)
        line += Printf("   <= %.1fx %s", target, Verdict(ratio <= target));
    GetOutputStream() << line << '\n';
}

void SummaryReporter::Finalize() {
    const Value wall = [](const Figure& f) { return f.wallMs; };
    const Value cpu = [](const Figure& f) { return f.cpuMs; };
    auto counter = [](const char* name) -> Value {
        return [name](const Figure& f) {
            const auto found = f.counters.find(name);
            return found == f.counters.end() ? 0.0 : found->second;
        };
    };

    std::ostream& out = GetOutputStream();
    out << '\n'
        << Printf("Side by side, %s\n",
                  repetitions_ > 1 ? Printf("medians of %d repetitions", repetitions_).c_str()
                                   : "one run");
    out << Printf("  %-40s %10s %10s %8s   %s\n", "", "worksheet", "caption", "ratio", "target");
    PrintRatio("start-up, fresh process, wall (ms)", "Process/worksheet", wall, kStartUpRatio,
               "captioned");
    PrintRatio("  the same with QApplication (ms)", "Process/worksheet", counter("with_app_ms"), 0,
               "captioned");
    PrintRatio("peak resident memory (MiB)", "Process/worksheet", counter("peak_rss_MiB"),
               kMemoryRatio, "captioned");
    PrintRatio("start-up, running process, CPU (ms)", "StartUp/worksheet", cpu, 0, "captioned");
    // For information: a window that draws no text never sets up fonts.
    out << Printf("  %-40s %10s %10s %8s\n", "", "worksheet", "bare", "ratio");
    PrintRatio("start-up, fresh process, wall (ms)", "Process/worksheet", wall, 0);
    PrintRatio("peak resident memory (MiB)", "Process/worksheet", counter("peak_rss_MiB"), 0);
    PrintRatio("start-up, running process, CPU (ms)", "StartUp/worksheet", cpu, 0);

    out << Printf("  %-40s %10s %10s   %s\n", "handler", "wall (ms)", "CPU (ms)", "target");
    for (const std::string& name : handlers_) {
        const Figure& f = figures_.at(name);
        out << Printf("  %-40s %10.3f %10.3f   < 1 ms CPU %s\n",
                      name.substr(name.find('/') + 1).c_str(), f.wallMs, f.cpuMs,
                      Verdict(f.cpuMs < kHandlerMs));
    }
    if (const Figure* open = Find("Open/job")) {
        out << Printf("  %-40s %10.3f %10.3f   < %.0f ms CPU %s\n", "opening a job and painting it",
                      open->wallMs, open->cpuMs, kOpenMs, Verdict(open->cpuMs < kOpenMs));
    }
    for (const auto& [name, what, target] :
         {std::tuple{"Redesign/guidance", "redesign guidance", kRedesignMs},
          std::tuple{"MultiTask/compute_30_tasks", "the CLI of a job of 30 tasks", kCompositeMs},
          std::tuple{"MultiTask/table_edit", "a table edit of 30 tasks, painted", kTableEditMs}}) {
        if (const Figure* f = Find(name)) {
            out << Printf("  %-40s %10.3f %10.3f   < %.1f ms CPU %s\n", what, f->wallMs, f->cpuMs,
                          target, Verdict(f->cpuMs < target));
        }
    }
    PrintBatch();
    if (const Figure* fresh = Find("Process/worksheet")) {
        for (const auto& [wall, cpu, what] : {std::tuple{"first_prompt_ms", "first_prompt_cpu_ms",
                                                         "first prompt of a fresh process"},
                                              std::tuple{"first_box_ms", "first_box_cpu_ms",
                                                         "first message box of a fresh process"}}) {
            const double ms = counter(cpu)(*fresh);
            out << Printf("  %-40s %10.3f %10.3f   < 1 ms CPU %s\n", what, counter(wall)(*fresh),
                          ms, Verdict(ms < kHandlerMs));
        }
    }
}

// The batch against its reading and writing alone, and the command's memory
// over a short and a long input.
void SummaryReporter::PrintBatch() {
    auto rate = [](const Figure& f) {
        return f.counters.count("rows_per_s") != 0 ? f.counters.at("rows_per_s") : 0.0;
    };
    std::ostream& out = GetOutputStream();
    for (const auto& [what, name, floorName] :
         {std::tuple{"batch of 100,000 rows", "Batch/evaluate", "Batch/io_floor"},
          std::tuple{"the same, in jobs of 4 tasks", "Batch/composite",
                     "Batch/composite_io_floor"}}) {
        const Figure* batch = Find(name);
        const Figure* floor = Find(floorName);
        if (batch == nullptr || floor == nullptr)
            continue;
        out << Printf("  %-40s %10s %10s %8s   %s\n", what, "batch", "floor", "ratio", "target");
        const double ratio = batch->cpuMs / floor->cpuMs;
        out << Printf("  %-40s %10.1f %10.1f %7.2fx   <= %.1fx %s\n", "CPU time (ms)", batch->cpuMs,
                      floor->cpuMs, ratio, kBatchFloorRatio, Verdict(ratio <= kBatchFloorRatio));
        out << Printf("  %-40s %10.0f %10.0f %8s   >= %.0f %s\n", "rows a second, one core",
                      rate(*batch), rate(*floor), "", kBatchRowsPerSecond,
                      Verdict(rate(*batch) >= kBatchRowsPerSecond));
    }
    const Figure* shortRun = Find("Batch/command_1000");
    const Figure* longRun = Find("Batch/command_100000");
    if (shortRun == nullptr || longRun == nullptr)
        return;
    auto peak = [](const Figure& f) {
        return f.counters.count("peak_rss_MiB") != 0 ? f.counters.at("peak_rss_MiB") : 0.0;
    };
    out << Printf("  %-40s %10s %10s %8s\n", "the command, a fresh process", "1,000", "100,000",
                  "ratio");
    out << Printf("  %-40s %10.2f %10.2f %7.3fx\n", "peak resident memory (MiB)", peak(*shortRun),
                  peak(*longRun), peak(*longRun) / peak(*shortRun));
    out << Printf("  %-40s %10.0f %10.0f\n", "rows a second of CPU, file to /dev/null",
                  rate(*shortRun), rate(*longRun));
}

} // namespace bench
