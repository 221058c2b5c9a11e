// Val, Str and Format over many random and adversarial inputs, checked against
// the C library and integer arithmetic. The seed is fixed, so a failure
// repeats; the failing input is printed.
#include "lifting/numbers.h"
#include "support/draw.h"
#include "support/number_reference.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

using lifting::Pattern;

namespace {

constexpr std::array kPatterns{Pattern::General, Pattern::TwoDecimals, Pattern::OneDecimal,
                               Pattern::PointAlways, Pattern::Whole};
constexpr std::uint64_t kSeed = 20240531;

class Random {
  public:
    std::uint64_t Bits() { return engine_(); }
    // 0..n-1
    std::uint64_t Below(std::uint64_t n) { return support::Below(engine_, n); }
    bool OneIn(std::uint64_t n) { return Below(n) == 0; }

  private:
    std::mt19937_64 engine_{kSeed};
};

std::string Show(const QString& text) {
    std::string out;
    for (QChar c : text.left(80)) {
        const char16_t u = c.unicode();
        out += u >= 0x20 && u < 0x7f ? std::string(1, static_cast<char>(u))
                                     : "\\u" + QString::number(u, 16).toStdString();
    }
    if (text.size() > 80)
        out += "... (" + std::to_string(text.size()) + " characters)";
    return out;
}

// QStrings compared in full, shown shortened.
::testing::AssertionResult Same(const QString& got, const QString& expected) {
    if (got == expected)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "got \"" << Show(got) << "\", expected \"" << Show(expected) << '"';
}

struct Sample {
    double value; // a float's value when single
    bool single;  // formatted as a 32-bit float
};

Sample Single(double value) {
    return {static_cast<float>(value), true};
}

QString FormatSample(const Sample& s, Pattern pattern) {
    return s.single ? lifting::Format(static_cast<float>(s.value), pattern)
                    : lifting::Format(s.value, pattern);
}

QString StrSample(const Sample& s) {
    return s.single ? lifting::Str(static_cast<float>(s.value)) : lifting::Str(s.value);
}

// Edge values, random bit patterns (every exponent, denormals included) and
// decimals with few digits, where rounding meets exact halves.
std::vector<Sample> Samples() {
    std::vector<Sample> samples;
    for (double edge : {0.0, -0.0, DBL_TRUE_MIN, -DBL_TRUE_MIN, DBL_MIN, DBL_MAX, -DBL_MAX, 0.5,
                        0.05, 0.005, -0.005, 0.045, 0.995, 99.995, 1e15, 999999999999999.5, 1e-5,
                        0.0001, 9.9999999999999995e-5, 1e22, 9007199254740993.0,
                        // Exact halves at the 15th digit: ties go to the even digit.
                        100000000000000.5, 100000000000001.5})
        samples.push_back({edge, false});
    for (float edge : {0.0f, -0.0f, FLT_TRUE_MIN, -FLT_TRUE_MIN, FLT_MIN, FLT_MAX, -FLT_MAX, 0.125f,
                       -0.125f, 0.895f, 0.995f, 16777216.0f, 1e-5f,
                       // Exact halves at the 7th digit.
                       1000000.5f, 1000001.5f, 9999999.5e-7f})
        samples.push_back(Single(edge));

    Random random;
    while (samples.size() < 40000) {
        const auto d = std::bit_cast<double>(random.Bits());
        if (std::isfinite(d))
            samples.push_back({d, false});
        const auto f = std::bit_cast<float>(static_cast<std::uint32_t>(random.Bits() >> 32));
        if (std::isfinite(f))
            samples.push_back(Single(f));
    }
    static constexpr std::array<double, 7> kPowers{1, 10, 100, 1e3, 1e4, 1e5, 1e6};
    for (int i = 0; i < 20000; ++i) {
        // Often ending in 5, so that the last digit is an exact half.
        auto m = static_cast<std::int64_t>(random.Below(200'000'000)) - 100'000'000;
        if (random.OneIn(2))
            m = m / 10 * 10 + (m < 0 ? -5 : 5);
        const double value = static_cast<double>(m) / kPowers[random.Below(kPowers.size())];
        samples.push_back(random.OneIn(2) ? Single(value) : Sample{value, false});
    }
    return samples;
}

TEST(FormatProperty, EveryFiniteNumberTakesItsPatternsShapeAndAgreesWithTheReference) {
    for (const Sample& s : Samples()) {
        const int significant = s.single ? 7 : 15;
        for (Pattern pattern : kPatterns) {
            QString text;
            ASSERT_NO_THROW(text = FormatSample(s, pattern)) << s.value;
            const auto where = [&] {
                return ::testing::Message()
                       << std::hexfloat << s.value << (s.single ? "f" : "") << " pattern "
                       << static_cast<int>(pattern) << ": " << text.toStdString();
            };
            ASSERT_TRUE(reference::HasShape(text, pattern, significant)) << where();
            if (pattern == Pattern::General) {
                ASSERT_TRUE(Same(text, reference::General(s.value, significant))) << where();
            } else if (const auto expected = reference::Fixed(s.value, significant, pattern)) {
                ASSERT_TRUE(Same(text, *expected)) << where();
            }
        }
    }
}

TEST(FormatProperty, RememberedTextsAreTheFormattedOnes) {
    // Far more figures than places, seen again and again: texts are evicted,
    // found and replaced, long ones are never kept.
    const std::vector<Sample> samples = Samples();
    lifting::FigureTexts texts;
    Random random;
    for (int i = 0; i < 200000; ++i) {
        const Sample& s = samples[random.Below(random.OneIn(2) ? 64 : samples.size())];
        const lifting::Figure figure{s.value, s.single, kPatterns[random.Below(kPatterns.size())]};
        const std::string_view text = texts.Text(figure);
        ASSERT_TRUE(Same(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())),
                         lifting::Format(figure)))
            << std::hexfloat << s.value << " pattern " << static_cast<int>(figure.pattern);
    }
}

