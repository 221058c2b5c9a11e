#include "batch.h"

#include "batch/batch.h"
#include "lifting/csv.h"
#include "startup.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <ctime>
#include <random>
#include <string>

namespace bench {
namespace {

constexpr const char* kChildFlag = "--batch-child=";
constexpr int kChildTimeoutMs = 120000;
constexpr int kRows = 100000;
constexpr int kShortRows = 1000;

// Writes everything it is given nowhere, so that only the batch is timed.
class Discard : public QIODevice {
  protected:
    qint64 readData(char* /*data*/, qint64 /*size*/) override { return -1; }
    qint64 writeData(const char* /*data*/, qint64 size) override { return size; }
};

// With a composite column, every row is a task of a multi-task job of this
// many tasks, whose rows stand kJobSpread rows apart.
constexpr int kJobTasks = 4;
constexpr int kJobSpread = 100;

// A survey of rows jobs, the same every time: both unit systems, every
// duration and coupling, locations and angles across the equation's range and
// beyond it, the frequencies of the table and some between its rows, and a
// job name to pass through. With composite, the rows are the tasks of jobs
// in both unit systems and every duration, each job's rows sharing them.
QByteArray Survey(int rows, bool composite = false) {
    std::mt19937 draw(20240601);
    auto pick = [&draw](int from, int to) {
        return std::uniform_int_distribution<int>(from, to)(draw);
    };
    constexpr std::array kUnits{"us", "metric"};
    constexpr std::array kDurations{"1", "2", "8"};
    constexpr std::array kCouplings{"good", "fair", "poor"};
    constexpr std::array kFrequencies{"0.2", "0.5", "1", "2",  "3",  "4",  "5",   "6",
                                      "7",   "8",   "9", "10", "12", "15", "1.5", "20"};
    QByteArray csv = composite ? "job,composite," : "job,";
    csv += "units,duration,coupling,lavg,lmax,origin_h,origin_v,destination_h,"
           "destination_v,origin_a,destination_a,frequency\n";
    for (int i = 0; i < rows; ++i) {
        const int job = i / (kJobTasks * kJobSpread) * kJobSpread + i % kJobSpread;
        const bool metric = composite ? job % 2 == 1 : pick(0, 1) == 1;
        // Centimetres and kilograms, or inches and pounds.
        auto h = [&] { return metric ? pick(20, 70) : pick(8, 28); };
        auto v = [&] { return metric ? pick(0, 180) : pick(0, 72); };
        auto weight = [&] { return metric ? pick(5, 30) : pick(10, 65); };
        if (composite)
            csv += "task " + QByteArray::number(i) + ",job " + QByteArray::number(job) + ",";
        else
            csv += "task " + QByteArray::number(i) + ",";
        csv +=
            QStringLiteral("%1,%2,%3,%4,%5,%6,%7,%8.5,%9,%10,%11,%12\n")
                .arg(
                    QLatin1String(kUnits[metric ? 1 : 0]),
                    QLatin1String(
                        kDurations[static_cast<std::size_t>(composite ? job / 2 % 3 : pick(0, 2))]),
                    QLatin1String(kCouplings[static_cast<std::size_t>(pick(0, 2))]))
                .arg(weight())
                .arg(weight())
                .arg(h())
                .arg(v())
                .arg(h())
                .arg(v())
                .arg(pick(0, 9) * 15)
                .arg(pick(0, 9) * 15)
                .arg(QLatin1String(kFrequencies[static_cast<std::size_t>(pick(0, 15))]))
                .toLatin1();
    }
    return csv;
}

const QByteArray& Rows(bool composite) {
    static const QByteArray rows = Survey(kRows);
    static const QByteArray jobs = Survey(kRows, true);
    return composite ? jobs : rows;
}

// The columns the batch adds to every row: its results and the error, and
// with a composite column those of a multi-task job's task.
constexpr int kAddedColumns = 20;
constexpr int kAddedTaskColumns = 8;

// The floor of the batch: every row read and written as the batch does it,
// with the reader and writer it uses and its columns added empty, without
// evaluating it.
template <int added> bool CopyRows(QIODevice* in, lifting::CsvWriter* out) {
    lifting::CsvReader reader(in);
    lifting::CsvRecord record;
    while (reader.Read(&record)) {
        for (qsizetype i = 0; i < record.size(); ++i)
            out->Field(record[i]);
        for (int i = 0; i < added; ++i)
            out->Field(QByteArrayView());
        out->EndRecord();
    }
    return reader.deviceError().isEmpty() && out->Flush();
}

bool Evaluate(QIODevice* in, lifting::CsvWriter* out) {
    return batch::BatchCsv(in, QStringLiteral("survey"), out, [](const QString&) {}) ==
           batch::BatchStatus::Computed;
}

// 100,000 rows from memory into nothing, through the batch or its floor.
void Batch(benchmark::State& state, bool composite, bool (*run)(QIODevice*, lifting::CsvWriter*)) {
    const QByteArray& rows = Rows(composite);
    for (auto _ : state) {
        QBuffer in;
        in.setData(rows);
        in.open(QIODevice::ReadOnly);
        Discard out;
        out.open(QIODevice::WriteOnly);
        lifting::CsvWriter writer(&out);
        if (!run(&in, &writer)) {
            state.SkipWithError("a row failed");
            break;
        }
    }
    state.counters["rows_per_s"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * kRows, benchmark::Counter::kIsRate);
}

struct ChildReport {
    double peakKib = 0;
    double cpuSeconds = 0;
};

std::optional<ChildReport> RunChildProcess(const QString& input) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QLatin1String(kChildFlag) + input});
    if (!child.waitForFinished(kChildTimeoutMs) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0)
        return std::nullopt;
    static const QRegularExpression kLine(QStringLiteral(R"(peak_kib=(\d+) cpu_ns=(\d+))"));
    const QRegularExpressionMatch m =
        kLine.match(QString::fromLatin1(child.readAllStandardOutput()));
    if (!m.hasMatch())
        return std::nullopt;
    return ChildReport{m.captured(1).toDouble(), m.captured(2).toDouble() / 1e9};
}

