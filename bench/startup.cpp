#include "startup.h"

#include "sheet.h"
#include "window/fonts.h"
#include "window/roster.h"
#include "worksheet/form1.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <ctime>
#include <memory>

#if defined(Q_OS_UNIX) && !defined(Q_OS_LINUX)
#include <sys/resource.h>
#endif

namespace bench {
namespace {

constexpr const char* kChildFlag = "--child=";
constexpr int kChildTimeoutMs = 60000;

constexpr std::array kWindows{Window::Worksheet, Window::Bare, Window::Captioned};

const char* Name(Window window) {
    switch (window) {
    case Window::Worksheet:
        return "worksheet";
    case Window::Bare:
        return "bare";
    case Window::Captioned:
        return "captioned";
    }
    return "";
}

std::unique_ptr<QWidget> Make(Window window) {
    if (window == Window::Worksheet)
        return std::make_unique<Form1>();
    auto bare = std::make_unique<QWidget>();
    bare->resize(window::kClientWidth / window::kTwipsPerPixel,
                 window::kClientHeight / window::kTwipsPerPixel);
    if (window == Window::Captioned) {
        auto* caption = new QLabel(QStringLiteral("JOB ANALYSIS WORKSHEET"), bare.get());
        caption->setFont(window::FontFor(window::Face::Default));
        caption->move(8, 8);
    }
    return bare;
}

// Construction to first frame, the window made and dropped again in every
// iteration of one long-lived process.
void WarmStartUp(benchmark::State& state, Window window) {
    for (auto _ : state) {
        std::unique_ptr<QWidget> shown = Make(window);
        const bool painted = ShowUntilPainted(*shown);
        state.PauseTiming();
        shown.reset();
        Settle();
        if (!painted) {
            state.SkipWithError("no first frame");
            break;
        }
        state.ResumeTiming();
    }
}

struct ChildReport {
    double frameSeconds = 0;  // construction to first frame
    double appSeconds = 0;    // application construction to first frame
    double peakKib = 0;       // up to the first frame
    double promptSeconds = 0; // the worksheet's first prompt, answered at once
    double boxSeconds = 0;    // its first message box
    double promptCpuSeconds = 0;
    double boxCpuSeconds = 0;
};

std::optional<ChildReport> RunChildProcess(Window window) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(kChildFlag) + QString::fromLatin1(Name(window))});
    if (!child.waitForFinished(kChildTimeoutMs) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0)
        return std::nullopt;
    static const QRegularExpression kLine(
        QStringLiteral(R"(frame_ns=(\d+) app_ns=(\d+) peak_kib=(\d+) prompt_ns=(\d+) box_ns=(\d+) )"
                       R"(prompt_cpu_ns=(\d+) box_cpu_ns=(\d+))"));
    const QRegularExpressionMatch m =
        kLine.match(QString::fromLatin1(child.readAllStandardOutput()));
    if (!m.hasMatch())
        return std::nullopt;
    auto seconds = [&m](int field) { return m.captured(field).toDouble() / 1e9; };
    return ChildReport{seconds(1), seconds(2), m.captured(3).toDouble(), seconds(4), seconds(5),
                       seconds(6), seconds(7)};
}

// The first window of a fresh process, with nothing warmed up, and the
// process's peak resident memory; for the worksheet also its first prompt and
// message box, which fault in the dialogs' code once. The benchmark's time is
// the child's construction to first frame.
void FreshProcess(benchmark::State& state, Window window) {
    double appSeconds = 0;
    double peakKib = 0;
    double promptSeconds = 0;
    double boxSeconds = 0;
    double promptCpuSeconds = 0;
    double boxCpuSeconds = 0;
    for (auto _ : state) {
        const std::optional<ChildReport> report = RunChildProcess(window);
        if (!report) {
            state.SkipWithError("child process failed");
            break;
        }
        state.SetIterationTime(report->frameSeconds);
        appSeconds += report->appSeconds;
        peakKib += report->peakKib;
        promptSeconds += report->promptSeconds;
        boxSeconds += report->boxSeconds;
        promptCpuSeconds += report->promptCpuSeconds;
        boxCpuSeconds += report->boxCpuSeconds;
    }
    state.counters["with_app_ms"] =
        benchmark::Counter(appSeconds * 1e3, benchmark::Counter::kAvgIterations);
    state.counters["peak_rss_MiB"] =
        benchmark::Counter(peakKib / 1024, benchmark::Counter::kAvgIterations);
    if (window != Window::Worksheet)
        return;
    state.counters["first_prompt_ms"] =
        benchmark::Counter(promptSeconds * 1e3, benchmark::Counter::kAvgIterations);
    state.counters["first_box_ms"] =
        benchmark::Counter(boxSeconds * 1e3, benchmark::Counter::kAvgIterations);
    state.counters["first_prompt_cpu_ms"] =
        benchmark::Counter(promptCpuSeconds * 1e3, benchmark::Counter::kAvgIterations);
    state.counters["first_box_cpu_ms"] =
        benchmark::Counter(boxCpuSeconds * 1e3, benchmark::Counter::kAvgIterations);
}

