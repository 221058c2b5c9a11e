#include "results/rules.h"
#include "runtime/display_cell.h"
#include "runtime/numbers.h"
#include "worksheet/form1.h"

#include <array>

namespace {

constexpr std::array kCouplingOptions{
    std::pair{6, results::Coupling::Good},
    std::pair{7, results::Coupling::Fair},
    std::pair{8, results::Coupling::Poor},
};

} // namespace

void Form1::ComputeCouplingMultiplier() {
    const double vo = rt::Val(myvalueHOV);
    const double vd = rt::Val(myvalueHDV);
    const bool us = Value(9);
    // A Fair coupling needs a unit system for its threshold.
    const bool haveUnits = us || Value(10);
    for (const auto& [option, coupling] : kCouplingOptions) {
        if (!Value(option))
            continue;
        if (coupling == results::Coupling::Fair && !haveUnits)
            continue;
        cmvaro = results::CouplingMultiplier(coupling, vo, us);
        cmvard = results::CouplingMultiplier(coupling, vd, us);
        break;
    }
    Picture(21).Cls();
    Picture(22).Cls();
    Picture(21).Print(rt::Format(cmvaro, rt::Pattern::TwoDecimals));
    Picture(22).Print(rt::Format(cmvard, rt::Pattern::TwoDecimals));
}
