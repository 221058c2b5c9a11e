#pragma once

#include <cstdint>

// The two unit systems of the equation and the constants that differ between
// them. Everything else about a unit system follows from these numbers.
namespace lifting {

enum class Units { UsCustomary, Metric };

struct UnitSystem {
    std::int16_t loadConstant; // LC: 51 lb or 23 kg
    // H at or below it, and D at or below it, cost nothing (10 in, 25 cm); HM
    // is this over H above it.
    double closest;
    double farthestH;   // beyond it HM is 0 (25 in, 63 cm)
    double highestV;    // beyond it VM and DM are 0 (70 in, 175 cm)
    double knuckle;     // V where VM is best, and the split of FM and of a
                        // Fair CM (30 in, 75 cm)
    double vmSlope;     // VM's loss per unit away from the knuckle
    double dmNumerator; // DM = this / D + 0.82
};

inline constexpr UnitSystem kUsCustomary{51, 10.0, 25.0, 70.0, 30.0, 0.0075, 1.8};
inline constexpr UnitSystem kMetric{23, 25.0, 63.0, 175.0, 75.0, 0.003, 4.5};

constexpr const UnitSystem& SystemOf(Units units) {
    return units == Units::UsCustomary ? kUsCustomary : kMetric;
}

// Whether a vertical location is at or above the knuckle height, the split of
// the FM table and of a Fair coupling.
constexpr bool IsHigh(double v, Units units) {
    return v >= SystemOf(units).knuckle;
}

} // namespace lifting