constexpr int kProcessesPerRepetition = 4;

} // namespace

long PeakResidentKib() {
#if defined(Q_OS_LINUX)
    // Linux carries the parent's peak across fork and exec into ru_maxrss;
    // the high-water mark of the address space is this program's own.
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
#elif defined(Q_OS_UNIX)
    rusage usage{};
    if (getrusage(RUSAGE_SELF, &usage) != 0)
        return 0;
#ifdef Q_OS_MACOS
    return usage.ru_maxrss / 1024; // bytes there
#else
    return usage.ru_maxrss;
#endif
#else
    return 0;
#endif
}

void RegisterStartUp() {
    for (Window window : kWindows) {
        benchmark::RegisterBenchmark((std::string("StartUp/") + Name(window)).c_str(), WarmStartUp,
                                     window)
            ->Unit(benchmark::kMillisecond);
    }
    for (Window window : kWindows) {
        benchmark::RegisterBenchmark((std::string("Process/") + Name(window)).c_str(), FreshProcess,
                                     window)
            ->UseManualTime()
            ->Iterations(kProcessesPerRepetition)
            ->Unit(benchmark::kMillisecond);
    }
}

std::optional<Window> ChildWindow(int argc, char** argv) {
    const std::string_view flag = kChildFlag;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg.substr(0, flag.size()) != flag)
            continue;
        const std::string_view name = arg.substr(flag.size());
        for (Window window : kWindows) {
            if (name == Name(window))
                return window;
        }
    }
    return std::nullopt;
}

int RunChild(int argc, char** argv, Window window) {
    const auto start = Clock::now();
    QApplication app(argc, argv);
    const auto made = Clock::now();
    std::unique_ptr<QWidget> shown = Make(window);
    if (!ShowUntilPainted(*shown))
        return 1;
    const auto painted = Clock::now();
    const long peakKib = PeakResidentKib();
    Clock::duration prompt{};
    Clock::duration box{};
    // The process's CPU time, as the handlers' own work is counted; the
    // child runs no other thread meanwhile.
    std::clock_t promptCpu = 0;
    std::clock_t boxCpu = 0;
    if (auto* form = dynamic_cast<Form1*>(shown.get())) {
        Settle();
        auto before = Clock::now();
        std::clock_t cpuBefore = std::clock();
        if (!Prompted(*form, &Form1::EnterOriginH, "12"))
            return 1;
        promptCpu = std::clock() - cpuBefore;
        prompt = Clock::now() - before;
        Settle();
        before = Clock::now();
        cpuBefore = std::clock();
        if (!AdviceShown(*form))
            return 1;
        boxCpu = std::clock() - cpuBefore;
        box = Clock::now() - before;
    }
    auto ns = [](Clock::duration d) {
        return static_cast<long long>(std::chrono::nanoseconds(d).count());
    };
    auto cpuNs = [](std::clock_t ticks) {
        return static_cast<long long>(static_cast<double>(ticks) * 1e9 / CLOCKS_PER_SEC);
    };
    std::printf("frame_ns=%lld app_ns=%lld peak_kib=%ld prompt_ns=%lld box_ns=%lld "
                "prompt_cpu_ns=%lld box_cpu_ns=%lld\n",
                ns(painted - made), ns(painted - start), peakKib, ns(prompt), ns(box),
                cpuNs(promptCpu), cpuNs(boxCpu));
    return 0;
}

} // namespace bench
