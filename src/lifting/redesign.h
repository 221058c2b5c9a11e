#pragma once

#include "lifting/job.h"
#include "lifting/sheet_engine.h"

#include <QLatin1StringView>
#include <QString>

#include <array>
#include <optional>
#include <vector>

// What to change first: for each end of a calculated sheet, what each
// multiplier costs and what would make it 1.00. The RWL is a product, so one
// multiplier m brought to 1.00 alone divides the RWL by m and multiplies the
// index by m; everything here is worked out by the sheet's own rules. Indices
// print as IndexText (multitask.h) prints them: two decimals, or "N/A".
namespace lifting {

enum class Factor { Hm, Vm, Dm, Am, Fm, Cm };
inline constexpr std::size_t kFactorCount = 6;

// "HM", "VM", ...
QLatin1StringView NameOf(Factor factor);

struct FactorAdvice {
    Factor factor = Factor::Hm;
    float multiplier = 0;
    QString source; // the entry it comes from, in the job's units: "H 20 in"
    // The index of the end with this multiplier alone at 1.00.
    std::optional<float> indexIfIdeal;
    QString ideal;  // what 1.00 takes: "H at most 10 in"
    QString shares; // where its variable feeds other multipliers too; or empty
    QString advice; // what to do, in a sentence or two
    // The job with the entry at its ideal, everything else as entered; none
    // where the multiplier is 1.00 already.
    std::optional<Job> change;
    QString changeWords; // "H at the origin 20 → 10 in"
    // That job's index at this end, as the sheet works it out; it differs
    // from indexIfIdeal where the entry feeds other multipliers too.
    std::optional<float> indexAfterChange;
};

struct EndAdvice {
    // None where the RWL is 0 or no object weight above 0 was entered;
    // whyNoIndex then says why, and nothing else is worked out.
    std::optional<float> index;
    QString whyNoIndex;
    float heaviest = 0; // the RWL: the heaviest object at an index of 1.0
    // The highest frequency of the FM table that keeps the index at or below
    // 1.0, everything else as it is; none where no frequency does.
    std::optional<double> highestFrequency;
    std::vector<FactorAdvice> factors; // smallest multiplier first
};

// Whether CALCULATE has been pressed and nothing entered or selected since
// has changed a multiplier or weight that the RWL and index were worked out
// from (entries change their multiplier at once, the results only at the next
// CALCULATE).
bool CalculatedAsEntered(const SheetEngine& sheet);

// The origin, then the destination; nothing unless CalculatedAsEntered.
std::optional<std::array<EndAdvice, 2>> Redesign(const SheetEngine& sheet);

} // namespace lifting
