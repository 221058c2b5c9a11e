// The evaluator against the window: random jobs typed into the real window
// show exactly the cells lifting::Evaluate gives for them.
#include "lifting/job.h"
#include "lifting/numbers.h"
#include "support/draw.h"
#include "support/random_text.h"
#include "support/sheet.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

namespace {

using lifting::Entry;

// The cell a click enters each entry through, by lifting::Entry.
constexpr std::array<const char*, lifting::kEntryCount> kEntryCells{
    "Picture1", "Picture2", "Picture3", "Picture4",  "Picture5",
    "Picture6", "Picture8", "Picture9", "Picture18",
};
// Values inside the equation's limits, so that most jobs give real results.
constexpr std::array kPlausible{u"0",  u"7",  u"12", u"20",  u"25.5", u"30",  u"44",
                                u"63", u"75", u"90", u"135", u"2",    u"0.2", u"15"};

int Jobs() {
    bool ok = false;
    const int configured = qEnvironmentVariableIntValue("WORKSHEET_AGREEMENT_JOBS", &ok);
    return ok && configured > 0 ? configured : 2000;
}

TEST(Agreement, RandomJobsShowInTheWindowWhatTheEvaluatorGives) {
    std::mt19937_64 random(20261208);
    for (int n = 0; n < Jobs(); ++n) {
        lifting::Job job;
        job.units =
            support::Below(random, 2) ? lifting::Units::Metric : lifting::Units::UsCustomary;
        job.duration = static_cast<lifting::Duration>(support::Below(random, 3));
        job.coupling = static_cast<lifting::Coupling>(support::Below(random, 3));
        std::array<bool, lifting::kEntryCount> cancelled{};
        for (std::size_t e = 0; e < lifting::kEntryCount; ++e) {
            switch (support::Below(random, 6)) {
            case 0: // never made
                break;
            case 1: // cancelled: no entry, as never made
                cancelled[e] = true;
                job.entries[e] = QString();
                break;
            case 2:
                job.entries[e] = support::RandomText(random);
                break;
            default:
                job.entries[e] =
                    QString::fromUtf16(kPlausible[support::Below(random, kPlausible.size())]);
            }
        }
        const bool calculated = support::Below(random, 4) != 0;

        support::Sheet sheet;
        if (job.units == lifting::Units::Metric)
            sheet.click("Option10");
        if (job.duration != lifting::Duration::UpToOneHour)
            sheet.click(job.duration == lifting::Duration::UpToTwoHours ? "Option2" : "Option3");
        if (job.coupling != lifting::Coupling::Good)
            sheet.click(job.coupling == lifting::Coupling::Fair ? "Option7" : "Option8");
        for (const Entry entry : lifting::kEntryOrder) {
            const auto e = static_cast<std::size_t>(entry);
            if (!job.entries[e])
                continue;
            const harness::Modal seen = cancelled[e] ? sheet.cancel(kEntryCells[e])
                                                     : sheet.enter(kEntryCells[e], *job.entries[e]);
            ASSERT_TRUE(seen.shown) << kEntryCells[e];
        }
        if (calculated)
            sheet.click("Command1");

        const lifting::Shown expected = lifting::Evaluate(job, calculated);
        for (int c = 1; c <= lifting::kCellCount; ++c) {
            const QString name = lifting::CellName(lifting::CellAt(c));
            ASSERT_EQ(sheet.cell(name).toStdString(), expected[lifting::CellAt(c)].toStdString())
                << name.toStdString() << " of job " << n;
        }
        // The window also knows the job it was given, less what it refused
        // and what was cancelled.
        lifting::Job taken = job;
        for (std::size_t e = 0; e < lifting::kEntryCount; ++e) {
            const std::optional<double> number =
                taken.entries[e] ? lifting::ReadNumber(*taken.entries[e]) : std::nullopt;
            if (cancelled[e] || !number || *number < 0)
                taken.entries[e].reset();
        }
        ASSERT_TRUE(sheet.form().EnteredJob() == taken) << "job " << n;
        ASSERT_EQ(sheet.form().IsCalculated(), calculated) << "job " << n;
    }
}

// A job entered again into a used sheet shows what a fresh window shows.
TEST(Agreement, EnterJobReplaysIntoAUsedSheet) {
    support::Sheet sheet;
    sheet.click("Option10");
    sheet.click("Option8");
    sheet.enter("Picture4", "500");
    sheet.enter("Picture18", "3");
    sheet.click("Command1");

    lifting::Job job;
    job.coupling = lifting::Coupling::Fair;
    job[Entry::LoadAvg] = "20";
    job[Entry::LoadMax] = "25";
    job[Entry::OriginH] = "12";
    job[Entry::OriginV] = "20";
    job[Entry::DestinationH] = "20";
    job[Entry::DestinationV] = "50";
    job[Entry::OriginA] = "30";
    job[Entry::DestinationA] = "0";
    job[Entry::Frequency] = "2";
    sheet.form().EnterJob(job, true);
    EXPECT_EQ(sheet.cell("Picture25"), "27.0");
    EXPECT_EQ(sheet.cell("Picture26"), "17.4");
    EXPECT_EQ(sheet.cell("Picture27"), "0.7");
    EXPECT_EQ(sheet.cell("Picture28"), "1.4");
    EXPECT_EQ(sheet.caption("Label3"), "Object Weight(Lbs)");
    EXPECT_TRUE(sheet.form().ShownCells() == lifting::Evaluate(job));
    EXPECT_TRUE(sheet.form().EnteredJob() == job);

    sheet.form().ResetToStartUp();
    support::Sheet fresh;
    EXPECT_TRUE(sheet.form().ShownCells() == fresh.form().ShownCells());
    EXPECT_FALSE(sheet.form().IsCalculated());
    EXPECT_EQ(sheet.form().rwlORIGIN, 0.0f);
}

} // namespace
