#include "lifting/no_index.h"

#include "lifting/fm_table.h"
#include "lifting/numbers.h"

#include <QStringList>

#include <array>

namespace lifting {
namespace {

QString Number(double value) {
    return Format(value, Pattern::General);
}

// One multiplier of an end: its name, the entry behind it, and the limit
// beyond which it is 0 (none for D and F, which say their own).
struct Factor {
    const char* name;
    const char* variable;
    Entry entry;
    double limit;
    float multiplier;
};

QString Beyond(const Factor& f, const Job& job, const QString& unit) {
    const std::optional<QString>& typed = job[f.entry];
    if (!typed)
        return QStringLiteral("%1 was never entered: %2 0")
            .arg(QLatin1String(f.variable), QLatin1String(f.name));
    return QStringLiteral("%1 %2%3 is beyond %4%3: %5 0")
        .arg(QLatin1String(f.variable), typed->trimmed(), unit, Number(f.limit),
             QLatin1String(f.name));
}

QString WhyNoFm(const SheetEngine& sheet, bool origin) {
    const Job job = sheet.EnteredJob();
    const std::optional<QString>& typed = job[Entry::Frequency];
    if (!typed)
        return QStringLiteral("the frequency was never entered: FM 0");
    const double f = Val(*typed);
    const std::optional<double> row = RowAtOrAbove(f);
    if (!row)
        return QStringLiteral("frequency %1 lifts/min is beyond the table's 15: FM 0")
            .arg(Number(f));
    const bool high = IsHigh(Val(origin ? sheet.myvalueHOV : sheet.myvalueHDV), sheet.units());
    if (*row != f && f > 1)
        return QStringLiteral("frequency %1 lifts/min has no row in the table (rows: 0.2, 0.5, 1, "
                              "2 … 15); %2 gives FM %3")
            .arg(Number(f), Number(*row),
                 Format(FrequencyMultiplier(*row, sheet.duration(), high), Pattern::TwoDecimals));
    return QStringLiteral("frequency %1 lifts/min %2 the hands %3: FM 0 in the table")
        .arg(Number(f),
             QLatin1String(sheet.duration() == Duration::UpToOneHour    ? "for up to 1 hour with"
                           : sheet.duration() == Duration::UpToTwoHours ? "for up to 2 hours with"
                                                                        : "for up to 8 hours with"),
             QLatin1String(high ? "high" : "low"));
}

} // namespace

QString WhyNoIndex(const SheetEngine& sheet, bool origin) {
    const Cell index = origin ? Cell::LiOrigin : Cell::LiDestination;
    if (sheet[index].kind != Content::Kind::NoLiftingIndex)
        return {};
    const UnitSystem& u = SystemOf(sheet.units());
    const QString unit =
        sheet.units() == Units::UsCustomary ? QStringLiteral(" in") : QStringLiteral(" cm");
    const Job job = sheet.EnteredJob();
    const std::array<Factor, 3> factors{{
        {"HM", origin ? "H at the origin" : "H at the destination",
         origin ? Entry::OriginH : Entry::DestinationH, u.farthestH,
         origin ? sheet.hmVARo2 : sheet.hmVARd2},
        {"VM", origin ? "V at the origin" : "V at the destination",
         origin ? Entry::OriginV : Entry::DestinationV, u.highestV,
         origin ? sheet.vmVARo2 : sheet.vmVARd2},
        {"AM", origin ? "A at the origin" : "A at the destination",
         origin ? Entry::OriginA : Entry::DestinationA, 135.0,
         origin ? sheet.amVARo2 : sheet.amVARd2},
    }};
    QStringList reasons;
    for (const Factor& f : factors) {
        if (f.multiplier <= 0)
            reasons << Beyond(f, job,
                              f.entry == Entry::OriginA || f.entry == Entry::DestinationA
                                  ? QStringLiteral("°")
                                  : unit);
    }
    if (sheet.dmvar <= 0)
        reasons << QStringLiteral("D %1%2 is beyond %3%2: DM 0")
                       .arg(sheet.Text(Cell::Distance), unit, Number(u.highestV));
    if ((origin ? sheet.fMvardo : sheet.fMvardd) <= 0)
        reasons << WhyNoFm(sheet, origin);
    return reasons.join(QStringLiteral("; "));
}

std::optional<float> ReadableIndex(const SheetEngine& sheet, bool origin, QString* why) {
    const std::optional<float> index =
        LiftingIndex(sheet.NumberOf(origin ? Entry::LoadAvg : Entry::LoadMax),
                     origin ? sheet.rwlORIGIN : sheet.rwlDESTIN);
    if (index && *index > 0)
        return index;
    if (why != nullptr)
        *why = index ? QStringLiteral("no object weight above 0 was entered")
                     : WhyNoIndex(sheet, origin);
    return std::nullopt;
}

} // namespace lifting
