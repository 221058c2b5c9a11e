#include "lifting/numbers.h"
#include "lifting/run_time_error.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>

using lifting::Pattern;

namespace {

struct ValCase {
    const char* text;
    double expected;
};

const ValCase kValCases[] = {
    {"12abc", 12},
    {"12,5", 12},
    {" -3.5", -3.5},
    {".5", 0.5},
    {"1e3", 1000},
    {"abc", 0},
    {"", 0},
    {"\t\r\n 8", 8},
    {"+7", 7},
    {"-", 0},
    {"+", 0},
    {".", 0},
    {"-.25x", -0.25},
    {"2.", 2},
    {"1E-2", 0.01},
    {"1e", 1},
    {"1e+", 1},
    {"3e2.5", 300},
    {"0x10", 0},
    {"1 2", 1},
    {"44abc", 44},
    {"1e-999", 0},
    {"1e-330", 0},
    {"2e-324", 0},
    {"3e-324", DBL_TRUE_MIN},
    {"2.2250738585072014e-308", DBL_MIN},
    {"000000000000000000000000000001.5", 1.5},
    {"0.1", 0.1},
};

TEST(Val, ReadsTheLeadingNumber) {
    for (const auto& c : kValCases)
        EXPECT_EQ(lifting::Val(QString::fromLatin1(c.text)), c.expected) << c.text;
}

TEST(Val, SaturatesBeyondTheDoubleRange) {
    EXPECT_EQ(lifting::Val("1e999"), DBL_MAX);
    EXPECT_EQ(lifting::Val("-1e999"), -DBL_MAX);
    EXPECT_EQ(lifting::Val(QString(400, u'9')), DBL_MAX);
    EXPECT_EQ(lifting::Val("1e99999999999999999999999"), DBL_MAX);
    EXPECT_EQ(lifting::Val("1e308"), 1e308);
    EXPECT_EQ(lifting::Val("1e309"), DBL_MAX);
    EXPECT_EQ(lifting::Val("-1.8e308"), -DBL_MAX);
}

TEST(Val, StopsAtNonAsciiAndNul) {
    EXPECT_EQ(lifting::Val(QStringLiteral("5\u00bd")), 5);
    EXPECT_EQ(lifting::Val(QStringLiteral("\u0667")), 0); // an Arabic-Indic digit is no digit here
    EXPECT_EQ(lifting::Val(QString::fromUtf16(u"7\0 9", 4)), 7);
}

struct CIntCase {
    double value;
    int expected;
};

const CIntCase kCIntCases[] = {
    {22.5, 22}, {23.5, 24},       {-2.5, -2},       {-3.5, -4},         {10.5, 10},
    {11.5, 12}, {0.4999, 0},      {0.5, 0},         {1.5, 2},           {2.6, 3},
    {-0.6, -1}, {32767.4, 32767}, {-32768, -32768}, {-32768.5, -32768}, {32766.5, 32766},
};

TEST(CInt, RoundsHalvesToEven) {
    for (const auto& c : kCIntCases)
        EXPECT_EQ(lifting::CInt(c.value), c.expected) << c.value;
}

TEST(CInt, OverflowsOutsideSixteenBits) {
    for (double value : {32767.5, 32768.0, -32768.6, -32769.0, 1e300, -DBL_MAX}) {
        try {
            lifting::CInt(value);
            ADD_FAILURE() << "no overflow for " << value;
        } catch (const lifting::RunTimeError& e) {
            EXPECT_EQ(e.message(), "Run-time error '6': Overflow");
        }
    }
}

TEST(ToSingle, RoundsToNearestFloat) {
    EXPECT_EQ(lifting::ToSingle(0.1), 0.1f);
    EXPECT_EQ(lifting::ToSingle(0.895), 0.895f);
    EXPECT_EQ(lifting::ToSingle(-1.25), -1.25f);
    EXPECT_EQ(lifting::ToSingle(static_cast<double>(FLT_MAX)), FLT_MAX);
    // Just below the point where rounding would reach infinity.
    EXPECT_EQ(lifting::ToSingle(0x1.fffffefffffffp+127), FLT_MAX);
}

TEST(ToSingle, OverflowsBeyondTheFloatRange) {
    for (double value : {0x1.ffffffp+127, 1e39, -1e39, DBL_MAX}) {
        EXPECT_THROW(lifting::ToSingle(value), lifting::RunTimeError) << value;
    }
}

TEST(SaturateToSingle, ClampsInsteadOfOverflowing) {
    EXPECT_EQ(lifting::SaturateToSingle(1e39), FLT_MAX);
    EXPECT_EQ(lifting::SaturateToSingle(-DBL_MAX), -FLT_MAX);
    EXPECT_EQ(lifting::SaturateToSingle(0.5), 0.5f);
}

struct FormatCase {
    double value;
    bool single; // formatted as a 32-bit float
    Pattern pattern;
    const char* expected;
};

const FormatCase kFormatCases[] = {
    {0.4567, false, Pattern::TwoDecimals, "0.46"},
    {1, false, Pattern::TwoDecimals, "1.00"},
    {0.895, true, Pattern::TwoDecimals, "0.90"},  // the float 0.89499998... prints as 0.895
    {0.895, false, Pattern::TwoDecimals, "0.90"}, // 15 digits read 0.895000000000000
    {0.125, true, Pattern::TwoDecimals, "0.13"},  // half away from zero, not to even
    {-0.125, true, Pattern::TwoDecimals, "-0.13"},
    {-0.004, false, Pattern::TwoDecimals, "0.00"}, // no minus sign on a zero
    {-0.0, false, Pattern::TwoDecimals, "0.00"},
    {0.995, true, Pattern::TwoDecimals, "1.00"},
    {99.995, false, Pattern::TwoDecimals, "100.00"},
    {1.0 / 3.0, true, Pattern::TwoDecimals, "0.33"},
    {23.04, false, Pattern::OneDecimal, "23.0"},
    {1234.56, false, Pattern::OneDecimal, "1234.6"},
    {51, true, Pattern::OneDecimal, "51.0"},
    {0.04, true, Pattern::OneDecimal, "0.0"},
    {0.05, true, Pattern::OneDecimal, "0.1"},
    {-0.04, true, Pattern::OneDecimal, "0.0"},
    {123456789, false, Pattern::OneDecimal, "123456789.0"},
    {2, false, Pattern::PointAlways, "2."},
    {2.25, false, Pattern::PointAlways, "2.3"},
    {0.5, false, Pattern::PointAlways, "0.5"},
    {0.33, false, Pattern::PointAlways, "0.3"},
    {0, false, Pattern::PointAlways, "0."},
    {2.96, false, Pattern::PointAlways, "3."},
    {-1.25, false, Pattern::PointAlways, "-1.3"},
    {20, false, Pattern::General, "20"},
    {2.5, false, Pattern::General, "2.5"},
    {25.5, false, Pattern::General, "25.5"},
    {0, false, Pattern::General, "0"},
    {-40, false, Pattern::General, "-40"},
    {0.1, false, Pattern::General, "0.1"},
    {0.0001, false, Pattern::General, "0.0001"},
    {0.00001, false, Pattern::General, "1E-05"},
    {123456789012345, false, Pattern::General, "123456789012345"},
    {1e15, false, Pattern::General, "1E+15"},
    {1.5e300, false, Pattern::General, "1.5E+300"},
    {0.1f, true, Pattern::General, "0.1"},
    {16777216, true, Pattern::General, "1.677722E+07"},
};

TEST(Format, AppliesItsPattern) {
    for (const auto& c : kFormatCases) {
        const QString got = c.single ? lifting::Format(static_cast<float>(c.value), c.pattern)
                                     : lifting::Format(c.value, c.pattern);
        EXPECT_EQ(got.toStdString(), c.expected) << c.value << " pattern " << int(c.pattern);
    }
}

TEST(Format, HugeNumbersKeepEveryIntegerDigit) {
    const QString text = lifting::Format(DBL_MAX, Pattern::TwoDecimals);
    EXPECT_TRUE(text.startsWith("179769313486232")) << text.toStdString();
    EXPECT_TRUE(text.endsWith(".00"));
    EXPECT_EQ(text.size(), 309 + 3);
    EXPECT_EQ(lifting::Format(-FLT_MAX, Pattern::OneDecimal).size(), 1 + 39 + 2);
}

TEST(Format, ReadsANumericTextAsItsNumber) {
    EXPECT_EQ(lifting::Format(QStringLiteral("3"), Pattern::PointAlways), "3.");
    EXPECT_EQ(lifting::Format(QStringLiteral(" 0.33 "), Pattern::PointAlways), "0.3");
    EXPECT_EQ(lifting::Format(QStringLiteral("1e1"), Pattern::TwoDecimals), "10.00");
    // Anything that is not wholly a number comes back as it is.
    EXPECT_EQ(lifting::Format(QStringLiteral("12abc"), Pattern::PointAlways), "12abc");
    EXPECT_EQ(lifting::Format(QString(), Pattern::PointAlways), "");
    EXPECT_EQ(lifting::Format(QStringLiteral("-"), Pattern::TwoDecimals), "-");
}

TEST(Str, LeadsWithABlankUnlessNegative) {
    EXPECT_EQ(lifting::Str(3.0), " 3");
    EXPECT_EQ(lifting::Str(0.0), " 0");
    EXPECT_EQ(lifting::Str(-2.5), "-2.5");
    EXPECT_EQ(lifting::Str(0.33), " 0.33");
    EXPECT_EQ(lifting::Str(0.1f), " 0.1");
    EXPECT_EQ(lifting::Str(0.95f), " 0.95");
    EXPECT_EQ(lifting::Str(1.0 / 3.0), " 0.333333333333333");
    EXPECT_EQ(lifting::Str(1.0f / 3.0f), " 0.3333333");
    EXPECT_EQ(lifting::Str(1e20), " 1E+20");
}

TEST(Str, ReadsBackAsTheSameNumberThroughFormat) {
    // The frequency and FM cells print Format(Str(x)): what shows must be x
    // through the pattern.
    for (float fm : {0.0f, 0.15f, 0.28f, 0.52f, 0.95f, 1.0f})
        EXPECT_EQ(lifting::Format(lifting::Str(fm), Pattern::TwoDecimals),
                  lifting::Format(fm, Pattern::TwoDecimals));
    EXPECT_EQ(lifting::Format(lifting::Str(3.0), Pattern::PointAlways), "3.");
    EXPECT_EQ(lifting::Format(lifting::Str(1e20), Pattern::PointAlways), "100000000000000000000.");
}

TEST(Conversions, IgnoreTheSystemLocale) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string restore = previous ? previous : "C";
    // Not every machine has the locale generated; Qt's default is set anyway.
    std::setlocale(LC_ALL, "de_DE.UTF-8");

    EXPECT_EQ(lifting::Val("12,5"), 12);
    EXPECT_EQ(lifting::Val("12.5"), 12.5);
    EXPECT_EQ(lifting::Format(0.4567, Pattern::TwoDecimals), "0.46");
    EXPECT_EQ(lifting::Format(1234.56, Pattern::OneDecimal), "1234.6");
    EXPECT_EQ(lifting::Format(2.0, Pattern::PointAlways), "2.");
    EXPECT_EQ(lifting::Format(2.5, Pattern::General), "2.5");
    EXPECT_EQ(lifting::Str(-2.5), "-2.5");

    std::setlocale(LC_ALL, restore.c_str());
    QLocale::setDefault(saved);
}

} // namespace
