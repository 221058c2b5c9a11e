#pragma once

#include <functional>
#include <span>
#include <string_view>

class QString;
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

// One row of the click wiring: a click on the control runs first, then second.
struct Wire {
    std::string_view control;
    Procedure first;
    Procedure second = Procedure::None;
};

std::span<const Wire> Wiring();

// Connects the click of every wired control of form to run, which is given the
// control's row. After CALCULATE's click the results are said once to
// assistive technology (ResultsSentence).
void Connect(QWidget& form, const std::function<void(const Wire&)>& run);

// The results as the cells of form show them, in a sentence for a screen
// reader: "RWL 14.3 and 13.3 lb; lifting index 1.4 and 1.5".
QString ResultsSentence(const QWidget& form);

} // namespace window
