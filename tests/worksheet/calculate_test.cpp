#include "support/sheet.h"

#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cfloat>
#include <span>

namespace {

const QStringList kResultCells{"Picture7",  "Picture14", "Picture15", "Picture21", "Picture22",
                               "Picture23", "Picture24", "Picture25", "Picture26", "Picture27",
                               "Picture28", "Picture29", "Picture30", "Picture31", "Picture32"};

QStringList Results(support::Sheet& sheet) {
    QStringList shown;
    for (const QString& name : kResultCells)
        shown << sheet.cell(name);
    return shown;
}

// D, DM x2, CM x2, LC x2, RWL x2, index x2, numerator, RWL, numerator, RWL.
QStringList Expected(std::initializer_list<const char*> cells) {
    QStringList list;
    for (const char* c : cells)
        list << c;
    return list;
}

TEST(Calculate, FreshSheetHasNoIndex) {
    support::Sheet sheet;
    sheet.click("Command1");
    EXPECT_EQ(Results(sheet), Expected({"0", "1.00", "1.00", "1.00", "1.00", "51", "51", "0.0",
                                        "0.0", "N/A", "N/A", "0", "0.0", "0", "0.0"}));
    EXPECT_EQ(sheet.form().rwlORIGIN, 0.0f);
}

void EnterAll(support::Sheet& sheet, std::span<const support::Entry> entries) {
    for (const auto& [control, text] : entries)
        sheet.enter(control, text);
}

// A job with every multiplier at 1.
void EnterIdealJob(support::Sheet& sheet) {
    constexpr support::Entry kIdeal[] = {
        {"Picture1", "25.5"}, {"Picture2", "30"}, {"Picture3", "10"},
        {"Picture5", "10"},   {"Picture4", "30"}, {"Picture6", "30"},
        {"Picture8", "0"},    {"Picture9", "0"},  {"Picture18", "0.2"},
    };
    EnterAll(sheet, kIdeal);
}

TEST(Calculate, AllMultipliersOneGiveTheLoadConstant) {
    support::Sheet sheet;
    EnterIdealJob(sheet);
    sheet.click("Command1");
    EXPECT_EQ(Results(sheet), Expected({"0", "1.00", "1.00", "1.00", "1.00", "51", "51", "51.0",
                                        "51.0", "0.5", "0.6", "25.5", "51.0", "30", "51.0"}));
    EXPECT_EQ(sheet.form().rwlORIGIN, 51.0f);
    EXPECT_EQ(sheet.form().rwlDESTIN, 51.0f);

    sheet.click("Option10");
    sheet.click("Command1");
    EXPECT_EQ(sheet.cell("Picture25"), "23.0");
    EXPECT_EQ(sheet.cell("Picture26"), "23.0");
}

// The worked job, for up to an hour, with a Fair coupling.
void EnterWorkedJob(support::Sheet& sheet) {
    EnterAll(sheet, support::kWorkedJob);
    sheet.click("Option7");
}

TEST(Calculate, WorkedJobInUsCustomaryThenMetric) {
    support::Sheet sheet;
    EnterWorkedJob(sheet);
    EXPECT_EQ(sheet.cell("Picture10"), "0.83");
    EXPECT_EQ(sheet.cell("Picture11"), "0.50");
    EXPECT_EQ(sheet.cell("Picture12"), "0.93");
    EXPECT_EQ(sheet.cell("Picture13"), "0.85");
    EXPECT_EQ(sheet.cell("Picture16"), "0.90");
    EXPECT_EQ(sheet.cell("Picture17"), "1.00");
    EXPECT_EQ(sheet.cell("Picture19"), "0.91");
    EXPECT_EQ(sheet.cell("Picture21"), "0.95");
    EXPECT_EQ(sheet.cell("Picture22"), "1.00");
    // Nothing of STEP 2's results moves before CALCULATE.
    EXPECT_EQ(sheet.cell("Picture25"), "");

    sheet.click("Command1");
    EXPECT_EQ(Results(sheet), Expected({"30", "0.88", "0.88", "0.95", "1.00", "51", "51", "27.0",
                                        "17.4", "0.7", "1.4", "20", "27.0", "25", "17.4"}));
    // Each partial product rounded to float, left to right.
    EXPECT_EQ(sheet.form().rwlORIGIN, support::kWorkedJobRwlOrigin);
    EXPECT_EQ(sheet.form().rwlDESTIN, 0x1.15b7acp+4f);

    // The same stored multipliers with load constant 23; DM and CM are
    // recomputed in centimetres.
    sheet.click("Option10");
    sheet.click("Command1");
    EXPECT_EQ(Results(sheet), Expected({"30", "0.97", "0.97", "0.95", "0.95", "23", "23", "13.4",
                                        "8.2", "1.5", "3.0", "20", "13.4", "25", "8.2"}));
    EXPECT_EQ(sheet.form().rwlORIGIN, 0x1.ae1306p+3f);
    EXPECT_EQ(sheet.form().rwlDESTIN, 0x1.064d9cp+3f);
    EXPECT_EQ(sheet.caption("Label34"), "KG");
    EXPECT_EQ(sheet.cell("Picture10"), ""); // HM is not reprinted
}

TEST(Calculate, RwlAtOrBelowZeroHasNoIndex) {
    support::Sheet sheet;
    EnterIdealJob(sheet);
    sheet.enter("Picture3", "26");   // HM 0 at the origin
    sheet.enter("Picture4", "-200"); // VM negative at both ends, D stays 0
    sheet.enter("Picture6", "-200");
    sheet.click("Command1");
    EXPECT_EQ(sheet.cell("Picture25"), "0.0");
    EXPECT_EQ(sheet.cell("Picture27"), "N/A");
    EXPECT_EQ(sheet.cell("Picture29"), "25.5");
    EXPECT_TRUE(sheet.cell("Picture26").startsWith("-")) << sheet.cell("Picture26").toStdString();
    EXPECT_EQ(sheet.cell("Picture28"), "N/A");
    EXPECT_EQ(sheet.cell("Picture31"), "30");
}

TEST(Calculate, DistanceCellAndCaption) {
    support::Sheet sheet;
    sheet.click("Label14");
    EXPECT_EQ(sheet.cell("Picture7"), "0");
    EXPECT_EQ(sheet.cell("Picture14"), "1.00");
    EXPECT_EQ(sheet.cell("Picture25"), "");
    sheet.enter("Picture4", "10.5");
    sheet.enter("Picture6", "31.5");
    sheet.click("Picture7");
    EXPECT_EQ(sheet.cell("Picture7"), "22");
    EXPECT_EQ(sheet.cell("Picture15"), "0.90");
}

TEST(Calculate, FairCouplingJudgesEachEnd) {
    support::Sheet sheet;
    sheet.click("Option7");
    EXPECT_EQ(sheet.cell("Picture21"), "0.95");
    EXPECT_EQ(sheet.cell("Picture22"), "0.95");
    sheet.enter("Picture4", "29.9");
    sheet.enter("Picture6", "30");
    EXPECT_EQ(sheet.cell("Picture22"), "0.95"); // no cascade from the V entry
    sheet.click("Option8");
    EXPECT_EQ(sheet.cell("Picture21"), "0.90");
    sheet.click("Option7");
    EXPECT_EQ(sheet.cell("Picture21"), "0.95");
    EXPECT_EQ(sheet.cell("Picture22"), "1.00");
    sheet.click("Option6");
    EXPECT_EQ(sheet.cell("Picture21"), "1.00");
}

TEST(HugeEntries, DistanceAndResultsStayFinite) {
    support::Sheet sheet;
    sheet.enter("Picture4", "1e300");
    sheet.enter("Picture6", "-1e300");
    sheet.click("Picture7");
    EXPECT_EQ(sheet.cell("Picture7"), "2" + QString(300, u'0'));
    EXPECT_EQ(sheet.cell("Picture14"), "0.00");

    // A tiny RWL under a huge weight: the index saturates at the largest float.
    EnterIdealJob(sheet);
    sheet.enter("Picture1", "1e308");
    sheet.enter("Picture8", "135"); // AM 0.568
    sheet.enter("Picture3", "25");  // HM 0.4
    sheet.click("Command1");
    EXPECT_EQ(sheet.cell("Picture27"), "340282300000000000000000000000000000000.0");
    EXPECT_EQ(sheet.cell("Picture29"), "1E+308");

    // A product beyond the float range saturates rather than reaching infinity
    // (VM and AM far beyond any lift; D stays 0).
    sheet.enter("Picture4", "-1e39");
    sheet.enter("Picture6", "-1e39");
    sheet.enter("Picture8", "-1e39");
    sheet.click("Command1");
    EXPECT_EQ(sheet.form().rwlORIGIN, -FLT_MAX);
    EXPECT_EQ(sheet.cell("Picture25"), "-340282300000000000000000000000000000000.0");
    EXPECT_EQ(sheet.cell("Picture27"), "N/A");
}

TEST(Commands, AltCCalculates) {
    support::Sheet sheet;
    EnterIdealJob(sheet);
    QApplication::setActiveWindow(&sheet.form());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&sheet.form()));
    QTest::keyClick(&sheet.form(), Qt::Key_C, Qt::AltModifier);
    // An access key presses the button and releases it a little later.
    EXPECT_TRUE(QTest::qWaitFor([&] { return sheet.cell("Picture25") == "51.0"; }, 2000));
}

TEST(Commands, ExitEndsTheEventLoop) {
    support::Sheet sheet;
    QTimer::singleShot(0, [&] { sheet.click("Command2"); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(sheet.form().isVisible());
}

TEST(Commands, AltXEndsTheEventLoop) {
    support::Sheet sheet;
    QApplication::setActiveWindow(&sheet.form());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&sheet.form()));
    QTimer::singleShot(0, [&] { QTest::keyClick(&sheet.form(), Qt::Key_X, Qt::AltModifier); });
    // Fails the test rather than hanging if the key does nothing.
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(sheet.form().isVisible());
}

} // namespace
