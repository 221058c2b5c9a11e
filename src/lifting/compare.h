#pragma once

#include "lifting/bands.h"
#include "lifting/job_file.h"
#include "lifting/multitask_file.h"

#include <QString>

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

// A job before a change and after it, side by side, each computed by the
// engine that shows it. Arrays of two hold the before job first.
//
// Jobs in different units are shown in the after job's units. Each job is
// still computed in its own units, as its sheet shows it; only the before
// job's lengths and weights are converted for the page, and its RWLs rounded
// down, so that none reads as more than may be lifted. Its entries
// converted and computed again in the other system would meet the other
// system's limits: V 29.8 in is below the knuckle, and 13 lifts a minute there
// gives FM 0 and no index, but 75.7 cm is above it and gives FM 0.34.
namespace lifting {

inline constexpr double kCentimetresPerInch = 2.54;
inline constexpr double kKilogramsPerPound = 0.45359237;

// A result before and after, in the compared units, and its change in percent
// of the before value; none where either has no value or the before one is 0.
struct Change {
    std::optional<double> before;
    std::optional<double> after;
    std::optional<double> percent;
};
Change ChangeOf(std::optional<double> before, std::optional<double> after);

// One end of a calculated single-task job.
struct EndResult {
    std::optional<double> rwl;   // in the compared units
    std::optional<double> index; // none where no index can be given
    QString whyNoIndex;          // where there is none
    const Band* band = &kNoIndexBand;
};

struct ComparedJob {
    JobDetails details;
    Job job; // as entered, in its own units
    // Whether the file was saved before CALCULATE; it is compared calculated.
    bool savedUncalculated = false;
    // Entries the sheet left unmade, as they are not numbers of 0 or more.
    std::vector<RefusedEntry> refused;
    // What its sheet shows once calculated, in the compared units.
    Shown cells;
    std::array<EndResult, 2> ends; // origin, destination
};

struct JobComparison {
    Units units = Units::UsCustomary; // the after job's
    bool converted = false;           // the before job was entered in the other units
    std::array<ComparedJob, 2> jobs;
    Cells<bool> changed; // the cells that read otherwise after
    // At the origin and the destination.
    std::array<Change, 2> rwl;
    std::array<Change, 2> index;
};

JobComparison Compare(const JobFile& before, const JobFile& after);

// A task of either job, matched by name: the n-th task of a name before with
// the n-th of that name after.
struct TaskMatch {
    QString name;
    std::array<std::optional<std::size_t>, 2> place; // in each job; none where it has none
};

struct MultiTaskComparison {
    Units units = Units::UsCustomary;
    bool converted = false;
    std::array<JobDetails, 2> details;
    std::array<Units, 2> entered; // the units each job was entered in
    // The jobs, the before job's lengths and weights converted.
    std::array<MultiTaskJob, 2> jobs;
    // Each job computed in its own units, the before job's RWLs converted.
    std::array<MultiTaskResult, 2> results;
    // The after job's tasks in its order, then those found only before.
    std::vector<TaskMatch> tasks;
    Change cli;
};

MultiTaskComparison Compare(const MultiTaskFile& before, const MultiTaskFile& after);

} // namespace lifting
