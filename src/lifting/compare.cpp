#include "lifting/compare.h"

#include "lifting/no_index.h"
#include "lifting/numbers.h"
#include "lifting/reading.h"
#include "lifting/sheet_engine.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace lifting {
namespace {

constexpr std::size_t kBefore = 0;
constexpr std::size_t kAfter = 1;

// How a value is converted into the compared units: lengths and weights to
// the nearest tenth, limits (LC and RWLs) down to a tenth.
enum class Quantity { Length, Weight, Limit };

struct ConvertedCell {
    Cell cell;
    Quantity quantity;
};
constexpr std::array kConvertedCells{
    ConvertedCell{Cell::LoadAvg, Quantity::Weight},
    ConvertedCell{Cell::LoadMax, Quantity::Weight},
    ConvertedCell{Cell::OriginH, Quantity::Length},
    ConvertedCell{Cell::OriginV, Quantity::Length},
    ConvertedCell{Cell::DestinationH, Quantity::Length},
    ConvertedCell{Cell::DestinationV, Quantity::Length},
    ConvertedCell{Cell::Distance, Quantity::Length},
    ConvertedCell{Cell::LcOrigin, Quantity::Limit},
    ConvertedCell{Cell::LcDestination, Quantity::Limit},
    ConvertedCell{Cell::RwlOrigin, Quantity::Limit},
    ConvertedCell{Cell::RwlDestination, Quantity::Limit},
    ConvertedCell{Cell::WeightOrigin, Quantity::Weight},
    ConvertedCell{Cell::RwlUnderWeightOrigin, Quantity::Limit},
    ConvertedCell{Cell::WeightDestination, Quantity::Weight},
    ConvertedCell{Cell::RwlUnderWeightDestination, Quantity::Limit},
};

// By Entry: what each entry measures; angles and frequencies need no
// conversion.
constexpr std::array<std::optional<Quantity>, kEntryCount> kEntryQuantities{
    Quantity::Weight, Quantity::Weight, Quantity::Length, Quantity::Length, Quantity::Length,
    Quantity::Length, std::nullopt,     std::nullopt,     std::nullopt,
};

// The factor from one job's units into the compared ones.
struct Conversion {
    double length = 1;
    double weight = 1;

