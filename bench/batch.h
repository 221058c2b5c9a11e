#pragma once

#include <QString>

#include <optional>

namespace bench {

// Registers the batch benchmarks: rows a second through the whole batch and
// through its reading and writing alone, and the peak memory of the command
// over a short and a long input.
void RegisterBatch();

// The CSV file a child process is asked to run the batch command over, if any.
std::optional<QString> BatchChildInput(int argc, char** argv);

// The child process: runs the command over the file into /dev/null and prints
// its peak resident memory and CPU time.
int RunBatchChild(int argc, char** argv, const QString& input);

} // namespace bench
