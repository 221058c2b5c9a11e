#pragma once

#include <QString>

namespace app {

// The --report command, run before any application object exists: reads the
// job file, writes its page to output without a display, and says on
// standard error what went wrong. Returns the exit status: 0, 1 when the page
// cannot be written, 2 when the job file cannot be read.
int RunReportCommand(int& argc, char** argv, const QString& jobPath, const QString& output);

} // namespace app
