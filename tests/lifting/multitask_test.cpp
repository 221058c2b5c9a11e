#include "lifting/bands.h"
#include "lifting/multitask.h"
#include "lifting/multitask_file.h"
#include "lifting/multitask_redesign.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using lifting::Coupling;
using lifting::Duration;
using lifting::End;
using lifting::MultiTaskJob;
using lifting::Task;
using lifting::Units;

// A task from its texts in the order L(AVG), L(Max), H, V at the origin, H, V
// at the destination, A at the origin and the destination, F.
Task MakeTask(const char* name, Coupling coupling, std::vector<const char*> texts) {
    Task task{QString::fromUtf8(name), coupling, {}};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i])
            task.entries[i] = QString::fromUtf8(texts[i]);
    }
    return task;
}

std::string Text(const QString& text) {
    return text.toStdString();
}

struct TaskExpected {
    End governing;
    const char* firwl;
    const char* strwl;
    const char* fili;
    const char* stli;
    int rank;
};
struct StepExpected {
    std::size_t task;
    double summedFrequency;
    double fm;
    bool interpolated;
    const char* delta;
};
struct HandJob {
    const char* name;
    MultiTaskJob job;
    std::vector<TaskExpected> tasks;
    std::vector<StepExpected> steps;
    double cli;
    const char* cliText;
};

// Worked by hand, with each product rounded only at the end.
const HandJob kHandJobs[] = {
    // Each task below 1.0, the job above. Only HM (10/20 at the destination
    // of the first) and FM(4 lifts/min) = 0.84 differ from 1, so every FIRWL
    // is 51, or 25.5 there, and every STRWL 42.84, or 21.42.
    //   T1 destination: STLI 15/21.42 = 0.7003 > origin 15/42.84; FILI 20/25.5
    //   T2: STLI 30/42.84 = 0.7003, the same: T1 keeps the first rank
    //   T3: STLI 25/42.84 = 0.5836, FILI 25/51 = 0.4902
    // Sums 4, 8, 12 lifts/min: FM 0.84, 0.60, 0.37.
    //   CLI = 0.7003 + 30/51 (1/0.60 - 1/0.84) + 25/51 (1/0.37 - 1/0.60)
    //       = 0.7003 + 0.2801 + 0.5079 = 1.4883
    {"each task nominal, the job not",
     {Units::UsCustomary,
      Duration::UpToOneHour,
      {MakeTask("Top", Coupling::Good, {"15", "20", "10", "30", "20", "30", "0", "0", "4"}),
       MakeTask("Middle", Coupling::Good, {"30", "30", "10", "30", "10", "30", "0", "0", "4"}),
       MakeTask("Bottom", Coupling::Good, {"25", "25", "10", "30", "10", "30", "0", "0", "4"})}},
     {{End::Destination, "25.5", "21.4", "0.78", "0.70", 1},
      {End::Origin, "51.0", "42.8", "0.59", "0.70", 2},
      {End::Origin, "51.0", "42.8", "0.49", "0.58", 3}},
     {{0, 4, 0.84, false, "0.70"}, {1, 8, 0.60, false, "0.28"}, {2, 12, 0.37, false, "0.51"}},
     1.48825,
     "1.49"},
    // Metric, up to 2 hours, every multiplier in play.
    //   T1 (fair) origin: HM 25/50 = 0.5, VM 1 - 0.003*50 = 0.85, D 75 so
    //     DM 0.82 + 4.5/75 = 0.88, AM 1 - 0.0032*45 = 0.856, CM 0.95:
    //     FIRWL 23*0.5*0.85*0.88*0.856*0.95 = 6.9951, STRWL *0.79 = 5.5262,
    //     FILI 6/6.9951 = 0.8577, STLI 5/5.5262 = 0.9048;
    //   destination: VM 0.925, CM 1: FIRWL 18.722, STRWL 14.790, STLI 0.3381.
    //   T2 (poor) origin: HM 25/30, CM 0.9: FIRWL 15.18, STRWL *0.92 = 13.966,
    //     STLI 0.5728;
    //   destination: HM 0.625, VM 0.775, AM 1 - 0.0032*90 = 0.712:
    //     FIRWL 23*0.625*0.775*0.88*0.712*0.9 = 6.2822, STRWL 5.7797,
    //     FILI 10/6.2822 = 1.5918, STLI 8/5.7797 = 1.3842, which ranks first.
    // Sums 0.5 (FM 0.92) and 3.5 (between 0.79 at 3 and 0.72 at 4: 0.755).
    //   CLI = 1.3842 + 0.8577 (1/0.755 - 1/0.92) = 1.3842 + 0.2038 = 1.5879
    {"metric, ranked against the entry order, an interpolated FM",
     {Units::Metric,
      Duration::UpToTwoHours,
      {MakeTask("Floor to bench", Coupling::Fair,
                {"5", "6", "50", "25", "25", "100", "45", "0", "3"}),
       MakeTask("Bench to shelf", Coupling::Poor,
                {"8", "10", "30", "75", "40", "150", "0", "90", "0.5"})}},
     {{End::Origin, "7.0", "5.5", "0.86", "0.90", 2},
      {End::Destination, "6.3", "5.8", "1.59", "1.38", 1}},
     {{1, 0.5, 0.92, false, "1.38"}, {0, 3.5, 0.755, true, "0.20"}},
     1.58792,
     "1.59"},
};

