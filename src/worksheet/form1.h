#pragma once

#include <QString>
#include <QWidget>

#include "lifting/job.h"

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

// The job analysis worksheet: one window that owns every control, the state of
// the worksheet and every procedure that works on them.
class Form1 : public QWidget {
    Q_OBJECT

  public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // Worksheet state. Texts are kept exactly as typed; multipliers and RWLs
    // as 32-bit floats. Nothing resets them for the life of the window.
    QString myvalueHOV;  // origin V
    QString myvalueHDV;  // destination V
    QString myvalueFR;   // lifting frequency
    float hmVARo2 = 0;   // HM at origin
    float hmVARd2 = 0;   // HM at destination
    float vmVARo1 = 0;   // origin V as a number
    float vmVARd1 = 0;   // destination V as a number
    float vmVARo2 = 0;   // VM at origin
    float vmVARd2 = 0;   // VM at destination
    float dmvar = 0;     // DM, both rows
    float amVARo2 = 0;   // AM at origin
    float amVARd2 = 0;   // AM at destination
    float fMvardo = 0;   // FM at origin
    float fMvardd = 0;   // FM at destination
    float cmvaro = 0;    // CM at origin
    float cmvard = 0;    // CM at destination
    QString MyvalueLavg; // L(AVG)
    QString MyvalueLmax; // L(Max)
    float rwlORIGIN = 0; // RWL at origin
    float rwlDESTIN = 0; // RWL at destination

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
    void SelectFrequencyMultipliers(double rate, double originV, double destinationV);

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

    // The job as entered so far: the options selected and the text last typed
    // for each entry (nothing for an entry never made).
    lifting::Job EnteredJob() const;
    // Whether CALCULATE has been pressed since start-up, a reset or a unit
    // switch.
    bool IsCalculated() const { return calculated_; }
    // What the display cells show now.
    lifting::Shown ShownCells() const;
    // Puts the sheet back as a window just started shows it: every variable
    // and cell, the options and the unit captions.
    void ResetToStartUp();
    // Resets the sheet, then enters the job through the window's own
    // procedures in the order lifting::Evaluate uses: the options that differ
    // from the start-up choice are clicked, each entry made is typed into its
    // prompt (no prompt is shown), and CALCULATE is pressed where calculated.
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
    // The class whose option is selected, if any is.
    std::optional<lifting::Duration> SelectedDuration() const;
    std::optional<lifting::Coupling> SelectedCoupling() const;

    // Tells the user of a run-time error that stopped an event.
    void Report(const lifting::RunTimeError& error);

    // Controls by roster name; a missing one is a run-time error.
    widgets::DisplayCell& Picture(lifting::Cell cell) const;
    widgets::ClickLabel& Label(int number) const;
    QRadioButton& OptionButton(Option option) const;
    // True when the option button is selected.
    bool Value(Option option) const;
    bool IsUsCustomary() const { return Value(kUsCustomary); }
    bool IsMetric() const { return Value(kMetric); }
    // The rules' unit system: metric unless U.S. customary is selected.
    lifting::Units RuleUnits() const;
    // The load constant of the selected unit system, and its captions too.
    void PrintUnitSystem(bool withCaptions);

    // Opens the value prompt with the texts of the selected unit system.
    QString Ask(const PromptText& prompt);
    // Clears a cell and prints one line into it.
    void PrintInto(lifting::Cell cell, const QString& text);

    // The two rows of the worksheet share their procedures.
    enum class Side { Origin, Destination };
    void EnterHorizontal(Side side);
    void EnterVertical(Side side);
    void EnterAngle(Side side);

    QString strOriginH;          // origin H as typed
    std::int16_t intOriginH = 0; // origin H as a whole number
    QString strDestinH;          // destination H as typed
    std::int16_t intDestinH = 0; // destination H as a whole number

    // Notes the text typed for an entry, for EnteredJob.
    void Record(lifting::Entry entry, const QString& typed) { entered_[entry] = typed; }

    std::unique_ptr<window::Controls> controls_;
    lifting::Job entered_;
    bool calculated_ = false;
    // The answer EnterJob gives the next prompt instead of the user.
    std::optional<QString> scripted_;
};
