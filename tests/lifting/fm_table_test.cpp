#include "lifting/fm_table.h"
#include "lifting/numbers.h"
#include "support/rules.h"

#include <gtest/gtest.h>

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <string>

using lifting::Duration;

namespace {

using support::kMetric;
using support::kUs;

constexpr std::array kDurations{Duration::UpToOneHour, Duration::UpToTwoHours,
                                Duration::UpToEightHours};

const char* Name(Duration d) {
    switch (d) {
    case Duration::UpToOneHour:
        return "<= 1 Hours";
    case Duration::UpToTwoHours:
        return "> 1 but <= 2 Hours";
    case Duration::UpToEightHours:
        return ">2 but <= 8 Hours";
    }
    return "?";
}

// The table number as the cell shows it, two decimals.
std::string TwoDecimals(double tableNumber) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", tableNumber);
    return text;
}

struct Pair {
    double low;
    double high;
};

struct FmCase {
    double f;
    std::array<Pair, 3> cells; // by duration, in the order of kDurations
};

// Each row bound and each whole-number row, with the expected two-decimal
// numbers for V low and V high.
const FmCase kFmCases[] = {
    {-5, {{{1.00, 1.00}, {0.95, 0.95}, {0.85, 0.85}}}},
    {-0.1, {{{1.00, 1.00}, {0.95, 0.95}, {0.85, 0.85}}}},
    {0, {{{1.00, 1.00}, {0.95, 0.95}, {0.85, 0.85}}}},
    {0.1, {{{1.00, 1.00}, {0.95, 0.95}, {0.85, 0.85}}}},
    {0.2, {{{1.00, 1.00}, {0.95, 0.95}, {0.85, 0.85}}}},
    {0.21, {{{0.97, 0.97}, {0.92, 0.92}, {0.81, 0.81}}}},
    {0.5, {{{0.97, 0.97}, {0.92, 0.92}, {0.81, 0.81}}}},
    {0.51, {{{0.94, 0.94}, {0.88, 0.88}, {0.75, 0.75}}}},
    {1, {{{0.94, 0.94}, {0.88, 0.88}, {0.75, 0.75}}}},
    {1.01, {{{0.00, 0.00}, {0.00, 0.00}, {0.00, 0.00}}}},
    {1.5, {{{0.00, 0.00}, {0.00, 0.00}, {0.00, 0.00}}}},
    {2, {{{0.91, 0.91}, {0.84, 0.84}, {0.65, 0.65}}}},
    {2.5, {{{0.00, 0.00}, {0.00, 0.00}, {0.00, 0.00}}}},
    {3, {{{0.88, 0.88}, {0.79, 0.79}, {0.55, 0.55}}}},
    {4, {{{0.84, 0.84}, {0.72, 0.72}, {0.45, 0.45}}}},
    {5, {{{0.80, 0.80}, {0.60, 0.60}, {0.35, 0.35}}}},
    {6, {{{0.75, 0.75}, {0.50, 0.50}, {0.27, 0.27}}}},
    {7, {{{0.70, 0.70}, {0.42, 0.42}, {0.22, 0.22}}}},
    {8, {{{0.60, 0.60}, {0.35, 0.35}, {0.18, 0.18}}}},
    {9, {{{0.52, 0.52}, {0.30, 0.30}, {0.00, 0.15}}}},
    {9.9, {{{0.00, 0.00}, {0.00, 0.00}, {0.00, 0.00}}}},
    {10, {{{0.45, 0.45}, {0.26, 0.26}, {0.00, 0.13}}}},
    {11, {{{0.41, 0.41}, {0.00, 0.23}, {0.00, 0.00}}}},
    {12, {{{0.37, 0.37}, {0.00, 0.21}, {0.00, 0.00}}}},
    {13, {{{0.00, 0.34}, {0.00, 0.00}, {0.00, 0.00}}}},
    {14, {{{0.00, 0.31}, {0.00, 0.00}, {0.00, 0.00}}}},
    {14.9, {{{0.00, 0.00}, {0.00, 0.00}, {0.00, 0.00}}}},
    {15, {{{0.00, 0.28}, {0.00, 0.00}, {0.00, 0.00}}}},
    {15.5, {{{0.00, 0.00}, {0.00, 0.00}, {0.00, 0.00}}}},
    {16, {{{0.00, 0.00}, {0.00, 0.00}, {0.00, 0.00}}}},
    {1e300, {{{0.00, 0.00}, {0.00, 0.00}, {0.00, 0.00}}}},
};