TEST(MultiTask, HandWorkedJobs) {
    for (const HandJob& hand : kHandJobs) {
        SCOPED_TRACE(hand.name);
        const lifting::MultiTaskResult result = lifting::Compute(hand.job);
        ASSERT_EQ(result.tasks.size(), hand.tasks.size());
        for (std::size_t i = 0; i < hand.tasks.size(); ++i) {
            SCOPED_TRACE(i);
            const TaskExpected& want = hand.tasks[i];
            const lifting::TaskResult& task = result.tasks[i];
            ASSERT_TRUE(task.HasIndices()) << Text(task.Problem());
            const lifting::EndValues& end = task.values->Governing();
            EXPECT_EQ(task.values->governing, want.governing);
            EXPECT_EQ(Text(lifting::RwlText(end.firwl)), want.firwl);
            EXPECT_EQ(Text(lifting::RwlText(end.strwl)), want.strwl);
            EXPECT_EQ(Text(lifting::IndexText(end.fili)), want.fili);
            EXPECT_EQ(Text(lifting::IndexText(end.stli)), want.stli);
            EXPECT_EQ(task.rank, want.rank);
        }
        ASSERT_EQ(result.steps.size(), hand.steps.size());
        for (std::size_t k = 0; k < hand.steps.size(); ++k) {
            SCOPED_TRACE(k);
            const lifting::CompositeStep& step = result.steps[k];
            EXPECT_EQ(step.task, hand.steps[k].task);
            EXPECT_DOUBLE_EQ(step.summedFrequency, hand.steps[k].summedFrequency);
            EXPECT_NEAR(step.fm.fm, hand.steps[k].fm, 1e-6);
            EXPECT_EQ(step.fm.interpolated, hand.steps[k].interpolated);
            EXPECT_EQ(Text(lifting::CompositeText(step.delta)), hand.steps[k].delta);
        }
        ASSERT_TRUE(result.cli) << Text(result.problem);
        EXPECT_NEAR(*result.cli, hand.cli, 1e-4);
        EXPECT_EQ(Text(lifting::CompositeText(result.cli)), hand.cliText);
        EXPECT_EQ(lifting::BandOf(result.cli).risk, lifting::Risk::Increased);
        EXPECT_FALSE(result.manyTasks);
    }
}

