#include "batch/batch.h"

#include "batch/composite.h"
#include "lifting/bands.h"
#include "lifting/csv.h"
#include "lifting/job.h"
#include "lifting/job_file.h"
#include "lifting/multitask_file.h"
#include "lifting/no_index.h"
#include "lifting/options.h"
#include "lifting/reading.h"
#include "lifting/saving.h"
#include "lifting/sheet_engine.h"

#include <QBuffer>
#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cstdio>
#include <deque>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace batch {
namespace {

using lifting::Cell;
using lifting::CsvRecord;
using lifting::CsvWriter;
using lifting::Entry;
using lifting::kEntryCount;

// The columns added after the input's, each the cell it shows (D, DM and LC
// are the same at both ends) or the band of its index, then the error.
struct Result {
    enum class Shows { Text, Band };
    const char* name;
    Cell cell;
    Shows shows = Shows::Text;
};
constexpr std::array<Result, 19> kResults{{
    {"hm_origin", Cell::HmOrigin},
    {"hm_destination", Cell::HmDestination},
    {"vm_origin", Cell::VmOrigin},
    {"vm_destination", Cell::VmDestination},
    {"d", Cell::Distance},
    {"dm", Cell::DmOrigin},
    {"am_origin", Cell::AmOrigin},
    {"am_destination", Cell::AmDestination},
    {"fm_origin", Cell::FmOrigin},
    {"fm_destination", Cell::FmDestination},
    {"cm_origin", Cell::CmOrigin},
    {"cm_destination", Cell::CmDestination},
    {"lc", Cell::LcOrigin},
    {"rwl_origin", Cell::RwlOrigin},
    {"rwl_destination", Cell::RwlDestination},
    {"li_origin", Cell::LiOrigin},
    {"li_destination", Cell::LiDestination},
    {"band_origin", Cell::LiOrigin, Result::Shows::Band},
    {"band_destination", Cell::LiDestination, Result::Shows::Band},
}};
constexpr const char* kErrorColumn = "error";

// The columns a CSV input must have: the three options, then the entries.
constexpr std::array<const char*, 3> kOptionColumns{"units", "duration", "coupling"};
constexpr std::size_t kRequiredCount = kOptionColumns.size() + kEntryCount;

QByteArray RequiredName(std::size_t i) {
    if (i < kOptionColumns.size())
        return kOptionColumns[i];
    const std::string_view key = lifting::KeyOf(static_cast<Entry>(i - kOptionColumns.size()));
    return {key.data(), static_cast<qsizetype>(key.size())};
}

// What is wrong with an entry's text, in the words of a row's error.
QString RefusalWords(Entry entry, const QString& text, const QString& problem) {
    return QStringLiteral("%1 is \"%2\": %3")
        .arg(QString::fromLatin1(
                 RequiredName(kOptionColumns.size() + static_cast<std::size_t>(entry))),
             text, problem);
}

// The details of a job file, as columns of its row.
constexpr std::array<std::pair<const char*, QString lifting::JobDetails::*>, 5> kDetails{{
    {"title", &lifting::JobDetails::title},
    {"task", &lifting::JobDetails::task},
    {"analyst", &lifting::JobDetails::analyst},
    {"date", &lifting::JobDetails::date},
    {"notes", &lifting::JobDetails::notes},
}};

constexpr const char* kJobFileSuffix = ".liftjob";
// The name of a task of a multi-task job file, beside its job's details.
constexpr const char* kTaskNameColumn = "task_name";

QIODevice* OpenForWriting(QIODevice* device) {
    device->open(QIODevice::WriteOnly);
    return device;
}

QByteArrayView Bytes(QLatin1StringView text) {
    return {text.data(), text.size()};
}

void EndRow(CsvWriter* out, std::size_t emptyFields, const QString& error) {
    for (std::size_t i = 0; i < emptyFields; ++i)
        out->Field(QByteArrayView());
    out->Field(QStringView(error));
    out->EndRecord();
}

// Writes each result cell's text as the sheet shows it, or the band of its
// index; no band where no risk can be read from the index.
void WriteResults(CsvWriter* out, const lifting::SheetEngine& sheet, lifting::FigureTexts* texts) {
    using Kind = lifting::Content::Kind;
    for (const Result& result : kResults) {
        const lifting::Content& content = sheet[result.cell];
        if (result.shows == Result::Shows::Band) {
            const std::optional<float> index =
                lifting::ReadableIndex(sheet, result.cell == Cell::LiOrigin);
            out->Field(QByteArrayView(index ? lifting::BandOf(*index).name : ""));
            continue;
        }
        switch (content.kind) {
        case Kind::Number:
            out->Number(texts->Text(content.number));
            break;
        case Kind::NoLiftingIndex:
            out->Number(lifting::kNoLiftingIndex);
            break;
        case Kind::Empty:
        case Kind::Typed: // no result cell shows an entry as typed
            out->Field(QByteArrayView());
            break;
        }
    }
}

// A row's options and entries as read, for the multi-task job it belongs to.
struct Entered {
    std::optional<JobOptions> options;
    lifting::TaskNumbers numbers;
    bool complete = false; // every entry made
};

class CsvBatch {
  public:
    CsvBatch(QIODevice* in, QString name, CsvWriter* out, const Say& say)
        : in_(in), reader_(in), name_(std::move(name)), out_(out), say_(say) {}

