#include "worksheet/form1.h"

#include "lifting/job.h"
#include "widgets/click_label.h"

#include <array>

namespace {

using lifting::Cell;

// The captions that name a unit, by their label's roster number, with their
// texts under each unit system.
enum Caption {
    kWeightHeading = 3,
    kHandHeading = 6,
    kDistanceHeading = 13,
    kRwlUnitOrigin = 34,
    kRwlUnitDestination = 35
};
struct UnitCaption {
    Caption label;
    const char* us;
    const char* metric;
};
constexpr std::array kUnitCaptions{
    UnitCaption{kWeightHeading, "Object Weight(Lbs)", "Object Weight(KG)"},
    UnitCaption{kHandHeading, "Hand Location(in)", "Hand Location(cm)"},
    UnitCaption{kDistanceHeading, "Vertical Distance(in)", "Vertical Distance(cm)"},
    UnitCaption{kRwlUnitOrigin, "Lbs", "KG"},
    UnitCaption{kRwlUnitDestination, "Lbs", "KG"},
};

} // namespace

void Form1::ApplyUnitSystem() {
    ShowUnitCaptions();
    ShowLoadConstant();
}

void Form1::ShowLoadConstant() {
    SheetEngine::ShowLoadConstant();
    PaintChanged();
}

void Form1::ShowUnitCaptions() {
    const bool metric = !IsUsCustomary();
    for (const UnitCaption& c : kUnitCaptions)
        Label(c.label).setText(QString::fromLatin1(metric ? c.metric : c.us));
}

void Form1::ClearAllCells() {
    // A fresh sheet in the units now selected: nothing typed in the others
    // is ever combined with them.
    SwitchUnits(RuleUnits());
    PaintChanged();
}