TEST(MultiTask, SummedFrequencyMultiplier) {
    const struct {
        double frequency;
        Duration duration;
        double fm;
        bool interpolated;
    } cases[] = {
        {0, Duration::UpToOneHour, 1.00, false}, // the 0.2 row at and below it
        {0.1, Duration::UpToEightHours, 0.85, false},
        {0.2, Duration::UpToTwoHours, 0.95, false},
        {0.35, Duration::UpToOneHour, 0.985, true}, // between 0.2 and 0.5
        {1, Duration::UpToTwoHours, 0.88, false},
        {0.7 + 0.2 + 0.1, Duration::UpToOneHour, 0.94, false}, // 1 but for rounding
        {2.5, Duration::UpToOneHour, 0.895, true},
        {8.5, Duration::UpToEightHours, 0.09, true}, // towards the 0 of 9
        {12.5, Duration::UpToOneHour, 0.185, true},  // the lower column: 0 at 13
        {10, Duration::UpToEightHours, 0.0, false},  // 0.13 only with the hands high
        {15.5, Duration::UpToOneHour, 0.0, false},   // beyond the table
        {100, Duration::UpToEightHours, 0.0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.frequency);
        const lifting::SummedFm fm = lifting::SummedFrequencyMultiplier(c.frequency, c.duration);
        EXPECT_NEAR(fm.fm, c.fm, 1e-6);
        EXPECT_EQ(fm.interpolated, c.interpolated);
    }
}

MultiTaskJob Repeated(std::size_t count, const Task& task) {
    return {Units::UsCustomary, Duration::UpToOneHour, std::vector<Task>(count, task)};
}

