#pragma once

#include <QString>

#include <random>

namespace support {

// Texts a user might type, and many no user would: numbers in every shape,
// junk after them, blanks, signs alone, huge exponents, any Unicode, NULs and
// very long texts. Deterministic for a given generator.
QString RandomText(std::mt19937_64& random);

} // namespace support
