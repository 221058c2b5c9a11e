#include "lifting/fm_table.h"

#include <array>
#include <cmath>
#include <limits>

namespace lifting {
namespace {

// FM for V below and at or above the threshold; equal where FM does not
// depend on V.
struct ByHeight {
    float low;
    float high;
};

// The first three rows are ranges (from, to]; the rest match one whole
// frequency exactly.
struct Row {
    double from;
    double to;
    bool exact;
    std::array<ByHeight, 3> cells; // by duration class
};

constexpr double kNoLowerBound = -std::numeric_limits<double>::infinity();

constexpr std::array<Row, 17> kTable{{
    {kNoLowerBound, 0.2, false, {{{1.00f, 1.00f}, {0.95f, 0.95f}, {0.85f, 0.85f}}}},
    {0.2, 0.5, false, {{{0.97f, 0.97f}, {0.92f, 0.92f}, {0.81f, 0.81f}}}},
    {0.5, 1, false, {{{0.94f, 0.94f}, {0.88f, 0.88f}, {0.75f, 0.75f}}}},
    {2, 2, true, {{{0.91f, 0.91f}, {0.84f, 0.84f}, {0.65f, 0.65f}}}},
    {3, 3, true, {{{0.88f, 0.88f}, {0.79f, 0.79f}, {0.55f, 0.55f}}}},
    {4, 4, true, {{{0.84f, 0.84f}, {0.72f, 0.72f}, {0.45f, 0.45f}}}},
    {5, 5, true, {{{0.80f, 0.80f}, {0.60f, 0.60f}, {0.35f, 0.35f}}}},
    {6, 6, true, {{{0.75f, 0.75f}, {0.50f, 0.50f}, {0.27f, 0.27f}}}},
    {7, 7, true, {{{0.70f, 0.70f}, {0.42f, 0.42f}, {0.22f, 0.22f}}}},
    {8, 8, true, {{{0.60f, 0.60f}, {0.35f, 0.35f}, {0.18f, 0.18f}}}},
    {9, 9, true, {{{0.52f, 0.52f}, {0.30f, 0.30f}, {0.00f, 0.15f}}}},
    {10, 10, true, {{{0.45f, 0.45f}, {0.26f, 0.26f}, {0.00f, 0.13f}}}},
    {11, 11, true, {{{0.41f, 0.41f}, {0.00f, 0.23f}, {0.00f, 0.00f}}}},
    {12, 12, true, {{{0.37f, 0.37f}, {0.00f, 0.21f}, {0.00f, 0.00f}}}},
    {13, 13, true, {{{0.00f, 0.34f}, {0.00f, 0.00f}, {0.00f, 0.00f}}}},
    {14, 14, true, {{{0.00f, 0.31f}, {0.00f, 0.00f}, {0.00f, 0.00f}}}},
    {15, 15, true, {{{0.00f, 0.28f}, {0.00f, 0.00f}, {0.00f, 0.00f}}}},
}};

bool Matches(const Row& row, double frequency) {
    if (row.exact)
        return frequency == row.to;
    return frequency > row.from && frequency <= row.to;
}

// The ranges come first, then one row for each whole frequency from 2 up,
// so that a frequency finds its row without trying each in turn (a batch's
// frequencies vary from row to row, and every wrong guess of the loop costs).
constexpr std::size_t kRanges = 3;
constexpr bool WholeRowsFollowRanges() {
    for (std::size_t i = 0; i < kTable.size(); ++i) {
        const bool range = i < kRanges;
        if (kTable[i].exact == range ||
            (!range && kTable[i].to != static_cast<double>(i - kRanges + 2)))
            return false;
    }
    return true;
}
static_assert(WholeRowsFollowRanges());

// The row the frequency matches, as Matches has it, or none.
const Row* RowOf(double frequency) {
    if (frequency <= kTable[kRanges - 1].to) {
        for (std::size_t i = 0; i < kRanges; ++i) {
            if (Matches(kTable[i], frequency))
                return &kTable[i];
        }
        return nullptr;
    }
    if (!(frequency >= kTable[kRanges].to && frequency <= kTable.back().to) ||
        frequency != std::floor(frequency))
        return nullptr;
    return &kTable[kRanges + static_cast<std::size_t>(frequency - kTable[kRanges].to)];
}

constexpr auto kFrequencies = [] {
    std::array<double, kTable.size()> frequencies{};
    for (std::size_t i = 0; i < kTable.size(); ++i)
        frequencies[i] = kTable[i].to;
    return frequencies;
}();

} // namespace

float FrequencyMultiplier(double frequency, Duration duration, bool high) {
    const Row* row = RowOf(frequency);
    if (row == nullptr)
        return 0.0f;
    const ByHeight& cell = row->cells[static_cast<std::size_t>(duration)];
    return high ? cell.high : cell.low;
}

std::optional<double> RowAtOrAbove(double frequency) {
    for (const Row& row : kTable) {
        if (frequency <= row.to)
            return row.to;
    }
    return std::nullopt;
}

std::span<const double> TableFrequencies() {
    return kFrequencies;
}

} // namespace lifting