TEST(MultiTask, NotApplicable) {
    const Task fine =
        MakeTask("", Coupling::Good, {"10", "10", "10", "30", "10", "30", "0", "0", "0.1"});
    const Task atEight =
        MakeTask("", Coupling::Good, {"10", "10", "10", "30", "10", "30", "0", "0", "8"});
    const struct {
        const char* name;
        MultiTaskJob job;
        const char* taskProblem; // of the last task
        const char* problem;     // the CLI's
    } cases[] = {
        {"H beyond",
         {Units::UsCustomary,
          Duration::UpToOneHour,
          {fine,
           MakeTask("", Coupling::Good, {"10", "10", "30", "30", "10", "30", "0", "0", "1"})}},
         "H 30 in at the origin is beyond the limit",
         "task 2: H 30 in at the origin is beyond the limit"},
        {"V beyond",
         {Units::Metric,
          Duration::UpToOneHour,
          {MakeTask("", Coupling::Fair, {"5", "5", "25", "75", "25", "180", "0", "0", "1"})}},
         "V 180 cm at the destination is beyond the limit",
         "task 1: V 180 cm at the destination is beyond the limit"},
        {"A beyond",
         {Units::UsCustomary,
          Duration::UpToOneHour,
          {MakeTask("", Coupling::Good, {"10", "10", "10", "30", "10", "30", "0", "140", "1"})}},
         "A 140° at the destination is beyond the limit",
         "task 1: A 140° at the destination is beyond the limit"},
        {"own F beyond",
         {Units::UsCustomary,
          Duration::UpToOneHour,
          {MakeTask("", Coupling::Good, {"10", "10", "10", "30", "10", "30", "0", "0", "16"})}},
         "F 16 lifts/min at the origin gives FM 0 in the table",
         "task 1: F 16 lifts/min at the origin gives FM 0 in the table"},
        {"refused text",
         {Units::UsCustomary,
          Duration::UpToOneHour,
          {MakeTask("", Coupling::Good, {"10", "10", "-4", "30", "10", "30", "0", "0", "1"})}},
         "origin H: -4 is below 0: type 0 or more",
         "task 1: origin H: -4 is below 0: type 0 or more"},
        {"missing entry",
         {Units::UsCustomary,
          Duration::UpToOneHour,
          {MakeTask("", Coupling::Good, {"10", nullptr, "10", "30", "10", "30", "0", "0", "1"})}},
         "L(Max) is empty",
         "task 1: L(Max) is empty"},
        {"summed F beyond", Repeated(2, atEight), "",
         "the summed frequency 16 lifts/min is beyond the table"},
        {"no task", {}, nullptr, "the job has no task"},
        {"31 tasks", Repeated(31, fine), "", "31 tasks are more than the 30 a job holds"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const lifting::MultiTaskResult result = lifting::Compute(c.job);
        if (c.taskProblem) {
            EXPECT_EQ(Text(result.tasks.back().Problem()), c.taskProblem);
        }
        // A task with no index at one end shows that end's N/A, not the
        // other end's index.
        if (!result.tasks.empty() && result.tasks.back().values &&
            !result.tasks.back().HasIndices()) {
            EXPECT_FALSE(result.tasks.back().values->Governing().stli);
        }
        EXPECT_FALSE(result.cli);
        EXPECT_EQ(Text(lifting::CompositeText(result.cli)), "N/A");
        EXPECT_EQ(lifting::BandOf(result.cli).risk, lifting::Risk::None);
        EXPECT_EQ(Text(result.problem), c.problem);
    }

    // Thirty tasks have an index, and above ten a note.
    const std::pair<std::size_t, bool> counts[] = {{10, false}, {11, true}, {30, true}};
    for (const auto& [count, many] : counts) {
        const lifting::MultiTaskResult result = lifting::Compute(Repeated(count, fine));
        EXPECT_TRUE(result.cli) << count;
        EXPECT_EQ(result.manyTasks, many) << count;
    }
}

TEST(MultiTaskFile, RoundTripsAndRefusesBadFiles) {
    lifting::MultiTaskFile file;
    file.details = {QStringLiteral("Carton \"palletising\""), QStringLiteral("Dock"),
                    QStringLiteral("A. N. Alyst"), QStringLiteral("2026-12-09"),
                    QStringLiteral("Box \"12\" from C:\\bins\\tab\tand é")};
    file.job = {Units::Metric,
                Duration::UpToEightHours,
                {MakeTask("Top \\ layer", Coupling::Poor,
                          {"35", "40", "10", "30", "10", "30", "0", "0", "1"}),
                 MakeTask("", Coupling::Fair, {"", nullptr, "a \"b\"", "1e3"})}};
    const QByteArray bytes = lifting::WriteMultiTaskFile(file);
    // The format name where the file type's magic looks for it.
    EXPECT_LT(bytes.indexOf("\"format\": \"lifting-worksheet-multitask\""), 64);
    EXPECT_EQ(lifting::KindOfJobFile(bytes), lifting::JobFileKind::MultiTask);
    EXPECT_EQ(lifting::KindOfJobFile(lifting::WriteJobFile({})), lifting::JobFileKind::SingleTask);
    EXPECT_EQ(lifting::KindOfJobFile("{\"format\": 1}"), lifting::JobFileKind::Unknown);

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("job.liftjob"));
    QString error;
    ASSERT_TRUE(lifting::SaveMultiTaskFile(path, file, &error)) << Text(error);
    EXPECT_EQ(lifting::KindOfJobFileAt(path), lifting::JobFileKind::MultiTask);
    const std::optional<lifting::MultiTaskFile> back = lifting::LoadMultiTaskFile(path, &error);
    ASSERT_TRUE(back) << Text(error);
    EXPECT_EQ(*back, file);

    const QByteArray head = R"({"format": "lifting-worksheet-multitask", "units": "us",
                               "duration": "1", )";
    const struct {
        QByteArray bytes;
        const char* error;
    } bad[] = {
        {"{\"format\": \"lifting-worksheet-multitask\"", "it is not JSON"},
        {lifting::WriteJobFile({}), "it is a job of one task, not of several"},
        {head + R"("version": 0})", "its \"version\" is not a whole number from 1 on"},
        {head + R"("version": 2})", "it was written by a newer version of the program"},
        {head + R"("version": 1, "tasks": {}})", "\"tasks\" is not a list"},
        {head + R"("version": 1, "tasks": [{"coupling": "good"}, {"coupling": "firm"}]})",
         "in \"tasks\", task 2: \"coupling\" is \"firm\"; it must be good, fair or poor"},
        {head + R"("version": 1, "tasks": [{"coupling": "good", "entries": {"lavg": 35}}]})",
         "in \"tasks\", task 1: in \"entries\", \"lavg\" is not a text"},
        {head + R"("version": 1, "tasks": [)" +
             QByteArray("{\"coupling\": \"good\"},").repeated(31) + "{\"coupling\": \"good\"}]}",
         "it has 32 tasks, more than the 30 a job holds"},
    };
    for (const auto& c : bad) {
        SCOPED_TRACE(c.error);
        error.clear();
        EXPECT_FALSE(lifting::ReadMultiTaskFile(c.bytes, &error));
        EXPECT_EQ(Text(error).rfind(c.error, 0), 0u) << Text(error);
    }

    QFile large(path);
    ASSERT_TRUE(large.open(QIODevice::WriteOnly));
    large.write(QByteArray(lifting::kJobFileLimit + 1, ' '));
    large.close();
    EXPECT_FALSE(lifting::LoadMultiTaskFile(path, &error));
    EXPECT_EQ(Text(error), "it is larger than 1 MiB, too large for a job file");
}

