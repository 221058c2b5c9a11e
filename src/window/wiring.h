#pragma once

#include <functional>
#include <span>
#include <string_view>

class QWidget;

namespace window {

// The procedures a click can run, named as the window names them.
enum class Procedure {
    None,
    Calculate,
    EndProgram,
    ClearAllCells,
    ApplyUnitSystem,
    RecomputeFrequencyMultiplier,
    ComputeCouplingMultiplier,
    EnterLoadAvg,
    EnterLoadMax,
    EnterOriginH,
    EnterDestinationH,
    EnterOriginV,
    EnterDestinationV,
    EnterOriginAngle,
    EnterDestinationAngle,
    EnterFrequency,
    ComputeDistanceMultiplier,
    ShowVerticalDistanceInfo,
    ShowHmSuggestions,
    ShowVmSuggestions,
    ShowDmSuggestions,
    ShowAmSuggestions,
    ShowFmSuggestions,
    ShowCmSuggestions,
    ShowRwlSuggestions,
    ShowLcSuggestions,
};
inline constexpr int kProcedureCount = static_cast<int>(Procedure::ShowLcSuggestions) + 1;

// One row of the click wiring: a click on the control runs first, then second.
struct Wire {
    std::string_view control;
    Procedure first;
    Procedure second = Procedure::None;
};

std::span<const Wire> Wiring();

// Connects the click of every wired control of form to run, which is given the
// control's row.
void Connect(QWidget& form, const std::function<void(const Wire&)>& run);

} // namespace window
