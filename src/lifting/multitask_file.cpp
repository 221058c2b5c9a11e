#include "lifting/multitask_file.h"

#include "lifting/json_file.h"
#include "lifting/latin1.h"
#include "lifting/saving.h"

#include <QJsonArray>

namespace lifting {
namespace {

bool ReadTask(const QJsonObject& object, Task* task, QString* error) {
    std::optional<QString> name;
    if (!json::OptionalText(object, QStringLiteral("name"), &name, QStringLiteral("the field"),
                            error) ||
        !json::Choice(object, QStringLiteral("coupling"), CouplingOfKey, &task->coupling, error))
        return false;
    task->name = name.value_or(QString());
    QJsonObject entries;
    if (!json::Object(object, QStringLiteral("entries"), &entries, error))
        return false;
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        const auto entry = static_cast<Entry>(i);
        if (!json::OptionalText(entries, Latin1(KeyOf(entry)), &(*task)[entry],
                                QStringLiteral("in \"entries\","), error))
            return false;
    }
    return true;
}

bool ReadTasks(const QJsonObject& root, std::vector<Task>* tasks, QString* error) {
    const QJsonValue value = root.value(QLatin1String("tasks"));
    if (value.isUndefined())
        return true;
    if (!value.isArray()) {
        *error = QStringLiteral("\"tasks\" is not a list");
        return false;
    }
    const QJsonArray list = value.toArray();
    if (static_cast<std::size_t>(list.size()) > kMaxTasks) {
        *error = QStringLiteral("it has %1 tasks, more than the %2 a job holds")
                     .arg(list.size())
                     .arg(kMaxTasks);
        return false;
    }
    tasks->resize(static_cast<std::size_t>(list.size()));
    for (qsizetype i = 0; i < list.size(); ++i) {
        QString problem = QStringLiteral("it is not an object");
        if (!list[i].isObject() ||
            !ReadTask(list[i].toObject(), &(*tasks)[static_cast<std::size_t>(i)], &problem)) {
            *error = QStringLiteral("in \"tasks\", task %1: %2").arg(i + 1).arg(problem);
            return false;
        }
    }
    return true;
}

} // namespace

QByteArray WriteMultiTaskFile(const MultiTaskFile& file) {
    json::Writer w;
    w.Text("format", QString::fromLatin1(kMultiTaskFileFormat));
    w.Field("version", QByteArray::number(kMultiTaskFileVersion));
    json::WriteDetails(w, file.details);
    w.Text("units", KeyOf(file.job.units));
    w.Text("duration", KeyOf(file.job.duration));
    w.OpenList("tasks");
    for (const Task& task : file.job.tasks) {
        w.OpenObject(nullptr);
        w.Text("name", task.name);
        w.Text("coupling", KeyOf(task.coupling));
        w.OpenObject("entries");
        for (std::size_t i = 0; i < kEntryCount; ++i) {
            const auto entry = static_cast<Entry>(i);
            if (const std::optional<QString>& typed = task[entry])
                w.Text(KeyOf(entry).data(), *typed);
        }
        w.Close();
        w.Close();
    }
    return w.Done();
}

std::optional<MultiTaskFile> ReadMultiTaskFile(const QByteArray& bytes, QString* error) {
    const std::optional<QJsonObject> root = json::ReadRoot(bytes, error);
    if (!root)
        return std::nullopt;
    const QString format = root->value(QLatin1String("format")).toString();
    if (format != QLatin1String(kMultiTaskFileFormat)) {
        *error = format == QLatin1String(kJobFileFormat)
                     ? QStringLiteral("it is a job of one task, not of several")
                     : QStringLiteral("it is not a multi-task lifting job (its \"format\" is not "
                                      "\"%1\")")
                           .arg(QLatin1String(kMultiTaskFileFormat));
        return std::nullopt;
    }
    MultiTaskFile file;
    if (!json::ReadVersion(*root, kMultiTaskFileVersion, "multi-task job file", error) ||
        !json::ReadDetails(*root, &file.details, error) ||
        !json::Choice(*root, QStringLiteral("units"), UnitsOfKey, &file.job.units, error) ||
        !json::Choice(*root, QStringLiteral("duration"), DurationOfKey, &file.job.duration,
                      error) ||
        !ReadTasks(*root, &file.job.tasks, error))
        return std::nullopt;
    return file;
}

std::optional<MultiTaskFile> LoadMultiTaskFile(const QString& path, QString* error) {
    const std::optional<QByteArray> bytes = json::ReadLimited(path, error);
    if (!bytes)
        return std::nullopt;
    return ReadMultiTaskFile(*bytes, error);
}

bool SaveMultiTaskFile(const QString& path, const MultiTaskFile& file, QString* error) {
    return SaveFile(path, WriteMultiTaskFile(file), error);
}

JobFileKind KindOfJobFile(const QByteArray& bytes) {
    QString error;
    const std::optional<QJsonObject> root = json::ReadRoot(bytes, &error);
    if (!root)
        return JobFileKind::Unknown;
    const QString format = root->value(QLatin1String("format")).toString();
    if (format == QLatin1String(kJobFileFormat))
        return JobFileKind::SingleTask;
    if (format == QLatin1String(kMultiTaskFileFormat))
        return JobFileKind::MultiTask;
    return JobFileKind::Unknown;
}

JobFileKind KindOfJobFileAt(const QString& path) {
    QString error;
    const std::optional<QByteArray> bytes = json::ReadLimited(path, &error);
    return bytes ? KindOfJobFile(*bytes) : JobFileKind::Unknown;
}

} // namespace lifting