// Two tasks, U.S. customary, up to 1 hour, Good, no travel or twist, 1
// lift/min each (FM 0.94; 0.91 for their sum of 2).
//   Low shelf: H 20 in at the origin (HM 0.50), 10 at the destination, 30 lb:
//     origin STLI 30/(51 x 0.5 x 0.94) = 1.2516 governs, FILI 30/25.5 = 1.1765
//   Bench: 40 lb, every multiplier but FM 1: STLI 40/47.94 = 0.8344, FILI 0.7843
//   CLI = 1.2516 + 0.7843 (1/0.91 - 1/0.94) = 1.2516 + 0.0275 = 1.2791,
//   shares 97.85 % and 2.15 %.
// Low shelf's HM to 1.00 (H 20 -> 10 in): its STLI 30/47.94 = 0.6258 and
// FILI 0.5882; Bench now ranks first: CLI 0.8344 + 0.5882 x 0.03507 = 0.8550.
// Bench's FM to 1.00 (F 1 -> 0.2): FILI 0.7843; the sum 1.2 lifts/min reads
// FM 0.94 - 0.2 x 0.03 = 0.934: CLI 1.2516 + 0.7843 (1/0.934 - 1/0.94)
// = 1.2516 + 0.0054 = 1.2569.
TEST(MultiTask, WhatToChangeFirstByHand) {
    const MultiTaskJob job{
        Units::UsCustomary,
        Duration::UpToOneHour,
        {MakeTask("Low shelf", Coupling::Good, {"30", "30", "20", "30", "10", "30", "0", "0", "1"}),
         MakeTask("Bench", Coupling::Good, {"40", "40", "10", "30", "10", "30", "0", "0", "1"})}};
    const struct {
        std::size_t task;
        double contribution;
        double share;
        End end;
        lifting::Factor factor;
        const char* change;
        double cliAfter;
    } want[] = {
        {0, 1.2516, 97.85, End::Origin, lifting::Factor::Hm, "H at the origin 20 → 10 in", 0.8550},
        {1, 0.0275, 2.15, End::Origin, lifting::Factor::Fm, "F 1 → 0.2 lifts/min", 1.2569},
    };
    const std::vector<lifting::TaskAdvice> advice =
        lifting::RedesignTasks(job, lifting::Compute(job));
    ASSERT_EQ(advice.size(), std::size(want));
    for (std::size_t i = 0; i < advice.size(); ++i) {
        SCOPED_TRACE(i);
        const lifting::TaskAdvice& a = advice[i];
        EXPECT_EQ(a.task, want[i].task);
        ASSERT_TRUE(a.contribution && a.share && a.costliest && a.cliAfter);
        EXPECT_NEAR(*a.contribution, want[i].contribution, 1e-4);
        EXPECT_NEAR(*a.share, want[i].share, 0.01);
        EXPECT_EQ(a.end, want[i].end);
        EXPECT_EQ(a.costliest->factor, want[i].factor);
        EXPECT_EQ(Text(a.costliest->changeWords), want[i].change);
        EXPECT_NEAR(*a.cliAfter, want[i].cliAfter, 1e-4);
    }
}

TEST(Bands, Edges) {
    const struct {
        std::optional<double> index;
        lifting::Risk risk;
    } cases[] = {
        {0.0, lifting::Risk::Nominal},         {1.0, lifting::Risk::Nominal},
        {1.0000001, lifting::Risk::Increased}, {3.0, lifting::Risk::Increased},
        {3.0000001, lifting::Risk::High},      {1e300, lifting::Risk::High},
        {std::nullopt, lifting::Risk::None},   {std::nan(""), lifting::Risk::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lifting::BandOf(c.index).risk, c.risk) << c.index.value_or(-1);
}

} // namespace
