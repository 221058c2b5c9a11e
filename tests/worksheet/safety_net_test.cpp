#include "support/sheet.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

// A procedure whose control has gone fails with a run-time error; the user is
// told, the event stops there, and the next click works.
TEST(SafetyNet, FailedControlCallIsReportedAndTheSheetStaysUsable) {
    support::Sheet sheet;
    sheet.enter("Picture3", "20");
    ASSERT_EQ(sheet.cell("Picture10"), "0.50");
    delete sheet.control("Picture10");

    auto responder = harness::Responder::Answer("12");
    auto report = harness::Responder::CloseMessageBox();
    sheet.click("Picture3");
    // The prompt came first, then the report of the failure.
    ASSERT_TRUE(responder->seen().shown);
    EXPECT_TRUE(QTest::qWaitFor([&] { return report->seen().shown; }, 1000));
    EXPECT_EQ(report->seen().kind, "message");
    EXPECT_EQ(report->seen().message,
              "Run-time error '340': Control array element '10' doesn't exist");
    EXPECT_EQ(report->seen().buttons, QStringList{"OK"});
    // Stopped where it failed: the text was shown and HM computed, nothing after.
    EXPECT_EQ(sheet.cell("Picture3"), "12");
    EXPECT_EQ(Form1Access::intOriginH(sheet.form()), 12);

    sheet.enter("Picture4", "30");
    EXPECT_EQ(sheet.cell("Picture12"), "1.00");
}

TEST(SafetyNet, SecondProcedureOfAnEventDoesNotRunAfterAFailure) {
    support::Sheet sheet;
    delete sheet.control("Picture1");
    auto report = harness::Responder::Close();
    sheet.click("Option10");
    ASSERT_TRUE(report->seen().shown);
    EXPECT_TRUE(report->seen().message.startsWith("Run-time error '340'"));
    // The clearing stopped at its first cell, so the relabelling never ran.
    EXPECT_EQ(sheet.cell("Picture23"), "51");
    EXPECT_EQ(sheet.caption("Label3"), "Object Weight(Lbs)");
    // The next event runs normally: CALCULATE relabels for the metric option
    // the failed click had selected.
    sheet.click("Command1");
    EXPECT_EQ(sheet.cell("Picture23"), "23");
    EXPECT_EQ(sheet.caption("Label3"), "Object Weight(KG)");
    EXPECT_EQ(sheet.cell("Picture25"), "0.0");
}

} // namespace
