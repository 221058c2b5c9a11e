#pragma once

#include <optional>

namespace bench {

// The windows compared: the worksheet, a bare QWidget of its size, and that
// bare window with one caption of the worksheet's font, which shows what
// drawing any text at all costs a fresh process.
enum class Window { Worksheet, Bare, Captioned };

// Peak resident set of this process in KiB, or 0 where it cannot be read.
long PeakResidentKib();

// Registers the start-up and process benchmarks, each window side by side.
void RegisterStartUp();

// The window a child process is asked for by its command line, if any.
std::optional<Window> ChildWindow(int argc, char** argv);

// The child process: builds the application, shows the window once and
// prints its first-frame times and peak resident memory.
int RunChild(int argc, char** argv, Window window);

} // namespace bench
