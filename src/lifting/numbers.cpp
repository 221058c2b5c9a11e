#include "lifting/numbers.h"

#include "lifting/run_time_error.h"

#include <QByteArray>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace lifting {
namespace {

constexpr int kDoubleDigits = 15;
constexpr int kSingleDigits = 7;

// The code of the i-th character of a text, of either kind.
char16_t At(const QString& text, qsizetype i) {
    return text[i].unicode();
}
char16_t At(QLatin1StringView text, qsizetype i) {
    return static_cast<unsigned char>(text[i].toLatin1());
}

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// The leading number of a text, split into its parts; `end` is the index just
// past the last character that belongs to it.
struct Scanned {
    bool found = false;
    bool negative = false;
    // Where the integer and fraction digits are in the text.
    qsizetype integerBegin = 0;
    qsizetype integerEnd = 0;
    qsizetype fractionBegin = 0;
    qsizetype fractionEnd = 0;
    long long exponent = 0;
    qsizetype end = 0;
    // The digits from the first nonzero one to the last, as a whole number
    // while there are at most 15 of them (a double holds it exactly), and how
    // many zeros come before them.
    std::uint64_t significant = 0;
    long long count = 0;
    long long leadingZeros = 0;
};

// Up to 15 significant digits make a whole number that a double holds exactly,
// and the powers of ten up to 10^22 are exact doubles too.
constexpr long long kExactDigits = 15;
constexpr std::array<double, 23> kPowersOfTen{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The value of a text of digits alone, with at most one point among them, as
// most entries are, when they fit the exact case below; nothing for any other
// text. One division of exact numbers rounds once, as the full reader would.
template <typename Text> std::optional<double> PlainNumber(const Text& text) {
    const qsizetype n = text.size();
    if (n == 0 || n > kExactDigits)
        return std::nullopt;
    std::uint64_t whole = 0;
    qsizetype point = -1;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = At(text, i);
        if (IsDigit(c))
            whole = whole * 10 + (c - u'0');
        else if (c == u'.' && point < 0 && n > 1)
            point = i;
        else
            return std::nullopt;
    }
    return static_cast<double>(whole) /
           kPowersOfTen[static_cast<std::size_t>(point < 0 ? 0 : n - 1 - point)];
}

template <typename Text> Scanned Scan(const Text& text) {
    Scanned s;
    const qsizetype n = text.size();
    long long pendingZeros = 0;
    auto digits = [&](qsizetype i) {
        for (; i < n && IsDigit(At(text, i)); ++i) {
            const auto digit = static_cast<std::uint64_t>(At(text, i) - u'0');
            if (digit == 0) {
                ++(s.count == 0 ? s.leadingZeros : pendingZeros);
                continue;
            }
            s.count += pendingZeros + 1;
            for (; pendingZeros > 0 && s.count <= kExactDigits; --pendingZeros)
                s.significant *= 10;
            pendingZeros = 0;
            if (s.count <= kExactDigits)
                s.significant = s.significant * 10 + digit;
        }
        return i;
    };
    qsizetype i = 0;
    while (i < n && IsBlank(At(text, i)))
        ++i;
    if (i < n && (At(text, i) == u'+' || At(text, i) == u'-')) {
        s.negative = At(text, i) == u'-';
        ++i;
    }
    s.integerBegin = i;
    i = s.integerEnd = digits(i);
    s.fractionBegin = s.fractionEnd = i;
    if (i < n && At(text, i) == u'.') {
        s.fractionBegin = i + 1;
        i = s.fractionEnd = digits(i + 1);
    }
    s.found = s.integerEnd > s.integerBegin || s.fractionEnd > s.fractionBegin;
    if (!s.found)
        return s;
    if (i < n && (At(text, i) == u'e' || At(text, i) == u'E')) {
        qsizetype j = i + 1;
        bool negativeExponent = false;
        if (j < n && (At(text, j) == u'+' || At(text, j) == u'-')) {
            negativeExponent = At(text, j) == u'-';
            ++j;
        }
        if (j < n && IsDigit(At(text, j))) {
            long long e = 0;
            while (j < n && IsDigit(At(text, j))) {
                // Anything this large already saturates or vanishes.
                if (e < 1'000'000'000)
                    e = e * 10 + (At(text, j) - u'0');
                ++j;
            }
            s.exponent = negativeExponent ? -e : e;
            i = j;
        }
    }
    s.end = i;
    return s;
}

template <typename Text> double ToDouble(const Scanned& s, const Text& text) {
    if (s.count == 0)
        return 0.0;
    // value = 0.<significant digits> x 10^position
    const long long position = (s.integerEnd - s.integerBegin) - s.leadingZeros + s.exponent;
    constexpr double kMax = std::numeric_limits<double>::max();
    if (position > 400)
        return s.negative ? -kMax : kMax;
    if (position < -400)
        return 0.0;
    // Where the digits make a whole number a double holds and the power of
    // ten is exact too, one multiplication or division rounds the exact value
    // once, as the reader would. Most typed entries are such numbers.
    const long long scale = position - s.count;
    const auto maxScale = static_cast<long long>(kPowersOfTen.size()) - 1;
    if (s.count <= kExactDigits && scale <= maxScale && scale >= -maxScale) {
        const auto whole = static_cast<double>(s.significant);
        const double exact = scale >= 0 ? whole * kPowersOfTen[static_cast<std::size_t>(scale)]
                                        : whole / kPowersOfTen[static_cast<std::size_t>(-scale)];
        return s.negative ? -exact : exact;
    }
    // Every digit goes to the reader: cutting them short can turn a value
    // just above a half between two doubles into an exact half.
    std::string digits;
    for (qsizetype i = s.integerBegin; i < s.integerEnd; ++i)
        digits.push_back(static_cast<char>(At(text, i)));
    for (qsizetype i = s.fractionBegin; i < s.fractionEnd; ++i)
        digits.push_back(static_cast<char>(At(text, i)));
    std::string number = "0.";
    number.append(digits, static_cast<std::size_t>(s.leadingZeros));
    number.push_back('e');
    number.append(std::to_string(position));
    // Qt's reader rounds correctly and ignores the locale, like from_chars;
    // unlike it, it exists for doubles in every standard library (libc++ has
    // none before version 20, so Apple's toolchains lack it).
    bool inRange = false;
    double value = QByteArray::fromStdString(number).toDouble(&inRange);
    if (!inRange)
        value = position > 0 ? kMax : 0.0;
    if (std::isinf(value))
        value = kMax;
    return s.negative && value != 0.0 ? -value : value;
}

// A finite number as decimal digits: value = d.ddd x 10^exponent, where
// d.ddd are the `count` digits of `digits`, at most `significant` of them.
// Zero is the single digit 0.
struct Decimal {
    bool negative = false;
    std::uint64_t digits = 0;
    int count = 1;
    int exponent = 0;
};

// Drops the trailing zeros of d's digits.
void Trim(Decimal* d) {
    while (d->count > 1 && d->digits % 10 == 0) {
        d->digits /= 10;
        --d->count;
    }
}

// base^0 to base^(N-1).
template <typename T, std::size_t N> constexpr std::array<T, N> PowersOf(T base) {
    std::array<T, N> powers{};
    T power = 1;
    for (T& p : powers) {
        p = power;
        power *= base;
    }
    return powers;
}

// 10^0 to 10^19, the powers of ten in 64 bits.
constexpr auto kTens64 = PowersOf<std::uint64_t, 20>(10);

std::uint64_t TenTo(int power) {
    return kTens64[static_cast<std::size_t>(power)];
}

// GCC and Clang have 128-bit integers; elsewhere every number is printed by
// the standard library, to the same digits.
#if defined(__SIZEOF_INT128__)
using Wide = unsigned __int128;

// 10^0 to 10^38, and 5^0 to 5^55: the powers that fit in 128 bits.
constexpr auto kTens = PowersOf<Wide, 39>(10);
constexpr auto kFives = PowersOf<Wide, 56>(5);

int BitWidth(Wide n) {
    const auto high = static_cast<std::uint64_t>(n >> 64);
    return static_cast<int>(high != 0 ? 64 + std::bit_width(high)
                                      : std::bit_width(static_cast<std::uint64_t>(n)));
}

// value x 10^p as a whole part and what is left over, rest / unit, computed
// exactly; nothing where 128 bits cannot hold them. The value is
// mantissa x 2^exponent.
struct Scaled {
    Wide whole;
    Wide rest;
    Wide unit;
};
std::optional<Scaled> Scale(std::uint64_t mantissa, int exponent, int p) {
    auto fits = [](Wide n, int shift) { return shift < 128 && BitWidth(n) + shift <= 128; };
    if (p >= 0) {
        // mantissa x 5^p x 2^(exponent + p): a shift splits it.
        const auto five = static_cast<std::size_t>(p);
        if (five >= kFives.size() || !fits(mantissa, BitWidth(kFives[five])))
            return std::nullopt;
        const Wide n = mantissa * kFives[five];
        const int shift = exponent + p;
        if (shift >= 0)
            return fits(n, shift) ? std::optional<Scaled>({n << shift, 0, 1}) : std::nullopt;
        if (-shift >= 128)
            return std::nullopt;
        const Wide unit = Wide{1} << -shift;
        return Scaled{n >> -shift, n & (unit - 1), unit};
    }
    // A value of more whole digits than are kept: a division.
    const auto ten = static_cast<std::size_t>(-p);
    if (ten >= kTens.size())
        return std::nullopt;
    Wide n = mantissa;
    Wide unit = kTens[ten];
    if (exponent >= 0 && fits(n, exponent))
        n <<= exponent;
    else if (exponent < 0 && fits(unit, -exponent))
        unit <<= -exponent;
    else
        return std::nullopt;
    return Scaled{n / unit, n % unit, unit};
}

// The digits of a positive finite value rounded to `significant` digits, ties
// to even as the standard library prints them, computed exactly in 128-bit
// integers; nothing where they cannot hold the numbers (values far from 1).
std::optional<Decimal> ExactDecimal(double value, int significant) {
    constexpr int kFractionBits = std::numeric_limits<double>::digits - 1;
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const auto biased = static_cast<int>(bits >> kFractionBits);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << kFractionBits) - 1);
    int exponent = 1 - 1023 - kFractionBits;
    if (biased != 0) {
        mantissa |= std::uint64_t{1} << kFractionBits;
        exponent += biased - 1;
    }
    const int log2 = exponent + static_cast<int>(std::bit_width(mantissa)) - 1;
    // floor(log10 value) is this or one more.
    const auto low = static_cast<int>(std::floor(log2 * 0.30102999566398120));
    const std::uint64_t limit = TenTo(significant);
    for (int decade = low; decade <= low + 1; ++decade) {
        const std::optional<Scaled> scaled = Scale(mantissa, exponent, significant - 1 - decade);
        if (!scaled)
            return std::nullopt;
        if (scaled->whole >= limit)
            continue;
        auto kept = static_cast<std::uint64_t>(scaled->whole);
        const Wide half = scaled->unit / 2;
        if (scaled->rest > half || (scaled->rest == half && half != 0 && (kept & 1) != 0))
            ++kept;
        Decimal d{false, kept, significant, decade};
        // 9999999.5 rounds up to a digit more.
        if (kept == limit) {
            d.digits /= 10;
            ++d.exponent;
        }
        return d;
    }
    return std::nullopt;
}
#else
std::optional<Decimal> ExactDecimal(double /*value*/, int /*significant*/) {
    return std::nullopt;
}
#endif

