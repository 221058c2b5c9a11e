#pragma once

#include "lifting/job.h"

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

Reading ReadEntry(const QString& text, Entry entry, Units units);
Reading ReadEntry(QLatin1StringView text, Entry entry, Units units);

// "pounds", "centimetres", "degrees", "lifts a minute": what an entry is
// counted in.
QLatin1StringView UnitWordOf(Entry entry, Units units);

} // namespace lifting
