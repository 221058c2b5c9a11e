#include "lifting/reading.h"

#include "lifting/numbers.h"

#include <algorithm>

namespace lifting {
namespace {

// What follows the number a text starts with, if it starts with one: "lb" of
// "20 lb". Only a short start is tried; a longer one is no typing slip.
std::optional<QString> AfterLeadingNumber(const QString& text) {
    for (qsizetype end = std::min<qsizetype>(text.size() - 1, 64); end > 0; --end) {
        if (ReadNumber(text.left(end)))
            return text.mid(end).trimmed();
    }
    return std::nullopt;
}

} // namespace

Reading Refusal(const QString& text, std::optional<double> number, Entry entry, Units units) {
    if (number)
        return {std::nullopt, QStringLiteral("%1 is below 0: type 0 or more").arg(text.trimmed())};
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {std::nullopt, QStringLiteral("Nothing is typed: type a number, or Cancel")};
    if (const qsizetype comma = trimmed.indexOf(u','); comma >= 0) {
        QString point = trimmed;
        point.replace(u',', u'.');
        if (ReadNumber(point)) {
            // "1,000" may be a thousand as well as one.
            if (trimmed.size() - comma - 1 == 3 && trimmed.count(u',') == 1)
                return {std::nullopt,
                        QStringLiteral("Type %1 without a separator, or %2 for decimals")
                            .arg(QString(trimmed).remove(u','), point)};
            return {std::nullopt, QStringLiteral("Use a point for decimals: %1").arg(point)};
        }
    }
    if (const std::optional<QString> rest = AfterLeadingNumber(trimmed);
        rest && !rest->isEmpty() && rest->front().isLetter())
        return {std::nullopt,
                QStringLiteral("Type the number alone (in %1)").arg(UnitWordOf(entry, units))};
    return {std::nullopt,
            QStringLiteral("\"%1\" is not a number: type digits, with a point for decimals")
                .arg(trimmed)};
}

QLatin1StringView UnitWordOf(Entry entry, Units units) {
    const bool us = units == Units::UsCustomary;
    switch (entry) {
    case Entry::LoadAvg:
    case Entry::LoadMax:
        return us ? QLatin1StringView("pounds") : QLatin1StringView("kilograms");
    case Entry::OriginH:
    case Entry::OriginV:
    case Entry::DestinationH:
    case Entry::DestinationV:
        return us ? QLatin1StringView("inches") : QLatin1StringView("centimetres");
    case Entry::OriginA:
    case Entry::DestinationA:
        return QLatin1StringView("degrees");
    case Entry::Frequency:
        break;
    }
    return QLatin1StringView("lifts a minute");
}

} // namespace lifting
