#pragma once

#include "lifting/units.h"

#include <optional>
#include <span>

namespace lifting {

enum class Duration { UpToOneHour, UpToTwoHours, UpToEightHours };

// FM for a frequency (lifts per minute), a work duration class and whether
// the hands are high (see IsHigh). Frequencies that match no row of the table
// give 0.
float FrequencyMultiplier(double frequency, Duration duration, bool high);

// The frequency of the first row of the table that takes the frequency or a
// higher one (0.2, 0.5, 1, 2, 3 ... 15); nothing above 15.
std::optional<double> RowAtOrAbove(double frequency);

// The frequency of each row, lowest first: a range row at its upper end
// (0.2, 0.5, 1), then the whole numbers 2 to 15.
std::span<const double> TableFrequencies();

} // namespace lifting
