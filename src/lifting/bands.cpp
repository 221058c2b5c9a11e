#include "lifting/bands.h"

#include <algorithm>
#include <cmath>

namespace lifting {

const Band& BandOf(std::optional<double> index) {
    if (!index || std::isnan(*index))
        return kNoIndexBand;
    // The last band reaches infinity, so one always holds the index.
    return *std::find_if(kBands.begin(), kBands.end(),
                         [&](const Band& band) { return *index <= band.upTo; });
}

} // namespace lifting
