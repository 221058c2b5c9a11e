#include "support/sheet.h"

#include <gtest/gtest.h>

namespace {

TEST(Frequency, ShownThroughItsPatternWithTheMultipliers) {
    support::Sheet sheet;
    struct {
        const char* typed;
        const char* shown;
        const char* fm;
    } const cases[] = {
        {"3", "3.", "0.88"},     {"0.33", "0.3", "0.97"}, {"2.5", "2.5", "0.00"},
        {" 12 ", "12.", "0.37"}, {"1e1", "10.", "0.45"},  {"0", "0.", "1.00"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(sheet.enter("Picture18", c.typed).shown);
        EXPECT_EQ(sheet.cell("Picture18"), c.shown) << c.typed;
        EXPECT_EQ(sheet.cell("Picture19"), c.fm) << c.typed;
        EXPECT_EQ(sheet.cell("Picture20"), c.fm) << c.typed;
        EXPECT_EQ(sheet.form().myvalueFR, c.typed);
    }
}

TEST(Frequency, ZeroSelectsTheFirstRowByDuration) {
    support::Sheet sheet;
    for (const auto& [option, fm] : {std::pair{"Option1", "1.00"}, std::pair{"Option2", "0.95"},
                                     std::pair{"Option3", "0.85"}}) {
        sheet.click(option);
        ASSERT_TRUE(sheet.enter("Label24", "0").shown);
        EXPECT_EQ(sheet.cell("Picture18"), "0.");
        EXPECT_EQ(sheet.cell("Picture19"), fm) << option;
        EXPECT_EQ(sheet.cell("Picture20"), fm) << option;
    }
}

TEST(Frequency, DurationClickBeforeAnyFrequency) {
    support::Sheet sheet;
    sheet.click("Option2");
    EXPECT_EQ(sheet.cell("Picture19"), "0.95");
    EXPECT_EQ(sheet.cell("Picture20"), "0.95");
    EXPECT_EQ(sheet.cell("Picture18"), "");
    EXPECT_EQ(sheet.form().fMvardo, 0.95f);
}

TEST(Frequency, VerticalSplitByDuration) {
    support::Sheet sheet;
    sheet.enter("Picture4", "20");
    sheet.enter("Picture6", "40");
    // Right after the entry, each end by its own V.
    sheet.enter("Picture18", "13");
    EXPECT_EQ(sheet.cell("Picture19"), "0.00");
    EXPECT_EQ(sheet.cell("Picture20"), "0.34");
    sheet.enter("Picture18", "9");
    sheet.click("Option3");
    EXPECT_EQ(sheet.cell("Picture19"), "0.00");
    EXPECT_EQ(sheet.cell("Picture20"), "0.15");
    sheet.click("Option1");
    EXPECT_EQ(sheet.cell("Picture19"), "0.52");
    EXPECT_EQ(sheet.cell("Picture20"), "0.52");
    EXPECT_EQ(sheet.cell("Picture18"), "9.");
}

TEST(Frequency, UnitSwitchClearsFmAndKeepsTheDuration) {
    support::Sheet sheet;
    sheet.enter("Picture4", "50");
    sheet.enter("Picture6", "80");
    sheet.click("Option2");
    sheet.enter("Picture18", "12");
    EXPECT_EQ(sheet.cell("Picture19"), "0.21"); // 50 in is high
    sheet.click("Option10");
    EXPECT_EQ(sheet.cell("Picture19"), "");
    EXPECT_EQ(sheet.form().fMvardo, 0.0f);
    // 50 cm is low, 80 cm high, under the duration still selected.
    sheet.enter("Picture4", "50");
    sheet.enter("Picture6", "80");
    sheet.enter("Picture18", "12");
    EXPECT_EQ(sheet.cell("Picture19"), "0.00");
    EXPECT_EQ(sheet.cell("Picture20"), "0.21");
}

TEST(Frequency, NoCascadeFromALaterVerticalEntry) {
    support::Sheet sheet;
    sheet.enter("Picture4", "40");
    sheet.enter("Picture6", "40");
    sheet.enter("Picture18", "13");
    EXPECT_EQ(sheet.cell("Picture19"), "0.34");
    sheet.enter("Picture4", "10"); // would be low: 0.00
    EXPECT_EQ(sheet.cell("Picture19"), "0.34");
    EXPECT_EQ(sheet.form().fMvardo, 0.34f);
    EXPECT_EQ(sheet.cell("Picture12"), "0.85");
    // The duration click reselects from the new location.
    sheet.click("Option2");
    sheet.click("Option1");
    EXPECT_EQ(sheet.cell("Picture19"), "0.00");
}

} // namespace
