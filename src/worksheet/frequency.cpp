#include "worksheet/form1.h"

#include "lifting/job.h"
#include "lifting/numbers.h"
#include "worksheet/prompt.h"

#include <optional>

namespace {

using lifting::Cell;

constexpr PromptText kFrequency{"Enter Number of Frequency Rate", "lifts/mins", "5", "lifts/mins",
                                "5"};

} // namespace

void Form1::EnterFrequency() {
    myvalueFR = Ask(kFrequency);
    Record(lifting::Entry::Frequency, myvalueFR);
    PrintInto(Cell::Frequency, lifting::Format(myvalueFR, lifting::Pattern::PointAlways));
    const double f = lifting::Val(myvalueFR);
    SelectFrequencyMultipliers(f, lifting::Val(myvalueHOV), lifting::Val(myvalueHDV));
    // The frequency as the number that was read replaces the text typed.
    PrintInto(Cell::Frequency, lifting::FrequencyText(f));
    PrintInto(Cell::FmOrigin, lifting::MultiplierText(fMvardo));
    PrintInto(Cell::FmDestination, lifting::MultiplierText(fMvardd));
}

void Form1::RecomputeFrequencyMultiplier() {
    SelectFrequencyMultipliers(lifting::Val(myvalueFR), lifting::Val(myvalueHOV),
                               lifting::Val(myvalueHDV));
    PrintInto(Cell::FmOrigin, lifting::MultiplierText(fMvardo));
    PrintInto(Cell::FmDestination, lifting::MultiplierText(fMvardd));
}

void Form1::SelectFrequencyMultipliers(double rate, double originV, double destinationV) {
    if (!IsUsCustomary() && !IsMetric())
        return;
    const std::optional<lifting::Duration> duration = SelectedDuration();
    if (!duration) {
        fMvardo = 0.0f;
        fMvardd = 0.0f;
        return;
    }
    const lifting::FrequencyResult fm =
        lifting::SelectFrequency(rate, originV, destinationV, RuleUnits(), *duration);
    fMvardo = fm.origin;
    fMvardd = fm.destination;
}
