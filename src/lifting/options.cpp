#include "lifting/options.h"

#include <algorithm>
#include <array>

namespace lifting {
namespace {

// The keys of each group, in the order of its enumeration.
constexpr std::array kUnits{QLatin1StringView("us"), QLatin1StringView("metric")};
constexpr std::array kDurations{QLatin1StringView("1"), QLatin1StringView("2"),
                                QLatin1StringView("8")};
constexpr std::array kCouplings{QLatin1StringView("good"), QLatin1StringView("fair"),
                                QLatin1StringView("poor")};

// "a, b or c".
template <std::size_t N> QString Alternatives(const std::array<QLatin1StringView, N>& keys) {
    QString text;
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0)
            text += i + 1 == N ? QStringLiteral(" or ") : QStringLiteral(", ");
        text += keys[i];
    }
    return text;
}

template <typename T, std::size_t N>
std::optional<T> OfKey(const std::array<QLatin1StringView, N>& keys, QByteArrayView text,
                       QString* problem) {
    // Most texts are a key as written (a batch reads one in every row):
    // matched byte for byte first, without building a text.
    for (std::size_t i = 0; i < N; ++i) {
        if (text.size() == keys[i].size() &&
            std::equal(keys[i].begin(), keys[i].end(), text.begin()))
            return static_cast<T>(i);
    }
    // The keys are ASCII, and no byte of a UTF-8 sequence folds to ASCII, so
    // the bytes may be compared as Latin-1.
    const QLatin1StringView trimmed(text.trimmed());
    for (std::size_t i = 0; i < N; ++i) {
        if (trimmed.compare(keys[i], Qt::CaseInsensitive) == 0)
            return static_cast<T>(i);
    }
    *problem = trimmed.isEmpty() ? QStringLiteral("is empty; it must be %1").arg(Alternatives(keys))
                                 : QStringLiteral("is \"%1\"; it must be %2")
                                       .arg(QString::fromUtf8(text), Alternatives(keys));
    return std::nullopt;
}

} // namespace

QLatin1StringView KeyOf(Units units) {
    return kUnits[static_cast<std::size_t>(units)];
}
QLatin1StringView KeyOf(Duration duration) {
    return kDurations[static_cast<std::size_t>(duration)];
}
QLatin1StringView KeyOf(Coupling coupling) {
    return kCouplings[static_cast<std::size_t>(coupling)];
}

std::optional<Units> UnitsOfKey(QByteArrayView text, QString* problem) {
    return OfKey<Units>(kUnits, text, problem);
}
std::optional<Duration> DurationOfKey(QByteArrayView text, QString* problem) {
    return OfKey<Duration>(kDurations, text, problem);
}
std::optional<Coupling> CouplingOfKey(QByteArrayView text, QString* problem) {
    return OfKey<Coupling>(kCouplings, text, problem);
}

} // namespace lifting
