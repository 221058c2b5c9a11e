#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace bench {

// The console report, followed by the side-by-side figures the targets are
// about: the worksheet against the window with one caption (and, for
// information, the bare window), and every handler against its millisecond. Each figure is the
// median of the repetitions when there are several.
class SummaryReporter : public benchmark::ConsoleReporter {
  public:
    SummaryReporter();

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

  private:
    struct Figure {
        double wallMs = 0;
        double cpuMs = 0;
        std::map<std::string, double> counters;
        bool median = false;
    };
    using Value = std::function<double(const Figure&)>;

    const Figure* Find(const std::string& name) const;
    void PrintRatio(const char* what, const std::string& window, const Value& value, double target,
                    const char* baseline = "bare");
    void PrintBatch();

    std::map<std::string, Figure> figures_;
    std::vector<std::string> handlers_;
    int repetitions_ = 1;
};

} // namespace bench
