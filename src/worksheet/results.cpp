// The results that combine several entries: D and DM, CM, the RWLs and the
// lifting indices.
#include "worksheet/form1.h"

#include "lifting/job.h"
#include "lifting/numbers.h"
#include "widgets/display_cell.h"

#include <array>
#include <cstdint>

namespace {

using lifting::Cell;

} // namespace

void Form1::ComputeDistanceMultiplier() {
    const lifting::DistanceResult d =
        lifting::ReadDistance(lifting::Val(myvalueHOV), lifting::Val(myvalueHDV), RuleUnits());
    PrintInto(Cell::Distance, lifting::DistanceText(d.d));
    dmvar = d.dm;
    const QString shown = lifting::MultiplierText(dmvar);
    Picture(Cell::DmOrigin).Cls();
    Picture(Cell::DmDestination).Cls();
    Picture(Cell::DmOrigin).Print(shown);
    Picture(Cell::DmDestination).Print(shown);
}

void Form1::ComputeCouplingMultiplier() {
    const double vo = lifting::Val(myvalueHOV);
    const double vd = lifting::Val(myvalueHDV);
    // A Fair coupling needs a unit system for its threshold.
    const bool haveUnits = IsUsCustomary() || IsMetric();
    const std::optional<lifting::Coupling> coupling = SelectedCoupling();
    if (coupling && (*coupling != lifting::Coupling::Fair || haveUnits)) {
        cmvaro = lifting::CouplingMultiplier(*coupling, vo, RuleUnits());
        cmvard = lifting::CouplingMultiplier(*coupling, vd, RuleUnits());
    }
    Picture(Cell::CmOrigin).Cls();
    Picture(Cell::CmDestination).Cls();
    Picture(Cell::CmOrigin).Print(lifting::MultiplierText(cmvaro));
    Picture(Cell::CmDestination).Print(lifting::MultiplierText(cmvard));
}

void Form1::ComputeRwlAndLiftingIndex() {
    std::int16_t lc = 0;
    if (IsUsCustomary())
        lc = lifting::kUsCustomary.loadConstant;
    if (IsMetric())
        lc = lifting::kMetric.loadConstant;
    rwlORIGIN = lifting::Rwl(lc, {hmVARo2, vmVARo2, dmvar, amVARo2, fMvardo, cmvaro});
    rwlDESTIN = lifting::Rwl(lc, {hmVARd2, vmVARd2, dmvar, amVARd2, fMvardd, cmvard});

    const QString originRwl = lifting::RwlText(rwlORIGIN);
    const QString destinationRwl = lifting::RwlText(rwlDESTIN);
    Picture(Cell::RwlOrigin).Cls();
    Picture(Cell::RwlDestination).Cls();
    Picture(Cell::RwlOrigin).Print(originRwl);
    Picture(Cell::RwlDestination).Print(destinationRwl);

    const QString originIndex = lifting::LiftingIndexText(MyvalueLavg, rwlORIGIN);
    const QString destinationIndex = lifting::LiftingIndexText(MyvalueLmax, rwlDESTIN);
    constexpr std::array kStep3{Cell::LiOrigin,          Cell::LiDestination,
                                Cell::WeightOrigin,      Cell::RwlUnderWeightOrigin,
                                Cell::WeightDestination, Cell::RwlUnderWeightDestination};
    for (const Cell cell : kStep3)
        Picture(cell).Cls();
    Picture(Cell::LiOrigin).Print(originIndex);
    Picture(Cell::LiDestination).Print(destinationIndex);
    Picture(Cell::WeightOrigin).Print(lifting::WeightText(MyvalueLavg));
    Picture(Cell::RwlUnderWeightOrigin).Print(originRwl);
    Picture(Cell::WeightDestination).Print(lifting::WeightText(MyvalueLmax));
    Picture(Cell::RwlUnderWeightDestination).Print(destinationRwl);
}
