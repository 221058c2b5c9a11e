#include "frequency/fm_table.h"
#include "runtime/numbers.h"
#include "worksheet/form1.h"

#include <array>
#include <optional>

namespace {

constexpr PromptText kFrequency{"Enter Number of Frequency Rate", "lifts/mins", "5", "lifts/mins",
                                "5"};

constexpr int kFrequencyCell = 18;
constexpr int kOriginCell = 19;
constexpr int kDestinationCell = 20;

constexpr std::array kDurationOptions{
    std::pair{1, frequency::Duration::UpToOneHour},
    std::pair{2, frequency::Duration::UpToTwoHours},
    std::pair{3, frequency::Duration::UpToEightHours},
};

} // namespace

void Form1::EnterFrequency() {
    myvalueFR = Ask(kFrequency);
    Show(kFrequencyCell, rt::Format(myvalueFR, rt::Pattern::PointAlways));
    const double f = rt::Val(myvalueFR);
    SelectFrequencyMultipliers(f, rt::Val(myvalueHOV), rt::Val(myvalueHDV));
    // The frequency as the number that was read replaces the text typed.
    Show(kFrequencyCell, rt::Format(rt::Str(f), rt::Pattern::PointAlways));
    Show(kOriginCell, rt::Format(rt::Str(fMvardo), rt::Pattern::TwoDecimals));
    Show(kDestinationCell, rt::Format(rt::Str(fMvardd), rt::Pattern::TwoDecimals));
}

void Form1::RecomputeFrequencyMultiplier() {
    SelectFrequencyMultipliers(rt::Val(myvalueFR), rt::Val(myvalueHOV), rt::Val(myvalueHDV));
    Show(kOriginCell, rt::Format(rt::Str(fMvardo), rt::Pattern::TwoDecimals));
    Show(kDestinationCell, rt::Format(rt::Str(fMvardd), rt::Pattern::TwoDecimals));
}

void Form1::SelectFrequencyMultipliers(double rate, double originV, double destinationV) {
    const bool us = Value(9);
    if (!us && !Value(10))
        return;
    std::optional<frequency::Duration> duration;
    for (const auto& [option, value] : kDurationOptions) {
        if (Value(option)) {
            duration = value;
            break;
        }
    }
    if (!duration) {
        fMvardo = 0.0f;
        fMvardd = 0.0f;
        return;
    }
    fMvardo = frequency::FrequencyMultiplier(rate, *duration, frequency::IsHigh(originV, us));
    fMvardd = frequency::FrequencyMultiplier(rate, *duration, frequency::IsHigh(destinationV, us));
}
