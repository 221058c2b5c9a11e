#pragma once

#include <cstdint>

// The multipliers that follow from one entry alone. Each returns the value in
// double precision; the worksheet stores it as a 32-bit float.
namespace entry {

// H as the whole number the HM rules use: rounded half to even, and clamped
// to the 16-bit range first so that any typed number gives an H.
std::int16_t WholeNumberH(double typed);

// HM from the whole-number H (inches under U.S. customary, else centimetres).
double HorizontalMultiplier(std::int16_t h, bool usCustomary);

// VM from V (inches or centimetres).
double VerticalMultiplier(float v, bool usCustomary);

// AM from the asymmetry angle in degrees.
double AsymmetricMultiplier(double angle);

} // namespace entry
