#pragma once

#include <QString>

#include <string_view>

namespace lifting {

// A text held as a compile-time string_view, as Qt text.
inline QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace lifting
