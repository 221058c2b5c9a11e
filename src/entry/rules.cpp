#include "entry/rules.h"

#include "runtime/numbers.h"

#include <algorithm>
#include <cmath>

namespace entry {

std::int16_t WholeNumberH(double typed) {
    return rt::CInt(std::clamp(typed, -32768.0, 32767.0));
}

double HorizontalMultiplier(std::int16_t h, bool usCustomary) {
    if (usCustomary) {
        if (h <= 10)
            return 1.0;
        if (h > 25)
            return 0.0;
        // Fixed values of the published HM table at 22 and 23 inches.
        if (h == 22)
            return 0.46;
        if (h == 23)
            return 0.44;
        return 10.0 / h;
    }
    if (h <= 25)
        return 1.0;
    if (h > 63)
        return 0.0;
    return 25.0 / h;
}

double VerticalMultiplier(float v, bool usCustomary) {
    const double limit = usCustomary ? 70.0 : 175.0;
    const double best = usCustomary ? 30.0 : 75.0;
    const double slope = usCustomary ? 0.0075 : 0.003;
    if (v > limit)
        return 0.0;
    if (v == 0.0f)
        return 0.78;
    return 1.0 - slope * std::fabs(static_cast<double>(v) - best);
}

double AsymmetricMultiplier(double angle) {
    if (angle == 0.0)
        return 1.0;
    if (angle > 135.0)
        return 0.0;
    return 1.0 - 0.0032 * angle;
}

} // namespace entry
