#pragma once

#include "lifting/fm_table.h"
#include "lifting/rules.h"
#include "lifting/units.h"

#include <QByteArrayView>
#include <QLatin1StringView>
#include <QString>

#include <optional>

// The three option groups as job files and CSV columns write them: "us" or
// "metric", "1", "2" or "8" (hours), "good", "fair" or "poor".
namespace lifting {

QLatin1StringView KeyOf(Units units);
QLatin1StringView KeyOf(Duration duration);
QLatin1StringView KeyOf(Coupling coupling);

// The option a UTF-8 text names, matched without regard to ASCII case or the
// blanks around it; for any other text, nothing, with *problem saying what the
// text is and what it must be ("is \"usa\"; it must be us or metric"), to
// follow the name of the field.
std::optional<Units> UnitsOfKey(QByteArrayView text, QString* problem);
std::optional<Duration> DurationOfKey(QByteArrayView text, QString* problem);
std::optional<Coupling> CouplingOfKey(QByteArrayView text, QString* problem);

} // namespace lifting
