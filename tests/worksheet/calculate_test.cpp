#include "support/sheet.h"

#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

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

    // A unit switch leaves no multiplier of the inches to combine with 23 kg.
    sheet.click("Option10");
    sheet.click("Command1");
    EXPECT_EQ(sheet.cell("Picture23"), "23");
    for (const char* rwl : {"Picture25", "Picture26"})
        EXPECT_EQ(sheet.cell(rwl), "0.0") << rwl;
    for (const char* index : {"Picture27", "Picture28"})
        EXPECT_EQ(sheet.cell(index), "N/A") << index;
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

    // The same job in centimetres and kilograms, entered again after the
    // switch: origin H 30, V 51, A 30; destination H 51, V 127, A 0; F 2;
    // Fair; L(AVG) 9, L(Max) 11.
    sheet.click("Option10");
    constexpr support::Entry kMetricJob[] = {
        {"Picture1", "9"},  {"Picture2", "11"}, {"Picture3", "30"},
        {"Picture5", "51"}, {"Picture4", "51"}, {"Picture6", "127"},
        {"Picture8", "30"}, {"Picture9", "0"},  {"Picture18", "2"},
    };
    EnterAll(sheet, kMetricJob);
    sheet.click("Command1");
    // By hand: HM 25/30 and 25/51, VM 1 - 0.003 x 24 and x 52, DM 0.82 + 4.5/76,
    // AM 0.904 and 1, FM 0.91, CM 0.95 and 1: RWL 12.22 and 7.61.
    EXPECT_EQ(Results(sheet), Expected({"76", "0.88", "0.88", "0.95", "1.00", "23", "23", "12.2",
                                        "7.6", "0.7", "1.4", "9", "12.2", "11", "7.6"}));
    EXPECT_EQ(sheet.caption("Label34"), "KG");
}

TEST(Calculate, RwlAtOrBelowZeroHasNoIndex) {
    support::Sheet sheet;
    EnterIdealJob(sheet);
    sheet.enter("Picture3", "26"); // HM 0 at the origin
    sheet.enter("Picture6", "71"); // VM 0 at the destination
    sheet.click("Command1");
    EXPECT_EQ(sheet.cell("Picture25"), "0.0");
    EXPECT_EQ(sheet.cell("Picture27"), "N/A");
    EXPECT_EQ(sheet.cell("Picture29"), "25.5");
    EXPECT_EQ(sheet.cell("Picture26"), "0.0");
    EXPECT_EQ(sheet.cell("Picture28"), "N/A");
    // Each says why, in words.
    EXPECT_EQ(sheet.control("Picture27")->toolTip(), "H at the origin 26 in is beyond 25 in: HM 0");
    EXPECT_EQ(sheet.control("Picture28")->toolTip(),
              "V at the destination 71 in is beyond 70 in: VM 0");
    sheet.enter("Picture3", "10");
    sheet.enter("Picture18", "1.5");
    sheet.click("Command1");
    EXPECT_EQ(sheet.control("Picture27")->toolTip(),
              "frequency 1.5 lifts/min has no row in the table (rows: 0.2, 0.5, 1, 2 … 15); 2 "
              "gives FM 0.91");
    sheet.enter("Picture18", "0.2");
    sheet.click("Command1");
    EXPECT_EQ(sheet.control("Picture27")->toolTip(), "");
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
    sheet.enter("Picture6", "0");
    sheet.click("Picture7");
    EXPECT_EQ(sheet.cell("Picture7"), "1" + QString(300, u'0'));
    EXPECT_EQ(sheet.cell("Picture14"), "0.00");

    // A tiny RWL under a huge weight: the index saturates at the largest float.
    EnterIdealJob(sheet);
    sheet.enter("Picture1", "1e308");
    sheet.enter("Picture8", "135"); // AM 0.568
    sheet.enter("Picture3", "25");  // HM 0.4
    sheet.click("Command1");
    EXPECT_EQ(sheet.cell("Picture27"), "340282300000000000000000000000000000000.0");
    EXPECT_EQ(sheet.cell("Picture29"), "1E+308");
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
