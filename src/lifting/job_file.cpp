#include "lifting/job_file.h"

#include "lifting/json_file.h"
#include "lifting/latin1.h"
#include "lifting/reading.h"
#include "lifting/saving.h"

#include <QJsonObject>

namespace lifting {

KeptCells KeepAll(const Shown& shown) {
    KeptCells kept;
    for (int n = 1; n <= kCellCount; ++n)
        kept[CellAt(n)] = shown[CellAt(n)];
    return kept;
}

std::vector<Cell> DifferingCells(const KeptCells& kept, const Shown& now) {
    std::vector<Cell> cells;
    for (int n = 1; n <= kCellCount; ++n) {
        const Cell cell = CellAt(n);
        if (kept[cell] && *kept[cell] != now[cell])
            cells.push_back(cell);
    }
    return cells;
}

Job EnterableJob(const Job& job, std::vector<RefusedEntry>* refused) {
    Job enterable = job;
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        const auto entry = static_cast<Entry>(i);
        if (!job[entry])
            continue;
        if (const Reading reading = ReadEntry(*job[entry], entry, job.units); !reading.value) {
            refused->push_back({entry, *job[entry], reading.problem});
            enterable[entry].reset();
        }
    }
    return enterable;
}

QByteArray WriteJobFile(const JobFile& file) {
    json::Writer w;
    w.Text("format", QString::fromLatin1(kJobFileFormat));
    w.Field("version", QByteArray::number(kJobFileVersion));
    json::WriteDetails(w, file.details);
    w.Text("units", KeyOf(file.job.units));
    w.Text("duration", KeyOf(file.job.duration));
    w.Text("coupling", KeyOf(file.job.coupling));
    w.OpenObject("entries");
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        const auto entry = static_cast<Entry>(i);
        if (const auto& typed = file.job[entry])
            w.Text(KeyOf(entry).data(), *typed);
    }
    w.Close();
    w.Field("calculated", file.calculated ? "true" : "false");
    w.OpenObject("shown");
    for (int n = 1; n <= kCellCount; ++n) {
        if (const auto& text = file.shown[CellAt(n)])
            w.Text(CellName(CellAt(n)).toLatin1().constData(), *text);
    }
    w.Close();
    return w.Done();
}

std::optional<JobFile> ReadJobFile(const QByteArray& bytes, QString* error) {
    const std::optional<QJsonObject> root = json::ReadRoot(bytes, error);
    if (!root)
        return std::nullopt;
    if (root->value(QLatin1String("format")).toString() != QLatin1String(kJobFileFormat)) {
        *error = QStringLiteral("it is not a lifting worksheet job (its \"format\" is not \"%1\")")
                     .arg(QLatin1String(kJobFileFormat));
        return std::nullopt;
    }
    JobFile file;
    if (!json::ReadVersion(*root, kJobFileVersion, "job file", error) ||
        !json::ReadDetails(*root, &file.details, error) ||
        !json::Choice(*root, QStringLiteral("units"), UnitsOfKey, &file.job.units, error) ||
        !json::Choice(*root, QStringLiteral("duration"), DurationOfKey, &file.job.duration,
                      error) ||
        !json::Choice(*root, QStringLiteral("coupling"), CouplingOfKey, &file.job.coupling, error))
        return std::nullopt;

    QJsonObject entries;
    if (!json::Object(*root, QStringLiteral("entries"), &entries, error))
        return std::nullopt;
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        const auto entry = static_cast<Entry>(i);
        if (!json::OptionalText(entries, Latin1(KeyOf(entry)), &file.job[entry],
                                QStringLiteral("in \"entries\","), error))
            return std::nullopt;
    }

    const QJsonValue calculated = root->value(QLatin1String("calculated"));
    if (!calculated.isUndefined() && !calculated.isBool()) {
        *error = QStringLiteral("\"calculated\" is not true or false");
        return std::nullopt;
    }
    file.calculated = calculated.toBool(false);

    QJsonObject shown;
    if (!json::Object(*root, QStringLiteral("shown"), &shown, error))
        return std::nullopt;
    for (int n = 1; n <= kCellCount; ++n) {
        if (!json::OptionalText(shown, CellName(CellAt(n)), &file.shown[CellAt(n)],
                                QStringLiteral("in \"shown\","), error))
            return std::nullopt;
    }
    return file;
}

std::optional<JobFile> LoadJobFile(const QString& path, QString* error) {
    const std::optional<QByteArray> bytes = json::ReadLimited(path, error);
    if (!bytes)
        return std::nullopt;
    return ReadJobFile(*bytes, error);
}

bool SaveJobFile(const QString& path, const JobFile& file, QString* error) {
    return SaveFile(path, WriteJobFile(file), error);
}

} // namespace lifting
