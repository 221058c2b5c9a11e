// Format and Str of any double and float: the first 8 bytes are a double's
// bits, the next 4 a float's (missing bytes are zero).
#include "check.h"
#include "lifting/numbers.h"
#include "support/number_reference.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

using lifting::Pattern;

constexpr std::array kPatterns{Pattern::General, Pattern::TwoDecimals, Pattern::OneDecimal,
                               Pattern::PointAlways, Pattern::Whole};

// Bits is the unsigned integer of Number's size.
template <typename Number, typename Bits> void CheckNumber(Bits bits, int significant) {
    constexpr bool single = sizeof(Number) == sizeof(float);
    const auto x = std::bit_cast<Number>(bits);
    const QString input = QStringLiteral("bits %1").arg(bits, 0, 16);
    for (Pattern pattern : kPatterns) {
        QString shown;
        try {
            shown = lifting::Format(x, pattern);
        } catch (...) {
            fuzz::Check(false, "Format of a number does not throw", input);
        }
        // Infinities and NaN too: a cell never shows "inf", "nan" or "-0".
        fuzz::Check(reference::HasShape(shown, pattern, significant),
                    "Format takes the pattern's shape", input);
        if (!std::isfinite(x))
            continue;
        if (pattern == Pattern::General) {
            fuzz::Check(shown == reference::General(x, significant), "general form is printf's %G",
                        input);
        } else if (const auto expected = reference::Fixed(x, significant, pattern)) {
            fuzz::Check(shown == *expected, "fixed forms round half away from zero", input);
        }
        // A text reads as a double, so a float's general form is not its own.
        if (!(single && pattern == Pattern::General))
            fuzz::Check(lifting::Format(lifting::Str(x), pattern) == shown,
                        "Format(Str(x)) is Format(x)", input);
    }
    if (std::isfinite(x)) {
        const QString str = lifting::Str(x);
        fuzz::Check(lifting::Val(str) == reference::Val(str), "Str reads back as printed", input);
        if (!single)
            fuzz::Check(lifting::Str(lifting::Val(str)) == str,
                        "Str of what Str printed is the same", input);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::array<std::uint8_t, 12> bytes{};
    std::memcpy(bytes.data(), data, std::min(size, bytes.size()));
    std::uint64_t doubleBits = 0;
    std::uint32_t floatBits = 0;
    std::memcpy(&doubleBits, bytes.data(), sizeof doubleBits);
    std::memcpy(&floatBits, bytes.data() + sizeof doubleBits, sizeof floatBits);
    CheckNumber<double>(doubleBits, 15);
    CheckNumber<float>(floatBits, 7);
    return 0;
}
