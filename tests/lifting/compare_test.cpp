#include "lifting/compare.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using lifting::Cell;
using lifting::Coupling;
using lifting::Duration;
using lifting::Entry;
using lifting::Units;

// Texts in the order of lifting::Entry: L(AVG), L(Max), H and V at the origin,
// at the destination, A at the origin and the destination, F.
template <typename Item> void Fill(Item& item, const std::vector<const char*>& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i)
        item.entries[i] = QString::fromUtf8(texts[i]);
}

lifting::JobFile MakeJobFile(Units units, const std::vector<const char*>& texts) {
    lifting::JobFile file;
    file.job.units = units;
    Fill(file.job, texts);
    file.calculated = true;
    return file;
}

lifting::Task MakeTask(const char* name, const std::vector<const char*>& texts) {
    lifting::Task task{QString::fromUtf8(name), Coupling::Good, {}};
    Fill(task, texts);
    return task;
}

std::string Text(const QString& text) {
    return text.toStdString();
}

// The dish-washer job in pounds and inches against a metric redesign, with
// the load closer (H 25 cm), 9 kg, V 112 and 18 cm. By hand, before: RWL
// 51 x 0.5 x 0.895 x 0.8686 x 0.904 x 0.80 = 14.337 lb = 6.503 kg at the
// origin, 13.256 lb = 6.013 kg at the destination, indices 20/14.337 = 1.395
// and 20/13.256 = 1.509. After: VM 1 - 0.003 x 37 = 0.889 and 1 - 0.003 x 57
// = 0.829, D 94 so DM 0.82 + 4.5/94 = 0.8679, AM 0.904, FM 0.80: RWL 23 x
// 0.889 x 0.8679 x 0.904 x 0.80 = 12.833 kg and 11.967 kg, indices 0.701 and
// 0.752; RWL +97.3 % and +99.0 %, index -49.7 % and -50.2 %.
TEST(Compare, UnitsOfTheAfterJobWithEachJobComputedInItsOwn) {
    const lifting::JobComparison comparison = lifting::Compare(
        MakeJobFile(Units::UsCustomary, {"20", "20", "20", "44", "20", "7", "30", "30", "5"}),
        MakeJobFile(Units::Metric, {"9", "9", "25", "112", "25", "18", "30", "30", "5"}));
    EXPECT_EQ(comparison.units, Units::Metric);
    EXPECT_TRUE(comparison.converted);
    const lifting::Shown& before = comparison.jobs[0].cells;
    const struct {
        Cell cell;
        const char* text;
    } kConverted[] = {
        {Cell::LoadAvg, "9.1"},        {Cell::OriginH, "50.8"},  {Cell::OriginV, "111.8"},
        {Cell::Distance, "94"},        {Cell::LcOrigin, "23.1"}, {Cell::RwlOrigin, "6.5"},
        {Cell::RwlDestination, "6.0"}, // 6.013 down to a tenth
        {Cell::HmOrigin, "0.50"},      {Cell::LiOrigin, "1.4"},  {Cell::AmOrigin, "0.90"},
    };
    for (const auto& expected : kConverted)
        EXPECT_EQ(Text(before[expected.cell]), expected.text)
            << lifting::CellName(expected.cell).toStdString();
    EXPECT_TRUE(comparison.changed[Cell::HmOrigin]);
    EXPECT_FALSE(comparison.changed[Cell::AmOrigin]);

    const double kRwl[2][2] = {{6.503, 12.833}, {6.013, 11.967}};
    const double kIndex[2][2] = {{1.395, 0.701}, {1.509, 0.752}};
    const double kPercent[2][2] = {{97.3, -49.7}, {99.0, -50.2}};
    for (std::size_t end = 0; end < 2; ++end) {
        const lifting::Change& rwl = comparison.rwl[end];
        const lifting::Change& index = comparison.index[end];
        ASSERT_TRUE(rwl.percent && index.percent);
        EXPECT_NEAR(*rwl.before, kRwl[end][0], 0.002);
        EXPECT_NEAR(*rwl.after, kRwl[end][1], 0.002);
        EXPECT_NEAR(*index.before, kIndex[end][0], 0.001);
        EXPECT_NEAR(*index.after, kIndex[end][1], 0.001);
        EXPECT_NEAR(*rwl.percent, kPercent[end][0], 0.1);
        EXPECT_NEAR(*index.percent, kPercent[end][1], 0.1);
        EXPECT_EQ(comparison.jobs[0].ends[end].band->risk, lifting::Risk::Increased);
        EXPECT_EQ(comparison.jobs[1].ends[end].band->risk, lifting::Risk::Nominal);
    }
}