    BatchStatus Run() {
        CsvRecord record;
        if (!reader_.Read(&record)) {
            say_(reader_.deviceError().isEmpty()
                     ? QStringLiteral("%1: no header row: the input is empty").arg(name_)
                     : QStringLiteral("cannot read %1: %2").arg(name_, reader_.deviceError()));
            return BatchStatus::Failed;
        }
        if (!record.error().isEmpty()) {
            say_(QStringLiteral("%1:%2: the header row is malformed: %3")
                     .arg(name_)
                     .arg(record.line())
                     .arg(record.error()));
            return BatchStatus::Failed;
        }
        if (!MatchHeader(record))
            return BatchStatus::Failed;
        if (reader_.hadByteOrderMark())
            out_->WriteByteOrderMark();
        for (const qsizetype i : passed_)
            out_->Field(record[i]);
        for (const Result& result : kResults)
            out_->Field(QByteArrayView(result.name));
        if (grouped())
            for (const TaskColumn& column : kTaskColumns)
                out_->Field(QByteArrayView(column.name));
        out_->Field(QByteArrayView(kErrorColumn));
        out_->EndRecord();

        std::optional<lifting::CsvReader> again;
        if (grouped()) {
            QString error;
            again = CountJobs(&error);
            if (!again)
                return CannotRead(error);
        }
        lifting::CsvReader& rows = again ? *again : reader_;
        bool anyFailed = false;
        while (!out_->failed() && rows.Read(&record))
            anyFailed = !Row(record) || anyFailed;
        if (!rows.deviceError().isEmpty())
            return CannotRead(rows.deviceError());
        if (grouped()) {
            jobs_.FinishAll();
            WriteReady();
            anyFailed = anyFailed || disagreed_;
        }
        if (!out_->Flush())
            return BatchStatus::Failed;
        return anyFailed ? BatchStatus::SomeFailed : BatchStatus::Computed;
    }

  private:
    // Whether the input has a composite column: its rows then wait until the
    // last row of their job, as a multi-task job's may come anywhere.
    bool grouped() const { return composite_ >= 0; }

