#include "lifting/rules.h"

#include "lifting/numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lifting {

std::int16_t WholeNumberH(double typed) {
    return CInt(std::clamp(typed, -32768.0, 32767.0));
}

double HorizontalMultiplier(std::int16_t h, Units units) {
    const UnitSystem& u = SystemOf(units);
    if (h <= u.closest)
        return 1.0;
    if (h > u.farthestH)
        return 0.0;
    // Fixed values of the published HM table at 22 and 23 inches.
    if (units == Units::UsCustomary) {
        if (h == 22)
            return 0.46;
        if (h == 23)
            return 0.44;
    }
    return u.closest / h;
}

double VerticalMultiplier(float v, Units units) {
    const UnitSystem& u = SystemOf(units);
    if (v > u.highestV)
        return 0.0;
    if (v == 0.0f)
        return 0.78;
    return 1.0 - u.vmSlope * std::fabs(static_cast<double>(v) - u.knuckle);
}

double AsymmetricMultiplier(double angle) {
    if (angle == 0.0)
        return 1.0;
    if (angle > 135.0)
        return 0.0;
    return 1.0 - 0.0032 * angle;
}

double TravelDistance(double originV, double destinationV) {
    const double d = std::fabs(RoundHalfToEven(originV) - RoundHalfToEven(destinationV));
    return std::isinf(d) ? std::numeric_limits<double>::max() : d;
}

double DistanceMultiplier(double d, Units units) {
    const UnitSystem& u = SystemOf(units);
    if (d <= u.closest)
        return 1.0;
    if (d <= u.highestV)
        return u.dmNumerator / d + 0.82;
    return 0.0;
}

float CouplingMultiplier(Coupling coupling, double v, Units units) {
    switch (coupling) {
    case Coupling::Good:
        return 1.0f;
    case Coupling::Fair:
        return IsHigh(v, units) ? 1.0f : 0.95f;
    case Coupling::Poor:
        return 0.9f;
    }
    return 1.0f;
}

HorizontalEntry ReadHorizontal(double typed, Units units) {
    const std::int16_t whole = WholeNumberH(typed);
    return {whole, ToSingle(HorizontalMultiplier(whole, units))};
}

VerticalEntry ReadVertical(double typed, Units units) {
    const float v = SaturateToSingle(typed);
    return {v, SaturateToSingle(VerticalMultiplier(v, units))};
}

float ReadAngle(double typed) {
    return SaturateToSingle(AsymmetricMultiplier(typed));
}

DistanceResult ReadDistance(double originV, double destinationV, Units units) {
    const double d = TravelDistance(originV, destinationV);
    return {d, ToSingle(DistanceMultiplier(d, units))};
}

FrequencyResult SelectFrequency(double rate, double originV, double destinationV, Units units,
                                Duration duration) {
    return {FrequencyMultiplier(rate, duration, IsHigh(originV, units)),
            FrequencyMultiplier(rate, duration, IsHigh(destinationV, units))};
}

float Rwl(std::int16_t lc, const std::array<float, 6>& multipliers) {
    auto product = static_cast<float>(lc);
    // A float multiplication rounds the exact product once, as storing it
    // would, and is infinite or NaN just where the stored product would be
    // out of range or NaN; those saturate as ever. The check stays off the
    // chain of products.
    for (float m : multipliers) {
        product *= m;
        if (!std::isfinite(product)) [[unlikely]]
            product = SaturateToSingle(product);
    }
    return product;
}

std::optional<float> LiftingIndex(double weight, float rwl) {
    if (!(rwl > 0.0f))
        return std::nullopt;
    return SaturateToSingle(weight / static_cast<double>(rwl));
}

Figure MultiplierFigure(float multiplier) {
    return {multiplier, true, Pattern::TwoDecimals};
}

Figure FrequencyFigure(double rate) {
    return {rate, false, Pattern::PointAlways};
}

Figure DistanceFigure(double d) {
    return {d, false, Pattern::Whole};
}

Figure RwlFigure(float rwl) {
    return {rwl, true, Pattern::OneDecimal};
}

Figure LiftingIndexFigure(float index) {
    return {index, true, Pattern::OneDecimal};
}

Figure WeightFigure(double weight) {
    return {weight, false, Pattern::General};
}

Figure LoadConstantFigure(Units units) {
    return {static_cast<double>(SystemOf(units).loadConstant), false, Pattern::General};
}

QString MultiplierText(float multiplier) {
    return Format(MultiplierFigure(multiplier));
}

QString FrequencyText(double rate) {
    return Format(FrequencyFigure(rate));
}

QString DistanceText(double d) {
    return Format(DistanceFigure(d));
}

QString RwlText(float rwl) {
    return Format(RwlFigure(rwl));
}

QString LiftingIndexText(const QString& weight, float rwl) {
    const std::optional<float> index = LiftingIndex(Val(weight), rwl);
    return index ? Format(LiftingIndexFigure(*index)) : QString::fromLatin1(kNoLiftingIndex);
}

QString WeightText(const QString& typed) {
    return Format(WeightFigure(Val(typed)));
}

QString LoadConstantText(Units units) {
    return Format(LoadConstantFigure(units));
}

} // namespace lifting
