#include "lifting/fm_table.h"
#include "lifting/numbers.h"
#include "lifting/rules.h"
#include "support/random_text.h"
#include "support/rules.h"
#include "support/sheet.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <functional>

namespace {

constexpr int kTextsPerEntry = 120;

const QRegularExpression kTwoDecimals(QStringLiteral("^-?\\d+\\.\\d\\d$"));
const QRegularExpression kPointAlways(QStringLiteral("^-?\\d+\\.\\d?$"));

// What the multiplier cell must show for a typed text.
using Rule = std::function<QString(const QString& typed, lifting::Units usCustomary)>;

QString TwoDecimals(float value) {
    return lifting::Format(value, lifting::Pattern::TwoDecimals);
}

// Only a text that is wholly a number of 0 or more is an entry.
bool Refused(const QString& typed) {
    const std::optional<double> number = lifting::ReadNumber(typed);
    return !number || *number < 0;
}

struct EntryCase {
    const char* control;
    const char* valueCell;
    const char* multiplierCell; // nullptr for the weights
    Rule rule;
};

const EntryCase kEntries[] = {
    {"Picture3", "Picture3", "Picture10",
     [](const QString& t, lifting::Units us) {
         return TwoDecimals(lifting::ToSingle(
             lifting::HorizontalMultiplier(lifting::WholeNumberH(lifting::Val(t)), us)));
     }},
    {"Label11", "Picture5", "Picture11",
     [](const QString& t, lifting::Units us) {
         return TwoDecimals(lifting::ToSingle(
             lifting::HorizontalMultiplier(lifting::WholeNumberH(lifting::Val(t)), us)));
     }},
    {"Picture4", "Picture4", "Picture12",
     [](const QString& t, lifting::Units us) {
         const float v = lifting::SaturateToSingle(lifting::Val(t));
         return TwoDecimals(lifting::SaturateToSingle(lifting::VerticalMultiplier(v, us)));
     }},
    {"Label12", "Picture6", "Picture13",
     [](const QString& t, lifting::Units us) {
         const float v = lifting::SaturateToSingle(lifting::Val(t));
         return TwoDecimals(lifting::SaturateToSingle(lifting::VerticalMultiplier(v, us)));
     }},
    {"Label16", "Picture8", "Picture16",
     [](const QString& t, lifting::Units) {
         return TwoDecimals(
             lifting::SaturateToSingle(lifting::AsymmetricMultiplier(lifting::Val(t))));
     }},
    {"Picture9", "Picture9", "Picture17",
     [](const QString& t, lifting::Units) {
         return TwoDecimals(
             lifting::SaturateToSingle(lifting::AsymmetricMultiplier(lifting::Val(t))));
     }},
    {"Picture1", "Picture1", nullptr, {}},
    {"Label5", "Picture2", nullptr, {}},
};

// Random texts through every entry: a text taken shows as typed, and the
// multiplier is a well-formed number that follows its rule; a text refused
// says why and leaves the cell as it was.
TEST(EntryProperties, RandomTextsGiveWellFormedMultipliers) {
    std::mt19937_64 random(20261208);
    support::Sheet sheet;
    for (bool metric : {false, true}) {
        sheet.click(metric ? "Option10" : "Option9");
        for (const auto& e : kEntries) {
            for (int i = 0; i < kTextsPerEntry; ++i) {
                const QString typed = support::RandomText(random);
                const QString before = sheet.cell(e.valueCell);
                const harness::Modal seen = sheet.enter(e.control, typed);
                ASSERT_TRUE(seen.shown) << e.control;
                if (Refused(typed)) {
                    EXPECT_FALSE(seen.problem.isEmpty()) << typed.left(60).toStdString();
                    ASSERT_EQ(sheet.cell(e.valueCell), before) << e.control;
                    continue;
                }
                ASSERT_EQ(sheet.cell(e.valueCell), typed) << e.control;
                if (e.multiplierCell == nullptr)
                    continue;
                const QString shown = sheet.cell(e.multiplierCell);
                EXPECT_TRUE(kTwoDecimals.match(shown).hasMatch())
                    << e.control << " " << typed.left(60).toStdString() << " -> "
                    << shown.left(60).toStdString();
                EXPECT_FALSE(shown.startsWith(QLatin1String("-0.00")));
                EXPECT_EQ(shown, e.rule(typed, metric ? support::kMetric : support::kUs))
                    << e.control << " " << typed.left(60).toStdString();
            }
        }
    }
}

TEST(EntryProperties, RandomFrequenciesShowTheirNumberAndTableFm) {
    std::mt19937_64 random(94110);
    support::Sheet sheet;
    for (int i = 0; i < 3 * kTextsPerEntry; ++i) {
        const QString typed = support::RandomText(random);
        const QString before = sheet.form().myvalueFR;
        ASSERT_TRUE(sheet.enter("Picture18", typed).shown);
        if (Refused(typed)) {
            EXPECT_EQ(sheet.form().myvalueFR, before);
            continue;
        }
        EXPECT_EQ(sheet.form().myvalueFR, typed);
        const double f = lifting::Val(typed);
        const QString shown = sheet.cell("Picture18");
        EXPECT_TRUE(kPointAlways.match(shown).hasMatch()) << typed.left(60).toStdString();
        EXPECT_EQ(shown, lifting::Format(lifting::Str(f), lifting::Pattern::PointAlways));
        // No vertical location entered: both ends are low.
        const float fm = lifting::FrequencyMultiplier(f, lifting::Duration::UpToOneHour, false);
        EXPECT_EQ(sheet.cell("Picture19"), TwoDecimals(fm)) << typed.left(60).toStdString();
        EXPECT_EQ(sheet.cell("Picture20"), TwoDecimals(fm));
    }
}

} // namespace
