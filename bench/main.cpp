// Measures the worksheet against a bare window of its size, and every click
// handler, on Qt's offscreen platform. Run without arguments for medians of
// five repetitions (--benchmark_repetitions overrides that); any other Google
// Benchmark flag is passed on.
#include "batch.h"
#include "handlers.h"
#include "multitask.h"
#include "open.h"
#include "startup.h"
#include "summary.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

QtMessageHandler previousHandler = nullptr;

// The offscreen platform says the first of every dialog it shows, and every
// process started without a session says the second; neither tells anything.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("does not support propagateSizeHints")) ||
        message.contains(QLatin1String("XDG_RUNTIME_DIR not set")))
        return;
    previousHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(QuietHandler);
    if (const auto input = bench::BatchChildInput(argc, argv))
        return bench::RunBatchChild(argc, argv, *input);
    if (const auto window = bench::ChildWindow(argc, argv))
        return bench::RunChild(argc, argv, *window);

    // Defaults first, so that the same flags on the command line win.
    std::vector<std::string> defaults{"--benchmark_repetitions=5",
                                      "--benchmark_display_aggregates_only=true"};
    std::vector<char*> args{argv[0]};
    for (std::string& flag : defaults)
        args.push_back(flag.data());
    args.insert(args.end(), argv + 1, argv + argc);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 1;

    QApplication app(count, args.data());
    bench::RegisterStartUp();
    bench::RegisterHandlers();
    bench::RegisterOpen();
    bench::RegisterBatch();
    bench::RegisterMultiTask();
    bench::SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
