// The batch command, run as the program it is: without a window system, with
// the exit statuses and messages a script sees.
#include "lifting/csv.h"
#include "lifting/job_file.h"
#include "lifting/multitask_file.h"
#include "lifting/numbers.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

struct Outcome {
    int exit = -1;
    QByteArray out;
    std::string err;
};

// The program in dir, with no display and no Qt platform in its environment.
Outcome Batch(const QTemporaryDir& dir, const QStringList& arguments,
              const QByteArray& input = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(dir.path());
    program.start(QStringLiteral(LIFTING_WORKSHEET),
                  QStringList{QStringLiteral("--batch")} + arguments);
    program.write(input);
    program.closeWriteChannel();
    if (!program.waitForFinished(60000) || program.exitStatus() != QProcess::NormalExit)
        return {};
    return {program.exitCode(), program.readAllStandardOutput(),
            program.readAllStandardError().toStdString()};
}

void Write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// The rows of a CSV output, each as its column names give it.
std::vector<std::map<std::string, std::string>> Rows(const QByteArray& csv) {
    QBuffer device;
    device.setData(csv);
    device.open(QIODevice::ReadOnly);
    lifting::CsvReader reader(&device);
    lifting::CsvRecord record;
    std::vector<std::string> header;
    std::vector<std::map<std::string, std::string>> rows;
    while (reader.Read(&record)) {
        EXPECT_EQ(record.error().toStdString(), "");
        std::vector<std::string> fields;
        for (qsizetype i = 0; i < record.size(); ++i)
            fields.push_back(record[i].toByteArray().toStdString());
        if (header.empty()) {
            header = fields;
            continue;
        }
        EXPECT_EQ(fields.size(), header.size()) << "line " << record.line();
        auto& row = rows.emplace_back();
        for (std::size_t i = 0; i < fields.size() && i < header.size(); ++i)
            row[header[i]] = fields[i];
    }
    return rows;
}

const QByteArray kHeader = "name,units,duration,coupling,lavg,lmax,origin_h,origin_v,destination_h,"
                           "destination_v,origin_a,destination_a,frequency\n";

// The published dish-washer job, and a metric one, worked by hand from the
// equation with unrounded multipliers:
// dish washer: HM 10/20; VM 1-0.0075*|44-30| = 0.895, 1-0.0075*|7-30| = 0.8275;
// D 37, DM 0.82+1.8/37 = 0.8686; AM 1-0.0032*30 = 0.904; FM 0.80 (5 a minute,
// an hour); CM 1; RWL 51*0.5*0.895*0.8686*0.904*0.80 = 14.34 and with 0.8275
// 13.26; LI 20/14.34 = 1.39, 20/13.26 = 1.51.
// metric: HM 25/30, 25/40 = 0.625; VM 1-0.003*|50-75| = 0.925,
// 1-0.003*|120-75| = 0.865; D 70, DM 0.82+4.5/70 = 0.8843; AM 1, 1-0.0032*45
// = 0.856; FM 0.88 (1 a minute, two hours); CM fair 0.95 below 75 cm, 1 above;
// RWL 23*0.8333*0.925*0.8843*0.88*0.95 = 13.11 and 23*0.625*0.865*0.8843*0.856
// *0.88 = 8.28; LI 10/13.11 = 0.76, 12/8.28 = 1.45.
// too far: the dish washer with origin H 30 in, beyond 25: HM 0, so no index
// and no band at the origin.
// no weight: the dish washer with L(AVG) 0: an index of 0.0 that reads in no
// band, as no risk can be read from a lift of nothing.
const std::map<std::string, std::vector<std::string>> kExpected{
    {"dish washer",
     {"0.50", "0.50",           "0.90",           "0.83", "37", "0.87", "0.90", "0.90",
      "0.80", "0.80",           "1.00",           "1.00", "51", "14.3", "13.3", "1.4",
      "1.5",  "increased risk", "increased risk", ""}},
    {"crate", {"0.83", "0.63",         "0.93",           "0.87", "70", "0.88", "1.00", "0.86",
               "0.88", "0.88",         "0.95",           "1.00", "23", "13.1", "8.3",  "0.8",
               "1.4",  "nominal risk", "increased risk", ""}},
    {"too far",
     {"0.00", "0.50", "0.90", "0.83", "37",   "0.87", "0.90", "0.90", "0.80",           "0.80",
      "1.00", "1.00", "51",   "0.0",  "13.3", "N/A",  "1.5",  "",     "increased risk", ""}},
    {"no weight",
     {"0.50", "0.50", "0.90", "0.83", "37",   "0.87", "0.90", "0.90", "0.80",           "0.80",
      "1.00", "1.00", "51",   "14.3", "13.3", "0.0",  "1.5",  "",     "increased risk", ""}},
};
// The result columns, in their order.
const QList<QByteArray> kResults =
    QByteArray("hm_origin,hm_destination,vm_origin,vm_destination,d,dm,am_origin,am_destination,"
               "fm_origin,fm_destination,cm_origin,cm_destination,lc,rwl_origin,rwl_destination,"
               "li_origin,li_destination,band_origin,band_destination,error")
        .split(',');
