#pragma once

#include "lifting/fm_table.h"
#include "lifting/numbers.h"
#include "lifting/units.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// Every rule of the equation, and what an entry stores and shows. Multipliers
// are derived in double precision and stored as 32-bit floats, as the
// worksheet keeps them.
namespace lifting {

enum class Coupling { Good, Fair, Poor };

// H as the whole number the HM rules use: rounded half to even, and clamped
// to the 16-bit range first so that any typed number gives an H.
std::int16_t WholeNumberH(double typed);

// HM from the whole-number H.
double HorizontalMultiplier(std::int16_t h, Units units);

// VM from V.
double VerticalMultiplier(float v, Units units);

// AM from the asymmetry angle in degrees.
double AsymmetricMultiplier(double angle);

// The vertical travel distance D between two vertical locations, each rounded
// to a whole number (halves to even) first. Computed in doubles, so any typed
// location gives a D; a difference beyond the double range stays at its
// largest value.
double TravelDistance(double originV, double destinationV);

// DM from D.
double DistanceMultiplier(double d, Units units);

// CM at one end of the lift: a Fair coupling depends on whether that end's
// vertical location is below the knuckle height.
float CouplingMultiplier(Coupling coupling, double v, Units units);

// What the entries store, from the number each typed text reads as (Val).

// An H entry: the whole number and HM.
struct HorizontalEntry {
    std::int16_t whole;
    float hm;
};
HorizontalEntry ReadHorizontal(double typed, Units units);

// A V entry: V as a float (beyond the float range, the largest
// float of its sign) and VM.
struct VerticalEntry {
    float v;
    float vm;
};
VerticalEntry ReadVertical(double typed, Units units);

// An angle entry: its AM. The angle stays a double up to AM; only AM saturates
// at the float range when it is stored.
float ReadAngle(double typed);

// D and DM of the two vertical locations as typed.
struct DistanceResult {
    double d;
    float dm;
};
DistanceResult ReadDistance(double originV, double destinationV, Units units);

// FM at both ends; the texts V are read as numbers.
struct FrequencyResult {
    float origin;
    float destination;
};
FrequencyResult SelectFrequency(double rate, double originV, double destinationV, Units units,
                                Duration duration);

// The RWL: LC times the six multipliers, left to right, each partial product
// rounded to float (a product beyond the float range stays at the largest
// float instead of infinity).
float Rwl(std::int16_t lc, const std::array<float, 6>& multipliers);

// The lifting index of a weight over an RWL. An RWL of 0 or less means the
// lift lies outside the equation's limits (or a multiplier was never
// entered): no index can be given, and 0 there would read as the safest
// possible lift, so there is none.
std::optional<float> LiftingIndex(double weight, float rwl);

// How the cells show what the rules give.
Figure MultiplierFigure(float multiplier); // "0.00", for every multiplier
Figure FrequencyFigure(double rate);       // "0.#" of the rate as read
Figure DistanceFigure(double d);           // a whole number
Figure RwlFigure(float rwl);               // "###0.0"
Figure LiftingIndexFigure(float index);    // "###0.0"
Figure WeightFigure(double weight);        // the weight as read
Figure LoadConstantFigure(Units units);    // LC
// The lifting index cell where there is no index.
inline constexpr const char* kNoLiftingIndex = "N/A";

// The same as texts, from the texts typed.
QString MultiplierText(float multiplier);
QString FrequencyText(double rate);
QString DistanceText(double d);
QString RwlText(float rwl);
QString LiftingIndexText(const QString& weight, float rwl);
QString WeightText(const QString& typed);
QString LoadConstantText(Units units);

} // namespace lifting
