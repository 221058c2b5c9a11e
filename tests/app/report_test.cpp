// The report read back from its PDF with poppler's pdftotext: the sheet's own
// cells as text, the table, what each lifting index means; and the headless
// --report command's exit statuses.
#include "app/report_output.h"
#include "lifting/job_file.h"
#include "lifting/multitask_file.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using lifting::Entry;

lifting::Job MakeJob(lifting::Units units,
                     std::initializer_list<std::pair<Entry, const char*>> entries) {
    lifting::Job job;
    job.units = units;
    for (const auto& [entry, text] : entries)
        job[entry] = QString::fromLatin1(text);
    return job;
}

// The published dish-washer job: U.S. customary, up to 1 hour, Good coupling.
// By hand: HM 10/20 = 0.50 at both ends; VM 1 - 0.0075 x 14 = 0.895 at the
// origin (V 44), 1 - 0.0075 x 23 = 0.8275 at the destination (V 7); D 37, DM
// 0.82 + 1.8/37 = 0.8686; AM 1 - 0.0032 x 30 = 0.904; FM 0.80 for 5 lifts a
// minute at either height; CM 1.00. RWL 51 x 0.5 x 0.895 x 0.8686 x 0.904 x
// 0.80 = 14.34 lb at the origin and 13.26 lb at the destination, lifting
// indices 20/14.34 = 1.39 and 20/13.26 = 1.51.
lifting::JobFile DishWasherJob() {
    lifting::JobFile file;
    file.details = {QStringLiteral("Dish rack unloading"), QStringLiteral("Kitchen"),
                    QStringLiteral("A. Analyst"), QStringLiteral("2026-12-08"), QString()};
    file.job = MakeJob(lifting::Units::UsCustomary, {{Entry::LoadAvg, "20"},
                                                     {Entry::LoadMax, "20"},
                                                     {Entry::OriginH, "20"},
                                                     {Entry::OriginV, "44"},
                                                     {Entry::DestinationH, "20"},
                                                     {Entry::DestinationV, "7"},
                                                     {Entry::OriginA, "30"},
                                                     {Entry::DestinationA, "30"},
                                                     {Entry::Frequency, "5"}});
    file.calculated = true;
    file.shown = lifting::KeepAll(lifting::Evaluate(file.job));
    return file;
}

