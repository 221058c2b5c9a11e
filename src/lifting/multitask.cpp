#include "lifting/multitask.h"

#include "lifting/fm_table.h"
#include "lifting/reading.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <span>

namespace lifting {
namespace {

// How a problem names each entry.
constexpr std::array<const char*, kEntryCount> kEntryNames{
    "L(AVG)",        "L(Max)",   "origin H",      "origin V", "destination H",
    "destination V", "origin A", "destination A", "F",
};

// The entries of each end.
struct EndEntries {
    Entry h;
    Entry v;
    Entry a;
};
constexpr std::array<EndEntries, 2> kEndEntries{{
    {Entry::OriginH, Entry::OriginV, Entry::OriginA},
    {Entry::DestinationH, Entry::DestinationV, Entry::DestinationA},
}};
constexpr std::array kEnds{End::Origin, End::Destination};

QLatin1StringView LengthUnit(Units units) {
    return units == Units::UsCustomary ? QLatin1StringView("in") : QLatin1StringView("cm");
}

// Why an end's FIRWL is 0 or less: the first multiplier at 0, from an entry
// beyond its limit.
QString LimitProblem(const TaskValues& task, End end) {
    const EndValues& values = task[end];
    const EndEntries& entries = kEndEntries[static_cast<std::size_t>(end)];
    struct Limit {
        const char* symbol;
        float multiplier;
        double value;
        bool length;   // in the units' length, else in degrees
        bool ofTheEnd; // D belongs to both ends
    };
    const std::array<Limit, 4> limits{{
        {"H", values.hm, task.numbers[entries.h], true, true},
        {"V", values.vm, task.numbers[entries.v], true, true},
        {"D", values.dm, task.distance, true, false},
        {"A", values.am, task.numbers[entries.a], false, true},
    }};
    for (const auto& limit : limits) {
        if (limit.multiplier > 0)
            continue;
        // "H 30 in at the origin is beyond the limit", appended in one room
        // rather than by arg(), as a batch says it for most jobs of some
        // surveys.
        QString text;
        text.reserve(64);
        text += QLatin1StringView(limit.symbol);
        text += QLatin1Char(' ');
        text += Format(limit.value);
        if (limit.length) {
            text += QLatin1Char(' ');
            text += LengthUnit(task.units);
        } else {
            text += u'°';
        }
        if (limit.ofTheEnd) {
            text += QLatin1StringView(" at the ");
            text += NameOf(end);
        }
        text += QLatin1StringView(" is beyond the limit");
        return text;
    }
    return QStringLiteral("the RWL at the %1 is 0 or less").arg(NameOf(end));
}

} // namespace

bool TaskResult::HasIndices() const {
    if (!values)
        return false;
    const TaskValues& task = *values;
    return std::all_of(kEnds.begin(), kEnds.end(),
                       [&task](End end) { return task[end].firwl > 0 && task[end].strwl > 0; });
}

QString TaskResult::Problem() const {
    if (!values)
        return refused;
    const TaskValues& task = *values;
    for (const End end : kEnds) {
        if (!(task[end].firwl > 0))
            return LimitProblem(task, end);
    }
    for (const End end : kEnds) {
        if (!(task[end].strwl > 0))
            return QStringLiteral("F %1 lifts/min at the %2 gives FM 0 in the table")
                .arg(Format(task.numbers[Entry::Frequency]), NameOf(end));
    }
    return {};
}

QLatin1StringView NameOf(End end) {
    return end == End::Origin ? QLatin1StringView("origin") : QLatin1StringView("destination");
}

SummedFm SummedFrequencyMultiplier(double frequency, Duration duration) {
    const std::span<const double> rows = TableFrequencies();
    const auto lower = [duration](double row) -> double {
        return std::min(FrequencyMultiplier(row, duration, false),
                        FrequencyMultiplier(row, duration, true));
    };
    // A sum of decimal frequencies can miss a row by a rounding error (0.7 +
    // 0.2 + 0.1 is just below 1); it reads as that row, not between two.
    const auto row = std::find_if(rows.begin(), rows.end(), [frequency](double f) {
        return std::fabs(frequency - f) <= f * 1e-12;
    });
    if (row != rows.end())
        return {lower(*row), false};
    if (frequency < rows.front())
        return {lower(rows.front()), false};
    if (frequency > rows.back())
        return {0.0, false};
    const auto above = std::upper_bound(rows.begin(), rows.end(), frequency);
    const double to = *above;
    const double from = *(above - 1);
    const double fmFrom = lower(from);
    return {fmFrom + (frequency - from) / (to - from) * (lower(to) - fmFrom), true};
}

TaskResult ComputeTask(const TaskNumbers& task, Units units, Duration duration) {
    TaskValues values;
    values.numbers = task;
    values.units = units;
    const double originV = task[Entry::OriginV];
    const double destinationV = task[Entry::DestinationV];
    const DistanceResult distance = ReadDistance(originV, destinationV, units);
    values.distance = distance.d;
    const FrequencyResult fm =
        SelectFrequency(task[Entry::Frequency], originV, destinationV, units, duration);
    const std::array<float, 2> fms{fm.origin, fm.destination};
    const std::int16_t lc = SystemOf(units).loadConstant;
    for (std::size_t i = 0; i < kEnds.size(); ++i) {
        const EndEntries& entries = kEndEntries[i];
        EndValues& end = values.ends[i];
        end.hm = ReadHorizontal(task[entries.h], units).hm;
        end.vm = ReadVertical(task[entries.v], units).vm;
        end.dm = distance.dm;
        end.am = ReadAngle(task[entries.a]);
        end.cm = CouplingMultiplier(task.coupling, task[entries.v], units);
        end.fm = fms[i];
        // Both in the sheet's order of the factors, so that STRWL is the RWL
        // the sheet shows for the same lift.
        end.firwl = Rwl(lc, {end.hm, end.vm, end.dm, end.am, 1.0f, end.cm});
        end.strwl = Rwl(lc, {end.hm, end.vm, end.dm, end.am, end.fm, end.cm});
        end.fili = LiftingIndex(task[Entry::LoadMax], end.firwl);
        end.stli = LiftingIndex(task[Entry::LoadAvg], end.strwl);
    }
    const EndValues& origin = values[End::Origin];
    const EndValues& destination = values[End::Destination];
    // An end without an index is the worse one: its N/A, not the other
    // end's number, is the task's.
    if (origin.stli && (!destination.stli || *destination.stli > *origin.stli))
        values.governing = End::Destination;
    return {values, {}, std::nullopt};
}

TaskResult ComputeTask(const Task& task, Units units, Duration duration) {
    TaskNumbers numbers;
    numbers.coupling = task.coupling;
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        const auto entry = static_cast<Entry>(i);
        const std::optional<QString>& text = task[entry];
        const Reading reading = text ? ReadEntry(*text, entry, units) : Reading{};
        if (!reading.value) {
            const auto name = QLatin1StringView(kEntryNames[i]);
            return {std::nullopt,
                    !text || text->trimmed().isEmpty()
                        ? QStringLiteral("%1 is empty").arg(name)
                        : QStringLiteral("%1: %2").arg(name, reading.problem),
                    std::nullopt};
        }
        numbers[entry] = *reading.value;
    }
    return ComputeTask(numbers, units, duration);
}

