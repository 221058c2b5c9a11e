#pragma once

#include <QString>

#include <cstdio>
#include <cstdlib>

namespace fuzz {

// A property that failed: says which and for what input, then aborts, which
// libFuzzer reports as a crash and saves the input for.
inline void Check(bool holds, const char* property, const QString& input) {
    if (holds)
        return;
    std::fprintf(stderr, "property failed: %s\ninput (UTF-16 code units):", property);
    for (QChar c : input.left(200))
        std::fprintf(stderr, " %04x", static_cast<unsigned>(c.unicode()));
    std::fprintf(stderr, input.size() > 200 ? " ... (%lld units)\n" : "\n",
                 static_cast<long long>(input.size()));
    std::abort();
}

} // namespace fuzz
