#include "worksheet/form1.h"

#include "lifting/job.h"
#include "lifting/no_index.h"
#include "lifting/run_time_error.h"
#include "widgets/click_label.h"
#include "widgets/dialogs.h"
#include "widgets/display_cell.h"
#include "window/build.h"
#include "window/wiring.h"
#include "worksheet/prompt.h"

#include <QRadioButton>

#include <array>
#include <new>
#include <utility>

namespace {

const QString kTitle = QStringLiteral("Job Analysis Worksheet - Revised NIOSH Lifting Equation");

// What each procedure of the wiring is. A switch without a default, so that a
// procedure added to the wiring but not here does not compile (-Wswitch).
Form1::Procedure Member(window::Procedure procedure) {
    using enum window::Procedure;
    using F = Form1;
    switch (procedure) {
    case None:
        return nullptr;
    case Calculate:
        return &F::Calculate;
    case EndProgram:
        return &F::EndProgram;
    case ClearAllCells:
        return &F::ClearAllCells;
    case ApplyUnitSystem:
        return &F::ApplyUnitSystem;
    case RecomputeFrequencyMultiplier:
        return &F::RecomputeFrequencyMultiplier;
    case ComputeCouplingMultiplier:
        return &F::ComputeCouplingMultiplier;
    case EnterLoadAvg:
        return &F::EnterLoadAvg;
    case EnterLoadMax:
        return &F::EnterLoadMax;
    case EnterOriginH:
        return &F::EnterOriginH;
    case EnterDestinationH:
        return &F::EnterDestinationH;
    case EnterOriginV:
        return &F::EnterOriginV;
    case EnterDestinationV:
        return &F::EnterDestinationV;
    case EnterOriginAngle:
        return &F::EnterOriginAngle;
    case EnterDestinationAngle:
        return &F::EnterDestinationAngle;
    case EnterFrequency:
        return &F::EnterFrequency;
    case ComputeDistanceMultiplier:
        return &F::ComputeDistanceMultiplier;
    case ShowVerticalDistanceInfo:
        return &F::ShowVerticalDistanceInfo;
    case ShowHmSuggestions:
        return &F::ShowHmSuggestions;
    case ShowVmSuggestions:
        return &F::ShowVmSuggestions;
    case ShowDmSuggestions:
        return &F::ShowDmSuggestions;
    case ShowAmSuggestions:
        return &F::ShowAmSuggestions;
    case ShowFmSuggestions:
        return &F::ShowFmSuggestions;
    case ShowCmSuggestions:
        return &F::ShowCmSuggestions;
    case ShowRwlSuggestions:
        return &F::ShowRwlSuggestions;
    case ShowLcSuggestions:
        return &F::ShowLcSuggestions;
    }
    return nullptr; // not a value of the enumeration
}

template <typename Array> auto& Lookup(const Array& controls, int number) {
    const auto index = static_cast<std::size_t>(number);
    if (number < 0 || index >= controls.size() || controls[index] == nullptr)
        throw lifting::RunTimeError(
            lifting::kControlNotFound,
            QStringLiteral("Control array element '%1' doesn't exist").arg(number));
    return *controls[index];
}

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent), controls_(std::make_unique<window::Controls>(window::Build(*this))) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kTitle);
    window::Connect(*this, [this](const window::Wire& wire) {
        RunEvent(Member(wire.first), Member(wire.second));
    });
    // The load event.
    RunEvent(&Form1::ApplyUnitSystem);
}

Form1::~Form1() = default;

void Form1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    RunEvent(&Form1::ApplyUnitSystem);
}

void Form1::RunEvent(Procedure first, Procedure second) {
    try {
        (this->*first)();
        if (second != nullptr)
            (this->*second)();
    } catch (const lifting::RunTimeError& error) {
        Report(error);
    } catch (const std::bad_alloc&) {
        Report(lifting::RunTimeError(lifting::kOutOfMemory, QStringLiteral("Out of memory")));
    } catch (const std::exception& error) {
        Report(
            lifting::RunTimeError(lifting::kInternalError, QString::fromLocal8Bit(error.what())));
    }
}

void Form1::Report(const lifting::RunTimeError& error) {
    widgets::MsgBox(this, error.message(), kTitle);
}

widgets::DisplayCell& Form1::Picture(lifting::Cell cell) const {
    return Lookup(controls_->pictures, static_cast<int>(cell));
}

widgets::ClickLabel& Form1::Label(int number) const {
    return Lookup(controls_->labels, number);
}

QRadioButton& Form1::OptionButton(Option option) const {
    return Lookup(controls_->options, option);
}

bool Form1::Value(Option option) const {
    return OptionButton(option).isChecked();
}

namespace {

// The class whose option is selected, by its place in the group. Each group
// always has one selected; the first class stands in for the impossible case.
template <typename Class, typename Options, typename IsSelected>
Class Selected(const Options& options, IsSelected selected) {
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (selected(options[i]))
            return static_cast<Class>(i);
    }
    return Class{};
}

} // namespace

lifting::Duration Form1::SelectedDuration() const {
    return Selected<lifting::Duration>(kDurationOptions, [this](Option o) { return Value(o); });
}

lifting::Coupling Form1::SelectedCoupling() const {
    return Selected<lifting::Coupling>(kCouplingOptions, [this](Option o) { return Value(o); });
}

lifting::Units Form1::RuleUnits() const {
    return IsUsCustomary() ? lifting::Units::UsCustomary : lifting::Units::Metric;
}

std::optional<QString> Form1::Ask(const PromptText& prompt, lifting::Entry entry) {
    const bool us = IsUsCustomary();
    const lifting::Units units = RuleUnits();
    return widgets::InputBox(this, QString::fromLatin1(prompt.message),
                             QString::fromLatin1(us ? prompt.usTitle : prompt.metricTitle),
                             QString::fromLatin1(us ? prompt.usDefault : prompt.metricDefault),
                             [entry, units](const QString& text) {
                                 return lifting::ReadEntry(text, entry, units).problem;
                             });
}

void Form1::PaintChanged() {
    const std::uint32_t changed = TakeChanged();
    for (int number = 1; number <= lifting::kCellCount; ++number) {
        if (!(changed & (std::uint32_t{1} << (number - 1))))
            continue;
        const lifting::Cell cell = lifting::CellAt(number);
        const QString text = Text(cell);
        widgets::DisplayCell& target = Picture(cell);
        // A cell that shows its text already is left alone, so that a screen
        // reader hears only what changed.
        // An index that cannot be given says why to whoever points at it.
        if (cell == lifting::Cell::LiOrigin || cell == lifting::Cell::LiDestination)
            target.setNote(lifting::WhyNoIndex(*this, cell == lifting::Cell::LiOrigin));
        if (target.text() == text)
            continue;
        target.Cls();
        if ((*this)[cell].kind != lifting::Content::Kind::Empty)
            target.Print(text);
    }
}