Decimal ToDecimal(double value, int significant) {
    if (value == 0.0 || std::isnan(value))
        return {};
    if (std::isinf(value))
        value = std::copysign(std::numeric_limits<double>::max(), value);
    const bool negative = value < 0;
    if (std::optional<Decimal> exact = ExactDecimal(std::fabs(value), significant)) {
        exact->negative = negative;
        return *exact;
    }
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                      std::chars_format::scientific, significant - 1);
    // "d.ddde-01": the digits around the point, then the exponent with its
    // sign, which the integer reader takes only when it is a minus.
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t e = text.find('e');
    Decimal d{negative, static_cast<std::uint64_t>(text[0] - '0'), 1, 0};
    for (std::size_t i = 2; i < e; ++i) {
        d.digits = d.digits * 10 + static_cast<std::uint64_t>(text[i] - '0');
        ++d.count;
    }
    std::from_chars(text.data() + e + 2, text.data() + text.size(), d.exponent);
    if (text[e + 1] == '-')
        d.exponent = -d.exponent;
    return d;
}

// The digits of n, at most 20.
struct DigitText {
    std::array<char, 20> chars;
    std::size_t first = 20;

    explicit DigitText(std::uint64_t n) {
        do {
            chars[--first] = static_cast<char>('0' + n % 10);
            n /= 10;
        } while (n != 0);
    }
    std::string_view view() const { return {chars.data() + first, chars.size() - first}; }
};

