// The sheet as a job: what was entered, what is shown, and a job entered
// again through the window's own procedures.
#include "worksheet/form1.h"

#include "lifting/latin1.h"
#include "widgets/display_cell.h"
#include "window/build.h"
#include "window/roster.h"

#include <QRadioButton>
#include <QSignalBlocker>

#include <array>
#include <utility>

namespace {

using lifting::Entry;
using F = Form1;

// The procedure a click on each entry's cell runs, by lifting::Entry.
constexpr std::array<Form1::Procedure, lifting::kEntryCount> kEntryProcedures{
    &F::EnterLoadAvg,     &F::EnterLoadMax,          &F::EnterOriginH,
    &F::EnterOriginV,     &F::EnterDestinationH,     &F::EnterDestinationV,
    &F::EnterOriginAngle, &F::EnterDestinationAngle, &F::EnterFrequency,
};

} // namespace

lifting::Job Form1::EnteredJob() const {
    lifting::Job job = entered_;
    job.units = RuleUnits();
    job.duration = SelectedDuration().value_or(job.duration);
    job.coupling = SelectedCoupling().value_or(job.coupling);
    return job;
}

lifting::Shown Form1::ShownCells() const {
    lifting::Shown shown;
    for (int number = 1; number <= lifting::kCellCount; ++number)
        shown[lifting::CellAt(number)] = Picture(lifting::CellAt(number)).text();
    return shown;
}

void Form1::ResetToStartUp() {
    myvalueHOV.clear();
    myvalueHDV.clear();
    myvalueFR.clear();
    MyvalueLavg.clear();
    MyvalueLmax.clear();
    strOriginH.clear();
    strDestinH.clear();
    intOriginH = intDestinH = 0;
    for (float* f : {&hmVARo2, &hmVARd2, &vmVARo1, &vmVARd1, &vmVARo2, &vmVARd2, &dmvar, &amVARo2,
                     &amVARd2, &fMvardo, &fMvardd, &cmvaro, &cmvard, &rwlORIGIN, &rwlDESTIN})
        *f = 0;
    entered_ = {};
    calculated_ = false;
    // The start-up choices, selected without running their clicks.
    for (const window::Control& c : window::Roster()) {
        if (c.kind != window::Kind::Option || !c.selected)
            continue;
        auto* option = findChild<QRadioButton*>(lifting::Latin1(c.name));
        const QSignalBlocker quiet(option);
        for (QRadioButton* other : option->parentWidget()->findChildren<QRadioButton*>()) {
            const QSignalBlocker quietOther(other);
            other->setChecked(other == option);
        }
    }
    for (int number = 1; number <= lifting::kCellCount; ++number)
        Picture(lifting::CellAt(number)).Cls();
    // As the load event does.
    RunEvent(&Form1::ApplyUnitSystem);
}

void Form1::EnterJob(const lifting::Job& job, bool calculated) {
    ResetToStartUp();
    const lifting::Job startUp;
    auto click = [this](Option option) { OptionButton(option).setChecked(true); };
    if (job.units != startUp.units)
        click(kMetric);
    if (job.duration != startUp.duration)
        click(kDurationOptions[static_cast<std::size_t>(job.duration)]);
    if (job.coupling != startUp.coupling)
        click(kCouplingOptions[static_cast<std::size_t>(job.coupling)]);
    for (const Entry entry : lifting::kEntryOrder) {
        if (const auto& typed = job[entry]) {
            scripted_ = *typed;
            RunEvent(kEntryProcedures[static_cast<std::size_t>(entry)]);
            scripted_.reset();
        }
    }
    if (calculated)
        RunEvent(&Form1::Calculate);
}
