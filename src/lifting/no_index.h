#pragma once

#include "lifting/sheet_engine.h"

#include <QString>

namespace lifting {

// Why an end of the calculated sheet has no lifting index, in words: each
// multiplier that is 0 and what made it so ("H 30 in is beyond 25 in: HM 0").
// Empty where the end has an index.
QString WhyNoIndex(const SheetEngine& sheet, bool origin);

} // namespace lifting
