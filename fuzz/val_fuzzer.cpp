// Val and Format of a text, over any text. The first byte chooses how the rest
// becomes the text: UTF-8, raw UTF-16 code units (lone surrogates and NUL
// included) or Latin-1.
#include "check.h"
#include "lifting/numbers.h"
#include "support/number_reference.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

QString Text(const std::uint8_t* data, std::size_t size) {
    const auto* bytes = reinterpret_cast<const char*>(data + 1);
    const auto length = static_cast<qsizetype>(size - 1);
    switch (data[0] % 3) {
    case 0:
        return QString::fromUtf8(bytes, length);
    case 1: {
        QString text(length / 2, Qt::Uninitialized);
        std::memcpy(text.data(), bytes, static_cast<std::size_t>(length / 2) * 2);
        return text;
    }
    default:
        return QString::fromLatin1(bytes, length);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using lifting::Pattern;
    if (size == 0)
        return 0;
    const QString text = Text(data, size);

    const double value = lifting::Val(text);
    fuzz::Check(std::isfinite(value), "Val is finite", text);
    fuzz::Check(value == reference::Val(text), "Val reads what strtod reads", text);

    const bool number = reference::IsWholeNumber(text);
    for (Pattern pattern : {Pattern::General, Pattern::TwoDecimals, Pattern::OneDecimal,
                            Pattern::PointAlways, Pattern::Whole}) {
        QString shown;
        try {
            shown = lifting::Format(text, pattern);
        } catch (...) {
            fuzz::Check(false, "Format of a text does not throw", text);
        }
        if (number) {
            fuzz::Check(shown == lifting::Format(value, pattern),
                        "a numeric text is formatted as its number", text);
            fuzz::Check(reference::HasShape(shown, pattern, 15), "Format takes the pattern's shape",
                        text);
        } else {
            fuzz::Check(shown == text, "any other text comes back unchanged", text);
        }
    }
    return 0;
}