constexpr char kJobs[] = "dish washer,us,1,good,20,20,20,44,20,7,30,30,5\n"
                         "crate,metric,2,fair,10,12,30,50,40,120,0,45,1\n"
                         "too far,us,1,good,20,20,30,44,20,7,30,30,5\n"
                         "no weight,us,1,good,0,20,20,44,20,7,30,30,5\n";

void ExpectResults(const std::map<std::string, std::string>& row, const std::string& job) {
    SCOPED_TRACE(job);
    const std::vector<std::string>& expected = kExpected.at(job);
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(row.at(kResults[i].toStdString()), expected[i]) << kResults[i].constData();
}

// The dish-washer job as a job file, with another L(Max) where given.
QByteArray DishWasherJobFile(const char* lmax = "20") {
    lifting::JobFile file;
    file.details.title = QStringLiteral("Dishes");
    const char* entries[] = {"20", lmax, "20", "44", "20", "7", "30", "30", "5"};
    for (std::size_t i = 0; i < lifting::kEntryCount; ++i)
        file.job[static_cast<lifting::Entry>(i)] = QString::fromLatin1(entries[i]);
    return lifting::WriteJobFile(file);
}

TEST(Batch, WorksTheJobsOfACsvFileAndOfJobFiles) {
    QTemporaryDir dir;
    Write(dir, QStringLiteral("jobs.csv"), QByteArray(kHeader) + kJobs);
    // From a file to a file, and from standard input to standard output.
    const Outcome toFile =
        Batch(dir, {QStringLiteral("jobs.csv"), QStringLiteral("-o"), QStringLiteral("out.csv")});
    EXPECT_EQ(toFile.exit, 0) << toFile.err;
    EXPECT_EQ(toFile.out, "");
    QFile written(dir.filePath(QStringLiteral("out.csv")));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const Outcome piped = Batch(dir, {QStringLiteral("-")}, QByteArray(kHeader) + kJobs);
    EXPECT_EQ(piped.exit, 0) << piped.err;
    EXPECT_EQ(written.readAll(), piped.out);
    // Its output read again has each result column once, written anew.
    EXPECT_EQ(Batch(dir, {QStringLiteral("out.csv")}).out, piped.out);
    const auto rows = Rows(piped.out);
    ASSERT_EQ(rows.size(), 4U);
    EXPECT_EQ(rows[0].at("name"), "dish washer");
    for (const auto& row : rows)
        ExpectResults(row, row.at("name"));

    Write(dir, QStringLiteral("dish washer.liftjob"), DishWasherJobFile());
    const Outcome jobs = Batch(dir, {QStringLiteral("dish washer.liftjob")});
    EXPECT_EQ(jobs.exit, 0) << jobs.err;
    const auto jobRows = Rows(jobs.out);
    ASSERT_EQ(jobRows.size(), 1U);
    EXPECT_EQ(jobRows[0].at("file"), "dish washer.liftjob");
    EXPECT_EQ(jobRows[0].at("title"), "Dishes");
    ExpectResults(jobRows[0], "dish washer");
}

// Two tasks of one job, worked by hand by the multi-task rules (1 hour, Good):
// low shelf: L(AVG) 25, L(Max) 35, H 10/10, V 10/30, A 0/0, F 1. D 20, DM
// 0.82+1.8/20 = 0.91; VM at the origin 1-0.0075*20 = 0.85; FM 0.94. FIRWL
// 51*0.85*0.91 = 39.45 at the origin, 51*0.91 = 46.41 at the destination; STLI
// 25/37.08 = 0.674 and 25/43.63 = 0.573: the origin governs; FILI 35/39.45 =
// 0.887.
// high shelf: L(AVG) 20, L(Max) 25, H 10/20, V 30/50, A 0/30, F 0.5; FM 0.97.
// At the destination HM 0.5, VM 0.85, DM 0.91, AM 1-0.0032*30 = 0.904: FIRWL
// 17.83, STRWL 17.30, STLI 20/17.30 = 1.156, FILI 25/17.83 = 1.402; at the
// origin FIRWL 46.41, STLI 20/45.02 = 0.444: the destination governs.
// Ranked: high shelf, then low shelf. FM of 0.5 + 1 = 1.5 lifts/min, between
// the rows of 1 (0.94) and 2 (0.91): 0.925. CLI = 1.156 + 0.887 x (1/0.925 -
// 1/0.97) = 1.156 + 0.044 = 1.20.
const std::vector<std::string> kTaskColumns{"firwl",         "strwl",     "fili", "stli",
                                            "governing_end", "task_rank", "cli",  "why_no_cli"};
