// The advice boxes through the real window: each advice caption opens its box with the
// exact title and text, one OK button and no icon, and changes nothing.
#include "support/sheet.h"
#include "window/fonts.h"
#include "worksheet/advice.h"
#include "worksheet/sheet_state.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using advice_test::Capture;
using advice_test::ExpectSame;
using advice_test::MarkEverything;

// Written out here byte for byte, independently of the table in
// src/worksheet/advice.cpp: lines joined by "\n", trailing spaces kept, no final line feed.
struct Case {
    const char* id;
    const char* control;
    bool metric; // switch to metric (Option10) before the click
    const char* title;
    const char* text;
};

const Case kCases[] = {
    {"Hm", "Label20", false, "HM Suggestions",
     "Bring the load closer to the worker by \n"
     "removing any horizontal barriers or reducing \n"
     "the size of the object. Lifts near the floor\n"
     "should be avoided; if unavoidable, the object\n"
     "should fit easily between the legs."},
    {"Vm", "Label21", false, "VM Suggestions",
     "Raise/lower the origin/destination of the lift.\n"
     "Avoid lifting near the floor or above the\n"
     "shoulders."},
    {"Dm", "Label22", false, "DM Suggestions",
     "Reduce the vertical distance between the\n"
     "origin and the destination of the lift."},
    {"Am", "Label23", false, "AM Suggestions",
     "Move the origin and destination of the lift\n"
     "closer together to reduce the angle of twist,\n"
     "or move the origin and destination further\n"
     "apart to force the worker to turn the feet\n"
     "and step, rather than twist the body."},
    {"Fm", "Label25", false, "FM Suggestions",
     "Reduct the lifting frequency rate, reduce the\n"
     "lifting duration, or provide longer recovery\n"
     "periods (i.e., light work period)."},
    {"Cm", "Label26", false, "CM Suggestions",
     "Improve the hand-to-object coupling by\n"
     "provideing optimal containers with handles or\n"
     "handhold cutouts, or improve the handholds\n"
     "for irregular objects."},
    {"Lc", "Label29", false, "LC Suggestions",
     "Load Constant\n"
     "U.S. COUTOMARY 51 LB\n"
     "METRIC 23 KG"},
    {"Rwl", "Label28", false, "RWL Suggestions",
     "Eliminate the need for significant control of\n"
     "the object at the destination by redesigning\n"
     "the job or modifying the container/object\n"
     "characteriestics."},
    {"VerticalDistanceUs", "Label13", false, "Vertical Distance Value",
     "The number come from Hand Location(in)\n"
     "Abs value between Origin V - Detination V"},
    {"VerticalDistanceMetric", "Label13", true, "Vertical Distance Value",
     "The number come from Hand Location(cm)\n"
     "Abs value between Origin V - Detination V"},
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.id;
}

const char* TextOf(const char* id) {
    for (const Case& c : kCases) {
        if (std::string(c.id) == id)
            return c.text;
    }
    return nullptr;
}

std::string Bytes(const QString& text) {
    return text.toStdString();
}

void ExpectAdviceBox(const harness::Modal& seen, const char* title, const char* text) {
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.kind, "message");
    EXPECT_EQ(Bytes(seen.title), title);
    EXPECT_EQ(Bytes(seen.message), text);
    EXPECT_EQ(seen.buttons, QStringList{"OK"});
    EXPECT_FALSE(seen.hasIcon);
    // In the sheet's own face, whatever the desktop's.
    EXPECT_EQ(seen.font, window::FontFor(window::Face::Default).toString());
}

class AdviceBox : public ::testing::TestWithParam<Case> {};

TEST_P(AdviceBox, ClickOnItsCaptionShowsItExactlyAndChangesNothing) {
    const Case& c = GetParam();
    support::Sheet sheet;
    if (c.metric)
        sheet.click("Option10");
    MarkEverything(sheet);
    const auto before = Capture(sheet);

    const harness::Modal seen = sheet.closeBox(c.control);

    ExpectAdviceBox(seen, c.title, c.text);
    ExpectSame(before, Capture(sheet), c.control);
    // The window takes clicks again once the box is closed.
    EXPECT_TRUE(sheet.closeBox(c.control).shown);
}

INSTANTIATE_TEST_SUITE_P(EveryAdviceCaption, AdviceBox, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.id); });

