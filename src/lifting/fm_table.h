#pragma once

#include "lifting/units.h"

namespace lifting {

enum class Duration { UpToOneHour, UpToTwoHours, UpToEightHours };

// FM for a frequency (lifts per minute), a work duration class and whether
// the hands are high (see IsHigh). Frequencies that match no row of the table
// give 0.
float FrequencyMultiplier(double frequency, Duration duration, bool high);

} // namespace lifting