// Rounds |value| to the decimals, half away from zero, and writes it with a
// point before them; without the decimals when dropZeroFraction and they are
// all 0.
void Fixed(const Decimal& d, int decimals, bool dropZeroFraction, NumberText* out) {
    // |value| x 10^decimals = n x 10^zeros once rounded.
    const int shift = d.exponent - (d.count - 1) + decimals;
    std::uint64_t n = d.digits;
    std::size_t zeros = 0;
    if (shift >= 0) {
        zeros = static_cast<std::size_t>(shift);
    } else if (-shift > d.count) {
        n = 0;
    } else {
        const std::uint64_t unit = TenTo(-shift);
        n = d.digits / unit + (d.digits % unit >= unit / 2 ? 1 : 0);
    }
    if (d.negative && n != 0)
        out->Append('-');
    const DigitText digits(n);
    const std::string_view g = digits.view();
    const std::size_t length = g.size() + zeros;
    const auto k = static_cast<std::size_t>(decimals);
    if (length <= k) {
        // A value below one shows a 0 before the point.
        out->Append("0.");
        if (!(dropZeroFraction && n == 0)) {
            out->Append(k - length, '0');
            out->Append(g);
            out->Append(zeros, '0');
        }
        return;
    }
    if (zeros >= k) {
        out->Append(g);
        out->Append(zeros - k, '0');
        if (k > 0)
            out->Append('.');
        if (!dropZeroFraction)
            out->Append(k, '0');
        return;
    }
    const std::size_t fraction = k - zeros; // digits of n after the point
    out->Append(g.substr(0, g.size() - fraction));
    out->Append('.');
    const std::string_view tail = g.substr(g.size() - fraction);
    if (dropZeroFraction && tail.find_first_not_of('0') == std::string_view::npos)
        return;
    out->Append(tail);
    out->Append(zeros, '0');
}

