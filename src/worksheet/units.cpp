#include "worksheet/form1.h"

#include "lifting/job.h"
#include "widgets/click_label.h"
#include "widgets/display_cell.h"

#include <array>

namespace {

using lifting::Cell;

// The captions that name a unit: Label3, Label6, Label13, Label34, Label35.
constexpr std::array kCaptionLabels{3, 6, 13, 34, 35};
constexpr std::array kUsCaptions{"Object Weight(Lbs)", "Hand Location(in)", "Vertical Distance(in)",
                                 "Lbs", "Lbs"};
constexpr std::array kMetricCaptions{"Object Weight(KG)", "Hand Location(cm)",
                                     "Vertical Distance(cm)", "KG", "KG"};

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
    for (const auto& [option, units, captions] :
         {std::tuple{kUsCustomary, lifting::Units::UsCustomary, &kUsCaptions},
          std::tuple{kMetric, lifting::Units::Metric, &kMetricCaptions}}) {
        if (!Value(option))
            continue;
        Picture(Cell::LcOrigin).Cls();
        Picture(Cell::LcDestination).Cls();
        Picture(Cell::LcOrigin).Print(lifting::LoadConstantText(units));
        Picture(Cell::LcDestination).Print(lifting::LoadConstantText(units));
        if (!withCaptions)
            continue;
        for (std::size_t i = 0; i < kCaptionLabels.size(); ++i)
            Label(kCaptionLabels[i]).setText(QString::fromLatin1((*captions)[i]));
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
