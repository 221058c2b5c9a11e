#pragma once

#include "lifting/job.h"
#include "lifting/options.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Job files (.liftjob): one job with its details, as UTF-8 JSON.
namespace lifting {

inline constexpr auto kJobFileFormat = "lifting-worksheet-job";
inline constexpr int kJobFileVersion = 1;
// Larger files are refused before they are read.
inline constexpr qint64 kJobFileLimit = qint64{1024} * 1024; // 1 MiB

// Who analysed which job, and when; any of them may be empty.
struct JobDetails {
    QString title;
    QString task; // task or department
    QString analyst;
    QString date; // ISO 8601, as the user gave it
    QString notes;
    bool operator==(const JobDetails&) const = default;
};

struct JobFile {
    JobDetails details;
    Job job;
    // Whether CALCULATE had been pressed on the sheet when it was saved.
    bool calculated = false;
    // The cells as they were on the screen when it was saved.
    Shown shown;
    bool operator==(const JobFile&) const = default;
};

QByteArray WriteJobFile(const JobFile& file);

// The job in bytes, or nothing with *error saying what is wrong in a short
// phrase ("it is not JSON: ..."). Unknown keys are ignored.
std::optional<JobFile> ReadJobFile(const QByteArray& bytes, QString* error);

// Reads the file at path; *error names what is wrong, not the file.
std::optional<JobFile> LoadJobFile(const QString& path, QString* error);

} // namespace lifting