void General(Decimal d, int significant, NumberText* out) {
    Trim(&d);
    const DigitText digits(d.digits);
    const std::string_view g = digits.view();
    if (d.digits == 0) {
        out->Append('0');
        return;
    }
    if (d.negative)
        out->Append('-');
    const int e = d.exponent;
    if (e >= significant || e < -4) {
        out->Append(g[0]);
        if (g.size() > 1) {
            out->Append('.');
            out->Append(g.substr(1));
        }
        out->Append(e < 0 ? "E-" : "E+");
        const DigitText magnitude(static_cast<std::uint64_t>(std::abs(e)));
        if (magnitude.view().size() < 2)
            out->Append('0');
        out->Append(magnitude.view());
    } else if (e >= 0) {
        const auto whole = static_cast<std::size_t>(e) + 1;
        if (g.size() <= whole) {
            out->Append(g);
            out->Append(whole - g.size(), '0');
        } else {
            out->Append(g.substr(0, whole));
            out->Append('.');
            out->Append(g.substr(whole));
        }
    } else {
        out->Append("0.");
        out->Append(static_cast<std::size_t>(-e - 1), '0');
        out->Append(g);
    }
}

// The decimals of a fixed pattern, and whether a zero decimal is left out.
struct FixedPattern {
    int decimals;
    bool dropZeroFraction;
};
std::optional<FixedPattern> FixedOf(Pattern pattern) {
    switch (pattern) {
    case Pattern::TwoDecimals:
        return FixedPattern{2, false};
    case Pattern::OneDecimal:
        return FixedPattern{1, false};
    case Pattern::PointAlways:
        return FixedPattern{1, true};
    case Pattern::Whole:
        return FixedPattern{0, false};
    case Pattern::General:
        break;
    }
    return std::nullopt;
}

void FormatDecimal(const Decimal& d, Pattern pattern, int significant, NumberText* out) {
    if (const std::optional<FixedPattern> fixed = FixedOf(pattern))
        return Fixed(d, fixed->decimals, fixed->dropZeroFraction, out);
    General(d, significant, out);
}

