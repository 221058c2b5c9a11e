#pragma once

#include "lifting/job_file.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <optional>
#include <vector>

// What the files of jobs, of one task or of several, share: their fields
// written in a fixed order, read with a short phrase for whatever is wrong,
// and the size limit.
namespace lifting::json {

// A JSON string literal, escaped as JSON needs.
QByteArray Quoted(const QString& text);

// Writes fields in the order given, indented, so that the format name, given
// first, is found near the start of the file by a file type sniffer.
class Writer {
  public:
    void Text(const char* key, const QString& text) { Field(key, Quoted(text)); }
    void Field(const char* key, const QByteArray& json);
    // An object, or a list; a key of nullptr opens one inside a list.
    void OpenObject(const char* key);
    void OpenList(const char* key);
    void Close();
    QByteArray Done();

  private:
    void Open(const char* key, char opening, char closing);

    QByteArray out_ = "{";
    std::vector<char> closers_{'}'};
    bool first_ = true;
};

// The member key of object as a text; nothing where it is absent. False, with
// *error saying "<where> "<key>" is not a text", where it is something else.
bool OptionalText(const QJsonObject& object, const QString& key, std::optional<QString>* text,
                  const QString& where, QString* error);
// The member key of parent as an object; empty where it is absent.
bool Object(const QJsonObject& parent, const QString& key, QJsonObject* object, QString* error);

// The member key, an option's key as ofKey (UnitsOfKey, ...) reads it.
template <typename T>
bool Choice(const QJsonObject& object, const QString& key,
            std::optional<T> (*ofKey)(QByteArrayView, QString*), T* out, QString* error) {
    std::optional<QString> text;
    if (!OptionalText(object, key, &text, QStringLiteral("the field"), error))
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

// The "details" object, in both directions.
void WriteDetails(Writer& writer, const JobDetails& details);
bool ReadDetails(const QJsonObject& root, JobDetails* details, QString* error);

// The JSON object that bytes hold, or nothing with *error saying why.
std::optional<QJsonObject> ReadRoot(const QByteArray& bytes, QString* error);
// Whether the root's "version" is one this program reads, from 1 to current;
// *error names `kind` ("job file") where it is newer.
bool ReadVersion(const QJsonObject& root, int current, const char* kind, QString* error);

// The bytes of the file at path, refused past kJobFileLimit; *error names what
// is wrong, not the file.
std::optional<QByteArray> ReadLimited(const QString& path, QString* error);

} // namespace lifting::json