MultiTaskResult Combine(std::vector<TaskResult> tasks, Duration duration) {
    MultiTaskResult result;
    result.tasks = std::move(tasks);
    const std::size_t count = result.tasks.size();
    result.manyTasks = count > kEstablishedTasks;
    if (count == 0) {
        result.problem = QStringLiteral("the job has no task");
        return result;
    }
    if (count > kMaxTasks) {
        result.problem =
            QStringLiteral("%1 tasks are more than the %2 a job holds").arg(count).arg(kMaxTasks);
        return result;
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (!result.tasks[i].HasIndices()) {
            result.problem =
                QStringLiteral("task %1: %2").arg(i + 1).arg(result.tasks[i].Problem());
            return result;
        }
    }

    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), std::size_t{0});
    const auto stli = [&](std::size_t i) { return *result.tasks[i].values->Governing().stli; };
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return stli(a) > stli(b); });

    result.steps.reserve(count);
    double sum = 0;
    for (std::size_t k = 0; k < count; ++k) {
        TaskResult& task = result.tasks[order[k]];
        task.rank = static_cast<int>(k) + 1;
        sum += task.values->numbers[Entry::Frequency];
        CompositeStep step{order[k], sum, SummedFrequencyMultiplier(sum, duration), std::nullopt};
        if (k == 0) {
            step.delta = stli(order[k]);
        } else if (const CompositeStep& before = result.steps.back();
                   before.fm.fm > 0 && step.fm.fm > 0) {
            step.delta = static_cast<double>(*task.values->Governing().fili) *
                         (1.0 / step.fm.fm - 1.0 / before.fm.fm);
        } else if (result.problem.isEmpty()) {
            const double beyond = before.fm.fm > 0 ? sum : before.summedFrequency;
            result.problem = QStringLiteral("the summed frequency %1 lifts/min is beyond the table")
                                 .arg(Format(SummedFrequencyFigure(beyond)));
        }
        result.steps.push_back(step);
    }
    if (result.problem.isEmpty()) {
        double cli = 0;
        for (const CompositeStep& step : result.steps)
            cli += *step.delta;
        result.cli = cli;
    }
    return result;
}

MultiTaskResult Compute(const MultiTaskJob& job) {
    std::vector<TaskResult> tasks;
    tasks.reserve(job.tasks.size());
    for (const Task& task : job.tasks)
        tasks.push_back(ComputeTask(task, job.units, job.duration));
    return Combine(std::move(tasks), job.duration);
}

Figure IndexFigure(float index) {
    return {index, true, Pattern::TwoDecimals};
}

Figure CompositeFigure(double value) {
    return {value, false, Pattern::TwoDecimals};
}

Figure SummedFrequencyFigure(double frequency) {
    return {frequency, false, Pattern::General};
}

QString IndexText(std::optional<float> index) {
    return index ? Format(IndexFigure(*index)) : QString::fromLatin1(kNoLiftingIndex);
}

QString CompositeText(std::optional<double> value) {
    return value ? Format(CompositeFigure(*value)) : QString::fromLatin1(kNoLiftingIndex);
}

} // namespace lifting
