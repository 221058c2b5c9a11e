// The readers and writers of job files of one task and of several. An input
// whose first byte is 0 modulo 8 makes the rest a job, and 4 modulo 8 a
// multi-task job (every text any UTF-8 the bytes give), that must read back
// from what its writer writes. Any other input is a file, whole, for both
// readers: each must read it or give one message, at most one of them may
// read it, as its kind says, and a file that reads must read back the same
// once written again; a multi-task job read must also compute to a CLI or
// say why not. Job files of both kinds (their first byte is "{") are such
// inputs, so they seed the corpus.
#include "check.h"
#include "lifting/job_file.h"
#include "lifting/multitask_file.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace {

using lifting::JobFile;
using lifting::MultiTaskFile;

QString Text(FuzzedDataProvider& data) {
    return QString::fromStdString(data.ConsumeRandomLengthString(64));
}

lifting::JobDetails DrawDetails(FuzzedDataProvider& data) {
    lifting::JobDetails details;
    for (QString* text :
         {&details.title, &details.task, &details.analyst, &details.date, &details.notes})
        *text = Text(data);
    return details;
}

lifting::Units DrawUnits(FuzzedDataProvider& data) {
    return data.PickValueInArray({lifting::Units::UsCustomary, lifting::Units::Metric});
}

lifting::Duration DrawDuration(FuzzedDataProvider& data) {
    return data.PickValueInArray({lifting::Duration::UpToOneHour, lifting::Duration::UpToTwoHours,
                                  lifting::Duration::UpToEightHours});
}

lifting::Coupling DrawCoupling(FuzzedDataProvider& data) {
    return data.PickValueInArray(
        {lifting::Coupling::Good, lifting::Coupling::Fair, lifting::Coupling::Poor});
}

template <std::size_t N>
void DrawEntries(FuzzedDataProvider& data, std::array<std::optional<QString>, N>* entries) {
    for (auto& entry : *entries) {
        if (data.ConsumeBool())
            entry = Text(data);
    }
}

JobFile DrawJob(FuzzedDataProvider& data) {
    JobFile file;
    file.details = DrawDetails(data);
    file.job.units = DrawUnits(data);
    file.job.duration = DrawDuration(data);
    file.job.coupling = DrawCoupling(data);
    DrawEntries(data, &file.job.entries);
    file.calculated = data.ConsumeBool();
    for (int n = 1; n <= lifting::kCellCount; ++n)
        file.shown[lifting::CellAt(n)] = Text(data);
    return file;
}

MultiTaskFile DrawMultiTask(FuzzedDataProvider& data) {
    MultiTaskFile file;
    file.details = DrawDetails(data);
    file.job.units = DrawUnits(data);
    file.job.duration = DrawDuration(data);
    file.job.tasks.resize(data.ConsumeIntegralInRange<std::size_t>(0, lifting::kMaxTasks));
    for (lifting::Task& task : file.job.tasks) {
        task.name = Text(data);
        task.coupling = DrawCoupling(data);
        DrawEntries(data, &task.entries);
    }
    return file;
}

// Reads written back, checking that it reads and gives file.
void CheckReadsBack(const JobFile& file, const QByteArray& written, const char* property,
                    const QString& input) {
    QString error;
    const auto again = lifting::ReadJobFile(written, &error);
    fuzz::Check(again.has_value() && *again == file, property, input);
}

void CheckReadsBack(const MultiTaskFile& file, const QByteArray& written, const char* property,
                    const QString& input) {
    QString error;
    const auto again = lifting::ReadMultiTaskFile(written, &error);
    fuzz::Check(again.has_value() && *again == file, property, input);
    fuzz::Check(lifting::KindOfJobFile(written) == lifting::JobFileKind::MultiTask,
                "a multi-task job written is known as one", input);
}

// The CLI, or a reason why there is none.
void CheckComputes(const lifting::MultiTaskJob& job, const QString& input) {
    const lifting::MultiTaskResult result = lifting::Compute(job);
    fuzz::Check(result.cli.has_value() == result.problem.isEmpty(),
                "a multi-task job gives a CLI or says why not", input);
}

// A file that a reader refuses gives one message.
template <typename File>
bool Refused(const std::optional<File>& file, const QString& error, const QString& input) {
    if (!file)
        fuzz::Check(!error.isEmpty() && !error.contains(QLatin1Char('\n')),
                    "a file that does not read gives one message", input);
    return !file;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString input = QString::fromLatin1(bytes);
    if (data[0] % 4 == 0) {
        FuzzedDataProvider provider(data + 1, size - 1);
        if (data[0] % 8 == 0) {
            const JobFile file = DrawJob(provider);
            CheckReadsBack(file, lifting::WriteJobFile(file), "a job written reads back the same",
                           input);
        } else {
            const MultiTaskFile file = DrawMultiTask(provider);
            CheckReadsBack(file, lifting::WriteMultiTaskFile(file),
                           "a multi-task job written reads back the same", input);
            CheckComputes(file.job, input);
        }
        return 0;
    }
    QString error;
    const auto job = lifting::ReadJobFile(bytes, &error);
    QString multiTaskError;
    const auto multiTask = lifting::ReadMultiTaskFile(bytes, &multiTaskError);
    const lifting::JobFileKind kind = lifting::KindOfJobFile(bytes);
    if (!Refused(job, error, input)) {
        fuzz::Check(kind == lifting::JobFileKind::SingleTask, "a job read is known as one", input);
        CheckReadsBack(*job, lifting::WriteJobFile(*job), "a file read, written again, reads back",
                       input);
    }
    if (!Refused(multiTask, multiTaskError, input)) {
        fuzz::Check(kind == lifting::JobFileKind::MultiTask,
                    "a multi-task job read is known as one", input);
        CheckReadsBack(*multiTask, lifting::WriteMultiTaskFile(*multiTask),
                       "a multi-task file read, written again, reads back", input);
        CheckComputes(multiTask->job, input);
    }
    return 0;
}
