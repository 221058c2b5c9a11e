#include "results/rules.h"
#include "runtime/display_cell.h"
#include "runtime/numbers.h"
#include "worksheet/form1.h"

void Form1::ComputeDistanceMultiplier() {
    const double d = results::TravelDistance(rt::Val(myvalueHOV), rt::Val(myvalueHDV));
    Show(7, rt::Format(d, rt::Pattern::Whole));
    dmvar = rt::ToSingle(results::DistanceMultiplier(d, IsUsCustomary()));
    const QString shown = rt::Format(dmvar, rt::Pattern::TwoDecimals);
    Picture(14).Cls();
    Picture(15).Cls();
    Picture(14).Print(shown);
    Picture(15).Print(shown);
}