const std::map<std::string, std::vector<std::string>> kShelves{
    {"low shelf", {"39.4", "37.1", "0.89", "0.67", "origin", "2", "1.20", ""}},
    {"high shelf", {"17.8", "17.3", "1.40", "1.16", "destination", "1", "1.20", ""}},
};
const std::vector<std::array<const char*, 9>> kShelfEntries{
    {"25", "35", "10", "10", "10", "30", "0", "0", "1"},
    {"20", "25", "10", "30", "20", "50", "0", "30", "0.5"},
};

void ExpectTask(const std::map<std::string, std::string>& row, const std::string& name) {
    SCOPED_TRACE(name);
    const std::vector<std::string>& expected = kShelves.at(name);
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(row.at(kTaskColumns[i]), expected[i]) << kTaskColumns[i];
}

// Rows of one composite job need not stand together, nor spell its name
// with the same case and blanks around it; a job whose rows disagree on
// their units makes each of them an error. A multi-task job file
// gives the same values, a row a task.
TEST(Batch, CombinesTheRowsOfAMultiTaskJob) {
    QTemporaryDir dir;
    const QByteArray input = "name,composite," + kHeader.mid(5) +
                             "low shelf,shelves,us,1,good,25,35,10,10,10,30,0,0,1\n"
                             "dish washer,,us,1,good,20,20,20,44,20,7,30,30,5\n"
                             "high shelf, Shelves ,us,1,good,20,25,10,30,20,50,0,30,0.5\n"
                             "a,mixed,us,1,good,20,20,20,44,20,7,30,30,5\n"
                             "b,mixed,metric,1,good,20,20,20,44,20,7,30,30,5\n";
    const Outcome run = Batch(dir, {QStringLiteral("-")}, input);
    EXPECT_EQ(run.exit, 1) << run.err;
    const std::string mixed = "composite \"mixed\": its rows' units differ (us on line 5, "
                              "metric on line 6)";
    EXPECT_NE(run.err.find("standard input:6: " + mixed), std::string::npos) << run.err;
    const auto rows = Rows(run.out);
    ASSERT_EQ(rows.size(), 5U);
    ExpectTask(rows[0], "low shelf");
    ExpectTask(rows[2], "high shelf");
    ExpectResults(rows[1], "dish washer");
    for (const std::string& column : kTaskColumns)
        EXPECT_EQ(rows[1].at(column), "") << column;
    for (const std::size_t i : {3U, 4U}) {
        EXPECT_EQ(rows[i].at("error"), mixed);
        EXPECT_EQ(rows[i].at("li_origin"), "");
        EXPECT_EQ(rows[i].at("cli"), "");
    }
    // A file is read again from where its rows start, where standard input
    // is kept in memory: the same rows come out.
    Write(dir, QStringLiteral("jobs.csv"), input);
    EXPECT_EQ(Batch(dir, {QStringLiteral("jobs.csv")}).out, run.out);

    lifting::MultiTaskFile file;
    for (std::size_t t = 0; t < kShelfEntries.size(); ++t) {
        lifting::Task& task = file.job.tasks.emplace_back();
        task.name = QString::fromLatin1(t == 0 ? "low shelf" : "high shelf");
        for (std::size_t e = 0; e < lifting::kEntryCount; ++e)
            task[static_cast<lifting::Entry>(e)] = QString::fromLatin1(kShelfEntries[t][e]);
    }
    Write(dir, QStringLiteral("shelves.liftjob"), lifting::WriteMultiTaskFile(file));
    const Outcome jobs = Batch(dir, {QStringLiteral("shelves.liftjob")});
    EXPECT_EQ(jobs.exit, 0) << jobs.err;
    const auto taskRows = Rows(jobs.out);
    ASSERT_EQ(taskRows.size(), 2U);
    for (const auto& row : taskRows)
        ExpectTask(row, row.at("task_name"));
}