// V 29.8 in is below the knuckle, where 13 lifts a minute for up to an hour
// gives FM 0: no index, and it stays none, with no percent, though 29.8 in
// converted (75.7 cm) is above the metric knuckle, where FM would be 0.34.
TEST(Compare, NoIndexBeforeStaysNoIndexAcrossUnits) {
    const lifting::JobComparison comparison = lifting::Compare(
        MakeJobFile(Units::UsCustomary, {"20", "20", "10", "29.8", "10", "29.8", "0", "0", "13"}),
        MakeJobFile(Units::Metric, {"9", "9", "25", "75", "25", "75", "0", "0", "13"}));
    EXPECT_EQ(Text(comparison.jobs[0].cells[Cell::OriginV]), "75.7");
    EXPECT_EQ(Text(comparison.jobs[0].cells[Cell::FmOrigin]), "0.00");
    for (std::size_t end = 0; end < 2; ++end) {
        const lifting::EndResult& before = comparison.jobs[0].ends[end];
        EXPECT_FALSE(before.index);
        EXPECT_FALSE(comparison.index[end].percent);
        EXPECT_TRUE(before.whyNoIndex.contains(QStringLiteral("FM 0"))) << Text(before.whyNoIndex);
        EXPECT_EQ(before.band->risk, lifting::Risk::None);
        // After: 9 / (23 x 0.34) = 1.151.
        EXPECT_NEAR(*comparison.index[end].after, 1.151, 0.001);
    }
}

// Three tasks of 4 lifts a minute, up to an hour; only HM (10/20 at the
// destination of "Top") and FM(4) = 0.84 differ from 1. Before, by hand:
// STLI 15/21.42 = 0.7003 (Top), 30/42.84 = 0.7003 (Middle), 25/42.84 =
// 0.5836 (Bottom); CLI 0.7003 + 30/51 (1/0.60 - 1/0.84) + 25/51 (1/0.37 -
// 1/0.60) = 1.4883. After, Top's destination H 10 and the tasks in another
// order: Top's STLI 15/42.84 = 0.3501, so Middle leads: CLI 0.7003 + 25/51
// (1/0.60 - 1/0.84) + 20/51 (1/0.37 - 1/0.60) = 1.3400, -9.96 %.
TEST(Compare, MultiTaskJobsMatchTasksByName) {
    lifting::MultiTaskFile before;
    before.job = {Units::UsCustomary,
                  Duration::UpToOneHour,
                  {MakeTask("Top", {"15", "20", "10", "30", "20", "30", "0", "0", "4"}),
                   MakeTask("Middle", {"30", "30", "10", "30", "10", "30", "0", "0", "4"}),
                   MakeTask("Bottom", {"25", "25", "10", "30", "10", "30", "0", "0", "4"})}};
    lifting::MultiTaskFile after = before;
    after.job.tasks = {before.job.tasks[2], before.job.tasks[0], before.job.tasks[1]};
    after.job.tasks[1][Entry::DestinationH] = QStringLiteral("10");

    const lifting::MultiTaskComparison comparison = lifting::Compare(before, after);
    ASSERT_EQ(comparison.tasks.size(), 3u);
    const struct {
        const char* name;
        std::size_t before;
        std::size_t after;
    } kMatches[] = {{"Bottom", 2, 0}, {"Top", 0, 1}, {"Middle", 1, 2}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(Text(comparison.tasks[i].name), kMatches[i].name);
        EXPECT_EQ(comparison.tasks[i].place[0], kMatches[i].before);
        EXPECT_EQ(comparison.tasks[i].place[1], kMatches[i].after);
    }
    ASSERT_TRUE(comparison.cli.percent);
    EXPECT_NEAR(*comparison.cli.before, 1.4883, 1e-3);
    EXPECT_NEAR(*comparison.cli.after, 1.3400, 1e-3);
    EXPECT_NEAR(*comparison.cli.percent, -9.96, 0.05);
    EXPECT_EQ(comparison.results[1].tasks[1].rank, 3);
}

} // namespace
