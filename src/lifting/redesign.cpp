#include "lifting/redesign.h"

#include "lifting/fm_table.h"
#include "lifting/multitask.h"
#include "lifting/no_index.h"
#include "lifting/numbers.h"
#include "lifting/rules.h"

#include <algorithm>

namespace lifting {
namespace {

constexpr std::array<const char*, kFactorCount> kNames{"HM", "VM", "DM", "AM", "FM", "CM"};

// By Factor: the program's words on the published lines of intervention.
constexpr std::array<const char*, kFactorCount> kAdvice{
    "Bring the load closer: remove what keeps the body from it, or let the worker step to it.",
    "Raise or lower the origin or destination toward knuckle height.",
    "Shorten the travel between the origin and the destination.",
    "Remove the twist: put the origin and the destination in front of the worker.",
    "Lift less often, or add recovery: lighter work between the lifts.",
    "Improve the handles: a container with handles or hand-hold cut-outs.",
};

// The lowest frequency row: at or below it FM is 1.00 for up to 1 hour.
constexpr double kIdealFrequency = 0.2;

QString Number(double value) {
    return Format(value, Pattern::General);
}

QString TwoDecimals(double value) {
    return Format(value, Pattern::TwoDecimals);
}

// One end of the sheet as the guidance reads it.
struct EndSheet {
    const SheetEngine& sheet;
    Job job;
    bool origin;
    QString unit; // " in" or " cm"
    const UnitSystem& system;
    double weight;
    std::array<float, kFactorCount> multipliers;

