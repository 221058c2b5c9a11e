#pragma once

namespace bench {

// Registers the multi-task job: the composite lifting index of a job of the
// most tasks a job holds, and a table edit in its window, recomputed and
// repainted.
void RegisterMultiTask();

} // namespace bench
