#pragma once

#include "lifting/sheet_engine.h"

#include <QString>

#include <optional>

namespace lifting {

// Why an end of the calculated sheet has no lifting index, in words: each
// multiplier that is 0 and what made it so ("H 30 in is beyond 25 in: HM 0").
// Empty where the end has an index.
QString WhyNoIndex(const SheetEngine& sheet, bool origin);

// An end's lifting index where a risk can be read from it: none where the RWL
// is 0 or less, or where no object weight above 0 was entered, as an index of
// 0 would read as the safest lift there is. Where there is none, *why (if
// given) says why in words.
std::optional<float> ReadableIndex(const SheetEngine& sheet, bool origin, QString* why = nullptr);

} // namespace lifting
