#include "lifting/numbers.h"
#include "lifting/rules.h"
#include "support/rules.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>
#include <utility>

using lifting::Coupling;

namespace {

using support::kMetric;
using support::kUs;
using support::Shown;
using support::Units;

// --- D and DM --------------------------------------------------------------

struct DmCase {
    double originV;
    double destinationV;
    lifting::Units usCustomary;
    double d;
    double dm;
    const char* shownD;
    const char* shownDm;
};

const DmCase kDmCases[] = {
    // Band edges, U.S. customary.
    {0, 0, kUs, 0, 1.0, "0", "1.00"},
    {5, 5, kUs, 0, 1.0, "0", "1.00"},
    {0, 10, kUs, 10, 1.0, "10", "1.00"},
    {0, 11, kUs, 11, 1.8 / 11 + 0.82, "11", "0.98"},
    {0, 26, kUs, 26, 1.8 / 26 + 0.82, "26", "0.89"},
    {0, 70, kUs, 70, 1.8 / 70 + 0.82, "70", "0.85"},
    {0, 71, kUs, 71, 0.0, "71", "0.00"},
    {0, 176, kUs, 176, 0.0, "176", "0.00"},
    // Band edges, metric.
    {0, 11, kMetric, 11, 1.0, "11", "1.00"},
    {0, 25, kMetric, 25, 1.0, "25", "1.00"},
    {0, 26, kMetric, 26, 4.5 / 26 + 0.82, "26", "0.99"},
    {0, 71, kMetric, 71, 4.5 / 71 + 0.82, "71", "0.88"},
    {0, 175, kMetric, 175, 4.5 / 175 + 0.82, "175", "0.85"},
    {0, 176, kMetric, 176, 0.0, "176", "0.00"},
    // Each location is rounded, halves to even, before the difference.
    {10.5, 31.5, kUs, 22, 1.8 / 22 + 0.82, "22", "0.90"},
    {2.5, 3.5, kUs, 2, 1.0, "2", "1.00"},
    {9.5, 20.5, kUs, 10, 1.0, "10", "1.00"},
    {29.6, 0, kUs, 30, 1.8 / 30 + 0.82, "30", "0.88"},
    {70.5, 0, kUs, 70, 1.8 / 70 + 0.82, "70", "0.85"},
    {71.5, 0, kUs, 72, 0.0, "72", "0.00"},
    {175.5, 0, kMetric, 176, 0.0, "176", "0.00"},
    {-2.5, 2.5, kUs, 4, 1.0, "4", "1.00"},
    {-1.5, 1.5, kMetric, 4, 1.0, "4", "1.00"},
    {-0.5, 0.5, kUs, 0, 1.0, "0", "1.00"},
    {-10, 20, kUs, 30, 1.8 / 30 + 0.82, "30", "0.88"},
    // Past the 16-bit range the arithmetic still holds.
    {40000, 0, kUs, 40000, 0.0, "40000", "0.00"},
    {32767.5, -32768.5, kMetric, 65536, 0.0, "65536", "0.00"},
};

TEST(DistanceRule, BandEdgesAndRoundingInBothDirections) {
    for (const auto& c : kDmCases) {
        // D does not depend on which end is the origin.
        for (const auto& [from, to] :
             {std::pair{c.originV, c.destinationV}, std::pair{c.destinationV, c.originV}}) {
            SCOPED_TRACE(testing::Message()
                         << "V " << from << " to " << to << " " << Units(c.usCustomary));
            const double d = lifting::TravelDistance(from, to);
            EXPECT_EQ(d, c.d);
            EXPECT_EQ(lifting::Format(d, lifting::Pattern::Whole).toStdString(), c.shownD);
            const float dm = lifting::ToSingle(lifting::DistanceMultiplier(d, c.usCustomary));
            EXPECT_FLOAT_EQ(dm, static_cast<float>(c.dm));
            EXPECT_EQ(Shown(dm), c.shownDm);
        }
    }
}

TEST(DistanceRule, HugeLocationsGiveAFiniteDistanceAndNoMultiplier) {
    const std::pair<double, double> cases[] = {
        {1e300, -1e300}, {-1e300, 1e300}, {DBL_MAX, -DBL_MAX}, {-DBL_MAX, DBL_MAX}, {1e300, 0}};
    for (const auto& [origin, destination] : cases) {
        SCOPED_TRACE(testing::Message() << "V " << origin << " to " << destination);
        const double d = lifting::TravelDistance(origin, destination);
        EXPECT_TRUE(std::isfinite(d)) << d;
        EXPECT_GE(d, 1e300);
        for (lifting::Units us : {kUs, kMetric}) {
            const float dm = lifting::ToSingle(lifting::DistanceMultiplier(d, us));
            EXPECT_EQ(dm, 0.0f) << Units(us);
            EXPECT_EQ(Shown(dm), "0.00") << Units(us);
        }
    }
    EXPECT_EQ(lifting::TravelDistance(1e300, -1e300), 2e300);
}

// --- CM --------------------------------------------------------------------

struct CmCase {
    Coupling coupling;
    double v;
    lifting::Units usCustomary;
    float cm;
    const char* shown;
};

const CmCase kCmCases[] = {
    // Good and Poor do not look at V.
    {Coupling::Good, 0, kUs, 1.0f, "1.00"},
    {Coupling::Good, 29.9, kUs, 1.0f, "1.00"},
    {Coupling::Good, 100, kUs, 1.0f, "1.00"},
    {Coupling::Good, 0, kMetric, 1.0f, "1.00"},
    {Coupling::Good, 74.5, kMetric, 1.0f, "1.00"},
    {Coupling::Good, 100, kMetric, 1.0f, "1.00"},
    {Coupling::Poor, 0, kUs, 0.9f, "0.90"},
    {Coupling::Poor, 29.9, kUs, 0.9f, "0.90"},
    {Coupling::Poor, 100, kUs, 0.9f, "0.90"},
    {Coupling::Poor, 0, kMetric, 0.9f, "0.90"},
    {Coupling::Poor, 74.5, kMetric, 0.9f, "0.90"},
    {Coupling::Poor, 100, kMetric, 0.9f, "0.90"},
    // Fair: below the threshold 0.95, at or above it 1; V is not rounded.
    {Coupling::Fair, 0, kUs, 0.95f, "0.95"},
    {Coupling::Fair, -5, kUs, 0.95f, "0.95"},
    {Coupling::Fair, 29.6, kUs, 0.95f, "0.95"},
    {Coupling::Fair, 29.9, kUs, 0.95f, "0.95"},
    {Coupling::Fair, 29.999, kUs, 0.95f, "0.95"},
    {Coupling::Fair, 30, kUs, 1.0f, "1.00"},
    {Coupling::Fair, 74.5, kUs, 1.0f, "1.00"},
    {Coupling::Fair, 75, kUs, 1.0f, "1.00"},
    {Coupling::Fair, 0, kMetric, 0.95f, "0.95"},
    {Coupling::Fair, 30, kMetric, 0.95f, "0.95"},
    {Coupling::Fair, 74.5, kMetric, 0.95f, "0.95"},
    {Coupling::Fair, 74.999, kMetric, 0.95f, "0.95"},
    {Coupling::Fair, 75, kMetric, 1.0f, "1.00"},
    {Coupling::Fair, 200, kMetric, 1.0f, "1.00"},
};

const char* Name(Coupling c) {
    switch (c) {
    case Coupling::Good:
        return "Good";
    case Coupling::Fair:
        return "Fair";
    case Coupling::Poor:
        return "Poor";
    }
    return "?";
}

TEST(CouplingRule, EveryCouplingAndThreshold) {
    for (const auto& c : kCmCases) {
        SCOPED_TRACE(testing::Message()
                     << Name(c.coupling) << ", V " << c.v << " " << Units(c.usCustomary));
        const float cm = lifting::CouplingMultiplier(c.coupling, c.v, c.usCustomary);
        EXPECT_EQ(cm, c.cm);
        EXPECT_EQ(Shown(cm), c.shown);
    }
}

} // namespace
