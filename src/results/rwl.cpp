#include "runtime/display_cell.h"
#include "runtime/numbers.h"
#include "worksheet/form1.h"

#include <array>
#include <cstdint>

namespace {

// One partial product of the RWL: exact in double for two floats, then
// rounded to float as a float multiplication would be, except that a product
// beyond the float range stays at the largest float instead of infinity.
float Times(float a, float b) {
    return rt::SaturateToSingle(static_cast<double>(a) * static_cast<double>(b));
}

float Rwl(std::int16_t lc, const std::array<float, 6>& multipliers) {
    auto product = static_cast<float>(lc);
    for (float m : multipliers)
        product = Times(product, m);
    return product;
}

// An RWL of 0 or less means the lift lies outside the equation's limits (or a
// multiplier was never entered): no index can be given, and "0.0" there would
// read as the safest possible lift.
QString LiftingIndex(const QString& weight, float rwl) {
    if (!(rwl > 0.0f))
        return QStringLiteral("N/A");
    const float index = rt::SaturateToSingle(rt::Val(weight) / static_cast<double>(rwl));
    return rt::Format(index, rt::Pattern::OneDecimal);
}

} // namespace

void Form1::ComputeRwlAndLiftingIndex() {
    std::int16_t lc = 0;
    if (Value(9))
        lc = 51;
    if (Value(10))
        lc = 23;
    rwlORIGIN = Rwl(lc, {hmVARo2, vmVARo2, dmvar, amVARo2, fMvardo, cmvaro});
    rwlDESTIN = Rwl(lc, {hmVARd2, vmVARd2, dmvar, amVARd2, fMvardd, cmvard});

    const QString originRwl = rt::Format(rwlORIGIN, rt::Pattern::OneDecimal);
    const QString destinationRwl = rt::Format(rwlDESTIN, rt::Pattern::OneDecimal);
    Picture(25).Cls();
    Picture(26).Cls();
    Picture(25).Print(originRwl);
    Picture(26).Print(destinationRwl);

    const QString originIndex = LiftingIndex(MyvalueLavg, rwlORIGIN);
    const QString destinationIndex = LiftingIndex(MyvalueLmax, rwlDESTIN);
    for (int cell : {27, 28, 29, 30, 31, 32})
        Picture(cell).Cls();
    Picture(27).Print(originIndex);
    Picture(28).Print(destinationIndex);
    Picture(29).Print(rt::Format(rt::Val(MyvalueLavg)));
    Picture(30).Print(originRwl);
    Picture(31).Print(rt::Format(rt::Val(MyvalueLmax)));
    Picture(32).Print(destinationRwl);
}
