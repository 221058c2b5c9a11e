#pragma once

#include "lifting/job.h"
#include "lifting/reading.h"

#include <QLatin1StringView>
#include <QString>

#include <array>
#include <cstdint>

namespace lifting {

// The worksheet without a window: its state, its 32 cells and one operation
// for each thing a user does. The window, opening a job, the report, the
// batch and the tests all run it, so the sheet's behaviour is written here
// once. Cells hold what they show before it becomes text; a view prints them
// on demand and repaints those that changed.
class SheetEngine {
  public:
    // Whether the sheet keeps each entry's text as typed. A batch, which
    // writes only the results, keeps none, and is spared copying nine texts a
    // row: its typed cells, EnteredJob, the texts by name and the reasons
    // WhyNoIndex reads from them then stay empty.
    enum class TypedTexts { Kept, NotKept };
    explicit SheetEngine(TypedTexts texts = TypedTexts::Kept);

    // The state, by the names the window's procedures give it. Texts are kept
    // exactly as typed, and read once, as Val reads them, when entered;
    // multipliers and RWLs as 32-bit floats.
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

    // What a user does. An entry that is not wholly a number of 0 or more is
    // refused and changes nothing; the reading says why.
    Reading Enter(Entry entry, const QString& text);
    Reading Enter(Entry entry, QLatin1StringView text);
    // A work duration option: FM again from the frequency entered.
    void SelectDuration(Duration duration);
    // A coupling option: CM again at both ends.
    void SelectCoupling(Coupling coupling);
    // A unit option: a fresh sheet in those units, so that no entry or
    // multiplier of the other units is ever combined with them.
    void SwitchUnits(Units units);
    // The D caption or cell: D and DM from the two vertical locations.
    void ComputeDistanceMultiplier();
    // CALCULATE.
    void Calculate();
    // The load constant of the units, as the window shows it on loading.
    void ShowLoadConstant();

    // Back to a sheet just started: in the units (U.S. customary unless
    // given), up to 1 hour, Good.
    void Reset(Units units = Units::UsCustomary);
    // Resets, then selects the options as a user would in a sheet just
    // started: each only where it differs from the start-up choice.
    void Start(Units units, Duration duration, Coupling coupling);
    // Resets, then enters the job as a user would into a sheet just started:
    // the options that differ from the start-up choice, the entries made in
    // kEntryOrder (a refused one stays unmade), and CALCULATE where
    // calculated.
    void EnterJob(const Job& job, bool calculated);

    Units units() const { return units_; }
    Duration duration() const { return duration_; }
    Coupling coupling() const { return coupling_; }
    // Whether CALCULATE has been pressed since start-up, a reset or a unit
    // switch.
    bool calculated() const { return calculated_; }
    // The options and the text last taken for each entry made.
    Job EnteredJob() const;

    // An entry's text as Val reads it (0 for one never made), read once as it
    // was entered.
    double NumberOf(Entry entry) const { return numbers_[static_cast<std::size_t>(entry)]; }

    const Content& operator[](Cell cell) const { return cells_[cell]; }
    // What a cell shows.
    QString Text(Cell cell) const;
    Shown Texts() const;
    // The cells set since the last call, bit n - 1 for cell n; a view repaints
    // these.
    std::uint32_t TakeChanged() { return std::exchange(changed_, 0); }

  protected:
    // The CALCULATE steps that the window also names as procedures.
    void ComputeCouplingMultiplier();
    void ComputeRwlAndLiftingIndex();

    QString strOriginH;          // origin H as typed
    std::int16_t intOriginH = 0; // origin H as a whole number
    QString strDestinH;          // destination H as typed
    std::int16_t intDestinH = 0; // destination H as a whole number

  private:
    template <typename Chars> Reading EnterText(Entry entry, const Chars& text);
    // Stores a text already read as value and does what its entry does.
    template <typename Chars> void Take(Entry entry, const Chars& text, double value);
    QString& TextOf(Entry entry);
    const QString& TextOf(Entry entry) const;

    void Set(Cell cell, const Content& content);
    void SetNumber(Cell cell, const Figure& figure);
    void Clear();
    void SelectFrequencyMultipliers();

    // Each entry's text as Val reads it, by lifting::Entry: the texts change
    // only through Take and Reset.
    std::array<double, kEntryCount> numbers_{};

    QString strOriginA; // origin angle as typed
    QString strDestinA; // destination angle as typed
    Units units_ = Units::UsCustomary;
    Duration duration_ = Duration::UpToOneHour;
    Coupling coupling_ = Coupling::Good;
    bool keepTexts_;
    std::uint16_t made_ = 0; // bit e for each entry made
    bool calculated_ = false;
    Sheet cells_;
    std::uint32_t changed_ = 0;
};

} // namespace lifting