    Entry H() const { return origin ? Entry::OriginH : Entry::DestinationH; }
    Entry V() const { return origin ? Entry::OriginV : Entry::DestinationV; }
    Entry A() const { return origin ? Entry::OriginA : Entry::DestinationA; }
    QString Typed(Entry entry) const { return job[entry].value_or(QString()).trimmed(); }
    QString At() const {
        return origin ? QStringLiteral(" at the origin") : QStringLiteral(" at the destination");
    }
    std::optional<float> IndexWith(std::size_t factor, float multiplier) const {
        std::array<float, kFactorCount> m = multipliers;
        m[factor] = multiplier;
        return LiftingIndex(weight, Rwl(system.loadConstant, m));
    }
};

std::array<float, kFactorCount> Multipliers(const SheetEngine& s, bool origin) {
    if (origin)
        return {s.hmVARo2, s.vmVARo2, s.dmvar, s.amVARo2, s.fMvardo, s.cmvaro};
    return {s.hmVARd2, s.vmVARd2, s.dmvar, s.amVARd2, s.fMvardd, s.cmvard};
}

// The job with one entry's text changed, and the words for the change.
void Change(FactorAdvice& advice, const EndSheet& end, Entry entry, const QString& name, double to,
            const QString& unit) {
    Job job = end.job;
    job[entry] = Number(to);
    advice.changeWords =
        QStringLiteral("%1 %2 → %3%4").arg(name, end.Typed(entry), Number(to), unit);
    advice.change = job;
}

FactorAdvice AdviceOn(Factor factor, const EndSheet& end) {
    const auto i = static_cast<std::size_t>(factor);
    const UnitSystem& u = end.system;
    const QString& unit = end.unit;
    FactorAdvice a;
    a.factor = factor;
    a.multiplier = end.multipliers[i];
    a.indexIfIdeal = end.IndexWith(i, 1.0f);
    a.advice = QLatin1String(kAdvice[i]);
    switch (factor) {
    case Factor::Hm:
        a.source = QStringLiteral("H %1%2").arg(end.Typed(end.H()), unit);
        a.ideal = QStringLiteral("H at most %1%2").arg(Number(u.closest), unit);
        Change(a, end, end.H(), QStringLiteral("H") + end.At(), u.closest, unit);
        break;
    case Factor::Vm:
        a.source = QStringLiteral("V %1%2").arg(end.Typed(end.V()), unit);
        a.ideal = QStringLiteral("V at %1%2").arg(Number(u.knuckle), unit);
        a.shares = QStringLiteral("V also feeds DM, FM and CM.");
        Change(a, end, end.V(), QStringLiteral("V") + end.At(), u.knuckle, unit);
        break;
    case Factor::Dm: {
        a.source = QStringLiteral("D %1%2").arg(end.sheet.Text(Cell::Distance), unit);
        a.ideal = QStringLiteral("D at most %1%2").arg(Number(u.closest), unit);
        a.shares = QStringLiteral("D is the travel between the two V, which also feed VM, FM and "
                                  "CM; DM is the same at both ends.");
        // The origin stays; the destination comes within the distance of it.
        const double from = RoundHalfToEven(Val(end.Typed(Entry::OriginV)));
        const double to = Val(end.Typed(Entry::DestinationV));
        Change(a, end, Entry::DestinationV, QStringLiteral("V at the destination"),
               to < from ? std::max(from - u.closest, 0.0) : from + u.closest, unit);
        break;
    }
    case Factor::Am:
        a.source = QStringLiteral("A %1°").arg(end.Typed(end.A()));
        a.ideal = QStringLiteral("A = 0°");
        Change(a, end, end.A(), QStringLiteral("A") + end.At(), 0, QStringLiteral("°"));
        break;
    case Factor::Fm: {
        const double rate = Val(end.Typed(Entry::Frequency));
        a.source = QStringLiteral("F %1 lifts/min").arg(end.Typed(Entry::Frequency));
        a.ideal = QStringLiteral("F at most %1 lifts/min").arg(Number(kIdealFrequency));
        a.shares = QStringLiteral("FM's column depends on V (below %1%2 or not).")
                       .arg(Number(u.knuckle), unit);
        if (rate > kIdealFrequency)
            Change(a, end, Entry::Frequency, QStringLiteral("F"), kIdealFrequency,
                   QStringLiteral(" lifts/min"));
        else
            a.change = end.job;
        const Duration duration = end.sheet.duration();
        if (duration != Duration::UpToOneHour) {
            // Below 0.2 lifts/min FM is 1.00 only for work of up to 1 hour.
            const QString shorter = QStringLiteral("for up to 1 hour at a time");
            a.ideal += QStringLiteral(", ") + shorter;
            a.changeWords += (a.changeWords.isEmpty() ? QString() : QStringLiteral(", ")) + shorter;
            a.change->duration = Duration::UpToOneHour;
            // Recovery that brings the work into the class below.
            const float below =
                FrequencyMultiplier(rate, static_cast<Duration>(static_cast<int>(duration) - 1),
                                    IsHigh(Val(end.Typed(end.V())), end.sheet.units()));
            a.advice += QStringLiteral(" The duration class below gives FM %1, index %2.")
                            .arg(TwoDecimals(below), IndexText(end.IndexWith(i, below)));
        }
        break;
    }
    case Factor::Cm: {
        const Coupling coupling = end.sheet.coupling();
        a.source = QStringLiteral("coupling %1")
                       .arg(coupling == Coupling::Good   ? QStringLiteral("Good")
                            : coupling == Coupling::Fair ? QStringLiteral("Fair")
                                                         : QStringLiteral("Poor"));
        a.ideal = QStringLiteral("coupling Good");
        if (coupling == Coupling::Fair)
            a.shares = QStringLiteral("A Fair coupling costs nothing from V %1%2 up.")
                           .arg(Number(u.knuckle), unit);
        a.change = end.job;
        a.change->coupling = Coupling::Good;
        a.changeWords = a.source + QStringLiteral(" → Good");
        break;
    }
    }
    if (a.multiplier >= 1.0f) {
        a.change.reset();
        a.changeWords.clear();
        return a;
    }
    SheetEngine after;
    after.EnterJob(*a.change, true);
    a.indexAfterChange = LiftingIndex(Val(end.origin ? after.MyvalueLavg : after.MyvalueLmax),
                                      end.origin ? after.rwlORIGIN : after.rwlDESTIN);
    return a;
}

EndAdvice AdviceAt(const SheetEngine& sheet, const Job& job, bool origin) {
    const Units units = sheet.units();
    const EndSheet end{sheet,
                       job,
                       origin,
                       units == Units::UsCustomary ? QStringLiteral(" in") : QStringLiteral(" cm"),
                       SystemOf(units),
                       Val(origin ? sheet.MyvalueLavg : sheet.MyvalueLmax),
                       Multipliers(sheet, origin)};
    EndAdvice advice;
    advice.heaviest = origin ? sheet.rwlORIGIN : sheet.rwlDESTIN;
    advice.index = ReadableIndex(sheet, origin, &advice.whyNoIndex);
    if (!advice.index)
        return advice;
    const bool high = IsHigh(Val(origin ? sheet.myvalueHOV : sheet.myvalueHDV), units);
    for (const double rate : TableFrequencies()) {
        const std::optional<float> index =
            end.IndexWith(static_cast<std::size_t>(Factor::Fm),
                          FrequencyMultiplier(rate, sheet.duration(), high));
        if (index && *index <= 1.0f)
            advice.highestFrequency = rate;
    }
    for (std::size_t i = 0; i < kFactorCount; ++i)
        advice.factors.push_back(AdviceOn(static_cast<Factor>(i), end));
    std::stable_sort(
        advice.factors.begin(), advice.factors.end(),
        [](const FactorAdvice& a, const FactorAdvice& b) { return a.multiplier < b.multiplier; });
    return advice;
}

} // namespace

QLatin1StringView NameOf(Factor factor) {
    return QLatin1StringView(kNames[static_cast<std::size_t>(factor)]);
}

bool CalculatedAsEntered(const SheetEngine& s) {
    if (!s.calculated())
        return false;
    const Units units = s.units();
    const double originV = Val(s.myvalueHOV);
    const double destinationV = Val(s.myvalueHDV);
    const std::int16_t lc = SystemOf(units).loadConstant;
    return ReadDistance(originV, destinationV, units).dm == s.dmvar &&
           CouplingMultiplier(s.coupling(), originV, units) == s.cmvaro &&
           CouplingMultiplier(s.coupling(), destinationV, units) == s.cmvard &&
           Rwl(lc, Multipliers(s, true)) == s.rwlORIGIN &&
           Rwl(lc, Multipliers(s, false)) == s.rwlDESTIN &&
           s[Cell::WeightOrigin].number.value == Val(s.MyvalueLavg) &&
           s[Cell::WeightDestination].number.value == Val(s.MyvalueLmax);
}

std::optional<std::array<EndAdvice, 2>> Redesign(const SheetEngine& sheet) {
    if (!CalculatedAsEntered(sheet))
        return std::nullopt;
    const Job job = sheet.EnteredJob();
    return std::array<EndAdvice, 2>{AdviceAt(sheet, job, true), AdviceAt(sheet, job, false)};
}

} // namespace lifting
