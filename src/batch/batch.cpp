#include "batch/batch.h"

#include "lifting/bands.h"
#include "lifting/csv.h"
#include "lifting/job.h"
#include "lifting/job_file.h"
#include "lifting/options.h"
#include "lifting/sheet_engine.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <optional>
#include <utility>

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

// The details of a job file, as columns of its row.
constexpr std::array<std::pair<const char*, QString lifting::JobDetails::*>, 5> kDetails{{
    {"title", &lifting::JobDetails::title},
    {"task", &lifting::JobDetails::task},
    {"analyst", &lifting::JobDetails::analyst},
    {"date", &lifting::JobDetails::date},
    {"notes", &lifting::JobDetails::notes},
}};

constexpr const char* kJobFileSuffix = ".liftjob";

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
// index; no band where there is no index.
void WriteResults(CsvWriter* out, const lifting::SheetEngine& sheet, lifting::FigureTexts* texts) {
    using Kind = lifting::Content::Kind;
    for (const Result& result : kResults) {
        const lifting::Content& content = sheet[result.cell];
        if (result.shows == Result::Shows::Band) {
            out->Field(QByteArrayView(
                content.kind == Kind::Number ? lifting::BandOf(content.number.value).name : ""));
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
    out->Field(QByteArrayView());
    out->EndRecord();
}

class CsvBatch {
  public:
    CsvBatch(QIODevice* in, QString name, CsvWriter* out, const Say& say)
        : reader_(in), name_(std::move(name)), out_(out), say_(say) {}

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
        for (qsizetype i = 0; i < width_; ++i)
            out_->Field(record[i]);
        for (const Result& result : kResults)
            out_->Field(QByteArrayView(result.name));
        out_->Field(QByteArrayView(kErrorColumn));
        out_->EndRecord();

        bool anyFailed = false;
        while (!out_->failed() && reader_.Read(&record))
            anyFailed = !Row(record) || anyFailed;
        if (!reader_.deviceError().isEmpty()) {
            say_(QStringLiteral("cannot read %1: %2").arg(name_, reader_.deviceError()));
            return BatchStatus::Failed;
        }
        if (!out_->Flush())
            return BatchStatus::Failed;
        return anyFailed ? BatchStatus::SomeFailed : BatchStatus::Computed;
    }

  private:
    // Finds the required columns, matched without regard to case or
    // surrounding blanks; says what is missing or given twice.
    bool MatchHeader(const CsvRecord& header) {
        width_ = header.size();
        columns_.fill(-1);
        for (qsizetype i = 0; i < width_; ++i) {
            const QByteArray name = header[i].toByteArray().trimmed().toLower();
            for (std::size_t r = 0; r < kRequiredCount; ++r) {
                if (name != RequiredName(r))
                    continue;
                if (columns_[r] >= 0) {
                    say_(QStringLiteral("%1: the column %2 is given twice (columns %3 and %4)")
                             .arg(name_, QLatin1String(name))
                             .arg(columns_[r] + 1)
                             .arg(i + 1));
                    return false;
                }
                columns_[r] = i;
            }
        }
        QStringList missing;
        for (std::size_t r = 0; r < kRequiredCount; ++r) {
            if (columns_[r] < 0)
                missing << QString::fromLatin1(RequiredName(r));
        }
        if (missing.isEmpty())
            return true;
        QString hint;
        if (width_ == 1 && header[0].contains(';'))
            hint = QStringLiteral(" (its fields are separated by semicolons; save it with commas)");
        say_((missing.size() == 1 ? QStringLiteral("%1: the header row has no column %2%3")
                                  : QStringLiteral("%1: the header row has no columns %2%3"))
                 .arg(name_, missing.join(QStringLiteral(", ")), hint));
        return false;
    }

    // Writes the row; false when it could not be evaluated.
    bool Row(const CsvRecord& record) {
        // An empty line is no row of the table.
        if (record.size() == 1 && record[0].isEmpty() && record.error().isEmpty())
            return true;
        for (qsizetype i = 0; i < width_; ++i)
            out_->Field(i < record.size() ? record[i] : QByteArrayView());

        QString error = record.error();
        if (error.isEmpty() && record.size() != width_)
            error = QStringLiteral("the row has %1 fields; the header has %2")
                        .arg(record.size())
                        .arg(width_);
        if (error.isEmpty() && !Blank(record))
            error = EnterJob(record);
        if (!error.isEmpty()) {
            say_(QStringLiteral("%1:%2: %3").arg(name_).arg(record.line()).arg(error));
            EndRow(out_, kResults.size(), error);
            return false;
        }
        if (Blank(record))
            EndRow(out_, kResults.size(), {});
        else
            WriteResults(out_, sheet_, &texts_);
        return true;
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
    QString EnterJob(const CsvRecord& record) {
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
        const auto coupling = option(lifting::CouplingOfKey, 2);
        if (!coupling)
            return problem;
        sheet_.Start(*units, *duration, *coupling);
        for (const Entry entry : lifting::kEntryOrder) {
            const std::size_t column = kOptionColumns.size() + static_cast<std::size_t>(entry);
            const QByteArrayView text = field(column);
            // An empty field is an entry never made.
            if (text.isEmpty())
                continue;
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
                return QStringLiteral("%1 is \"%2\": %3")
                    .arg(QString::fromLatin1(RequiredName(column)), QString::fromUtf8(text),
                         reading.problem);
        }
        sheet_.Calculate();
        return {};
    }

    lifting::CsvReader reader_;
    const QString name_;
    CsvWriter* out_;
    const Say& say_;
    qsizetype width_ = 0;
    std::array<qsizetype, kRequiredCount> columns_{};
    lifting::FigureTexts texts_;
    // One sheet for every row, so that its texts keep their room.
    lifting::SheetEngine sheet_;
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
        // A device or a pipe (/dev/null) is written as it is: a file written
        // beside it and renamed would replace it.
        if (const QFileInfo info(path); info.exists() && !info.isFile()) {
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
    for (std::size_t r = 0; r < kRequiredCount; ++r)
        out->Field(QByteArrayView(RequiredName(r)));
    for (const Result& result : kResults)
        out->Field(QByteArrayView(result.name));
    out->Field(QByteArrayView(kErrorColumn));
    out->EndRecord();

    bool anyFailed = false;
    lifting::FigureTexts texts;
    lifting::SheetEngine sheet;
    for (const QString& path : files) {
        out->Field(QStringView(path));
        QString error;
        const std::optional<lifting::JobFile> file = lifting::LoadJobFile(path, &error);
        if (!file) {
            say(QStringLiteral("%1: %2").arg(path, error));
            EndRow(out, kDetails.size() + kRequiredCount + kResults.size(), error);
            anyFailed = true;
        } else {
            for (const auto& [name, member] : kDetails)
                out->Field(QStringView(file->details.*member));
            out->Field(Bytes(lifting::KeyOf(file->job.units)));
            out->Field(Bytes(lifting::KeyOf(file->job.duration)));
            out->Field(Bytes(lifting::KeyOf(file->job.coupling)));
            for (std::size_t e = 0; e < kEntryCount; ++e)
                out->Field(QStringView(file->job[static_cast<Entry>(e)].value_or(QString())));
            sheet.EnterJob(file->job, true);
            WriteResults(out, sheet, &texts);
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
