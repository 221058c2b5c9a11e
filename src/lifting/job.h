#pragma once

#include "lifting/rules.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// One lifting job as a user enters it, and the sheet it gives.
namespace lifting {

// The nine entries, in the order of their keys in job files and CSV columns.
enum class Entry {
    LoadAvg,
    LoadMax,
    OriginH,
    OriginV,
    DestinationH,
    DestinationV,
    OriginA,
    DestinationA,
    Frequency,
};
inline constexpr std::size_t kEntryCount = 9;

// "lavg", "lmax", "origin_h", ...: the name of an entry in files.
std::string_view KeyOf(Entry entry);

// The 32 display cells of the sheet; each is the number of its control
// (Cell::Distance is Picture7).
enum class Cell {
    LoadAvg = 1,
    LoadMax,
    OriginH,
    OriginV,
    DestinationH,
    DestinationV,
    Distance,
    OriginA,
    DestinationA,
    HmOrigin,
    HmDestination,
    VmOrigin,
    VmDestination,
    DmOrigin,
    DmDestination,
    AmOrigin,
    AmDestination,
    Frequency,
    FmOrigin,
    FmDestination,
    CmOrigin,
    CmDestination,
    LcOrigin,
    LcDestination,
    RwlOrigin,
    RwlDestination,
    LiOrigin,
    LiDestination,
    WeightOrigin,
    RwlUnderWeightOrigin,
    WeightDestination,
    RwlUnderWeightDestination,
};
inline constexpr int kCellCount = 32;

// The cell that shows an entry as typed.
constexpr Cell CellOf(Entry entry) {
    constexpr std::array<Cell, kEntryCount> kCells{
        Cell::LoadAvg,      Cell::LoadMax, Cell::OriginH,      Cell::OriginV,   Cell::DestinationH,
        Cell::DestinationV, Cell::OriginA, Cell::DestinationA, Cell::Frequency,
    };
    return kCells[static_cast<std::size_t>(entry)];
}

// "Picture7" for Cell::Distance.
QString CellName(Cell cell);
constexpr Cell CellAt(int number) {
    return static_cast<Cell>(number);
}

struct Job {
    Units units = Units::UsCustomary;
    Duration duration = Duration::UpToOneHour;
    Coupling coupling = Coupling::Good;
    // The text typed for each entry, or nothing where the entry was never made.
    std::array<std::optional<QString>, kEntryCount> entries;

    std::optional<QString>& operator[](Entry e) { return entries[static_cast<std::size_t>(e)]; }
    const std::optional<QString>& operator[](Entry e) const {
        return entries[static_cast<std::size_t>(e)];
    }
    bool operator==(const Job&) const = default;
};

// What a cell shows before it becomes text.
struct Content {
    enum class Kind : std::uint8_t { Empty, Typed, Number, NoLiftingIndex };
    Kind kind = Kind::Empty;
    Entry typed = Entry::LoadAvg; // the entry whose text it shows, when Typed
    Figure number;                // when a Number
};

// Something for each of the 32 cells.
template <typename T> class Cells {
  public:
    T& operator[](Cell c) { return items_[Index(c)]; }
    const T& operator[](Cell c) const { return items_[Index(c)]; }
    bool operator==(const Cells&) const = default;

  private:
    static std::size_t Index(Cell c) { return static_cast<std::size_t>(c) - 1; }
    std::array<T, kCellCount> items_;
};

// What the 32 cells show.
using Shown = Cells<QString>;
using Sheet = Cells<Content>;

// The order in which a job is entered into a window just started: the unit,
// duration and coupling options (each clicked only where it differs from the
// start-up choice), then the entries in this order. The frequency comes last
// because FM reads the V values stored when it is entered.
inline constexpr std::array kEntryOrder{
    Entry::OriginH,      Entry::OriginV, Entry::DestinationH, Entry::DestinationV, Entry::OriginA,
    Entry::DestinationA, Entry::LoadAvg, Entry::LoadMax,      Entry::Frequency,
};

// The cells exactly as the worksheet shows them once the job is entered into
// a window just started in the order above, then, where calculated,
// CALCULATE is pressed.
Shown Evaluate(const Job& job, bool calculated = true);

} // namespace lifting
