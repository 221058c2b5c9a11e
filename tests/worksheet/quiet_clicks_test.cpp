// Every event not in the wiring table does nothing. A click on any
// control of the roster that has no row opens no dialog and changes no cell,
// no caption and no worksheet variable.
#include "lifting/latin1.h"
#include "support/sheet.h"
#include "window/roster.h"
#include "window/wiring.h"
#include "worksheet/sheet_state.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool Wired(std::string_view control) {
    const auto wiring = window::Wiring();
    return std::any_of(wiring.begin(), wiring.end(),
                       [control](const window::Wire& w) { return w.control == control; });
}

TEST(QuietClicks, EveryUnwiredControlDoesNothing) {
    support::Sheet sheet;
    advice_test::MarkEverything(sheet);
    int walked = 0;
    for (const window::Control& c : window::Roster()) {
        if (Wired(c.name))
            continue;
        const QString name = lifting::Latin1(c.name);
        const auto before = advice_test::Capture(sheet);
        {
            auto responder = harness::Responder::Close();
            sheet.click(name);
            const harness::Modal& seen = responder->seen();
            EXPECT_FALSE(seen.shown) << name.toStdString() << " opened " << seen.kind.toStdString()
                                     << " \"" << seen.title.toStdString() << "\"";
        }
        advice_test::ExpectSame(before, advice_test::Capture(sheet), name);
        ++walked;
    }
    // Whatever the other handlers wire, the result cells, the frames, the
    // headings and the row labels stay unwired.
    EXPECT_GE(walked, 60);
}

TEST(QuietClicks, ResultsFramesHeadingsAndRowLabelsAreUnwired) {
    for (const char* control :
         {"Picture10", "Picture12", "Picture14", "Picture16", "Picture19", "Picture21", "Picture23",
          "Picture25", "Picture27", "Picture28", "Frame1",    "Frame3",    "Frame4",    "Label1",
          "Label2",    "Label3",    "Label6",    "Label15",   "Label27",   "Label36",   "Label45",
          "Label46",   "Label37",   "Label38",   "Line3"})
        EXPECT_FALSE(Wired(control)) << control;
}

} // namespace