QString PdfText(const QString& pdf) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    EXPECT_FALSE(pdftotext.isEmpty()) << "pdftotext (poppler-utils) is needed";
    QProcess process;
    process.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(30000));
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A headless command (--report, --compare) run as a user would, with no
// window system at all.
struct Outcome {
    int status;
    QString errors;
};
Outcome RunProgram(const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(LIFTING_WORKSHEET), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}
Outcome Report(const QStringList& arguments) {
    return RunProgram(QStringList{QStringLiteral("--report")} + arguments);
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void ExpectLine(const QString& text, const QString& pattern) {
    EXPECT_TRUE(QRegularExpression(pattern).match(text).hasMatch())
        << "no line matches " << pattern.toStdString() << " in\n"
        << text.toStdString();
}

TEST(Report, DishWasherJobWrittenHeadlessHoldsTheSheetTheResultsAndTheirMeaning) {
    QTemporaryDir dir;
    const QString job = dir.filePath(QStringLiteral("dish.liftjob"));
    const QString pdf = dir.filePath(QStringLiteral("dish.pdf"));
    QFile file(job);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(lifting::WriteJobFile(DishWasherJob()));
    file.close();

    const Outcome run = Report({job, QStringLiteral("-o"), pdf});
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Dish rack unloading")));
    // The table.
    ExpectLine(text, QStringLiteral(R"(Recommended weight limit RWL \(lb\) +14\.3 +13\.3\n)"));
    ExpectLine(text, QStringLiteral(R"(Lifting index LI +1\.4 +1\.5\n)"));
    ExpectLine(text, QStringLiteral(R"(Vertical multiplier VM +0\.90 +0\.83\n)"));
    // The sheet's own STEP 3 cells, drawn as text: weight / RWL = index.
    ExpectLine(text, QStringLiteral(R"(= +20 +/ *14\.3 += +1\.4)"));
    ExpectLine(text, QStringLiteral(R"(= +20 +/ *13\.3 += +1\.5)"));
    ExpectLine(text, QStringLiteral(R"(Origin +1\.4: increased risk for some workers)"));
    ExpectLine(text, QStringLiteral(R"(Destination +1\.5: increased risk for some workers)"));
    // What to change first, on its own page: HM 0.50 costs most at both ends,
    // and alone at 1.00 halves the index (1.39 x 0.50, 1.51 x 0.50); the RWL
    // is the heaviest object, and even FM 1.00 leaves the index over 1.0.
    ExpectLine(text, QStringLiteral("What to change first"));
    ExpectLine(text, QStringLiteral(R"(Origin: lifting index 1\.39, increased risk)"));
    ExpectLine(text, QStringLiteral(R"(HM 0\.50 +H 20 in +0\.70 +H at most 10 in +H at the origin )"
                                    R"(20 → 10 in: 0\.70 +Bring the load closer)"));
    ExpectLine(text, QStringLiteral(R"(HM 0\.50 +H 20 in +0\.75 +H at most 10 in)"));
    ExpectLine(text, QStringLiteral(R"(Heaviest object for an index of 1\.0: 14\.3 lb .* at most )"
                                    R"(1\.0: none\n)"));
    ExpectLine(text, QStringLiteral(R"(Heaviest object for an index of 1\.0: 13\.3 lb)"));
    // Vectors only: no control of the sheet went onto the page as an image.
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_FALSE(written.readAll().contains("/Subtype /Image"));
    // The saved cells are the replayed ones: nothing to note.
    EXPECT_FALSE(text.contains(QStringLiteral("showed otherwise")));
    EXPECT_TRUE(text.contains(QStringLiteral("File dish.liftjob")));
}

// Metric, with the destination beyond the farthest reach (H 70 cm > 63 cm: HM
// 0, RWL 0) and an origin index just over 1.0 that its cell rounds to 1.0.
// By hand: HM 25/25 = 1.00, VM 1.00 (V 75), D 25 so DM 1.00, AM 1.00, FM 0.94
// (1 lift a minute), CM 1.00: RWL 23 x 0.94 = 21.6 kg at the origin, lifting
// index 22.5 / 21.62 = 1.04.
TEST(Report, MetricJobReadsNoIndexAsNoIndexAndRoundingAsTheIndexBeforeIt) {
    lifting::JobFile file;
    file.details.title = QStringLiteral("Reaching into the bin");
    file.job = MakeJob(lifting::Units::Metric, {{Entry::LoadAvg, "22.5"},
                                                {Entry::LoadMax, "10"},
                                                {Entry::OriginH, "25"},
                                                {Entry::OriginV, "75"},
                                                {Entry::DestinationH, "70"},
                                                {Entry::DestinationV, "100"},
                                                {Entry::OriginA, "0"},
                                                {Entry::DestinationA, "0"},
                                                {Entry::Frequency, "1"}});
    file.calculated = true;
    file.shown = lifting::KeepAll(lifting::Evaluate(file.job));
    // As if saved by a sheet that showed an index where there is none.
    file.shown[lifting::Cell::LiDestination] = QStringLiteral("0.0");

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("bin.pdf"));
    QString error;
    ASSERT_TRUE(app::WriteReportPdf({file, QString()}, pdf, &error)) << error.toStdString();
    const QString text = PdfText(pdf);
    ExpectLine(text, QStringLiteral(R"(Horizontal location H \(cm\) +25 +70\n)"));
    ExpectLine(text, QStringLiteral(R"(Recommended weight limit RWL \(kg\) +21\.6 +0\.0\n)"));
    ExpectLine(text, QStringLiteral(R"(Lifting index LI +1\.0 +N/A\n)"));
    ExpectLine(text,
               QStringLiteral(R"(Origin +1\.0 \(1\.04\d* before rounding\): increased risk)"));
    ExpectLine(text, QStringLiteral(R"(Destination +N/A: no lifting index can be given)"));
    EXPECT_TRUE(text.simplified().contains(
        QStringLiteral("RWL is 0: H at the destination 70 cm is beyond 63 cm: HM 0.")))
        << text.toStdString();
    EXPECT_FALSE(
        QRegularExpression(QStringLiteral("Destination +N/A[^\n]*nominal")).match(text).hasMatch());
    ExpectLine(
        text, QStringLiteral(R"(1 of its cells showed otherwise: Lifting index at destination\.)"));
    EXPECT_TRUE(text.contains(QStringLiteral("Not saved to a file")));
}

