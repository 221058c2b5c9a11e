#pragma once

#include <QString>
#include <QWidget>

#include "lifting/job.h"
#include "lifting/sheet_engine.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

class QRadioButton;
namespace lifting {
class RunTimeError;
} // namespace lifting
namespace widgets {
class ClickLabel;
class DisplayCell;
} // namespace widgets
namespace window {
struct Controls;
}
struct PromptText;

// The job analysis worksheet: one window that owns every control and shows the
// sheet's engine, whose state it keeps under the engine's names. Its
// procedures prompt, run the engine's operation for the click and paint the
// cells that changed.
class Form1 : public QWidget, public lifting::SheetEngine {
    Q_OBJECT

  public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // Unit system and reset.
    void ApplyUnitSystem();
    void ShowLoadConstant();
    void ClearAllCells();

    // Commands.
    void Calculate();
    void EndProgram();

    // Task variable entry.
    void EnterOriginH();
    void EnterDestinationH();
    void EnterOriginV();
    void EnterDestinationV();
    void EnterOriginAngle();
    void EnterDestinationAngle();
    void EnterLoadAvg();
    void EnterLoadMax();

    // Frequency multiplier.
    void EnterFrequency();
    void RecomputeFrequencyMultiplier();

    // Job results.
    void ComputeDistanceMultiplier();
    void ComputeCouplingMultiplier();
    void ComputeRwlAndLiftingIndex();

    // Advice messages.
    void ShowHmSuggestions();
    void ShowVmSuggestions();
    void ShowDmSuggestions();
    void ShowAmSuggestions();
    void ShowFmSuggestions();
    void ShowCmSuggestions();
    void ShowLcSuggestions();
    void ShowRwlSuggestions();
    void ShowVerticalDistanceInfoUs();
    void ShowVerticalDistanceInfoMetric();
    // The vertical distance caption's click: the note in the current units.
    void ShowVerticalDistanceInfo();

    // Runs one event's procedures in order. A run-time error stops them where
    // it happens and is reported in a message box; the window stays usable.
    using Procedure = void (Form1::*)();
    void RunEvent(Procedure first, Procedure second = nullptr);

    // The job as entered so far: the options selected and the text last taken
    // for each entry (nothing for an entry never made or cancelled).
    lifting::Job EnteredJob() const { return SheetEngine::EnteredJob(); }
    // Whether CALCULATE has been pressed since start-up, a reset or a unit
    // switch.
    bool IsCalculated() const { return calculated(); }
    // What the display cells show now.
    lifting::Shown ShownCells() const;
    // Puts the sheet back as a window just started shows it: every variable
    // and cell, the options and the unit captions.
    void ResetToStartUp();
    // Resets the sheet and enters the job as the engine does (see
    // lifting::SheetEngine::EnterJob), with the options selected to match.
    void EnterJob(const lifting::Job& job, bool calculated);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    friend struct Form1Access; // lets tests read the private entries

    // Option buttons by their roster number.
    enum Option {
        kUpToOneHour = 1,
        kUpToTwoHours = 2,
        kUpToEightHours = 3,
        kGood = 6,
        kFair = 7,
        kPoor = 8,
        kUsCustomary = 9,
        kMetric = 10,
    };
    // The option of each duration and each coupling class, in the classes'
    // order.
    static constexpr std::array kDurationOptions{kUpToOneHour, kUpToTwoHours, kUpToEightHours};
    static constexpr std::array kCouplingOptions{kGood, kFair, kPoor};
    // The class whose option is selected. Each group always has one: an
    // option is only ever deselected by selecting another of its group.
    lifting::Duration SelectedDuration() const;
    lifting::Coupling SelectedCoupling() const;

    // Tells the user of a run-time error that stopped an event.
    void Report(const lifting::RunTimeError& error);

    // Controls by roster name; a missing one is a run-time error.
    widgets::DisplayCell& Picture(lifting::Cell cell) const;
    widgets::ClickLabel& Label(int number) const;
    QRadioButton& OptionButton(Option option) const;
    // True when the option button is selected.
    bool Value(Option option) const;
    bool IsUsCustomary() const { return Value(kUsCustomary); }
    // The rules' unit system: metric unless U.S. customary is selected.
    lifting::Units RuleUnits() const;
    // The unit captions of the selected unit system.
    void ShowUnitCaptions();
    // Selects the options of the engine's state without running their clicks.
    void SelectOptionsQuietly();
    // Shows every cell the engine changed since the last paint.
    void PaintChanged();

    // Opens the value prompt for an entry with the texts of the selected unit
    // system until a number it takes is typed; nothing when cancelled.
    std::optional<QString> Ask(const PromptText& prompt, lifting::Entry entry);
    // Prompts for an entry and enters the text typed; Cancel changes nothing.
    void EnterValue(lifting::Entry entry);

    std::unique_ptr<window::Controls> controls_;
};
