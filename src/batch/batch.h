#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;

namespace lifting {
class CsvWriter;
}

// Many jobs at once, without a window: each row of a CSV file, or each job
// file, gives the texts the sheet shows after CALCULATE.
namespace batch {

// The exit status of a batch.
enum class BatchStatus {
    Computed = 0,   // every row was computed
    SomeFailed = 1, // some rows could not be, and say why in their error column
    Failed = 2,     // nothing could be read, or the output could not be written
};

// One line for standard error, without the program's name.
using Say = std::function<void(const QString&)>;

// Reads CSV from in (name is how messages call it) and writes a row to out
// for every row read. When it returns Failed because out failed, out says why.
BatchStatus BatchCsv(QIODevice* in, const QString& name, lifting::CsvWriter* out, const Say& say);

// One row for every job file.
BatchStatus BatchJobFiles(const QStringList& files, lifting::CsvWriter* out, const Say& say);

// The command: one CSV file ("-" for standard input) or job files (.liftjob),
// written to output (standard output when it is empty or "-"). Messages go
// to standard error. Returns the exit status.
int RunBatch(const QStringList& files, const QString& output);

} // namespace batch