// The batch reads its entries from bytes and prints its results from the
// engine's figures, remembering texts it printed before; the sheet's texts
// come from typed strings. Both must give the same cells for any job.
TEST(Batch, AgreesWithTheSheetOnRandomJobs) {
    using lifting::Cell;
    const std::vector<std::pair<std::string, Cell>> kCells{
        {"hm_origin", Cell::HmOrigin},
        {"hm_destination", Cell::HmDestination},
        {"vm_origin", Cell::VmOrigin},
        {"vm_destination", Cell::VmDestination},
        {"d", Cell::Distance},
        {"dm", Cell::DmOrigin},
        {"am_origin", Cell::AmOrigin},
        {"am_destination", Cell::AmDestination},
        {"fm_origin", Cell::FmOrigin},
        {"fm_destination", Cell::FmDestination},
        {"cm_origin", Cell::CmOrigin},
        {"cm_destination", Cell::CmDestination},
        {"lc", Cell::LcOrigin},
        {"rwl_origin", Cell::RwlOrigin},
        {"rwl_destination", Cell::RwlDestination},
        {"li_origin", Cell::LiOrigin},
        {"li_destination", Cell::LiDestination}};
    // Plain entries most of the time, and now and then every other kind.
    const std::vector<QString> kOdd{"",
                                    " 7",
                                    "-3",
                                    "+12.",
                                    "1e2",
                                    "2.5E-1",
                                    "abc",
                                    "12,5",
                                    "0",
                                    "1e39",
                                    ".5",
                                    "007",
                                    "99999999999999999",
                                    "1e-7",
                                    "3.14159265358979323846"};
    std::mt19937 random(1234);
    auto below = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    QBuffer csv;
    csv.open(QIODevice::WriteOnly);
    lifting::CsvWriter writer(&csv);
    for (const char* column :
         {"units", "duration", "coupling", "lavg", "lmax", "origin_h", "origin_v", "destination_h",
          "destination_v", "origin_a", "destination_a", "frequency"})
        writer.Field(QByteArrayView(column));
    writer.EndRecord();
    std::vector<lifting::Job> jobs(3000);
    for (lifting::Job& job : jobs) {
        job.units = below(2) == 0 ? lifting::Units::UsCustomary : lifting::Units::Metric;
        job.duration = static_cast<lifting::Duration>(below(3));
        job.coupling = static_cast<lifting::Coupling>(below(3));
        writer.Field(QStringView(QString(lifting::KeyOf(job.units))));
        writer.Field(QStringView(QString(lifting::KeyOf(job.duration))));
        writer.Field(QStringView(QString(lifting::KeyOf(job.coupling))));
        for (std::optional<QString>& entry : job.entries) {
            const QString text = below(4) == 0   ? kOdd[static_cast<std::size_t>(below(15))]
                                 : below(2) == 0 ? QString::number(below(200))
                                                 : QString::number(below(2000) / 10.0);
            // An empty field is an entry never made.
            if (!text.isEmpty())
                entry = text;
            writer.Field(QStringView(text));
        }
        writer.EndRecord();
    }
    ASSERT_TRUE(writer.Flush());
    QTemporaryDir dir;
    const Outcome outcome = Batch(dir, {QStringLiteral("-")}, csv.data());
    // A row with a text that is no number of 0 or more is an error with no
    // results; the others agree with the sheet.
    const auto refused = [](const lifting::Job& job) {
        return std::any_of(job.entries.begin(), job.entries.end(), [](const auto& entry) {
            const std::optional<double> number =
                entry ? lifting::ReadNumber(*entry) : std::optional<double>(0);
            return !number || *number < 0;
        });
    };
    EXPECT_EQ(outcome.exit, 1) << outcome.err;
    const auto rows = Rows(outcome.out);
    ASSERT_EQ(rows.size(), jobs.size());
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        const bool error = refused(jobs[i]);
        ASSERT_EQ(rows[i].at("error").empty(), !error) << "row " << i;
        const lifting::Shown shown = lifting::Evaluate(jobs[i]);
        for (const auto& [column, cell] : kCells)
            ASSERT_EQ(rows[i].at(column), error ? std::string() : shown[cell].toStdString())
                << "row " << i << " " << column;
    }
}

// Columns in any order and case, quoted fields, CRLF and a byte order mark,
// which the output keeps so that a spreadsheet reads it back as UTF-8.
TEST(Batch, KeepsQuotedColumnsAndTheByteOrderMark) {
    QTemporaryDir dir;
    const QByteArray input =
        "\xEF\xBB\xBF"
        "Frequency,LAVG,lmax,Origin_H,origin_v,destination_h,destination_v,"
        "origin_a,destination_a,\" Coupling \",Units,Duration,\"Job, \"\"quoted\"\"\"\r\n"
        "5,20,20,20,44,20,7,30,30,Good,US,1,\"dish washer\r\n\xC3\xA0 la \"\"main\"\"\"\r\n";
    const Outcome run = Batch(dir, {QStringLiteral("-")}, input);
    EXPECT_EQ(run.exit, 0) << run.err;
    ASSERT_TRUE(run.out.startsWith("\xEF\xBB\xBF"
                                   "Frequency,LAVG,"));
    const auto rows = Rows(run.out);
    ASSERT_EQ(rows.size(), 1U);
    EXPECT_EQ(rows[0].at("Job, \"quoted\""), "dish washer\r\n\xC3\xA0 la \"main\"");
    ExpectResults(rows[0], "dish washer");
}

