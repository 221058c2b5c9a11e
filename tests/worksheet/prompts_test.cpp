#include "lifting/job.h"
#include "support/sheet.h"
#include "window/fonts.h"

#include <gtest/gtest.h>

#include <cfloat>

namespace {

struct PromptCase {
    const char* control;
    const char* message;
    const char* usTitle;
    const char* usDefault;
    const char* metricTitle;
    const char* metricDefault;
};

// Every control that opens a value prompt, with what the prompt shows.
const PromptCase kPrompts[] = {
    {"Label4", "Enter Number of L(AVG)", "Object Weight (Lbs)", "20", "Object Weight (KG)", "17"},
    {"Picture1", "Enter Number of L(AVG)", "Object Weight (Lbs)", "20", "Object Weight (KG)", "17"},
    {"Label5", "Enter Number of L(Max)", "Object Weight(Lbs)", "20", "Object Weight(KG)", "17"},
    {"Picture2", "Enter Number of L(Max)", "Object Weight(Lbs)", "20", "Object Weight(KG)", "17"},
    {"Label9", "Enter Number of Origin H", "Hand Locations(in)", "20", "Hand Locations(cm)", "25"},
    {"Picture3", "Enter Number of Origin H", "Hand Locations(in)", "20", "Hand Locations(cm)",
     "25"},
    {"Label11", "Enter Number of Destination H", "Hand Locations(in)", "20", "Hand Locations(cm)",
     "30"},
    {"Picture5", "Enter Number of Destination H", "Hand Locations(in)", "20", "Hand Locations(cm)",
     "30"},
    {"Label10", "Enter Number of Origin V", "Hand Locations(in)", "44", "Hand Locations(cm)", "30"},
    {"Picture4", "Enter Number of Origin V", "Hand Locations(in)", "44", "Hand Locations(cm)",
     "30"},
    {"Label12", "Enter Number of Distination V", "Hand Locations(in)", "7", "Hand Locations(cm)",
     "125"},
    {"Picture6", "Enter Number of Distination V", "Hand Locations(in)", "7", "Hand Locations(cm)",
     "125"},
    {"Label16", "Enter Number of Asymmetric Angle (degrees)", "Origin", "30", "Origin", "30"},
    {"Label18", "Enter Number of Asymmetric Angle (degrees)", "Origin", "30", "Origin", "30"},
    {"Picture8", "Enter Number of Asymmetric Angle (degrees)", "Origin", "30", "Origin", "30"},
    {"Label17", "Enter Number of Asymmetric Angle (degrees)", "Destination", "30", "Destination",
     "30"},
    {"Label19", "Enter Number of Asymmetric Angle (degrees)", "Destination", "30", "Destination",
     "30"},
    {"Picture9", "Enter Number of Asymmetric Angle (degrees)", "Destination", "30", "Destination",
     "30"},
    {"Label24", "Enter Number of Frequency Rate", "lifts/mins", "5", "lifts/mins", "5"},
    {"Picture18", "Enter Number of Frequency Rate", "lifts/mins", "5", "lifts/mins", "5"},
};

TEST(Prompts, MessageTitleAndDefaultInBothUnitSystems) {
    support::Sheet sheet;
    for (bool metric : {false, true}) {
        if (metric)
            sheet.click("Option10");
        for (const auto& c : kPrompts) {
            const harness::Modal seen = sheet.enter(c.control, "1");
            ASSERT_TRUE(seen.shown) << c.control;
            EXPECT_EQ(seen.kind, "prompt");
            EXPECT_EQ(seen.message, c.message) << c.control;
            EXPECT_EQ(seen.title, metric ? c.metricTitle : c.usTitle) << c.control;
            EXPECT_EQ(seen.defaultText, metric ? c.metricDefault : c.usDefault) << c.control;
            EXPECT_EQ(seen.font, window::FontFor(window::Face::Default).toString()) << c.control;
        }
    }
}

// The value cell and the multiplier cell of each entry, after typing a text.
struct EntryCase {
    const char* control;
    const char* typed;
    const char* valueCell;
    const char* shown;
    const char* multiplierCell;
    const char* multiplier;
};

const EntryCase kUsEntries[] = {
    {"Label9", "22", "Picture3", "22", "Picture10", "0.46"},
    {"Label11", "23", "Picture5", "23", "Picture11", "0.44"},
    {"Picture5", " 25.5 ", "Picture5", " 25.5 ", "Picture11", "0.00"},
    {"Label10", "30.5", "Picture4", "30.5", "Picture12", "1.00"},
    {"Picture6", "0", "Picture6", "0", "Picture13", "0.78"},
    {"Label12", "70.5", "Picture6", "70.5", "Picture13", "0.00"},
    {"Picture8", "45.5", "Picture8", "45.5", "Picture16", "0.85"},
    {"Label17", "135.5", "Picture9", "135.5", "Picture17", "0.00"},
};

TEST(Entries, ShowTheTextAndItsMultiplier) {
    support::Sheet sheet;
    for (const auto& c : kUsEntries) {
        ASSERT_TRUE(sheet.enter(c.control, c.typed).shown) << c.control;
        EXPECT_EQ(sheet.cell(c.valueCell), c.shown) << c.control << " " << c.typed;
        EXPECT_EQ(sheet.cell(c.multiplierCell), c.multiplier) << c.control << " " << c.typed;
    }
}

TEST(Entries, MetricUsesCentimetreRules) {
    support::Sheet sheet;
    sheet.click("Option10");
    sheet.enter("Picture3", "22");
    EXPECT_EQ(sheet.cell("Picture10"), "1.00");
    sheet.enter("Picture3", "25.5");
    EXPECT_EQ(sheet.cell("Picture10"), "0.96");
    sheet.enter("Picture5", "64");
    EXPECT_EQ(sheet.cell("Picture11"), "0.00");
    sheet.enter("Picture4", "125");
    EXPECT_EQ(sheet.cell("Picture12"), "0.85");
    sheet.enter("Picture6", "175.5");
    EXPECT_EQ(sheet.cell("Picture13"), "0.00");
}

TEST(Entries, StoreWhatTheyRead) {
    support::Sheet sheet;
    Form1& f = sheet.form();
    sheet.enter("Picture3", "11.5");
    EXPECT_EQ(Form1Access::strOriginH(f), "11.5");
    EXPECT_EQ(Form1Access::intOriginH(f), 12);
    EXPECT_EQ(f.hmVARo2, static_cast<float>(10.0 / 12));
    sheet.enter("Picture5", "21.5");
    EXPECT_EQ(Form1Access::intDestinH(f), 22);
    EXPECT_EQ(f.hmVARd2, 0.46f);
    sheet.enter("Picture4", "4.4e1");
    EXPECT_EQ(f.myvalueHOV, "4.4e1");
    EXPECT_EQ(f.vmVARo1, 44.0f);
    EXPECT_EQ(f.vmVARo2, static_cast<float>(1 - 0.0075 * 14));
    sheet.enter("Picture1", " 20 ");
    EXPECT_EQ(f.MyvalueLavg, " 20 ");
    EXPECT_EQ(sheet.cell("Picture1"), " 20 ");
    EXPECT_EQ(f.MyvalueLmax, "");
    sheet.enter("Picture2", "40");
    EXPECT_EQ(f.MyvalueLavg, " 20 ");
    EXPECT_EQ(sheet.cell("Picture2"), "40");
}

// A text that is not wholly a number of 0 or more keeps the prompt open with
// a line saying how to mend it, and changes nothing.
TEST(Entries, RefusedTextsSayWhyAndChangeNothing) {
    struct Refused {
        const char* control;
        const char* typed;
        const char* problem;
    };
    const Refused kRefused[] = {
        {"Picture3", "30,9", "Use a point for decimals: 30.9"},
        {"Picture1", "20 lb", "Type the number alone (in pounds)"},
        {"Picture4", "   ", "Nothing is typed: type a number, or Cancel"},
        {"Picture6", "", "Nothing is typed: type a number, or Cancel"},
        {"Picture18", "abc", "\"abc\" is not a number: type digits, with a point for decimals"},
        {"Picture8", "1.2.3", "\"1.2.3\" is not a number: type digits, with a point for decimals"},
        {"Picture5", "-5", "-5 is below 0: type 0 or more"},
        {"Picture9", "-30", "-30 is below 0: type 0 or more"},
        {"Picture2", "-0.5", "-0.5 is below 0: type 0 or more"},
    };
    support::Sheet sheet;
    for (const support::Entry& e : support::kWorkedJob)
        sheet.enter(e.control, e.text);
    const lifting::Job before = sheet.form().EnteredJob();
    const lifting::Shown shown = sheet.form().ShownCells();
    for (const Refused& r : kRefused) {
        EXPECT_EQ(sheet.enter(r.control, r.typed).problem, r.problem) << r.control << r.typed;
        EXPECT_TRUE(sheet.form().EnteredJob() == before) << r.control << r.typed;
        EXPECT_TRUE(sheet.form().ShownCells() == shown) << r.control << r.typed;
    }
    sheet.click("Option10");
    EXPECT_EQ(sheet.enter("Picture1", "20 lb").problem, "Type the number alone (in kilograms)");
}

TEST(Entries, CancelChangesNothing) {
    support::Sheet sheet;
    Form1& f = sheet.form();
    for (const support::Entry& e : support::kWorkedJob)
        sheet.enter(e.control, e.text);
    const float hm = f.hmVARo2;
    const lifting::Job before = f.EnteredJob();
    const lifting::Shown shown = f.ShownCells();
    for (const support::Entry& e : support::kWorkedJob) {
        ASSERT_TRUE(sheet.cancel(e.control).shown) << e.control;
        EXPECT_TRUE(f.EnteredJob() == before) << e.control;
        EXPECT_TRUE(f.ShownCells() == shown) << e.control;
    }
    EXPECT_EQ(Form1Access::strOriginH(f), "12");
    EXPECT_EQ(f.hmVARo2, hm);
}

TEST(Entries, UnitSwitchStartsAFreshSheetInTheOtherUnits) {
    support::Sheet sheet;
    Form1& f = sheet.form();
    for (const support::Entry& e : support::kWorkedJob)
        sheet.enter(e.control, e.text);
    sheet.click("Option10");
    EXPECT_EQ(f.hmVARo2, 0.0f);
    EXPECT_EQ(sheet.cell("Picture10"), "");
    EXPECT_EQ(Form1Access::strOriginH(f), "");
    lifting::Job fresh;
    fresh.units = lifting::Units::Metric;
    EXPECT_TRUE(f.EnteredJob() == fresh);
    // Nothing of the job in inches is combined with the kilograms.
    sheet.click("Command1");
    for (const char* index : {"Picture27", "Picture28"})
        EXPECT_EQ(sheet.cell(index), "N/A") << index;
}

// Typed numbers far outside any real lift still give a multiplier that
// agrees with the rules, and never an infinity.
TEST(HugeEntries, HorizontalIsClampedToSixteenBits) {
    support::Sheet sheet;
    Form1& f = sheet.form();
    sheet.enter("Picture3", "1e10");
    EXPECT_EQ(sheet.cell("Picture3"), "1e10");
    EXPECT_EQ(Form1Access::intOriginH(f), 32767);
    EXPECT_EQ(sheet.cell("Picture10"), "0.00");
    sheet.enter("Picture5", "1e999");
    EXPECT_EQ(Form1Access::intDestinH(f), 32767);
    EXPECT_EQ(sheet.cell("Picture11"), "0.00");
}

TEST(HugeEntries, VerticalAndAngleSaturateAtTheFloatRange) {
    support::Sheet sheet;
    Form1& f = sheet.form();
    sheet.enter("Picture4", "1e39");
    EXPECT_EQ(f.vmVARo1, FLT_MAX);
    EXPECT_EQ(sheet.cell("Picture12"), "0.00");
    sheet.enter("Picture6", "1e999");
    EXPECT_EQ(f.vmVARd1, FLT_MAX);
    EXPECT_EQ(sheet.cell("Picture13"), "0.00");
    sheet.enter("Picture8", "1e300");
    EXPECT_EQ(sheet.cell("Picture16"), "0.00");
    sheet.enter("Picture9", "1e300");
    EXPECT_EQ(sheet.cell("Picture17"), "0.00");
}

} // namespace