// The command in a fresh process over a file of the given number of rows:
// its peak resident memory, and its rows a second of CPU time, file reading
// and writing included.
void Command(benchmark::State& state, int rows) {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("survey.csv")));
    if (!dir.isValid() || !file.open(QIODevice::WriteOnly) || file.write(Survey(rows)) < 0 ||
        !file.flush()) {
        state.SkipWithError("cannot write the survey");
        return;
    }
    double peakKib = 0;
    double cpuSeconds = 0;
    for (auto _ : state) {
        const std::optional<ChildReport> report = RunChildProcess(file.fileName());
        if (!report) {
            state.SkipWithError("child process failed");
            break;
        }
        state.SetIterationTime(report->cpuSeconds);
        peakKib += report->peakKib;
        cpuSeconds += report->cpuSeconds;
    }
    state.counters["peak_rss_MiB"] =
        benchmark::Counter(peakKib / 1024, benchmark::Counter::kAvgIterations);
    state.counters["rows_per_s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * rows / cpuSeconds);
}

} // namespace

void RegisterBatch() {
    benchmark::RegisterBenchmark("Batch/evaluate", Batch, false, Evaluate)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Batch/io_floor", Batch, false, CopyRows<kAddedColumns>)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Batch/composite", Batch, true, Evaluate)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Batch/composite_io_floor", Batch, true,
                                 CopyRows<kAddedColumns + kAddedTaskColumns>)
        ->Unit(benchmark::kMillisecond);
    for (const int rows : {kShortRows, kRows}) {
        benchmark::RegisterBenchmark(("Batch/command_" + std::to_string(rows)).c_str(), Command,
                                     rows)
            ->UseManualTime()
            ->Iterations(2)
            ->Unit(benchmark::kMillisecond);
    }
}

std::optional<QString> BatchChildInput(int argc, char** argv) {
    const std::string_view flag = kChildFlag;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg.substr(0, flag.size()) == flag)
            return QString::fromLocal8Bit(arg.substr(flag.size()));
    }
    return std::nullopt;
}

int RunBatchChild(int argc, char** argv, const QString& input) {
    // As the program runs it: a core application, no window system.
    QCoreApplication app(argc, argv);
    if (batch::RunBatch({input}, QStringLiteral("/dev/null")) != 0)
        return 1;
    const auto cpuNs =
        static_cast<long long>(static_cast<double>(std::clock()) * 1e9 / CLOCKS_PER_SEC);
    std::printf("peak_kib=%ld cpu_ns=%lld\n", PeakResidentKib(), cpuNs);
    return 0;
}

} // namespace bench
