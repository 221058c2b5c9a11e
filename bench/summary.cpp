#include "summary.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <ostream>

namespace bench {
namespace {

constexpr double kStartUpRatio = 1.3;
constexpr double kMemoryRatio = 1.2;
constexpr double kHandlerSeconds = 1e-3;

std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

std::string Printf(const char* format, ...) {
    char buffer[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
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
        figure.seconds =
            run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
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

void SummaryReporter::PrintRatio(const char* what, const std::string& worksheet,
                                 const std::string& bare, const char* counter, double target) {
    const Figure* w = Find(worksheet);
    const Figure* b = Find(bare);
    if (w == nullptr || b == nullptr)
        return;
    auto value = [counter](const Figure& f) {
        if (counter == nullptr)
            return f.seconds * 1e3;
        const auto found = f.counters.find(counter);
        return found == f.counters.end() ? 0.0 : found->second;
    };
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
    std::ostream& out = GetOutputStream();
    out << '\n'
        << Printf("Side by side, %s\n",
                  repetitions_ > 1 ? Printf("medians of %d repetitions", repetitions_).c_str()
                                   : "one run");
    out << Printf("  %-40s %10s %10s %8s   %s\n", "", "worksheet", "bare", "ratio", "target");
    PrintRatio("start-up, running process (ms)", "StartUp/worksheet", "StartUp/bare", nullptr,
               kStartUpRatio);
    PrintRatio("start-up, fresh process (ms)", "Process/worksheet", "Process/bare", nullptr,
               kStartUpRatio);
    PrintRatio("  the same with QApplication (ms)", "Process/worksheet", "Process/bare",
               "with_app_ms", kStartUpRatio);
    PrintRatio("peak resident memory (MiB)", "Process/worksheet", "Process/bare", "peak_rss_MiB",
               kMemoryRatio);
    PrintRatio("one caption instead, fresh process (ms)", "Process/captioned", "Process/bare",
               nullptr, 0);
    PrintRatio("  its peak resident memory (MiB)", "Process/captioned", "Process/bare",
               "peak_rss_MiB", 0);
    if (handlers_.empty())
        return;
    out << Printf("  %-40s %10s   %s\n", "handler", "time (ms)", "target");
    for (const std::string& name : handlers_) {
        const double seconds = figures_.at(name).seconds;
        out << Printf("  %-40s %10.3f   < 1 ms %s\n", name.substr(name.find('/') + 1).c_str(),
                      seconds * 1e3, Verdict(seconds < kHandlerSeconds));
    }
}

} // namespace bench
