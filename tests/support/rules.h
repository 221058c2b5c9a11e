#pragma once

#include "lifting/numbers.h"
#include "lifting/units.h"

#include <string>

// Shared vocabulary of the rule tables.
namespace support {

constexpr lifting::Units kUs = lifting::Units::UsCustomary;
constexpr lifting::Units kMetric = lifting::Units::Metric;

inline const char* Units(lifting::Units units) {
    return units == kUs ? "in" : "cm";
}

// What a multiplier cell shows for a stored multiplier.
inline std::string Shown(float stored) {
    return lifting::Format(stored, lifting::Pattern::TwoDecimals).toStdString();
}

} // namespace support