struct Failure {
    const char* what;
    QStringList arguments;
    QByteArray input; // written to in.csv and in.liftjob
    int exit;
    std::string message; // a line on standard error
    // With status 1: the rows, the one that failed and its error, if given;
    // every other row is the dish washer's.
    std::size_t rows = 0;
    std::size_t failed = 0;
    std::string error{};
};

TEST(Batch, NamesWhatCannotBeReadWithItsStatus) {
    const QByteArray good = "dish washer,us,1,good,20,20,20,44,20,7,30,30,5\n";
    const QString in = QStringLiteral("in.csv");
    const std::string units = "units is \"usa\"; it must be us or metric";
    const std::string duration = "duration is empty; it must be 1, 2 or 8";
    const std::string count = "the row has 5 fields; the header has 13";
    const std::string pounds = "lmax is \"25 lb\": Type the number alone (in pounds)";
    const std::vector<Failure> failures{
        {"unknown units",
         {in},
         kHeader + good + "x,usa,1,good,20,20,20,44,20,7,30,30,5\n" + good,
         1,
         "in.csv:3: " + units + "\n",
         3,
         1,
         units},
        {"empty duration",
         {in},
         kHeader + good + "x,US,,good,20,20,20,44,20,7,30,30,5\n" + good,
         1,
         "in.csv:3: " + duration + "\n",
         3,
         1,
         duration},
        {"field count",
         {in},
         kHeader + good + "x,us,1,good,20\n" + good,
         1,
         "in.csv:3: " + count + "\n",
         3,
         1,
         count},
        {"never closed",
         {in},
         kHeader + good + "\n" + good + "\"x,us",
         1,
         "in.csv:5: a quoted field is not closed before the end of the input\n",
         3,
         2},
        {"job files",
         {QStringLiteral("a.liftjob"), QStringLiteral("in.liftjob")},
         DishWasherJobFile(),
         1,
         "a.liftjob: it cannot be read",
         2,
         0},
        {"refused entry in a job file",
         {QStringLiteral("in.liftjob")},
         DishWasherJobFile("25 lb"),
         1,
         "in.liftjob: " + pounds,
         1,
         0,
         pounds},
        {"no such file", {QStringLiteral("none.csv")}, {}, 2, "cannot read none.csv"},
        {"empty file", {in}, "", 2, "in.csv: no header row: the input is empty\n"},
        {"missing column",
         {in},
         kHeader.left(kHeader.lastIndexOf(',')) + "\n" + good,
         2,
         "in.csv: the header row has no column frequency\n"},
        {"no folder",
         {in, QStringLiteral("-o"), QStringLiteral("none/out.csv")},
         kHeader + good,
         2,
         "cannot write none/out.csv"},
        {"full disk",
         {in, QStringLiteral("-o"), QStringLiteral("/dev/full")},
         kHeader + good,
         2,
         "cannot write /dev/full: No space left on device\n"},
    };
    for (const Failure& f : failures) {
        SCOPED_TRACE(f.what);
        QTemporaryDir dir;
        Write(dir, in, f.input);
        Write(dir, QStringLiteral("in.liftjob"), f.input);
        const Outcome run = Batch(dir, f.arguments);
        EXPECT_EQ(run.exit, f.exit);
        EXPECT_NE(run.err.find("lifting-worksheet: " + f.message), std::string::npos) << run.err;
        if (f.exit == 2) {
            EXPECT_EQ(run.out, "");
            continue;
        }
        // Every row keeps its place; the others are computed.
        const auto rows = Rows(run.out);
        ASSERT_EQ(rows.size(), f.rows);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (i != f.failed) {
                ExpectResults(rows[i], "dish washer");
                continue;
            }
            for (qsizetype r = 0; r + 1 < kResults.size(); ++r)
                EXPECT_EQ(rows[i].at(kResults[r].toStdString()), "") << kResults[r].constData();
            EXPECT_NE(rows[i].at("error"), "");
            if (!f.error.empty()) {
                EXPECT_EQ(rows[i].at("error"), f.error);
            }
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