    // Reads the rows a first time, the composite column alone, to count each
    // job's rows: then a job's rows are written as soon as its last has come
    // and the rows above them are written. Gives a reader of the rows again:
    // a file from where its rows start, a pipe, which cannot be read again,
    // from what it gave kept in memory; nothing where the input could not be
    // read (error says why).
    std::optional<lifting::CsvReader> CountJobs(QString* error) {
        QIODevice* device = in_;
        qint64 start = 0;
        if (in_->isSequential()) {
            if (!reader_.TakeRest(&piped_)) {
                *error = reader_.deviceError();
                return std::nullopt;
            }
            pipedDevice_.open(QIODevice::ReadOnly);
            device = &pipedDevice_;
        } else {
            start = reader_.DevicePosition();
        }
        auto fromStart = [&]() -> std::optional<lifting::CsvReader> {
            if (!device->seek(start)) {
                *error = device->errorString();
                return std::nullopt;
            }
            return std::optional<lifting::CsvReader>(std::in_place, device,
                                                     lifting::kCsvRecordLimit, reader_.line());
        };
        std::optional<lifting::CsvReader> counting = fromStart();
        if (!counting)
            return std::nullopt;
        CsvRecord record;
        while (counting->ReadOne(&record, composite_))
            jobs_.Count(composite_ < record.size() ? record[composite_] : QByteArrayView());
        jobs_.Counted();
        if (!counting->deviceError().isEmpty()) {
            *error = counting->deviceError();
            return std::nullopt;
        }
        return fromStart();
    }

    BatchStatus CannotRead(const QString& error) {
        say_(QStringLiteral("cannot read %1: %2").arg(name_, error));
        return BatchStatus::Failed;
    }

    // Finds the required columns and the composite column, matched without
    // regard to case or surrounding blanks; says what is missing or given
    // twice.
    bool MatchHeader(const CsvRecord& header) {
        width_ = header.size();
        columns_.fill(-1);
        auto take = [&](qsizetype* column, const QByteArray& name, qsizetype i) {
            if (*column >= 0) {
                say_(QStringLiteral("%1: the column %2 is given twice (columns %3 and %4)")
                         .arg(name_, QLatin1String(name))
                         .arg(*column + 1)
                         .arg(i + 1));
                return false;
            }
            *column = i;
            return true;
        };
        for (qsizetype i = 0; i < width_; ++i) {
            const QByteArray name = header[i].toByteArray().trimmed().toLower();
            if (name == kCompositeColumn && !take(&composite_, name, i))
                return false;
            for (std::size_t r = 0; r < kRequiredCount; ++r) {
                if (name == RequiredName(r) && !take(&columns_[r], name, i))
                    return false;
            }
        }
        // The columns of an earlier run's results are written anew rather
        // than passed on: each column then comes once, and holds this run's
        // results.
        auto written = [this](const QByteArray& name) {
            auto named = [&name](const auto& column) { return name == column.name; };
            return name == kErrorColumn || std::any_of(kResults.begin(), kResults.end(), named) ||
                   (grouped() && std::any_of(kTaskColumns.begin(), kTaskColumns.end(), named));
        };
        passed_.clear();
        for (qsizetype i = 0; i < width_; ++i) {
            if (!written(header[i].toByteArray().trimmed().toLower()))
                passed_.push_back(i);
        }
        QStringList missing;
        for (std::size_t r = 0; r < kRequiredCount; ++r) {
            if (columns_[r] < 0)
                missing << QString::fromLatin1(RequiredName(r));
        }
        if (missing.isEmpty())
            return true;
        QString hint;
        if (header[0].startsWith("\xff\xfe") || header[0].startsWith("\xfe\xff"))
            hint = QStringLiteral(" (it is UTF-16 text; save it as CSV in UTF-8)");
        else if (width_ == 1 && header[0].contains(';'))
            hint = QStringLiteral(" (its fields are separated by semicolons; save it with commas)");
        say_((missing.size() == 1 ? QStringLiteral("%1: the header row has no column %2%3")
                                  : QStringLiteral("%1: the header row has no columns %2%3"))
                 .arg(name_, missing.join(QStringLiteral(", ")), hint));
        return false;
    }

