#pragma once

#include <QLatin1StringView>
#include <QString>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

// The number conversions the worksheet relies on. None of them looks at the
// system locale: "." is always the decimal point.
namespace lifting {

// Reads the number at the start of text: leading blanks (space, tab, line feed,
// carriage return), an optional sign, digits, an optional "." with digits and
// an optional exponent. Stops at the first character that cannot continue it;
// no number gives 0. Beyond the double range it saturates at the largest
// finite double of its sign.
double Val(const QString& text);
// The same over bytes, such as UTF-8 text: a number is ASCII, and no byte of
// another character can continue one, so the bytes read as the text does.
double Val(QLatin1StringView text);
// The number a whole text reads as, blanks around it aside, as Val reads it;
// nothing when the text holds anything else, or no number at all.
std::optional<double> ReadNumber(const QString& text);
std::optional<double> ReadNumber(QLatin1StringView text);

// The nearest whole number, ties to the even neighbour.
inline double RoundHalfToEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    // below / 2 is exact, so it is whole just when below is even.
    if (fraction > 0.5 || (fraction == 0.5 && std::floor(below / 2) != below / 2))
        return below + 1.0;
    return below;
}

// Nearest 16-bit integer, ties to even; outside -32768..32767 raises Overflow.
std::int16_t CInt(double value);

// Doubles at or above this magnitude round to infinity when stored as a float
// (FLT_MAX plus half a unit in its last place; the tie goes to infinity).
inline constexpr double kSingleOverflow = 0x1.ffffffp+127;

// Stores a double in a 32-bit float, rounding to nearest; a value that would
// round beyond the float range raises Overflow.
float ToSingle(double value);

// Like ToSingle, but a value beyond the float range becomes the largest finite
// float of its sign instead of an error.
inline float SaturateToSingle(double value) {
    if (std::isnan(value))
        return 0.0f;
    if (std::fabs(value) >= kSingleOverflow)
        return value < 0 ? -std::numeric_limits<float>::max() : std::numeric_limits<float>::max();
    return static_cast<float>(value);
}

// Decimal text of a number at its type's precision (15 significant digits for
// a double, 7 for a float), with a leading blank for zero and positive values.
QString Str(double value);
QString Str(float value);

// Format patterns the worksheet uses.
enum class Pattern {
    General,     // no pattern: the shortest general form
    TwoDecimals, // "0.00"
    OneDecimal,  // "###0.0"
    PointAlways, // "0.#": at most one decimal, the point always shown
    Whole,       // "0": a whole number, no point
};

// A number as a cell shows it: its value, whether it is stored as a 32-bit
// float (printed with 7 significant digits) or a double (15), and its pattern.
struct Figure {
    double value = 0;
    bool single = false;
    Pattern pattern = Pattern::General;
};

// A number's text, built in place, so that formatting the many numbers of a
// batch allocates nothing.
class NumberText {
  public:
    std::string_view view() const { return {chars_.data(), size_}; }
    QString toString() const;

    void Append(char c) { chars_[size_++] = c; }
    void Append(std::string_view text) {
        for (const char c : text)
            chars_[size_++] = c;
    }
    void Append(std::size_t count, char c) {
        for (std::size_t i = 0; i < count; ++i)
            chars_[size_++] = c;
    }

  private:
    // The longest text: the 309 whole digits of the largest double, its sign,
    // a point and two decimals.
    std::array<char, 320> chars_;
    std::size_t size_ = 0;
};

// Formats the decimal value of the figure as its type prints it (see Str),
// rounding half away from zero. A result that rounds to zero has no sign.
NumberText FormatText(const Figure& figure);
QString Format(const Figure& figure);

// Remembers the texts of the figures formatted lately, so that formatting
// the same figure again, as a batch of jobs does with its multipliers, is a
// look-up. A text stays valid until the next call.
class FigureTexts {
  public:
    // Inline, as a batch looks up a figure for each cell it writes and most
    // are found; formatting one that is not is out of line.
    std::string_view Text(const Figure& figure) {
        const auto bits = std::bit_cast<std::uint64_t>(figure.value);
        // Fibonacci hashing of the value's bits with the kind of figure.
        const std::uint64_t key =
            bits ^ (static_cast<std::uint64_t>(figure.pattern) << 1 | (figure.single ? 1 : 0));
        Slot& slot = slots_[(key * 0x9E3779B97F4A7C15u) >> (64 - kIndexBits)];
        if (slot.size != 0 && std::bit_cast<std::uint64_t>(slot.value) == bits &&
            slot.single == figure.single && slot.pattern == figure.pattern)
            return {slot.chars.data(), slot.size};
        return Remember(figure, &slot);
    }

  private:
    static constexpr int kIndexBits = 12;
    struct Slot {
        double value = 0;
        bool single = false;
        Pattern pattern = Pattern::General;
        std::uint8_t size = 0; // 0: empty; every text has a character
        std::array<char, 13> chars{};
    };
    // Formats the figure and keeps its text in the slot.
    std::string_view Remember(const Figure& figure, Slot* slot);

    std::vector<Slot> slots_ = std::vector<Slot>(std::size_t{1} << kIndexBits);
    NumberText longText_;
};
QString Format(double value, Pattern pattern = Pattern::General);
QString Format(float value, Pattern pattern = Pattern::General);
// A text that reads as a number is formatted as that number; any other text is
// returned unchanged.
QString Format(const QString& text, Pattern pattern = Pattern::General);

} // namespace lifting
