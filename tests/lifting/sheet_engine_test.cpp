// Jobs entered into the engine, as opening a job file, the report and the
// batch enter them, against values worked by hand.
#include "lifting/sheet_engine.h"

#include <gtest/gtest.h>

namespace {

using lifting::Cell;
using lifting::Entry;

// At 13 lifts a minute for up to an hour the table gives 0 below the knuckle
// and 0.34 at or above it (30 in, 75 cm). V exactly at the knuckle is high,
// and the frequency is read after both V are in: FM 0.34 at both ends. A
// frequency entered before destination V would give 0 there; a knuckle taken
// as strictly above would give 0 at the origin.
TEST(SheetEngine, FrequencyAtTheKnuckleIsHighAtBothEnds) {
    for (const auto& [units, origin, destination] :
         {std::tuple{lifting::Units::UsCustomary, "30", "44"},
          std::tuple{lifting::Units::Metric, "75", "110"}}) {
        lifting::Job job;
        job.units = units;
        job[Entry::OriginV] = QString::fromLatin1(origin);
        job[Entry::DestinationV] = QString::fromLatin1(destination);
        job[Entry::Frequency] = QStringLiteral("13");
        const lifting::Shown shown = lifting::Evaluate(job);
        EXPECT_EQ(shown[Cell::FmOrigin], "0.34") << origin;
        EXPECT_EQ(shown[Cell::FmDestination], "0.34") << destination;
    }
}

// A text that is no number of 0 or more is refused wherever a job is entered:
// the entry stays unmade and nothing of it reaches a cell.
TEST(SheetEngine, RefusedEntryLeavesTheSheetAsItWas) {
    lifting::SheetEngine sheet;
    ASSERT_TRUE(sheet.Enter(Entry::OriginH, QStringLiteral("20")).value);
    sheet.TakeChanged();
    for (const char* text : {"-5", "abc", "30,9", "20 lb", ""}) {
        const lifting::Reading r = sheet.Enter(Entry::OriginH, QLatin1StringView(text));
        EXPECT_FALSE(r.value) << text;
        EXPECT_FALSE(r.problem.isEmpty()) << text;
        EXPECT_EQ(sheet.TakeChanged(), 0u) << text;
        EXPECT_EQ(sheet.Text(Cell::OriginH), "20") << text;
        EXPECT_EQ(sheet.hmVARo2, 0.5f) << text;
    }
}

} // namespace
