#pragma once

#include <array>
#include <limits>
#include <optional>

// The published reading of a lifting index, single-task or composite: its
// bands, their words and their colours, for every page and window that shows
// what an index means.
namespace lifting {

enum class Risk { None, Nominal, Increased, High };

// A colour as red, green and blue from 0 to 255; the library draws nothing.
struct Rgb {
    int red;
    int green;
    int blue;
    bool operator==(const Rgb&) const = default;
};

struct Band {
    Risk risk;
    const char* name;    // "nominal risk"
    double upTo;         // the largest index the band holds
    const char* bound;   // "at most 1.0"
    const char* meaning; // "nominal risk for most healthy workers"
    Rgb color;
};

// Lowest first: each band holds the indices over the bound of the one before
// it, up to its own.
inline constexpr std::array<Band, 3> kBands{{
    {Risk::Nominal,
     "nominal risk",
     1.0,
     "at most 1.0",
     "nominal risk for most healthy workers",
     {30, 140, 60}},
    {Risk::Increased,
     "increased risk",
     3.0,
     "over 1.0",
     "increased risk for some workers",
     {220, 140, 0}},
    {Risk::High,
     "high risk",
     std::numeric_limits<double>::infinity(),
     "over 3.0",
     "high risk for many workers",
     {200, 30, 30}},
}};

// Where no index can be given: no risk is read from it, and it wears no band's
// colour, so that it never looks safe.
inline constexpr Band kNoIndexBand{Risk::None,
                                   "no index",
                                   std::numeric_limits<double>::quiet_NaN(),
                                   "N/A",
                                   "no lifting index can be given",
                                   {90, 90, 90}};

// The band of an index; kNoIndexBand where there is none (or it is not a
// number).
const Band& BandOf(std::optional<double> index);

} // namespace lifting
