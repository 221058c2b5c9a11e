#include "lifting/json_file.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <utility>

namespace lifting::json {

QByteArray Quoted(const QString& text) {
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

void Writer::Field(const char* key, const QByteArray& json) {
    out_ += first_ ? "\n" : ",\n";
    first_ = false;
    out_ += QByteArray(2 * static_cast<qsizetype>(closers_.size()), ' ');
    if (key)
        out_ += Quoted(QString::fromLatin1(key)) + ": ";
    out_ += json;
}

void Writer::OpenObject(const char* key) {
    Open(key, '{', '}');
}

void Writer::OpenList(const char* key) {
    Open(key, '[', ']');
}

void Writer::Open(const char* key, char opening, char closing) {
    Field(key, QByteArray(1, opening));
    closers_.push_back(closing);
    first_ = true;
}

void Writer::Close() {
    const char closing = closers_.back();
    closers_.pop_back();
    // An empty object or list closes on its own line: {} or [].
    if (!first_)
        out_ += '\n' + QByteArray(2 * static_cast<qsizetype>(closers_.size()), ' ');
    out_ += closing;
    first_ = false;
}

QByteArray Writer::Done() {
    while (!closers_.empty())
        Close();
    return out_ + '\n';
}

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

namespace {

constexpr std::array<std::pair<const char*, QString JobDetails::*>, 5> kDetailFields{{
    {"title", &JobDetails::title},
    {"task", &JobDetails::task},
    {"analyst", &JobDetails::analyst},
    {"date", &JobDetails::date},
    {"notes", &JobDetails::notes},
}};

} // namespace

void WriteDetails(Writer& writer, const JobDetails& details) {
    writer.OpenObject("details");
    for (const auto& [key, field] : kDetailFields)
        writer.Text(key, details.*field);
    writer.Close();
}

bool ReadDetails(const QJsonObject& root, JobDetails* details, QString* error) {
    QJsonObject object;
    if (!Object(root, QStringLiteral("details"), &object, error))
        return false;
    const QString where = QStringLiteral("in \"details\",");
    for (const auto& [key, field] : kDetailFields) {
        std::optional<QString> text;
        if (!OptionalText(object, QString::fromLatin1(key), &text, where, error))
            return false;
        details->*field = text.value_or(QString());
    }
    return true;
}

std::optional<QJsonObject> ReadRoot(const QByteArray& bytes, QString* error) {
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
    return document.object();
}

bool ReadVersion(const QJsonObject& root, int current, const char* kind, QString* error) {
    const QJsonValue version = root.value(QLatin1String("version"));
    if (!version.isDouble() || version.toDouble() != version.toInt() || version.toInt() < 1) {
        *error = QStringLiteral("its \"version\" is not a whole number from 1 on");
        return false;
    }
    if (version.toInt() > current) {
        *error = QStringLiteral("it was written by a newer version of the program (%1 version %2; "
                                "this program reads version %3)")
                     .arg(QLatin1String(kind))
                     .arg(version.toInt())
                     .arg(current);
        return false;
    }
    return true;
}

std::optional<QByteArray> ReadLimited(const QString& path, QString* error) {
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("it cannot be read: %1").arg(in.errorString());
        return std::nullopt;
    }
    // One byte past the limit tells a file that is too large, whatever its
    // size says (a pipe or a special file has none).
    QByteArray bytes = in.read(kJobFileLimit + 1);
    if (in.error() != QFileDevice::NoError) {
        *error = QStringLiteral("it cannot be read: %1").arg(in.errorString());
        return std::nullopt;
    }
    if (bytes.size() > kJobFileLimit) {
        *error = QStringLiteral("it is larger than 1 MiB, too large for a job file");
        return std::nullopt;
    }
    return bytes;
}

} // namespace lifting::json
