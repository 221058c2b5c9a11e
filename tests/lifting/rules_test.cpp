#include "lifting/numbers.h"
#include "lifting/rules.h"
#include "support/rules.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

namespace {

using support::kMetric;
using support::kUs;
using support::Shown;
using support::Units;

// HM from the typed number, the way an entry stores and shows it.
float StoredHm(double typed, lifting::Units usCustomary) {
    return lifting::ToSingle(
        lifting::HorizontalMultiplier(lifting::WholeNumberH(typed), usCustomary));
}

// --- HM --------------------------------------------------------------------

struct HmBandCase {
    int h;
    double published; // HM of the published table, three decimals
    const char* shown;
};

// The U.S. customary band between the flat part and the cut-off.
const HmBandCase kUsBand[] = {
    {11, 0.909, "0.91"}, {12, 0.833, "0.83"}, {13, 0.769, "0.77"}, {14, 0.714, "0.71"},
    {15, 0.667, "0.67"}, {16, 0.625, "0.63"}, {17, 0.588, "0.59"}, {18, 0.556, "0.56"},
    {19, 0.526, "0.53"}, {20, 0.500, "0.50"}, {21, 0.476, "0.48"}, {22, 0.46, "0.46"},
    {23, 0.44, "0.44"},  {24, 0.417, "0.42"}, {25, 0.400, "0.40"},
};

TEST(HorizontalRule, UsCustomaryBandFollowsThePublishedTable) {
    for (const auto& c : kUsBand) {
        const float hm = StoredHm(c.h, kUs);
        EXPECT_NEAR(hm, c.published, 0.0005) << "H " << c.h << " in";
        EXPECT_EQ(Shown(hm), c.shown) << "H " << c.h << " in";
    }
}

TEST(HorizontalRule, FixedValuesAtTwentyTwoAndTwentyThreeInches) {
    // Not 10/22 and 10/23: the table's own two-decimal values.
    EXPECT_EQ(StoredHm(22, kUs), 0.46f);
    EXPECT_EQ(StoredHm(23, kUs), 0.44f);
}

struct HmCase {
    double typed;
    lifting::Units usCustomary;
    int whole; // H after rounding and clamping
    double hm; // exact value of the rule
    const char* shown;
};

const HmCase kHmCases[] = {
    // Band edges, U.S. customary.
    {0, kUs, 0, 1.0, "1.00"},
    {10, kUs, 10, 1.0, "1.00"},
    {11, kUs, 11, 10.0 / 11, "0.91"},
    {25, kUs, 25, 0.4, "0.40"},
    {26, kUs, 26, 0.0, "0.00"},
    {-5, kUs, -5, 1.0, "1.00"},
    // Band edges, metric; 22 and 23 have no fixed value here.
    {0, kMetric, 0, 1.0, "1.00"},
    {22, kMetric, 22, 1.0, "1.00"},
    {23, kMetric, 23, 1.0, "1.00"},
    {25, kMetric, 25, 1.0, "1.00"},
    {26, kMetric, 26, 25.0 / 26, "0.96"},
    {63, kMetric, 63, 25.0 / 63, "0.40"},
    {64, kMetric, 64, 0.0, "0.00"},
    {-5, kMetric, -5, 1.0, "1.00"},
    // H is rounded, halves to even, before the rules.
    {10.5, kUs, 10, 1.0, "1.00"},
    {11.5, kUs, 12, 10.0 / 12, "0.83"},
    {21.5, kUs, 22, 0.46, "0.46"},
    {22.5, kUs, 22, 0.46, "0.46"},
    {23.5, kUs, 24, 10.0 / 24, "0.42"},
    {25.5, kUs, 26, 0.0, "0.00"},
    {10.4, kUs, 10, 1.0, "1.00"},
    {10.6, kUs, 11, 10.0 / 11, "0.91"},
    {25.5, kMetric, 26, 25.0 / 26, "0.96"},
    {63.5, kMetric, 64, 0.0, "0.00"},
    {62.5, kMetric, 62, 25.0 / 62, "0.40"},
    {-10.5, kUs, -10, 1.0, "1.00"},
    // Beyond 16 bits the whole number is clamped, so a huge H is far out of
    // reach and a hugely negative one is close in.
    {1e10, kUs, 32767, 0.0, "0.00"},
    {1e10, kMetric, 32767, 0.0, "0.00"},
    {-1e10, kUs, -32768, 1.0, "1.00"},
    {-1e10, kMetric, -32768, 1.0, "1.00"},
    {32767.5, kUs, 32767, 0.0, "0.00"},
    {32768, kMetric, 32767, 0.0, "0.00"},
    {-32768.5, kUs, -32768, 1.0, "1.00"},
    {-32769, kMetric, -32768, 1.0, "1.00"},
    {DBL_MAX, kUs, 32767, 0.0, "0.00"},
    {-DBL_MAX, kMetric, -32768, 1.0, "1.00"},
};

TEST(HorizontalRule, WholeNumberThenMultiplier) {
    for (const auto& c : kHmCases) {
        SCOPED_TRACE(testing::Message() << "typed H " << c.typed << " " << Units(c.usCustomary));
        const std::int16_t whole = lifting::WholeNumberH(c.typed);
        EXPECT_EQ(whole, c.whole);
        const float hm = lifting::ToSingle(lifting::HorizontalMultiplier(whole, c.usCustomary));
        EXPECT_EQ(hm, static_cast<float>(c.hm));
        EXPECT_EQ(Shown(hm), c.shown);
    }
}

TEST(HorizontalRule, EveryWholeNumberGivesAShowableMultiplier) {
    // The divisions of the rules never see a divisor outside their band.
    for (lifting::Units us : {kUs, kMetric}) {
        for (int h = -32768; h <= 32767; ++h) {
            const double hm = lifting::HorizontalMultiplier(static_cast<std::int16_t>(h), us);
            ASSERT_TRUE(hm >= 0.0 && hm <= 1.0) << "H " << h << " " << Units(us) << " gives " << hm;
        }
    }
}

// --- VM --------------------------------------------------------------------

struct VmCase {
    float v;
    lifting::Units usCustomary;
    double vm;
    const char* shown;
};

const VmCase kVmCases[] = {
    // U.S. customary.
    {30, kUs, 1.0, "1.00"},
    {10, kUs, 0.85, "0.85"},
    {50, kUs, 0.85, "0.85"},
    {70, kUs, 0.70, "0.70"}, // the limit itself still uses the formula
    {70.5f, kUs, 0.0, "0.00"},
    {175, kUs, 0.0, "0.00"},
    {0, kUs, 0.78, "0.78"}, // not the 0.775 of the formula
    {30.5f, kUs, 0.99625, "1.00"},
    {44, kUs, 0.895, "0.90"},
    {-10, kUs, 0.70, "0.70"},
    {-103, kUs, 0.0025, "0.00"},
    {-110, kUs, -0.05, "-0.05"},
    {-1000, kUs, -6.725, "-6.73"},
    // Metric.
    {75, kMetric, 1.0, "1.00"},
    {25, kMetric, 0.85, "0.85"},
    {125, kMetric, 0.85, "0.85"},
    {175, kMetric, 0.70, "0.70"},
    {175.5f, kMetric, 0.0, "0.00"},
    {0, kMetric, 0.78, "0.78"}, // not the 0.775 of the formula
    {70.5f, kMetric, 0.9865, "0.99"},
    {30, kMetric, 0.865, "0.87"},
    {-10, kMetric, 0.745, "0.75"},
    {-258, kMetric, 0.001, "0.00"},
    {-325, kMetric, -0.2, "-0.20"},
};

TEST(VerticalRule, LimitsZeroFractionsAndNegatives) {
    for (const auto& c : kVmCases) {
        SCOPED_TRACE(testing::Message() << "V " << c.v << " " << Units(c.usCustomary));
        const float vm = lifting::ToSingle(lifting::VerticalMultiplier(c.v, c.usCustomary));
        EXPECT_FLOAT_EQ(vm, static_cast<float>(c.vm));
        EXPECT_EQ(Shown(vm), c.shown);
    }
}

TEST(VerticalRule, TurnsNegativeFarBelowTheFloor) {
    // The formula has no lower bound: VM crosses zero near -103.3 in and
    // -258.3 cm.
    EXPECT_GT(lifting::VerticalMultiplier(-103.0f, kUs), 0.0);
    EXPECT_LT(lifting::VerticalMultiplier(-104.0f, kUs), 0.0);
    EXPECT_GT(lifting::VerticalMultiplier(-258.0f, kMetric), 0.0);
    EXPECT_LT(lifting::VerticalMultiplier(-259.0f, kMetric), 0.0);
}

TEST(VerticalRule, JustAboveTheLimitIsZero) {
    const float aboveUs = std::nextafter(70.0f, 100.0f);
    const float aboveMetric = std::nextafter(175.0f, 200.0f);
    EXPECT_EQ(lifting::VerticalMultiplier(aboveUs, kUs), 0.0);
    EXPECT_EQ(lifting::VerticalMultiplier(aboveMetric, kMetric), 0.0);
    EXPECT_EQ(lifting::VerticalMultiplier(FLT_MAX, kUs), 0.0);
    EXPECT_EQ(lifting::VerticalMultiplier(FLT_MAX, kMetric), 0.0);
}

// --- AM --------------------------------------------------------------------

struct AmCase {
    double angle;
    double am;
    const char* shown;
};

const AmCase kAmCases[] = {
    {0, 1.0, "1.00"},      {30, 0.904, "0.90"},  {90, 0.712, "0.71"},
    {135, 0.568, "0.57"}, // the limit itself still uses the formula
    {135.5, 0.0, "0.00"},  {180, 0.0, "0.00"},   {45.5, 0.8544, "0.85"},
    {0.5, 0.9984, "1.00"}, {-30, 1.096, "1.10"}, {-1000, 4.2, "4.20"},
};

TEST(AsymmetryRule, FormulaUpToTheLimitThenZero) {
    for (const auto& c : kAmCases) {
        SCOPED_TRACE(testing::Message() << "A " << c.angle << " degrees");
        const float am = lifting::ToSingle(lifting::AsymmetricMultiplier(c.angle));
        EXPECT_FLOAT_EQ(am, static_cast<float>(c.am));
        EXPECT_EQ(Shown(am), c.shown);
    }
}

TEST(AsymmetryRule, JustAboveTheLimitIsZero) {
    EXPECT_EQ(lifting::AsymmetricMultiplier(std::nextafter(135.0, 200.0)), 0.0);
    EXPECT_EQ(lifting::AsymmetricMultiplier(DBL_MAX), 0.0);
}

} // namespace