    // Writes the row, or where the input has a composite column keeps it
    // until its job and the rows above it are finished; false when it could
    // not be evaluated.
    bool Row(const CsvRecord& record) {
        // The job the first pass found the row to name. Where this pass
        // reads no name (a record cut at the length limit), the job has a
        // row fewer than counted and is finished at the end.
        const std::optional<std::uint32_t> job = grouped() ? jobs_.NextRow() : std::nullopt;
        // An empty line is no row of the table.
        if (record.size() == 1 && record[0].isEmpty() && record.error().isEmpty())
            return true;
        CsvWriter* out = grouped() ? &waiting_ : out_;
        const qint64 begin = waiting_.Position();
        for (const qsizetype i : passed_)
            out->Field(i < record.size() ? record[i] : QByteArrayView());
        const qint64 inputEnd = waiting_.Position();

        QString error = record.error();
        if (error.isEmpty() && record.size() != width_)
            error = QStringLiteral("the row has %1 fields; the header has %2")
                        .arg(record.size())
                        .arg(width_);
        const bool blank = Blank(record);
        Entered entered;
        if (error.isEmpty() && !blank)
            error = EnterJob(record, &entered);
        if (!error.isEmpty())
            say_(QStringLiteral("%1:%2: %3").arg(name_).arg(record.line()).arg(error));
        const bool computed = error.isEmpty() && !blank;
        if (!grouped()) {
            if (computed)
                WriteResults(out_, sheet_, &texts_);
            EndRow(out_, computed ? 0 : kResults.size(), error);
            return error.isEmpty();
        }
        if (computed)
            WriteResults(&waiting_, sheet_, &texts_);
        Waiting row{begin, inputEnd, waiting_.Position(), record.line(), error, std::nullopt};
        waiting_.EndRecord();
        const QByteArrayView name =
            composite_ < record.size() ? record[composite_] : QByteArrayView();
        if (!name.isEmpty() && job)
            row.place = jobs_.Add(*job, name, record.line(), entered.options,
                                  TaskOf(record, entered, error));
        rows_.push_back(std::move(row));
        WriteReady();
        return error.isEmpty();
    }

    // A spreadsheet's empty row: kept in its place, with no results.
    static bool Blank(const CsvRecord& record) {
        for (qsizetype i = 0; i < record.size(); ++i) {
            if (!record[i].isEmpty())
                return false;
        }
        return true;
    }

    // Enters the job of a row into the sheet and calculates it; what is
    // wrong with the row, or nothing.
    QString EnterJob(const CsvRecord& record, Entered* entered) {
        auto field = [&](std::size_t r) { return record[columns_[r]]; };
        // The option a column names, with the column's name ahead of what is
        // wrong with it.
        QString problem;
        auto option = [&](auto ofKey, std::size_t r) {
            const auto value = ofKey(field(r), &problem);
            if (!value)
                problem = QStringLiteral("%1 %2").arg(QLatin1String(kOptionColumns[r]), problem);
            return value;
        };
        const auto units = option(lifting::UnitsOfKey, 0);
        if (!units)
            return problem;
        const auto duration = option(lifting::DurationOfKey, 1);
        if (!duration)
            return problem;
        entered->options = {*units, *duration};
        const auto coupling = option(lifting::CouplingOfKey, 2);
        if (!coupling)
            return problem;
        entered->numbers.coupling = *coupling;
        entered->complete = true;
        sheet_.Start(*units, *duration, *coupling);
        for (const Entry entry : lifting::kEntryOrder) {
            const std::size_t column = kOptionColumns.size() + static_cast<std::size_t>(entry);
            const QByteArrayView text = field(column);
            // An empty field is an entry never made.
            if (text.isEmpty()) {
                entered->complete = false;
                continue;
            }
            const bool ascii = std::all_of(text.begin(), text.end(),
                                           [](char c) { return static_cast<signed char>(c) >= 0; });
            if (!ascii && !text.isValidUtf8())
                return QStringLiteral("%1 is not UTF-8 text")
                    .arg(QString::fromLatin1(RequiredName(column)));
            // No number has a byte beyond ASCII: such a text is read as
            // UTF-8 only to say what it is.
            const lifting::Reading reading = ascii ? sheet_.Enter(entry, QLatin1StringView(text))
                                                   : sheet_.Enter(entry, QString::fromUtf8(text));
            if (!reading.value)
                return RefusalWords(entry, QString::fromUtf8(text), reading.problem);
            entered->numbers[entry] = *reading.value;
        }
        sheet_.Calculate();
        return {};
    }

