#pragma once

#include "runtime/numbers.h"

#include <string>

// Shared vocabulary of the rule tables.
namespace support {

constexpr bool kUs = true;
constexpr bool kMetric = false;

inline const char* Units(bool usCustomary) {
    return usCustomary ? "in" : "cm";
}

// What a multiplier cell shows for a stored multiplier.
inline std::string Shown(float stored) {
    return rt::Format(stored, rt::Pattern::TwoDecimals).toStdString();
}

} // namespace support