TEST(AdviceBox, LineEndsAsDesigned) {
    support::Sheet sheet;
    const std::string hm = Bytes(sheet.closeBox("Label20").message);
    EXPECT_EQ(hm.substr(0, hm.find('\n') + 1), "Bring the load closer to the worker by \n");
    const std::string cm = Bytes(sheet.closeBox("Label26").message);
    EXPECT_EQ(cm.substr(0, cm.find('\n') + 1), "Improve the hand-to-object coupling by\n");
    for (const char* control : {"Label13", "Label20", "Label21", "Label22", "Label23", "Label25",
                                "Label26", "Label28", "Label29"}) {
        const std::string text = Bytes(sheet.closeBox(control).message);
        EXPECT_EQ(text.find('\r'), std::string::npos) << control;
        EXPECT_NE(text.back(), '\n') << control;
        EXPECT_EQ(text.find("\n\n"), std::string::npos) << control;
    }
}

TEST(AdviceBox, TheThreeRwlCaptionsShowTheSameBox) {
    support::Sheet sheet;
    for (const char* control : {"Label28", "Label30", "Label31"}) {
        SCOPED_TRACE(control);
        ExpectAdviceBox(sheet.closeBox(control), "RWL Suggestions", TextOf("Rwl"));
    }
}

TEST(AdviceBox, VerticalDistanceNoteFollowsTheUnitsAtTheClick) {
    support::Sheet sheet;
    ExpectAdviceBox(sheet.closeBox("Label13"), "Vertical Distance Value",
                    TextOf("VerticalDistanceUs"));
    sheet.click("Option10");
    ExpectAdviceBox(sheet.closeBox("Label13"), "Vertical Distance Value",
                    TextOf("VerticalDistanceMetric"));
    ExpectAdviceBox(sheet.closeBox("Label13"), "Vertical Distance Value",
                    TextOf("VerticalDistanceMetric"));
    sheet.click("Option9");
    ExpectAdviceBox(sheet.closeBox("Label13"), "Vertical Distance Value",
                    TextOf("VerticalDistanceUs"));
}

TEST(AdviceBox, LoadConstantNoteIsTheSameInBothUnitSystems) {
    support::Sheet sheet;
    const harness::Modal us = sheet.closeBox("Label29");
    sheet.click("Option10");
    const harness::Modal metric = sheet.closeBox("Label29");
    ExpectAdviceBox(us, "LC Suggestions", TextOf("Lc"));
    ExpectAdviceBox(metric, "LC Suggestions", TextOf("Lc"));
}

TEST(AdviceBox, OtherFactorCaptionsDoNotDependOnTheUnits) {
    support::Sheet sheet;
    sheet.click("Option10");
    for (const Case& c : kCases) {
        if (std::string(c.control) != "Label13")
            ExpectAdviceBox(sheet.closeBox(c.control), c.title, c.text);
    }
}

TEST(AdviceBox, DistanceCaptionShowsNoMessage) {
    support::Sheet sheet;
    const harness::Modal seen = sheet.closeBox("Label14");
    EXPECT_FALSE(seen.shown) << seen.title.toStdString() << ": " << seen.message.toStdString();
}

// The table itself: ten messages of two to five plain lines, joined simply.
TEST(AdviceTable, TenMessagesOfTwoToFiveLines) {
    const auto messages = advice::Messages();
    ASSERT_EQ(messages.size(), 10u);
    for (std::size_t i = 0; i < messages.size(); ++i) {
        const advice::Message& m = messages[i];
        EXPECT_GE(m.lines.size(), 2u) << m.title;
        EXPECT_LE(m.lines.size(), 5u) << m.title;
        for (std::string_view line : m.lines)
            EXPECT_EQ(line.find_first_of("\r\n"), std::string_view::npos) << m.title;
        EXPECT_EQ(&advice::MessageOf(m.procedure), &m);
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_NE(messages[j].procedure, m.procedure) << m.title;
    }
}

TEST(AdviceTable, JoinPutsOneLineFeedBetweenLines) {
    using Lines = std::vector<std::string_view>;
    EXPECT_EQ(advice::Join(Lines{"a ", "b", " c "}), "a \nb\n c ");
    EXPECT_EQ(advice::Join(Lines{"only"}), "only");
    EXPECT_EQ(advice::Join(Lines{}), "");
    EXPECT_EQ(advice::Join(Lines{"", ""}), "\n");
}

} // namespace
