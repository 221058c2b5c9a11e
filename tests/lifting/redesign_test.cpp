#include "lifting/multitask.h"
#include "lifting/redesign.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using lifting::Entry;
using lifting::Factor;

// The published dish-washer job (U.S. customary, up to 1 hour, Good), with H
// as given at both ends.
lifting::SheetEngine DishWasher(const char* h) {
    lifting::Job job;
    for (const auto& [entry, text] : {std::pair{Entry::LoadAvg, "20"},
                                      {Entry::LoadMax, "20"},
                                      {Entry::OriginH, h},
                                      {Entry::OriginV, "44"},
                                      {Entry::DestinationH, h},
                                      {Entry::DestinationV, "7"},
                                      {Entry::OriginA, "30"},
                                      {Entry::DestinationA, "30"},
                                      {Entry::Frequency, "5"}})
        job[entry] = QString::fromLatin1(text);
    lifting::SheetEngine sheet;
    sheet.EnterJob(job, true);
    return sheet;
}

struct Expected {
    const char* name;
    std::vector<std::pair<Factor, const char*>> ifIdeal; // smallest multiplier first
    const char* heaviest;
    std::optional<double> highestFrequency;
};

std::string Text(std::optional<float> index) {
    return lifting::IndexText(index).toStdString();
}

// By hand: HM 0.50, VM 0.895 and 0.8275, DM 1.8/37 + 0.82 = 0.8686, AM 0.904,
// FM 0.80, CM 1.00; RWL 14.34 and 13.26 lb, LI 1.395 and 1.509. Each factor
// at 1.00 gives LI x m: at the origin 1.395 x 0.50 = 0.70, x 0.80 = 1.12, ...
// No frequency brings LI / FM x FM(F) to 1.0: even FM 1.00 leaves 1.12 and
// 1.21. With H 10: LI 0.697 and 0.754, so FM(F) must be at least 0.558 and
// 0.604: 8 lifts/min (0.60) and 7 (0.70).
TEST(Redesign, DishWasherGuidanceWorkedByHand) {
    const std::array<std::pair<const char*, std::array<Expected, 2>>, 2> cases{{
        {"20",
         {{{"origin",
            {{Factor::Hm, "0.70"},
             {Factor::Fm, "1.12"},
             {Factor::Dm, "1.21"},
             {Factor::Vm, "1.25"},
             {Factor::Am, "1.26"},
             {Factor::Cm, "1.39"}},
            "14.3",
            std::nullopt},
           {"destination",
            {{Factor::Hm, "0.75"},
             {Factor::Fm, "1.21"},
             {Factor::Vm, "1.25"},
             {Factor::Dm, "1.31"},
             {Factor::Am, "1.36"},
             {Factor::Cm, "1.51"}},
            "13.3",
            std::nullopt}}}},
        {"10", {{{"origin", {}, "28.7", 8.0}, {"destination", {}, "26.5", 7.0}}}},
    }};
    for (const auto& [h, ends] : cases) {
        const auto advice = lifting::Redesign(DishWasher(h));
        ASSERT_TRUE(advice);
        for (std::size_t e = 0; e < 2; ++e) {
            const lifting::EndAdvice& end = (*advice)[e];
            const Expected& expected = ends[e];
            SCOPED_TRACE(std::string("H ") + h + ", " + expected.name);
            EXPECT_EQ(lifting::RwlText(end.heaviest).toStdString(), expected.heaviest);
            EXPECT_EQ(end.highestFrequency, expected.highestFrequency);
            for (std::size_t i = 0; i < expected.ifIdeal.size(); ++i) {
                EXPECT_EQ(end.factors[i].factor, expected.ifIdeal[i].first) << i;
                EXPECT_EQ(Text(end.factors[i].indexIfIdeal), expected.ifIdeal[i].second) << i;
            }
        }
    }
}

// A change of V moves more than VM. Origin V 44 -> 30: VM 1.00, and D 23 so
// DM 1.8/23 + 0.82 = 0.898: RWL 25.5 x 0.898 x 0.904 x 0.80 = 16.57, LI 1.21
// (VM alone at 1.00 would give 1.25). D 37 -> 10 by destination V 7 -> 34:
// VM 0.97 there, DM 1.00, RWL 17.89, LI 1.12.
TEST(Redesign, ChangeOfAnEntryIsWorkedOutWithEverythingItFeeds) {
    const auto advice = lifting::Redesign(DishWasher("20"));
    ASSERT_TRUE(advice);
    const auto find = [](const lifting::EndAdvice& end, Factor factor) {
        return *std::find_if(end.factors.begin(), end.factors.end(),
                             [&](const lifting::FactorAdvice& f) { return f.factor == factor; });
    };
    const lifting::FactorAdvice v = find((*advice)[0], Factor::Vm);
    EXPECT_EQ(v.changeWords.toStdString(), "V at the origin 44 → 30 in");
    EXPECT_EQ(Text(v.indexAfterChange), "1.21");
    EXPECT_FALSE(v.shares.isEmpty());
    const lifting::FactorAdvice d = find((*advice)[1], Factor::Dm);
    EXPECT_EQ(d.changeWords.toStdString(), "V at the destination 7 → 34 in");
    EXPECT_EQ(Text(d.indexAfterChange), "1.12");
    // Good coupling is already the ideal: nothing to try.
    EXPECT_FALSE(find((*advice)[0], Factor::Cm).change);
}

// No guidance from results that no longer follow the entries; where an end
// has no index, why instead of numbers.
TEST(Redesign, StaleSheetGivesNoneAndAnEndWithoutIndexSaysWhy) {
    lifting::SheetEngine sheet = DishWasher("20");
    sheet.Enter(Entry::OriginH, QStringLiteral("15"));
    EXPECT_FALSE(lifting::Redesign(sheet));
    sheet.Enter(Entry::DestinationH, QStringLiteral("30"));
    sheet.Calculate();
    const auto advice = lifting::Redesign(sheet);
    ASSERT_TRUE(advice);
    // HM 10/15 = 0.667: RWL 14.34 / 0.50 x 0.667 = 19.12, LI 1.05.
    EXPECT_EQ(Text((*advice)[0].index), "1.05");
    EXPECT_FALSE((*advice)[1].index);
    EXPECT_EQ((*advice)[1].whyNoIndex.toStdString(),
              "H at the destination 30 in is beyond 25 in: HM 0");
    EXPECT_TRUE((*advice)[1].factors.empty());
}

} // namespace
