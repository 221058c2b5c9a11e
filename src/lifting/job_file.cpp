#include "lifting/job_file.h"

#include "lifting/latin1.h"
#include "lifting/reading.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <utility>

namespace lifting {
namespace {

// A JSON string literal, escaped as JSON needs.
QByteArray Quoted(const QString& text) {
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

// Writes the fields in a fixed, readable order, the format name first so that
// a file type sniffer finds it near the start.
class Writer {
  public:
    void Field(const char* key, const QByteArray& json) {
        out_ += first_ ? "\n" : ",\n";
        first_ = false;
        out_ += QByteArray(indent_, ' ') + Quoted(QString::fromLatin1(key)) + ": " + json;
    }
    void Text(const char* key, const QString& text) { Field(key, Quoted(text)); }
    void Open(const char* key) {
        Field(key, "{");
        indent_ += 2;
        first_ = true;
    }
    void Close() {
        indent_ -= 2;
        // An object with no field reads {} on one line.
        out_ += first_ ? QByteArray("}") : '\n' + QByteArray(indent_, ' ') + '}';
        first_ = false;
    }
    QByteArray Done() { return "{" + out_ + "\n}\n"; }

  private:
    QByteArray out_;
    int indent_ = 2;
    bool first_ = true;
};

// Reads a member that must be a string, or be absent (given as nothing).
bool OptionalText(const QJsonObject& object, const QString& key, std::optional<QString>* text,
                  const QString& where, QString* error) {
    const QJsonValue value = object.value(key);
    if (value.isUndefined()) {
        text->reset();
        return true;
    }
    if (!value.isString()) {
        *error = QStringLiteral("%1 \"%2\" is not a text").arg(where, key);
        return false;
    }
    *text = value.toString();
    return true;
}

bool Object(const QJsonObject& parent, const QString& key, QJsonObject* object, QString* error) {
    const QJsonValue value = parent.value(key);
    if (value.isUndefined()) {
        *object = {};
        return true;
    }
    if (!value.isObject()) {
        *error = QStringLiteral("\"%1\" is not an object").arg(key);
        return false;
    }
    *object = value.toObject();
    return true;
}

// Reads the option a member names (UnitsOfKey, ...).
template <typename T>
bool Choice(const QJsonObject& root, const QString& key,
            std::optional<T> (*ofKey)(QByteArrayView, QString*), T* out, QString* error) {
    std::optional<QString> text;
    if (!OptionalText(root, key, &text, QStringLiteral("the field"), error))
        return false;
    if (!text) {
        *error = QStringLiteral("the field \"%1\" is missing").arg(key);
        return false;
    }
    QString problem;
    const std::optional<T> value = ofKey(text->toUtf8(), &problem);
    if (!value) {
        *error = QStringLiteral("\"%1\" %2").arg(key, problem);
        return false;
    }
    *out = *value;
    return true;
}

} // namespace

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
    Writer w;
    w.Text("format", QString::fromLatin1(kJobFileFormat));
    w.Field("version", QByteArray::number(kJobFileVersion));
    w.Open("details");
    w.Text("title", file.details.title);
    w.Text("task", file.details.task);
    w.Text("analyst", file.details.analyst);
    w.Text("date", file.details.date);
    w.Text("notes", file.details.notes);
    w.Close();
    w.Text("units", KeyOf(file.job.units));
    w.Text("duration", KeyOf(file.job.duration));
    w.Text("coupling", KeyOf(file.job.coupling));
    w.Open("entries");
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        const auto entry = static_cast<Entry>(i);
        if (const auto& typed = file.job[entry])
            w.Text(KeyOf(entry).data(), *typed);
    }
    w.Close();
    w.Field("calculated", file.calculated ? "true" : "false");
    w.Open("shown");
    for (int n = 1; n <= kCellCount; ++n) {
        if (const auto& text = file.shown[CellAt(n)])
            w.Text(CellName(CellAt(n)).toLatin1().constData(), *text);
    }
    w.Close();
    return w.Done();
}