TEST(FrequencyTable, EveryRowBoundInEveryDuration) {
    for (const auto& c : kFmCases) {
        for (std::size_t d = 0; d < kDurations.size(); ++d) {
            for (bool high : {false, true}) {
                const double number = high ? c.cells[d].high : c.cells[d].low;
                const float fm = lifting::FrequencyMultiplier(c.f, kDurations[d], high);
                // Stored as the float nearest the two-decimal number, not a
                // value that merely prints like it.
                EXPECT_EQ(fm, static_cast<float>(number))
                    << "F " << c.f << ", " << Name(kDurations[d]) << ", V "
                    << (high ? "high" : "low");
                EXPECT_EQ(lifting::Format(fm, lifting::Pattern::TwoDecimals).toStdString(),
                          TwoDecimals(number))
                    << "F " << c.f << ", " << Name(kDurations[d]);
            }
        }
    }
}

TEST(FrequencyTable, ZeroIsExactlyZero) {
    for (Duration d : kDurations) {
        const float fm = lifting::FrequencyMultiplier(16, d, true);
        EXPECT_EQ(fm, 0.0f) << Name(d);
        EXPECT_FALSE(std::signbit(fm)) << Name(d);
    }
}

struct ClassCase {
    double v;
    lifting::Units usCustomary;
    bool high;
};

const ClassCase kClassCases[] = {
    {29.9, kUs, false},     {30, kUs, true},        {std::nextafter(30.0, 0.0), kUs, false},
    {74.9, kMetric, false}, {75, kMetric, true},    {std::nextafter(75.0, 0.0), kMetric, false},
    {74.5, kMetric, false}, {50, kUs, true},        {50, kMetric, false},
    {0, kUs, false},        {0, kMetric, false},    {-30, kUs, false},
    {1000, kMetric, true},  {-DBL_MAX, kUs, false}, {DBL_MAX, kMetric, true},
};

TEST(FrequencyTable, VerticalClassAtTheThreshold) {
    for (const auto& c : kClassCases)
        EXPECT_EQ(lifting::IsHigh(c.v, c.usCustomary), c.high)
            << "V " << c.v << " " << support::Units(c.usCustomary);
}

struct SplitCase {
    double f;
    Duration duration;
    double high; // the low class gives 0
};

// The only cells where FM depends on V.
const SplitCase kSplits[] = {
    {9, Duration::UpToEightHours, 0.15}, {10, Duration::UpToEightHours, 0.13},
    {11, Duration::UpToTwoHours, 0.23},  {12, Duration::UpToTwoHours, 0.21},
    {13, Duration::UpToOneHour, 0.34},   {14, Duration::UpToOneHour, 0.31},
    {15, Duration::UpToOneHour, 0.28},
};

TEST(FrequencyTable, EachSplitAtTheThresholdInBothUnitSystems) {
    struct Threshold {
        lifting::Units usCustomary;
        double below;
        double at;
    };
    const Threshold thresholds[] = {{kUs, 29.9, 30}, {kMetric, 74.9, 75}};
    for (const auto& s : kSplits) {
        for (const auto& t : thresholds) {
            SCOPED_TRACE(testing::Message() << "F " << s.f << ", " << Name(s.duration) << ", "
                                            << support::Units(t.usCustomary));
            const float below = lifting::FrequencyMultiplier(
                s.f, s.duration, lifting::IsHigh(t.below, t.usCustomary));
            const float at =
                lifting::FrequencyMultiplier(s.f, s.duration, lifting::IsHigh(t.at, t.usCustomary));
            EXPECT_EQ(below, 0.0f) << "V " << t.below;
            EXPECT_EQ(at, static_cast<float>(s.high)) << "V " << t.at;
        }
    }
}

} // namespace