    static Conversion Between(Units from, Units to) {
        if (from == to)
            return {};
        if (to == Units::Metric)
            return {kCentimetresPerInch, kKilogramsPerPound};
        return {1 / kCentimetresPerInch, 1 / kKilogramsPerPound};
    }
    double Factor(Quantity quantity) const {
        return quantity == Quantity::Length ? length : weight;
    }
};

QString ConvertedText(double value, Quantity quantity, const Conversion& conversion) {
    const double tenths = value * conversion.Factor(quantity) * 10;
    if (quantity == Quantity::Limit)
        return Format(Figure{std::floor(tenths) / 10, false, Pattern::OneDecimal});
    return Format(std::round(tenths) / 10, Pattern::General);
}

double CellValue(const SheetEngine& sheet, Cell cell) {
    const Content& content = sheet[cell];
    return content.kind == Content::Kind::Number ? content.number.value : Val(sheet.Text(cell));
}

EndResult EndOf(const SheetEngine& sheet, bool origin, const Conversion& conversion) {
    EndResult end;
    end.rwl = (origin ? sheet.rwlORIGIN : sheet.rwlDESTIN) * conversion.weight;
    end.index = ReadableIndex(sheet, origin, &end.whyNoIndex);
    end.band = &BandOf(end.index);
    return end;
}

ComparedJob CompareSide(const JobFile& file, Units units) {
    ComparedJob side{file.details, file.job, !file.calculated, {}, {}, {}};
    SheetEngine sheet;
    sheet.EnterJob(EnterableJob(file.job, &side.refused), true);
    side.cells = sheet.Texts();
    const Conversion conversion = Conversion::Between(file.job.units, units);
    if (file.job.units != units) {
        for (const ConvertedCell& converted : kConvertedCells) {
            if (!side.cells[converted.cell].isEmpty())
                side.cells[converted.cell] =
                    ConvertedText(CellValue(sheet, converted.cell), converted.quantity, conversion);
        }
    }
    side.ends = {EndOf(sheet, true, conversion), EndOf(sheet, false, conversion)};
    return side;
}

// A task's entries in the compared units; a text that is not read as an entry
// stays as typed, for its task to say why.
Task ConvertedTask(Task task, Units from, Units to) {
    const Conversion conversion = Conversion::Between(from, to);
    for (std::size_t e = 0; e < kEntryCount; ++e) {
        std::optional<QString>& text = task.entries[e];
        if (!text || !kEntryQuantities[e])
            continue;
        if (const Reading reading = ReadEntry(*text, static_cast<Entry>(e), from); reading.value)
            *text = ConvertedText(*reading.value, *kEntryQuantities[e], conversion);
    }
    return task;
}

// A job's RWLs in the compared units, rounded down to a tenth as on the page.
void ConvertLimits(MultiTaskResult& result, const Conversion& conversion) {
    auto down = [&](float& rwl) {
        rwl = static_cast<float>(std::floor(rwl * conversion.weight * 10) / 10);
    };
    for (TaskResult& task : result.tasks) {
        if (!task.values)
            continue;
        for (EndValues& end : task.values->ends) {
            down(end.firwl);
            down(end.strwl);
        }
    }
}

std::vector<TaskMatch> MatchTasks(const MultiTaskJob& before, const MultiTaskJob& after) {
    // The places of each name's tasks before, first one first.
    std::map<QString, std::vector<std::size_t>> unmatched;
    for (std::size_t i = before.tasks.size(); i-- > 0;)
        unmatched[before.tasks[i].name].push_back(i);
    std::vector<TaskMatch> matches;
    for (std::size_t i = 0; i < after.tasks.size(); ++i) {
        TaskMatch match{after.tasks[i].name, {std::nullopt, i}};
        if (auto found = unmatched.find(match.name);
            found != unmatched.end() && !found->second.empty()) {
            match.place[kBefore] = found->second.back();
            found->second.pop_back();
        }
        matches.push_back(match);
    }
    for (std::size_t i = 0; i < before.tasks.size(); ++i) {
        const bool matched = std::any_of(matches.begin(), matches.end(),
                                         [i](const TaskMatch& m) { return m.place[kBefore] == i; });
        if (!matched)
            matches.push_back({before.tasks[i].name, {i, std::nullopt}});
    }
    return matches;
}

} // namespace

Change ChangeOf(std::optional<double> before, std::optional<double> after) {
    Change change{before, after, std::nullopt};
    if (before && after && *before != 0)
        change.percent = (*after - *before) / *before * 100;
    return change;
}

JobComparison Compare(const JobFile& before, const JobFile& after) {
    JobComparison comparison;
    comparison.units = after.job.units;
    comparison.converted = before.job.units != after.job.units;
    comparison.jobs = {CompareSide(before, comparison.units), CompareSide(after, comparison.units)};
    const Shown& was = comparison.jobs[kBefore].cells;
    const Shown& is = comparison.jobs[kAfter].cells;
    for (int number = 1; number <= kCellCount; ++number)
        comparison.changed[CellAt(number)] = was[CellAt(number)] != is[CellAt(number)];
    for (std::size_t end = 0; end < 2; ++end) {
        const EndResult& from = comparison.jobs[kBefore].ends[end];
        const EndResult& to = comparison.jobs[kAfter].ends[end];
        comparison.rwl[end] = ChangeOf(from.rwl, to.rwl);
        comparison.index[end] = ChangeOf(from.index, to.index);
    }
    return comparison;
}

MultiTaskComparison Compare(const MultiTaskFile& before, const MultiTaskFile& after) {
    MultiTaskComparison comparison;
    comparison.units = after.job.units;
    comparison.converted = before.job.units != after.job.units;
    comparison.details = {before.details, after.details};
    comparison.entered = {before.job.units, after.job.units};
    comparison.jobs = {before.job, after.job};
    comparison.results = {Compute(before.job), Compute(after.job)};
    if (comparison.converted) {
        MultiTaskJob& job = comparison.jobs[kBefore];
        for (Task& task : job.tasks)
            task = ConvertedTask(task, before.job.units, after.job.units);
        job.units = after.job.units;
        ConvertLimits(comparison.results[kBefore],
                      Conversion::Between(before.job.units, after.job.units));
    }
    comparison.tasks = MatchTasks(before.job, after.job);
    comparison.cli = ChangeOf(comparison.results[kBefore].cli, comparison.results[kAfter].cli);
    return comparison;
}

} // namespace lifting
