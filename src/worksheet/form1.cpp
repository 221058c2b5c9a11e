#include "worksheet/form1.h"

#include "lifting/job.h"
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

// What each procedure of the wiring is, in the order of window::Procedure.
using F = Form1;
constexpr std::array<Form1::Procedure, window::kProcedureCount> kProcedures{
    nullptr,
    &F::Calculate,
    &F::EndProgram,
    &F::ClearAllCells,
    &F::ApplyUnitSystem,
    &F::RecomputeFrequencyMultiplier,
    &F::ComputeCouplingMultiplier,
    &F::EnterLoadAvg,
    &F::EnterLoadMax,
    &F::EnterOriginH,
    &F::EnterDestinationH,
    &F::EnterOriginV,
    &F::EnterDestinationV,
    &F::EnterOriginAngle,
    &F::EnterDestinationAngle,
    &F::EnterFrequency,
    &F::ComputeDistanceMultiplier,
    &F::ShowVerticalDistanceInfo,
    &F::ShowHmSuggestions,
    &F::ShowVmSuggestions,
    &F::ShowDmSuggestions,
    &F::ShowAmSuggestions,
    &F::ShowFmSuggestions,
    &F::ShowCmSuggestions,
    &F::ShowRwlSuggestions,
    &F::ShowLcSuggestions,
};

Form1::Procedure Member(window::Procedure procedure) {
    return kProcedures[static_cast<std::size_t>(procedure)];
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

// The class of the first selected option of the group, by its place there.
template <typename Class, typename Options, typename IsSelected>
std::optional<Class> Selected(const Options& options, IsSelected selected) {
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (selected(options[i]))
            return static_cast<Class>(i);
    }
    return std::nullopt;
}

} // namespace

std::optional<lifting::Duration> Form1::SelectedDuration() const {
    return Selected<lifting::Duration>(kDurationOptions, [this](Option o) { return Value(o); });
}

std::optional<lifting::Coupling> Form1::SelectedCoupling() const {
    return Selected<lifting::Coupling>(kCouplingOptions, [this](Option o) { return Value(o); });
}

lifting::Units Form1::RuleUnits() const {
    return IsUsCustomary() ? lifting::Units::UsCustomary : lifting::Units::Metric;
}

QString Form1::Ask(const PromptText& prompt) {
    if (scripted_)
        return *std::exchange(scripted_, std::nullopt);
    const bool us = IsUsCustomary();
    return widgets::InputBox(this, QString::fromLatin1(prompt.message),
                             QString::fromLatin1(us ? prompt.usTitle : prompt.metricTitle),
                             QString::fromLatin1(us ? prompt.usDefault : prompt.metricDefault));
}

void Form1::PrintInto(lifting::Cell cell, const QString& text) {
    widgets::DisplayCell& target = Picture(cell);
    target.Cls();
    target.Print(text);
}
