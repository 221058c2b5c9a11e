#include "worksheet/form1.h"

#include "lifting/job.h"
#include "widgets/click_label.h"
#include "widgets/display_cell.h"

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

// Every display cell but the two load constant cells, in clearing order.
constexpr bool Cleared(int number) {
    return number != static_cast<int>(Cell::LcOrigin) &&
           number != static_cast<int>(Cell::LcDestination);
}

} // namespace

void Form1::ApplyUnitSystem() {
    PrintUnitSystem(true);
}

void Form1::ShowLoadConstant() {
    PrintUnitSystem(false);
}

void Form1::PrintUnitSystem(bool withCaptions) {
    // Two separate tests, not alternatives: each option is read on its own.
    for (const auto& [option, units] : {std::pair{kUsCustomary, lifting::Units::UsCustomary},
                                        std::pair{kMetric, lifting::Units::Metric}}) {
        if (!Value(option))
            continue;
        Picture(Cell::LcOrigin).Cls();
        Picture(Cell::LcDestination).Cls();
        Picture(Cell::LcOrigin).Print(lifting::LoadConstantText(units));
        Picture(Cell::LcDestination).Print(lifting::LoadConstantText(units));
        if (!withCaptions)
            continue;
        for (const UnitCaption& c : kUnitCaptions)
            Label(c.label).setText(
                QString::fromLatin1(units == lifting::Units::Metric ? c.metric : c.us));
    }
}

void Form1::ClearAllCells() {
    // Only a unit switch clears the sheet; what was calculated is gone.
    calculated_ = false;
    for (int number = 1; number <= lifting::kCellCount; ++number) {
        if (Cleared(number))
            Picture(lifting::CellAt(number)).Cls();
    }
}
