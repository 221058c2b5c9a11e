#include "lifting/numbers.h"

#include "lifting/run_time_error.h"

#include <QByteArray>

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace lifting {
namespace {

// Doubles at or above this magnitude round to infinity when stored as a float
// (FLT_MAX plus half a unit in its last place; the tie goes to infinity).
constexpr double kSingleOverflow = 0x1.ffffffp+127;
constexpr int kDoubleDigits = 15;
constexpr int kSingleDigits = 7;

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The leading number of a text, split into its parts; `end` is the index just
// past the last character that belongs to it.
struct Scanned {
    bool found = false;
    bool negative = false;
    std::string digits; // integer and fraction digits, without the point
    qsizetype integerDigits = 0;
    long long exponent = 0;
    qsizetype end = 0;
};

Scanned Scan(const QString& text) {
    Scanned s;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && IsBlank(text[i]))
        ++i;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        s.negative = text[i] == u'-';
        ++i;
    }
    while (i < n && IsDigit(text[i])) {
        s.digits.push_back(static_cast<char>(text[i].unicode()));
        ++s.integerDigits;
        ++i;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && IsDigit(text[i])) {
            s.digits.push_back(static_cast<char>(text[i].unicode()));
            ++i;
        }
    }
    s.found = !s.digits.empty();
    if (!s.found)
        return s;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        bool negativeExponent = false;
        if (j < n && (text[j] == u'+' || text[j] == u'-')) {
            negativeExponent = text[j] == u'-';
            ++j;
        }
        if (j < n && IsDigit(text[j])) {
            long long e = 0;
            while (j < n && IsDigit(text[j])) {
                // Anything this large already saturates or vanishes.
                if (e < 1'000'000'000)
                    e = e * 10 + (text[j].unicode() - u'0');
                ++j;
            }
            s.exponent = negativeExponent ? -e : e;
            i = j;
        }
    }
    s.end = i;
    return s;
}

// The value of 0.<digits from first> x 10^position where it takes a single
// rounding: up to 15 significant digits make a whole number that a double
// holds exactly, and so do the powers of ten up to 10^22, so that one
// multiplication or division rounds the exact value once, as the reader
// would. Most typed entries are such numbers; nothing for any other.
std::optional<double> Exact(const std::string& digits, std::size_t first, long long position) {
    static constexpr std::array<double, 23> kPowersOfTen{
        1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr std::size_t kExactDigits = 15;
    const std::size_t last = digits.find_last_not_of('0');
    const std::size_t count = last + 1 - first;
    if (count > kExactDigits)
        return std::nullopt;
    double whole = 0;
    for (std::size_t i = first; i <= last; ++i)
        whole = whole * 10 + (digits[i] - '0');
    const long long scale = position - static_cast<long long>(count);
    const auto maxScale = static_cast<long long>(kPowersOfTen.size()) - 1;
    if (scale > maxScale || scale < -maxScale)
        return std::nullopt;
    return scale >= 0 ? whole * kPowersOfTen[static_cast<std::size_t>(scale)]
                      : whole / kPowersOfTen[static_cast<std::size_t>(-scale)];
}

double ToDouble(const Scanned& s) {
    const std::size_t first = s.digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 0.0;
    // value = 0.<significant digits> x 10^position
    const long long position =
        static_cast<long long>(s.integerDigits) - static_cast<long long>(first) + s.exponent;
    constexpr double kMax = std::numeric_limits<double>::max();
    if (position > 400)
        return s.negative ? -kMax : kMax;
    if (position < -400)
        return 0.0;
    if (const std::optional<double> exact = Exact(s.digits, first, position))
        return s.negative ? -*exact : *exact;
    // Every digit goes to the reader: cutting them short can turn a value
    // just above a half between two doubles into an exact half.
    std::string text = "0.";
    text.append(s.digits, first);
    text.push_back('e');
    text.append(std::to_string(position));
    // Qt's reader rounds correctly and ignores the locale, like from_chars;
    // unlike it, it exists for doubles in every standard library (libc++ has
    // none before version 20, so Apple's toolchains lack it).
    bool inRange = false;
    double value = QByteArray::fromStdString(text).toDouble(&inRange);
    if (!inRange)
        value = position > 0 ? kMax : 0.0;
    if (std::isinf(value))
        value = kMax;
    return s.negative && value != 0.0 ? -value : value;
}

// A finite number as decimal digits: value = d.ddd x 10^exponent, with at most
// `significant` digits and no trailing zeros. Zero is the digit "0".
struct Decimal {
    bool negative = false;
    std::string digits = "0";
    int exponent = 0;
};

Decimal ToDecimal(double value, int significant) {
    Decimal d;
    if (value == 0.0 || std::isnan(value))
        return d;
    if (std::isinf(value))
        value = std::copysign(std::numeric_limits<double>::max(), value);
    d.negative = value < 0;
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                      std::chars_format::scientific, significant - 1);
    // "d.ddde-01": the digits around the point, then the exponent with its
    // sign, which the integer reader takes only when it is a minus.
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t e = text.find('e');
    d.digits.assign(1, text[0]);
    if (e > 2)
        d.digits.append(text.substr(2, e - 2));
    std::from_chars(text.data() + e + 2, text.data() + text.size(), d.exponent);
    if (text[e + 1] == '-')
        d.exponent = -d.exponent;
    const std::size_t last = d.digits.find_last_not_of('0');
    d.digits.erase(last + 1);
    return d;
}

