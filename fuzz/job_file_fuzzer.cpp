// The job file reader and writer. An input whose first byte is a multiple of
// four makes the rest a job (every text any UTF-8 the bytes give) that must
// read back from what WriteJobFile writes; any other input is a file for
// ReadJobFile, whole, which must read or give one message, and a file that
// reads must read back the same once written again. A job file itself (its
// first byte is "{") is such an input, so job files seed the corpus.
#include "check.h"
#include "lifting/job_file.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

namespace {

using lifting::JobFile;

QString Text(FuzzedDataProvider& data) {
    return QString::fromStdString(data.ConsumeRandomLengthString(64));
}

JobFile DrawJob(FuzzedDataProvider& data) {
    JobFile file;
    for (QString* text : {&file.details.title, &file.details.task, &file.details.analyst,
                          &file.details.date, &file.details.notes})
        *text = Text(data);
    file.job.units = data.PickValueInArray({lifting::Units::UsCustomary, lifting::Units::Metric});
    file.job.duration =
        data.PickValueInArray({lifting::Duration::UpToOneHour, lifting::Duration::UpToTwoHours,
                               lifting::Duration::UpToEightHours});
    file.job.coupling = data.PickValueInArray(
        {lifting::Coupling::Good, lifting::Coupling::Fair, lifting::Coupling::Poor});
    for (auto& entry : file.job.entries) {
        if (data.ConsumeBool())
            entry = Text(data);
    }
    file.calculated = data.ConsumeBool();
    for (int n = 1; n <= lifting::kCellCount; ++n)
        file.shown[lifting::CellAt(n)] = Text(data);
    return file;
}

// Reads written back, checking that it reads and gives file.
void CheckReadsBack(const JobFile& file, const QByteArray& written, const char* property,
                    const QString& input) {
    QString error;
    const auto again = lifting::ReadJobFile(written, &error);
    fuzz::Check(again.has_value() && *again == file, property, input);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString input = QString::fromLatin1(bytes);
    if (data[0] % 4 == 0) {
        FuzzedDataProvider provider(data + 1, size - 1);
        const JobFile file = DrawJob(provider);
        CheckReadsBack(file, lifting::WriteJobFile(file), "a job written reads back the same",
                       input);
        return 0;
    }
    QString error;
    const auto file = lifting::ReadJobFile(bytes, &error);
    if (!file) {
        fuzz::Check(!error.isEmpty() && !error.contains(QLatin1Char('\n')),
                    "a file that does not read gives one message", input);
        return 0;
    }
    CheckReadsBack(*file, lifting::WriteJobFile(*file), "a file read, written again, reads back",
                   input);
    return 0;
}
