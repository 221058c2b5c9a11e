#include "entry/rules.h"
#include "entry/side.h"
#include "runtime/numbers.h"
#include "worksheet/form1.h"

#include <algorithm>
#include <limits>

namespace {

// Degrees under both unit systems.
constexpr EntrySide kOrigin{
    {"Enter Number of Asymmetric Angle (degrees)", "Origin", "30", "Origin", "30"}, 8, 16};
constexpr EntrySide kDestination{
    {"Enter Number of Asymmetric Angle (degrees)", "Destination", "30", "Destination", "30"},
    9,
    17};

} // namespace

void Form1::EnterOriginAngle() {
    EnterAngle(Side::Origin);
}

void Form1::EnterDestinationAngle() {
    EnterAngle(Side::Destination);
}

void Form1::EnterAngle(Side side) {
    const bool origin = side == Side::Origin;
    const EntrySide& s = origin ? kOrigin : kDestination;
    float& am = origin ? amVARo2 : amVARd2;

    const QString text = Ask(s.prompt);
    Show(s.valueCell, text);
    // Beyond the float range the angle is read as the largest float of its
    // sign, and AM as the largest float it can reach.
    constexpr double kLargest = std::numeric_limits<float>::max();
    const double angle = std::clamp(rt::Val(text), -kLargest, kLargest);
    am = rt::SaturateToSingle(entry::AsymmetricMultiplier(angle));
    Show(s.multiplierCell, rt::Format(am, rt::Pattern::TwoDecimals));
}
