#pragma once

#include "lifting/job_file.h"
#include "lifting/multitask.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Multi-task job files: a job of several tasks with its details, as UTF-8
// JSON, under the same .liftjob extension and size limit as job files.
namespace lifting {

inline constexpr auto kMultiTaskFileFormat = "lifting-worksheet-multitask";
inline constexpr int kMultiTaskFileVersion = 1;

struct MultiTaskFile {
    JobDetails details;
    MultiTaskJob job;
    bool operator==(const MultiTaskFile&) const = default;
};

QByteArray WriteMultiTaskFile(const MultiTaskFile& file);

// The job in bytes, or nothing with *error saying what is wrong in a short
// phrase. Unknown keys are ignored; more than kMaxTasks tasks are refused.
std::optional<MultiTaskFile> ReadMultiTaskFile(const QByteArray& bytes, QString* error);

// Reads the file at path; *error names what is wrong, not the file.
std::optional<MultiTaskFile> LoadMultiTaskFile(const QString& path, QString* error);
// Saves atomically: on failure the file at path, if any, is as it was, and
// *error says why.
bool SaveMultiTaskFile(const QString& path, const MultiTaskFile& file, QString* error);

// Which of the two formats a .liftjob holds, by its "format", so that opening
// one can go to the window that shows it. Unknown where the bytes are not a
// JSON object of either format, or the file cannot be read.
enum class JobFileKind { Unknown, SingleTask, MultiTask };
JobFileKind KindOfJobFile(const QByteArray& bytes);
JobFileKind KindOfJobFileAt(const QString& path);

} // namespace lifting