TEST(FormatProperty, ExactDecimalsRoundHalfAwayFromZero) {
    // m / 10^k has at most ten digits, so the double prints back as exactly
    // that decimal and only the pattern rounds.
    Random random;
    for (int i = 0; i < 20000; ++i) {
        auto m = static_cast<std::int64_t>(random.Below(2'000'000'000)) - 1'000'000'000;
        if (random.OneIn(2))
            m = m / 10 * 10 + (m < 0 ? -5 : 5);
        const int k = static_cast<int>(random.Below(5));
        const double value = static_cast<double>(m) / std::pow(10.0, k);
        for (Pattern pattern :
             {Pattern::TwoDecimals, Pattern::OneDecimal, Pattern::PointAlways, Pattern::Whole}) {
            const auto expected =
                reference::Fixed(m < 0, static_cast<std::uint64_t>(std::abs(m)), -k, pattern);
            ASSERT_TRUE(Same(lifting::Format(value, pattern), *expected))
                << m << "e-" << k << " pattern " << static_cast<int>(pattern);
        }
    }
}

TEST(FormatProperty, PrintedNumbersReadBackAsWhatWasPrinted) {
    for (const Sample& s : Samples()) {
        const QString str = StrSample(s);
        // Val reads exactly the decimal printed, as strtod does.
        ASSERT_EQ(lifting::Val(str), reference::Val(str)) << str.toStdString();
        // The frequency and FM cells show Format(Str(x)): it must be Format(x).
        // (A text reads as a double, so a float's general form is not its own.)
        for (Pattern pattern : kPatterns) {
            if (s.single && pattern == Pattern::General)
                continue;
            ASSERT_TRUE(Same(lifting::Format(str, pattern), FormatSample(s, pattern))) << Show(str);
        }
        if (s.single)
            continue;
        // Printing what was read back prints the same text.
        ASSERT_TRUE(Same(lifting::Str(lifting::Val(str)), str));
        for (Pattern pattern : kPatterns) {
            const QString text = lifting::Format(s.value, pattern);
            ASSERT_TRUE(Same(lifting::Format(lifting::Val(text), pattern), text))
                << static_cast<int>(pattern);
        }
    }
}

struct TextCase {
    QString text;
    double val;
    // What Format(text, "0.00") gives; empty when the text is a number too
    // long to write out here, formatted as Format(val, "0.00").
    QString twoDecimals;
};

// 1 + 2^-53, the exact half between 1 and the next double up.
const QString kHalfAboveOne =
    QStringLiteral("1.00000000000000011102230246251565404236316680908203125");

std::vector<TextCase> AdversarialTexts() {
    const QString nul(QChar(u'\0'));
    return {
        {"", 0, ""},
        {"   ", 0, "   "},
        {"+", 0, "+"},
        {"-", 0, "-"},
        {"+-1", 0, "+-1"},
        {"--1", 0, "--1"},
        {"1e308", 1e308, {}},
        {"1e999", DBL_MAX, {}},
        {"-1e999", -DBL_MAX, {}},
        {"1e-999", 0, "0.00"},
        {"-1e-999", 0, "0.00"},
        {"4.9406564584124654e-324", DBL_TRUE_MIN, "0.00"},
        {"0x10", 0, "0x10"},
        {"1,5", 1, "1,5"},
        {"  7", 7, "7.00"},
        {"\t8", 8, "8.00"},
        {"8\t\r\n ", 8, "8.00"},
        {"\v8", 0, "\v8"},
        {QStringLiteral("\u00a08"), 0, QStringLiteral("\u00a08")},
        {QStringLiteral("\uff18"), 0, QStringLiteral("\uff18")},
        {nul, 0, nul},
        {nul + "5", 0, nul + "5"},
        {"5" + nul + "6", 5, "5" + nul + "6"},
        {"inf", 0, "inf"},
        {"-nan", 0, "-nan"},
        {"-0", 0, "0.00"},
        {"-0.004", -0.004, "0.00"},
        {".5e1", 5, "5.00"},
        {"5.e1", 50, "50.00"},
        {QString(100000, u'9'), DBL_MAX, {}},
        {QString(99999, u' ') + "7", 7, "7.00"},
        {"0." + QString(99997, u'0') + "1", 0, "0.00"},
        {"0." + QString(99990, u'0') + "1e99991", 1, "1.00"},
        {"1e" + QString(99998, u'9'), DBL_MAX, {}},
        {"1e-" + QString(99997, u'9'), 0, "0.00"},
        {QString(99999, u'0') + "1", 1, "1.00"},
        // A nonzero digit hundreds of places after an exact half still rounds up.
        {kHalfAboveOne + QString(800, u'0') + "1", 1.0000000000000002, "1.00"},
        {kHalfAboveOne + QString(800, u'0'), 1, "1.00"},
        {kHalfAboveOne + QString(5000, u'0') + "1", 1.0000000000000002, "1.00"},
    };
}

TEST(ValProperty, AdversarialTextsAreOrdinaryEntries) {
    for (const TextCase& c : AdversarialTexts()) {
        EXPECT_EQ(lifting::Val(c.text), c.val) << Show(c.text);
        const QString expected = c.twoDecimals.isEmpty() && !c.text.isEmpty()
                                     ? lifting::Format(c.val, Pattern::TwoDecimals)
                                     : c.twoDecimals;
        EXPECT_TRUE(Same(lifting::Format(c.text, Pattern::TwoDecimals), expected)) << Show(c.text);
    }
}

// Random texts: mostly number-like, so that the parts of a number meet in
// every order, with Unicode, blanks, NUL and lone surrogates mixed in.
class TextMaker {
  public:
    QString Make() {
        const std::uint64_t kind = random_.Below(40);
        if (kind == 0)
            return Noise(random_.Below(100001));
        if (kind < 10)
            return Noise(random_.Below(60));
        return NumberLike();
    }

  private:
    QChar Unit() {
        switch (random_.Below(8)) {
        case 0:
            return QChar(static_cast<char16_t>(random_.Below(0x10000))); // any, surrogates too
        case 1:
            return QChar(u" \t\n\r\v\f\0"[random_.Below(7)]);
        case 2:
            return QChar(static_cast<char16_t>(u'\uff10' + random_.Below(10))); // fullwidth digits
        case 3:
            return QChar(static_cast<char16_t>(u'\u0660' + random_.Below(10))); // Arabic-Indic
        default:
            return QChar(u"0123456789.+-eE,x "[random_.Below(18)]);
        }
    }

    QString Noise(std::uint64_t length) {
        QString s;
        s.reserve(static_cast<qsizetype>(length));
        for (std::uint64_t i = 0; i < length; ++i)
            s += Unit();
        return s;
    }

    QString Digits() {
        // Now and then far more digits than a double holds.
        const std::uint64_t count = random_.OneIn(20) ? random_.Below(2000) : random_.Below(25);
        QString s;
        for (std::uint64_t i = 0; i < count; ++i)
            s += QChar(u"0123456789"[random_.OneIn(3) ? 0 : random_.Below(10)]);
        return s;
    }

    QString NumberLike() {
        QString s;
        while (random_.OneIn(3))
            s += QChar(u" \t\n\r"[random_.Below(4)]);
        if (random_.OneIn(2))
            s += QChar(u"+-"[random_.Below(2)]);
        s += Digits();
        if (random_.OneIn(2))
            s += u'.' + Digits();
        if (random_.OneIn(2)) {
            s += QChar(u"eE"[random_.Below(2)]);
            if (random_.OneIn(2))
                s += QChar(u"+-"[random_.Below(2)]);
            const std::uint64_t count = random_.OneIn(10) ? 12 : random_.Below(5);
            for (std::uint64_t i = 0; i < count; ++i)
                s += QChar(u"0123456789"[random_.Below(10)]);
        }
        if (random_.OneIn(3))
            s += Noise(random_.Below(5));
        return s;
    }

    Random random_;
};

TEST(ValProperty, RandomTextsReadAsTheCLibraryReadsThem) {
    TextMaker maker;
    for (int i = 0; i < 6000; ++i) {
        const QString text = maker.Make();
        const double value = lifting::Val(text);
        ASSERT_TRUE(std::isfinite(value)) << Show(text);
        ASSERT_EQ(value, reference::Val(text)) << Show(text);
        const bool number = reference::IsWholeNumber(text);
        for (Pattern pattern : kPatterns) {
            QString shown;
            ASSERT_NO_THROW(shown = lifting::Format(text, pattern)) << Show(text);
            ASSERT_TRUE(Same(shown, number ? lifting::Format(value, pattern) : text))
                << Show(text) << " pattern " << static_cast<int>(pattern);
        }
    }
}

} // namespace