// The README's crate job, whose ends differ in most multipliers, by hand:
// HM 10/12 = 0.83 and 10/20 = 0.50; VM 1 - 0.0075 x 10 = 0.925 and
// 1 - 0.0075 x 20 = 0.85; D 30, DM 0.82 + 1.8/30 = 0.88; AM 1 - 0.0032 x 30 =
// 0.904 and 1.00; FM 0.91 for 2 lifts a minute up to 1 hour at either height;
// Fair CM 0.95 below 30 in, 1.00 above; RWL 51 x 0.833 x 0.925 x 0.88 x 0.904
// x 0.91 x 0.95 = 27.0 lb and 51 x 0.50 x 0.85 x 0.88 x 0.91 = 17.4 lb;
// lifting indices 20/27.0 = 0.74 and 25/17.4 = 1.44.
TEST(Report, CrateJobFillsEveryRowWithItsOwnEnd) {
    lifting::JobFile file;
    file.job = MakeJob(lifting::Units::UsCustomary, {{Entry::LoadAvg, "20"},
                                                     {Entry::LoadMax, "25"},
                                                     {Entry::OriginH, "12"},
                                                     {Entry::OriginV, "20"},
                                                     {Entry::DestinationH, "20"},
                                                     {Entry::DestinationV, "50"},
                                                     {Entry::OriginA, "30"},
                                                     {Entry::DestinationA, "0"},
                                                     {Entry::Frequency, "2"}});
    file.job.coupling = lifting::Coupling::Fair;
    file.calculated = true;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("crate.pdf"));
    auto page = [&] {
        QString error;
        EXPECT_TRUE(app::WriteReportPdf({file, QString()}, pdf, &error)) << error.toStdString();
        return PdfText(pdf);
    };
    const QString text = page();
    for (const char* row :
         {R"(Object weight L\(AVG\), L\(Max\) \(lb\) +20 +25)",
          R"(Horizontal location H \(in\) +12 +20)", R"(Vertical location V \(in\) +20 +50)",
          R"(Vertical travel distance D \(in\) +30 +30)", R"(Asymmetric angle A \(°\) +30 +0)",
          R"(Frequency F \(lifts/min\) +2\. +2\.)", R"(Horizontal multiplier HM +0\.83 +0\.50)",
          R"(Vertical multiplier VM +0\.93 +0\.85)", R"(Distance multiplier DM +0\.88 +0\.88)",
          R"(Asymmetric multiplier AM +0\.90 +1\.00)", R"(Frequency multiplier FM +0\.91 +0\.91)",
          R"(Coupling multiplier CM +0\.95 +1\.00)", R"(Load constant LC \(lb\) +51 +51)",
          R"(Recommended weight limit RWL \(lb\) +27\.0 +17\.4)",
          R"(Lifting index LI +0\.7 +1\.4)"})
        ExpectLine(text, QString::fromUtf8(row) + u'\n');

    // An entry that is no number is left unmade, and the page says so.
    file.job[Entry::OriginH] = QStringLiteral("12 in");
    const QString refused = page();
    ExpectLine(refused, QStringLiteral("Left unmade, as they are not numbers of 0 or more: "
                                       "Origin H \u201c12 in\u201d\\."));
    ExpectLine(refused, QStringLiteral(R"(Horizontal location H \(in\) +20\n)"));
}

