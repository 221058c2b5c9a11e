#pragma once

namespace bench {

// Registers opening a job file in a shown worksheet: reading the file,
// entering the job through the window's procedures, comparing the cells with
// the file's and painting the sheet; and the redesign guidance of the job
// once calculated.
void RegisterOpen();

} // namespace bench
