#pragma once

#include <QString>

#include <cstdint>

// The number conversions the worksheet relies on. None of them looks at the
// system locale: "." is always the decimal point.
namespace lifting {

// Reads the number at the start of text: leading blanks (space, tab, line feed,
// carriage return), an optional sign, digits, an optional "." with digits and
// an optional exponent. Stops at the first character that cannot continue it;
// no number gives 0. Beyond the double range it saturates at the largest
// finite double of its sign.
double Val(const QString& text);

// The nearest whole number, ties to the even neighbour.
double RoundHalfToEven(double value);

// Nearest 16-bit integer, ties to even; outside -32768..32767 raises Overflow.
std::int16_t CInt(double value);

// Stores a double in a 32-bit float, rounding to nearest; a value that would
// round beyond the float range raises Overflow.
float ToSingle(double value);

// Like ToSingle, but a value beyond the float range becomes the largest finite
// float of its sign instead of an error.
float SaturateToSingle(double value);

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

// Formats the decimal value of the number as its type prints it (see Str),
// rounding half away from zero. A result that rounds to zero has no sign.
QString Format(double value, Pattern pattern = Pattern::General);
QString Format(float value, Pattern pattern = Pattern::General);
// A text that reads as a number is formatted as that number; any other text is
// returned unchanged.
QString Format(const QString& text, Pattern pattern = Pattern::General);

} // namespace lifting