TEST(Report, CommandFailsWithTheStatusAndTheFileThatWentWrong) {
    QTemporaryDir dir;
    const QString bad = dir.filePath(QStringLiteral("bad.liftjob"));
    const QString good = dir.filePath(QStringLiteral("good.liftjob"));
    QFile badFile(bad);
    ASSERT_TRUE(badFile.open(QIODevice::WriteOnly));
    badFile.write(R"({"format": "lifting-worksheet-job", "version": )");
    badFile.close();
    QFile goodFile(good);
    ASSERT_TRUE(goodFile.open(QIODevice::WriteOnly));
    goodFile.write(lifting::WriteJobFile(DishWasherJob()));
    goodFile.close();
    const QString unwritable = dir.filePath(QStringLiteral("no/such/folder/out.pdf"));

    const struct {
        QString job;
        QString output;
        int status;
        QString named;
    } kCases[] = {
        {bad, dir.filePath(QStringLiteral("a.pdf")), 2, bad},
        {dir.filePath(QStringLiteral("missing.liftjob")), dir.filePath(QStringLiteral("b.pdf")), 2,
         dir.filePath(QStringLiteral("missing.liftjob"))},
        {good, unwritable, 1, unwritable},
    };
    for (const auto& c : kCases) {
        const Outcome run = Report({c.job, QStringLiteral("-o"), c.output});
        EXPECT_EQ(run.status, c.status) << c.job.toStdString();
        EXPECT_TRUE(run.errors.contains(QStringLiteral("lifting-worksheet: %1: ").arg(c.named)))
            << run.errors.toStdString();
        EXPECT_FALSE(QFile::exists(c.output));
    }

    // Neither the job nor a pipe named as the output is replaced by a file:
    // the job is refused as the output, and the pipe's reader gets the PDF.
    EXPECT_EQ(Report({good, QStringLiteral("-o"), good}).status, 2);
    QString error;
    EXPECT_TRUE(lifting::LoadJobFile(good, &error)) << error.toStdString();
    const QString pipe = dir.filePath(QStringLiteral("pipe.pdf"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QProcess reader;
    reader.start(QStringLiteral("cat"), {pipe});
    EXPECT_EQ(Report({good, QStringLiteral("-o"), pipe}).status, 0);
    EXPECT_TRUE(reader.waitForFinished(10000) && reader.readAllStandardOutput().startsWith("%PDF"));
    reader.kill();
    EXPECT_FALSE(QFileInfo(pipe).isFile());
}

// The dish-washer job against the same job with H 20 -> 10 at both ends: HM
// 0.50 -> 1.00 doubles each RWL (14.34 -> 28.68 lb, 13.26 -> 26.51 lb) and
// halves each index (20/28.68 = 0.70, 20/26.51 = 0.75). A single-task job is
// not compared with a multi-task one, and a file that cannot be read is named.
TEST(Compare, DishWasherBeforeAndAfterWrittenHeadless) {
    QTemporaryDir dir;
    const QString before = dir.filePath(QStringLiteral("before.liftjob"));
    const QString after = dir.filePath(QStringLiteral("after.liftjob"));
    const QString tasks = dir.filePath(QStringLiteral("tasks.liftjob"));
    const QString pdf = dir.filePath(QStringLiteral("compare.pdf"));
    lifting::JobFile job = DishWasherJob();
    WriteFile(before, lifting::WriteJobFile(job));
    job.job[Entry::OriginH] = job.job[Entry::DestinationH] = QStringLiteral("10");
    WriteFile(after, lifting::WriteJobFile(job));
    lifting::MultiTaskFile multiTask;
    multiTask.job.tasks.resize(2);
    WriteFile(tasks, lifting::WriteMultiTaskFile(multiTask));

    const Outcome run =
        RunProgram({QStringLiteral("--compare"), before, after, QStringLiteral("-o"), pdf});
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    EXPECT_TRUE(run.errors.isEmpty()) << run.errors.toStdString();
    const QString text = PdfText(pdf);
    ExpectLine(text,
               QStringLiteral(R"(Recommended weight limit RWL \(lb\) +14\.3 +28\.7 +\+100\.0% )"
                              R"(+13\.3 +26\.5 +\+100\.0%\n)"));
    ExpectLine(text,
               QStringLiteral(R"(Lifting index LI +1\.4 +0\.7 +-50\.0% +1\.5 +0\.8 +-50\.0%\n)"));
    ExpectLine(text, QStringLiteral(R"(Horizontal multiplier HM +0\.50 +1\.00 +0\.50 +1\.00\b)"));
    // Each end's band after: at most 1.0.
    ExpectLine(text, QStringLiteral(R"(0\.7: nominal risk for most healthy workers)"));
    ExpectLine(text, QStringLiteral(R"(0\.8: nominal risk for most healthy workers)"));

    const QString missing = dir.filePath(QStringLiteral("missing.liftjob"));
    const struct {
        QString before;
        QString after;
        QString named;
    } kRefused[] = {
        {before, tasks, QStringLiteral("%1 and %2: one is a single-task job").arg(before, tasks)},
        {missing, after, missing + u':'},
        {before, missing, missing + u':'},
    };
    for (const auto& c : kRefused) {
        const QString out = dir.filePath(QStringLiteral("refused.pdf"));
        const Outcome refused =
            RunProgram({QStringLiteral("--compare"), c.before, c.after, QStringLiteral("-o"), out});
        EXPECT_EQ(refused.status, 2);
        EXPECT_TRUE(refused.errors.contains(c.named)) << refused.errors.toStdString();
        EXPECT_FALSE(QFile::exists(out));
    }
}

} // namespace
