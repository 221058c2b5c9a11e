#include "results/rules.h"

#include <cmath>
#include <limits>

namespace results {
namespace {

double RoundHalfToEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        return below + 1.0;
    return below;
}

} // namespace

double TravelDistance(double originV, double destinationV) {
    const double d = std::fabs(RoundHalfToEven(originV) - RoundHalfToEven(destinationV));
    return std::isinf(d) ? std::numeric_limits<double>::max() : d;
}

double DistanceMultiplier(double d, bool usCustomary) {
    const double flat = usCustomary ? 10.0 : 25.0;
    const double limit = usCustomary ? 70.0 : 175.0;
    const double numerator = usCustomary ? 1.8 : 4.5;
    if (d <= flat)
        return 1.0;
    if (d <= limit)
        return numerator / d + 0.82;
    return 0.0;
}

float CouplingMultiplier(Coupling coupling, double v, bool usCustomary) {
    switch (coupling) {
    case Coupling::Good:
        return 1.0f;
    case Coupling::Fair:
        return v < (usCustomary ? 30 : 75) ? 0.95f : 1.0f;
    case Coupling::Poor:
        return 0.9f;
    }
    return 1.0f;
}

} // namespace results
