#pragma once

#include "lifting/job.h"
#include "lifting/numbers.h"

#include <QLatin1StringView>
#include <QString>

#include <optional>

// How a typed entry is read: wholly a number of 0 or more, or refused with a
// line that says what is wrong and how to mend it. The window's prompts, job
// files, the batch and multi-task jobs all read entries here.
namespace lifting {

struct Reading {
    std::optional<double> value; // the number, when the text is taken
    QString problem;             // why it is refused, when it is not
};

// Why a text that is not wholly a number of 0 or more is refused; number is
// what it reads as, if anything.
Reading Refusal(const QString& text, std::optional<double> number, Entry entry, Units units);

// The reading of a typed text. Inline, as a batch reads nine a row: a number
// is taken with no call beyond reading it.
template <typename Text> Reading ReadEntry(const Text& text, Entry entry, Units units) {
    const std::optional<double> number = ReadNumber(text);
    if (number && *number >= 0)
        return {*number + 0.0, {}}; // "-0" is 0; a sign would only show in the cells
    return Refusal(QString(text), number, entry, units);
}

// "pounds", "centimetres", "degrees", "lifts a minute": what an entry is
// counted in.
QLatin1StringView UnitWordOf(Entry entry, Units units);

} // namespace lifting