std::optional<JobFile> ReadJobFile(const QByteArray& bytes, QString* error) {
    QJsonParseError parse{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parse);
    if (parse.error != QJsonParseError::NoError) {
        *error = QStringLiteral("it is not JSON: %1 at byte %2")
                     .arg(parse.errorString())
                     .arg(parse.offset);
        return std::nullopt;
    }
    if (!document.isObject()) {
        *error = QStringLiteral("it is JSON, but not an object");
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    if (root.value(QLatin1String("format")).toString() != QLatin1String(kJobFileFormat)) {
        *error = QStringLiteral("it is not a lifting worksheet job (its \"format\" is not \"%1\")")
                     .arg(QLatin1String(kJobFileFormat));
        return std::nullopt;
    }
    const QJsonValue version = root.value(QLatin1String("version"));
    if (!version.isDouble() || version.toDouble() != version.toInt() || version.toInt() < 1) {
        *error = QStringLiteral("its \"version\" is not a whole number from 1 on");
        return std::nullopt;
    }
    if (version.toInt() > kJobFileVersion) {
        *error = QStringLiteral("it was written by a newer version of the program (job file "
                                "version %1; this program reads version %2)")
                     .arg(version.toInt())
                     .arg(kJobFileVersion);
        return std::nullopt;
    }

    JobFile file;
    QJsonObject details;
    if (!Object(root, QStringLiteral("details"), &details, error))
        return std::nullopt;
    const QString inDetails = QStringLiteral("in \"details\",");
    for (const auto& [key, field] :
         {std::pair{"title", &file.details.title}, std::pair{"task", &file.details.task},
          std::pair{"analyst", &file.details.analyst}, std::pair{"date", &file.details.date},
          std::pair{"notes", &file.details.notes}}) {
        std::optional<QString> text;
        if (!OptionalText(details, QString::fromLatin1(key), &text, inDetails, error))
            return std::nullopt;
        *field = text.value_or(QString());
    }
    if (!Choice(root, QStringLiteral("units"), UnitsOfKey, &file.job.units, error) ||
        !Choice(root, QStringLiteral("duration"), DurationOfKey, &file.job.duration, error) ||
        !Choice(root, QStringLiteral("coupling"), CouplingOfKey, &file.job.coupling, error))
        return std::nullopt;

    QJsonObject entries;
    if (!Object(root, QStringLiteral("entries"), &entries, error))
        return std::nullopt;
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        const auto entry = static_cast<Entry>(i);
        if (!OptionalText(entries, Latin1(KeyOf(entry)), &file.job[entry],
                          QStringLiteral("in \"entries\","), error))
            return std::nullopt;
    }

    const QJsonValue calculated = root.value(QLatin1String("calculated"));
    if (!calculated.isUndefined() && !calculated.isBool()) {
        *error = QStringLiteral("\"calculated\" is not true or false");
        return std::nullopt;
    }
    file.calculated = calculated.toBool(false);

    QJsonObject shown;
    if (!Object(root, QStringLiteral("shown"), &shown, error))
        return std::nullopt;
    for (int n = 1; n <= kCellCount; ++n) {
        if (!OptionalText(shown, CellName(CellAt(n)), &file.shown[CellAt(n)],
                          QStringLiteral("in \"shown\","), error))
            return std::nullopt;
    }
    return file;
}

std::optional<JobFile> LoadJobFile(const QString& path, QString* error) {
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("it cannot be read: %1").arg(in.errorString());
        return std::nullopt;
    }
    // One byte past the limit tells a file that is too large, whatever its
    // size says (a pipe or a special file has none).
    const QByteArray bytes = in.read(kJobFileLimit + 1);
    if (in.error() != QFileDevice::NoError) {
        *error = QStringLiteral("it cannot be read: %1").arg(in.errorString());
        return std::nullopt;
    }
    if (bytes.size() > kJobFileLimit) {
        *error = QStringLiteral("it is larger than 1 MiB, too large for a job file");
        return std::nullopt;
    }
    return ReadJobFile(bytes, error);
}

} // namespace lifting