// Digits of |value| x 10^decimals rounded half away from zero, without leading
// zeros ("0" for zero).
std::string ScaledDigits(const Decimal& d, int decimals) {
    const long long kept = static_cast<long long>(d.exponent) + 1 + decimals;
    const auto count = static_cast<long long>(d.digits.size());
    if (kept <= 0)
        return kept == 0 && d.digits[0] >= '5' ? "1" : "0";
    std::string s = d.digits.substr(0, static_cast<std::size_t>(std::min(kept, count)));
    if (kept > count)
        s.append(static_cast<std::size_t>(kept - count), '0');
    if (kept < count && d.digits[static_cast<std::size_t>(kept)] >= '5') {
        auto i = s.size();
        while (i > 0 && s[i - 1] == '9')
            s[--i] = '0';
        if (i == 0)
            s.insert(s.begin(), '1');
        else
            ++s[i - 1];
    }
    const std::size_t nonZero = s.find_first_not_of('0');
    return nonZero == std::string::npos ? "0" : s.substr(nonZero);
}

QString Fixed(const Decimal& d, int decimals, bool dropZeroFraction) {
    std::string n = ScaledDigits(d, decimals);
    const bool zero = n == "0";
    const auto k = static_cast<std::size_t>(decimals);
    if (n.size() <= k)
        n.insert(0, k + 1 - n.size(), '0');
    std::string out = d.negative && !zero ? "-" : "";
    out += n.substr(0, n.size() - k);
    if (decimals == 0)
        return QString::fromLatin1(out);
    out += '.';
    const std::string fraction = n.substr(n.size() - k);
    if (!(dropZeroFraction && fraction.find_first_not_of('0') == std::string::npos))
        out += fraction;
    return QString::fromLatin1(out);
}

QString General(const Decimal& d, int significant) {
    if (d.digits == "0")
        return QStringLiteral("0");
    std::string out = d.negative ? "-" : "";
    const int e = d.exponent;
    const std::string& g = d.digits;
    if (e >= significant || e < -4) {
        out += g[0];
        // Appended piecewise: GCC 12 at -O3 wrongly flags "." + string under
        // -Wrestrict, which -Werror turns into a failed build.
        if (g.size() > 1) {
            out += '.';
            out.append(g, 1);
        }
        out += e < 0 ? "E-" : "E+";
        const std::string magnitude = std::to_string(std::abs(e));
        if (magnitude.size() < 2)
            out += '0';
        out += magnitude;
    } else if (e >= 0) {
        const auto whole = static_cast<std::size_t>(e) + 1;
        if (g.size() <= whole) {
            out += g + std::string(whole - g.size(), '0');
        } else {
            out += g.substr(0, whole) + "." + g.substr(whole);
        }
    } else {
        out += "0." + std::string(static_cast<std::size_t>(-e - 1), '0') + g;
    }
    return QString::fromLatin1(out);
}

QString FormatDecimal(const Decimal& d, Pattern pattern, int significant) {
    switch (pattern) {
    case Pattern::TwoDecimals:
        return Fixed(d, 2, false);
    case Pattern::OneDecimal:
        return Fixed(d, 1, false);
    case Pattern::PointAlways:
        return Fixed(d, 1, true);
    case Pattern::Whole:
        return Fixed(d, 0, false);
    case Pattern::General:
        break;
    }
    return General(d, significant);
}

// True when the whole text, blanks aside, is one number.
bool ReadsAsNumber(const QString& text) {
    const Scanned s = Scan(text);
    if (!s.found)
        return false;
    for (qsizetype i = s.end; i < text.size(); ++i) {
        if (!IsBlank(text[i]))
            return false;
    }
    return true;
}

} // namespace

double Val(const QString& text) {
    const Scanned s = Scan(text);
    return s.found ? ToDouble(s) : 0.0;
}

double RoundHalfToEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        return below + 1.0;
    return below;
}

std::int16_t CInt(double value) {
    if (std::isnan(value))
        RaiseOverflow();
    const double rounded = RoundHalfToEven(value);
    if (rounded < -32768.0 || rounded > 32767.0)
        RaiseOverflow();
    return static_cast<std::int16_t>(rounded);
}

float ToSingle(double value) {
    if (!(std::fabs(value) < kSingleOverflow))
        RaiseOverflow();
    return static_cast<float>(value);
}

float SaturateToSingle(double value) {
    if (std::isnan(value))
        return 0.0f;
    if (std::fabs(value) >= kSingleOverflow)
        return value < 0 ? -std::numeric_limits<float>::max() : std::numeric_limits<float>::max();
    return static_cast<float>(value);
}

QString Str(double value) {
    const QString text = General(ToDecimal(value, kDoubleDigits), kDoubleDigits);
    return text.startsWith(u'-') ? text : u' ' + text;
}

QString Str(float value) {
    const QString text = General(ToDecimal(value, kSingleDigits), kSingleDigits);
    return text.startsWith(u'-') ? text : u' ' + text;
}

QString Format(double value, Pattern pattern) {
    return FormatDecimal(ToDecimal(value, kDoubleDigits), pattern, kDoubleDigits);
}

QString Format(float value, Pattern pattern) {
    return FormatDecimal(ToDecimal(value, kSingleDigits), pattern, kSingleDigits);
}

QString Format(const QString& text, Pattern pattern) {
    return ReadsAsNumber(text) ? Format(Val(text), pattern) : text;
}

} // namespace lifting