    // The row as a task of its multi-task job: none where it could not be
    // evaluated, with why, so that the job's CLI is none too.
    lifting::TaskResult TaskOf(const CsvRecord& record, const Entered& entered,
                               const QString& error) const {
        if (!error.isEmpty())
            return {std::nullopt, error, std::nullopt};
        const JobOptions& options = *entered.options;
        if (entered.complete)
            return lifting::ComputeTask(entered.numbers, options.units, options.duration);
        // The engine names the entries never made.
        lifting::Task task;
        task.coupling = entered.numbers.coupling;
        for (std::size_t e = 0; e < kEntryCount; ++e) {
            const QByteArrayView text = record[columns_[kOptionColumns.size() + e]];
            if (!text.isEmpty())
                task[static_cast<Entry>(e)] = QString::fromUtf8(text);
        }
        return lifting::ComputeTask(task, options.units, options.duration);
    }

    // Writes the rows kept whose jobs are finished, up to the first whose
    // job is not, each with its job's values. A job whose rows disagree on
    // their options makes each of them an error.
    void WriteReady() {
        if (rows_.empty() || !Ready(rows_.front()))
            return;
        waiting_.Flush();
        const QByteArrayView bytes(waitingBytes_.data());
        for (; !rows_.empty() && Ready(rows_.front()) && !out_->failed(); rows_.pop_front()) {
            const Waiting& row = rows_.front();
            auto at = [&](qint64 position) { return position - waitingStart_; };
            out_->Encoded(bytes.sliced(at(row.begin), row.inputEnd - row.begin));
            QString error = row.error;
            if (error.isEmpty() && row.place && !jobs_.Disagreement(row.place->job).isEmpty()) {
                error = jobs_.Disagreement(row.place->job);
                say_(QStringLiteral("%1:%2: %3").arg(name_).arg(row.line).arg(error));
                disagreed_ = true;
            }
            if (!error.isEmpty() || row.end == row.inputEnd) {
                EndRow(out_, kResults.size() + kTaskColumns.size(), error);
            } else {
                // The results follow the separator ahead of their first field.
                out_->Encoded(bytes.sliced(at(row.inputEnd) + 1, row.end - row.inputEnd - 1));
                if (row.place)
                    WriteTaskColumns(out_, jobs_.Result(row.place->job), row.place->task,
                                     jobs_.WhyNoCli(row.place->job), &texts_);
                EndRow(out_, row.place ? 0 : kTaskColumns.size(), {});
            }
            if (row.place)
                jobs_.Written(row.place->job);
        }
        // Every row kept is written: their room is taken again from the start.
        if (rows_.empty()) {
            waitingDevice_.seek(0);
            waitingBytes_.resize(0);
            waitingStart_ = waiting_.Position();
        }
    }

    QIODevice* in_;
    lifting::CsvReader reader_;
    const QString name_;
    CsvWriter* out_;
    const Say& say_;
    qsizetype width_ = 0;
    std::vector<qsizetype> passed_; // the input's columns written out, in their order
    std::array<qsizetype, kRequiredCount> columns_{};
    qsizetype composite_ = -1;
    lifting::FigureTexts texts_;
    lifting::SheetEngine sheet_{lifting::SheetEngine::TypedTexts::NotKept};

    // With a composite column: each row's input fields and results as
    // written, until its job and the rows ahead of it are finished.
    struct Waiting {
        qint64 begin;
        qint64 inputEnd;
        qint64 end;
        qint64 line;
        QString error;
        std::optional<CompositeJobs::Place> place;
    };
    // A pipe's rows, kept to be read a second time.
    QByteArray piped_;
    QBuffer pipedDevice_{&piped_};
    QByteArray waitingBytes_;
    QBuffer waitingDevice_{&waitingBytes_};
    CsvWriter waiting_{OpenForWriting(&waitingDevice_)};
    qint64 waitingStart_ = 0; // where waitingBytes_ starts among what waiting_ took
    std::deque<Waiting> rows_;
    CompositeJobs jobs_;
    bool disagreed_ = false;

