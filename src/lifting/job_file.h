#pragma once

#include "lifting/job.h"
#include "lifting/options.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

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

// The cells a file keeps, as the screen showed them when it was saved;
// nothing for a cell the file does not keep (a file may keep none).
using KeptCells = Cells<std::optional<QString>>;
KeptCells KeepAll(const Shown& shown);

struct JobFile {
    JobDetails details;
    // The entries as the file has them, refused ones too (see EnterableJob).
    Job job;
    // Whether CALCULATE had been pressed on the sheet when it was saved.
    bool calculated = false;
    KeptCells shown;
    bool operator==(const JobFile&) const = default;
};

// The cells the file keeps that the sheet shows otherwise now, in the order
// of their numbers: what the window and the report tell about a file whose
// sheet, entered again, differs from what was saved.
std::vector<Cell> DifferingCells(const KeptCells& kept, const Shown& now);

// An entry of a file that is not wholly a number of 0 or more.
struct RefusedEntry {
    Entry entry;
    QString text;
    QString problem; // as ReadEntry words it
};
// The job as opening a file enters it: an entry that ReadEntry refuses is
// left unmade and added to *refused, in the order of the entries.
Job EnterableJob(const Job& job, std::vector<RefusedEntry>* refused);

QByteArray WriteJobFile(const JobFile& file);

// The job in bytes, or nothing with *error saying what is wrong in a short
// phrase ("it is not JSON: ..."). Unknown keys are ignored.
std::optional<JobFile> ReadJobFile(const QByteArray& bytes, QString* error);

// Reads the file at path; *error names what is wrong, not the file.
std::optional<JobFile> LoadJobFile(const QString& path, QString* error);
// Writes the file beside path and puts it in its place once complete, so that
// a save that fails leaves the old file as it was; *error says why it failed.
bool SaveJobFile(const QString& path, const JobFile& file, QString* error);

} // namespace lifting
