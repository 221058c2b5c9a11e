#pragma once

#include <cstdint>
#include <random>

namespace support {

// mt19937_64's output is fixed by the standard; the distributions are not, so
// the tests draw from its raw output and stay the same on every library.
inline std::uint64_t Below(std::mt19937_64& engine, std::uint64_t n) {
    return engine() % n;
}

} // namespace support
