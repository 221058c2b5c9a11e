#pragma once

namespace frequency {

enum class Duration { UpToOneHour, UpToTwoHours, UpToEightHours };

// FM for a frequency (lifts per minute), a work duration class and whether
// the hands are high (V at or above 30 in / 75 cm). Frequencies that match no
// row of the table give 0.
float FrequencyMultiplier(double frequency, Duration duration, bool high);

// Whether a vertical location is high for the split of the FM table.
bool IsHigh(double v, bool usCustomary);

} // namespace frequency