// The text of most 32-bit figures of a fixed pattern, as the sheet's
// multipliers, RWLs and indices are, without working out their digits:
// written at the end of room; nothing for any other figure.
using FixedSingleRoom = std::array<char, 16>;
std::string_view FixedSingleText(const Figure& figure, FixedSingleRoom* room) {
    const std::optional<FixedPattern> fixed = FixedOf(figure.pattern);
    if (!figure.single || !fixed)
        return {};
    const int k = fixed->decimals;
    // Exact for a float: its 24 bits times 10^k, at most 7 bits more.
    const double scaled = std::fabs(figure.value) * kPowersOfTen[static_cast<std::size_t>(k)];
    // Below 10^6, the 7 significant digits a float prints reach past the
    // last decimal kept, and rounding to them first moves the value by less
    // than 0.5e-6 x scaled: only a value that near a half of the last decimal
    // can round the other way, and is left to the exact digits.
    if (!(scaled < 1e6) || static_cast<float>(figure.value) != figure.value)
        return {};
    const double below = std::floor(scaled);
    const double fraction = scaled - below;
    if (std::fabs(fraction - 0.5) <= 1e-6 * scaled)
        return {};
    auto whole = static_cast<std::uint32_t>(below) + (fraction > 0.5 ? 1u : 0u);
    // Written from the end: the decimals, the point, and at least one digit
    // ahead of it.
    char* const end = room->data() + room->size();
    char* first = end;
    const bool zero = whole == 0;
    const bool zeroFraction = whole % TenTo(k) == 0;
    for (int i = 0; i < k; ++i, whole /= 10)
        *--first = static_cast<char>('0' + whole % 10);
    if (fixed->dropZeroFraction && zeroFraction)
        first = end;
    if (k > 0)
        *--first = '.';
    do {
        *--first = static_cast<char>('0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    if (figure.value < 0 && !zero)
        *--first = '-';
    return {first, static_cast<std::size_t>(end - first)};
}

template <typename Text> double ValOf(const Text& text) {
    if (const std::optional<double> plain = PlainNumber(text))
        return *plain;
    const Scanned s = Scan(text);
    return s.found ? ToDouble(s, text) : 0.0;
}

// The general form at a precision, after a blank that stands where a minus
// would.
QString StrAt(double value, int significant) {
    NumberText text;
    const Decimal d = ToDecimal(value, significant);
    if (!d.negative)
        text.Append(' ');
    General(d, significant, &text);
    return text.toString();
}

// True when the scanned number is the whole text, blanks aside.
template <typename Text> bool IsWhole(const Scanned& s, const Text& text) {
    if (!s.found)
        return false;
    for (qsizetype i = s.end; i < text.size(); ++i) {
        if (!IsBlank(At(text, i)))
            return false;
    }
    return true;
}

bool ReadsAsNumber(const QString& text) {
    return IsWhole(Scan(text), text);
}

template <typename Text> std::optional<double> ReadNumberOf(const Text& text) {
    if (const std::optional<double> plain = PlainNumber(text))
        return *plain;
    const Scanned s = Scan(text);
    if (!IsWhole(s, text))
        return std::nullopt;
    return ToDouble(s, text);
}

} // namespace

double Val(const QString& text) {
    return ValOf(text);
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

double Val(QLatin1StringView text) {
    return ValOf(text);
}

std::optional<double> ReadNumber(const QString& text) {
    return ReadNumberOf(text);
}

std::optional<double> ReadNumber(QLatin1StringView text) {
    return ReadNumberOf(text);
}

QString NumberText::toString() const {
    return QString::fromLatin1(chars_.data(), static_cast<qsizetype>(size_));
}

QString Str(double value) {
    return StrAt(value, kDoubleDigits);
}

QString Str(float value) {
    return StrAt(value, kSingleDigits);
}

NumberText FormatText(const Figure& figure) {
    const int significant = figure.single ? kSingleDigits : kDoubleDigits;
    NumberText text;
    FixedSingleRoom room;
    if (const std::string_view fixed = FixedSingleText(figure, &room); !fixed.empty()) {
        text.Append(fixed);
        return text;
    }
    FormatDecimal(ToDecimal(figure.value, significant), figure.pattern, significant, &text);
    return text;
}

QString Format(const Figure& figure) {
    return FormatText(figure).toString();
}

std::string_view FigureTexts::Remember(const Figure& figure, Slot* slot) {
    const NumberText formatted = FormatText(figure);
    const std::string_view text = formatted.view();
    if (text.size() > slot->chars.size()) {
        longText_ = formatted;
        return longText_.view();
    }
    slot->value = figure.value;
    slot->single = figure.single;
    slot->pattern = figure.pattern;
    slot->size = static_cast<std::uint8_t>(text.size());
    std::copy(text.begin(), text.end(), slot->chars.begin());
    return {slot->chars.data(), slot->size};
}

QString Format(double value, Pattern pattern) {
    return Format(Figure{value, false, pattern});
}

QString Format(float value, Pattern pattern) {
    return Format(Figure{value, true, pattern});
}

QString Format(const QString& text, Pattern pattern) {
    return ReadsAsNumber(text) ? Format(Val(text), pattern) : text;
}

} // namespace lifting
