#include "batch/composite.h"

#include "lifting/csv.h"
#include "lifting/numbers.h"
#include "lifting/options.h"

#include <QStringList>

#include <algorithm>
#include <cctype>
#include <charconv>

namespace batch {
namespace {

using lifting::CsvWriter;

void WriteNumber(CsvWriter* out, lifting::FigureTexts* texts, const lifting::Figure& figure) {
    out->Number(texts->Text(figure));
}

void WriteIndex(CsvWriter* out, lifting::FigureTexts* texts, std::optional<float> index) {
    if (index)
        WriteNumber(out, texts, lifting::IndexFigure(*index));
    else
        out->Number(lifting::kNoLiftingIndex);
}

// "its rows' units differ (us on line 2, metric on line 5)"
template <typename Option>
QString Difference(const char* what, qint64 firstLine, Option first, qint64 otherLine,
                   Option other) {
    return QStringLiteral("its rows' %1 differ (%2 on line %3, %4 on line %5)")
        .arg(QLatin1String(what), lifting::KeyOf(first))
        .arg(firstLine)
        .arg(lifting::KeyOf(other))
        .arg(otherLine);
}

} // namespace

void WriteTaskColumns(CsvWriter* out, const lifting::MultiTaskResult& job, std::size_t task,
                      QByteArrayView whyNoCli, lifting::FigureTexts* texts) {
    const lifting::TaskResult& result = job.tasks[task];
    const lifting::EndValues* end = result.values ? &result.values->Governing() : nullptr;
    for (const TaskColumn& column : kTaskColumns) {
        // The task's own values, ahead of the job's, only where its entries
        // could be read.
        if (column.value < TaskValue::Cli && end == nullptr) {
            out->Field(QByteArrayView());
            continue;
        }
        switch (column.value) {
        case TaskValue::Firwl:
            WriteNumber(out, texts, lifting::RwlFigure(end->firwl));
            break;
        case TaskValue::Strwl:
            WriteNumber(out, texts, lifting::RwlFigure(end->strwl));
            break;
        case TaskValue::Fili:
            WriteIndex(out, texts, end->fili);
            break;
        case TaskValue::Stli:
            WriteIndex(out, texts, end->stli);
            break;
        case TaskValue::GoverningEnd:
            out->Field(result.HasIndices()
                           ? QByteArrayView(lifting::NameOf(result.values->governing))
                           : QByteArrayView());
            break;
        case TaskValue::Rank: {
            std::array<char, 4> digits{};
            char* const first = digits.data();
            const char* last =
                result.rank ? std::to_chars(first, first + digits.size(), *result.rank).ptr : first;
            out->Number({first, static_cast<std::size_t>(last - first)});
            break;
        }
        case TaskValue::Cli:
            if (job.cli)
                WriteNumber(out, texts, lifting::CompositeFigure(*job.cli));
            else
                out->Number(lifting::kNoLiftingIndex);
            break;
        case TaskValue::WhyNoCli:
            out->Field(whyNoCli);
            break;
        }
    }
}

void CompositeJobs::Count(QByteArrayView name) {
    // Names that differ only in case or in blanks around them name one job:
    // a slip of typing must not split a job, whose parts would each read
    // safer than the whole.
    const QByteArrayView trimmed = name.trimmed();
    if (trimmed.isEmpty()) {
        rowJobs_.push_back(kNoJob);
        return;
    }
    if (std::all_of(trimmed.begin(), trimmed.end(),
                    [](char c) { return static_cast<signed char>(c) >= 0; })) {
        key_.assign(trimmed.data(), static_cast<std::size_t>(trimmed.size()));
        for (char& c : key_)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    } else {
        const QByteArray folded = QString::fromUtf8(trimmed).toCaseFolded().toUtf8();
        key_.assign(folded.data(), static_cast<std::size_t>(folded.size()));
    }
    const auto [named, made] =
        numbers_.try_emplace(key_, static_cast<std::uint32_t>(tallies_.size()));
    if (made)
        tallies_.emplace_back();
    ++tallies_[named->second].rows;
    rowJobs_.push_back(named->second);
}

void CompositeJobs::Counted() {
    numbers_ = {};
}

std::optional<std::uint32_t> CompositeJobs::NextRow() {
    const std::uint32_t number = nextRow_ < rowJobs_.size() ? rowJobs_[nextRow_] : kNoJob;
    ++nextRow_;
    if (number == kNoJob)
        return std::nullopt;
    return number;
}

CompositeJobs::Place CompositeJobs::Add(std::uint32_t number, QByteArrayView name, qint64 line,
                                        const std::optional<JobOptions>& options,
                                        lifting::TaskResult task) {
    Tally& tally = tallies_[number];
    if (!tally.place) {
        std::size_t place = jobs_.size();
        if (free_.empty()) {
            jobs_.emplace_back();
        } else {
            place = free_.back();
            free_.pop_back();
        }
        jobs_[place].name = name.toByteArray();
        jobs_[place].used = true;
        // Room for the rows counted, taken once.
        jobs_[place].tasks.reserve(tally.rows);
        tally.place = place;
    }
    const std::size_t place = *tally.place;
    Job& job = jobs_[place];
    if (options) {
        const Seen seen{line, *options};
        if (!job.first)
            job.first = seen;
        if (!job.otherUnits && options->units != job.first->options.units)
            job.otherUnits = seen;
        if (!job.otherDuration && options->duration != job.first->options.duration)
            job.otherDuration = seen;
    }
    job.tasks.push_back(std::move(task));
    ++job.unwritten;
    const Place added{place, job.tasks.size() - 1};
    if (tally.rows > 0 && --tally.rows == 0)
        Finish(&job);
    return added;
}

void CompositeJobs::FinishAll() {
    for (Job& job : jobs_) {
        if (job.used && !job.finished)
            Finish(&job);
    }
}

void CompositeJobs::Written(std::size_t place) {
    Job& job = jobs_[place];
    if (--job.unwritten > 0 || !job.finished)
        return;
    job = Job();
    free_.push_back(place);
}

void CompositeJobs::Finish(Job* job) {
    job->finished = true;
    QStringList differences;
    if (job->otherUnits)
        differences << Difference("units", job->first->line, job->first->options.units,
                                  job->otherUnits->line, job->otherUnits->options.units);
    if (job->otherDuration)
        differences << Difference("durations", job->first->line, job->first->options.duration,
                                  job->otherDuration->line, job->otherDuration->options.duration);
    if (!differences.isEmpty()) {
        job->disagreement =
            QStringLiteral("composite \"%1\": %2")
                .arg(QString::fromUtf8(job->name), differences.join(QStringLiteral("; ")));
        return;
    }
    // A job none of whose rows could be read has no steps, so no duration is
    // used.
    job->result =
        lifting::Combine(std::move(job->tasks), job->first ? job->first->options.duration
                                                           : lifting::Duration::UpToOneHour);
    job->whyNoCli = job->result.problem.toUtf8();
}

} // namespace batch