    bool Ready(const Waiting& row) const { return !row.place || jobs_.Finished(row.place->job); }
};

// Standard output, or a file replaced only once every row is written, so
// that a run that fails leaves what was there before.
class Output {
  public:
    bool Open(const QString& path) {
        if (path.isEmpty() || path == QLatin1String("-")) {
            name_ = QStringLiteral("standard output");
            auto file = std::make_unique<QFile>();
            const bool opened = file->open(stdout, QIODevice::WriteOnly);
            device_ = std::move(file);
            return opened;
        }
        name_ = path;
        if (lifting::IsDeviceOrPipe(path)) {
            device_ = std::make_unique<QFile>(path);
            return device_->open(QIODevice::WriteOnly);
        }
        auto file = std::make_unique<QSaveFile>(path);
        save_ = file.get();
        device_ = std::move(file);
        return device_->open(QIODevice::WriteOnly);
    }

    bool Finish() {
        if (save_ != nullptr)
            return save_->commit();
        return device_->flush() && device_->error() == QFileDevice::NoError;
    }

    QIODevice* device() const { return device_.get(); }
    const QString& name() const { return name_; }
    QString error() const { return device_->errorString(); }

  private:
    QString name_;
    std::unique_ptr<QFileDevice> device_;
    QSaveFile* save_ = nullptr;
};

} // namespace

BatchStatus BatchCsv(QIODevice* in, const QString& name, CsvWriter* out, const Say& say) {
    return CsvBatch(in, name, out, say).Run();
}

BatchStatus BatchJobFiles(const QStringList& files, CsvWriter* out, const Say& say) {
    out->Field(QByteArrayView("file"));
    for (const auto& [name, member] : kDetails)
        out->Field(QByteArrayView(name));
    out->Field(QByteArrayView(kTaskNameColumn));
    for (std::size_t r = 0; r < kRequiredCount; ++r)
        out->Field(QByteArrayView(RequiredName(r)));
    for (const Result& result : kResults)
        out->Field(QByteArrayView(result.name));
    for (const TaskColumn& column : kTaskColumns)
        out->Field(QByteArrayView(column.name));
    out->Field(QByteArrayView(kErrorColumn));
    out->EndRecord();

    bool anyFailed = false;
    lifting::FigureTexts texts;
    lifting::SheetEngine sheet(lifting::SheetEngine::TypedTexts::NotKept);
    // The file's name and details, a task's name, and its entries, entered
    // into the sheet and calculated. An entry the sheet would refuse gives
    // the row an error and no results, as in a CSV row, rather than results
    // without that entry; the error is returned.
    auto job = [&](const QString& path, const lifting::JobDetails& details, const QString& task,
                   const lifting::Job& entered) {
        out->Field(QStringView(path));
        for (const auto& [name, member] : kDetails)
            out->Field(QStringView(details.*member));
        out->Field(QStringView(task));
        out->Field(Bytes(lifting::KeyOf(entered.units)));
        out->Field(Bytes(lifting::KeyOf(entered.duration)));
        out->Field(Bytes(lifting::KeyOf(entered.coupling)));
        for (const std::optional<QString>& text : entered.entries)
            out->Field(QStringView(text.value_or(QString())));
        std::vector<lifting::RefusedEntry> refused;
        lifting::EnterableJob(entered, &refused);
        QString error;
        if (!refused.empty())
            error =
                RefusalWords(refused.front().entry, refused.front().text, refused.front().problem);
        if (!error.isEmpty()) {
            say(QStringLiteral("%1: %2").arg(path, error));
            anyFailed = true;
            for (std::size_t i = 0; i < kResults.size(); ++i)
                out->Field(QByteArrayView());
            return error;
        }
        sheet.EnterJob(entered, true);
        WriteResults(out, sheet, &texts);
        return error;
    };
    // A file that gives no row of results.
    auto failed = [&](const QString& path, const QString& error) {
        say(QStringLiteral("%1: %2").arg(path, error));
        out->Field(QStringView(path));
        EndRow(out, kDetails.size() + 1 + kRequiredCount + kResults.size() + kTaskColumns.size(),
               error);
        anyFailed = true;
    };
    for (const QString& path : files) {
        QString error;
        if (lifting::KindOfJobFileAt(path) == lifting::JobFileKind::MultiTask) {
            const std::optional<lifting::MultiTaskFile> file =
                lifting::LoadMultiTaskFile(path, &error);
            if (!file) {
                failed(path, error);
            } else if (file->job.tasks.empty()) {
                failed(path, QStringLiteral("the multi-task job has no task"));
            } else {
                // One row a task, each with the job's values.
                const lifting::MultiTaskResult result = lifting::Compute(file->job);
                const QByteArray whyNoCli = result.problem.toUtf8();
                for (std::size_t t = 0; t < file->job.tasks.size(); ++t) {
                    const lifting::Task& task = file->job.tasks[t];
                    const QString error =
                        job(path, file->details, task.name,
                            {file->job.units, file->job.duration, task.coupling, task.entries});
                    WriteTaskColumns(out, result, t, whyNoCli, &texts);
                    EndRow(out, 0, error);
                }
            }
        } else if (const std::optional<lifting::JobFile> file =
                       lifting::LoadJobFile(path, &error)) {
            EndRow(out, kTaskColumns.size(), job(path, file->details, {}, file->job));
        } else {
            failed(path, error);
        }
        if (out->failed())
            return BatchStatus::Failed;
    }
    if (!out->Flush())
        return BatchStatus::Failed;
    return anyFailed ? BatchStatus::SomeFailed : BatchStatus::Computed;
}

