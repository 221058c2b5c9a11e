#pragma once

#include "lifting/numbers.h"

#include <QString>

#include <cstdint>
#include <optional>

// Second, independent routes to what the number conversions must give, for the
// property tests and the fuzz targets: the C library reads and prints, integer
// arithmetic rounds, regular expressions check shapes.
namespace reference {

// The leading number of text read by strtod in the C locale, beyond the double
// range saturated to the largest finite double of its sign.
double Val(const QString& text);

// True when the text, blanks aside, is a single number.
bool IsWholeNumber(const QString& text);

// The general form through printf's %G at the given significant digits.
QString General(double value, int significant);

// value = digits x 10^exponent, rounded to the decimals half away from zero by
// integer arithmetic. Empty when the value is too large for 128-bit integers.
std::optional<QString> Fixed(bool negative, std::uint64_t digits, int exponent,
                             lifting::Pattern pattern);

// The same for a number as its type prints it (printf's %e at the significant
// digits).
std::optional<QString> Fixed(double value, int significant, lifting::Pattern pattern);

// True when text has the shape of the pattern: an optional minus, an integer
// part without leading zeros, the pattern's decimals, no negative zero; the
// general form has at most `significant` digits and no trailing fraction
// zeros.
bool HasShape(const QString& text, lifting::Pattern pattern, int significant);

} // namespace reference