int RunBatch(const QStringList& files, const QString& output) {
    const Say say = [](const QString& line) {
        std::fprintf(stderr, "lifting-worksheet: %s\n", line.toLocal8Bit().constData());
    };
    auto isJobFile = [](const QString& file) {
        return file.endsWith(QLatin1String(kJobFileSuffix), Qt::CaseInsensitive);
    };
    const bool jobFiles = std::all_of(files.begin(), files.end(), isJobFile);
    if (!jobFiles && files.size() > 1) {
        say(QStringLiteral("--batch reads one CSV file, or job files (%1) only")
                .arg(QLatin1String(kJobFileSuffix)));
        return static_cast<int>(BatchStatus::Failed);
    }

    QFile in;
    QString inName;
    if (!jobFiles) {
        const QString& path = files.front();
        const bool standardInput = path == QLatin1String("-");
        inName = standardInput ? QStringLiteral("standard input") : path;
        in.setFileName(path);
        if (!(standardInput ? in.open(stdin, QIODevice::ReadOnly) : in.open(QIODevice::ReadOnly))) {
            say(QStringLiteral("cannot read %1: %2").arg(inName, in.errorString()));
            return static_cast<int>(BatchStatus::Failed);
        }
    }
    Output out;
    if (!out.Open(output)) {
        say(QStringLiteral("cannot write %1: %2").arg(out.name(), out.error()));
        return static_cast<int>(BatchStatus::Failed);
    }
    CsvWriter writer(out.device());
    const BatchStatus status =
        jobFiles ? BatchJobFiles(files, &writer, say) : BatchCsv(&in, inName, &writer, say);
    if (writer.failed() || (status != BatchStatus::Failed && !out.Finish())) {
        say(QStringLiteral("cannot write %1: %2")
                .arg(out.name(), writer.failed() ? writer.error() : out.error()));
        return static_cast<int>(BatchStatus::Failed);
    }
    return static_cast<int>(status);
}

} // namespace batch
