#pragma once

namespace bench {

// Registers one benchmark per click handler of the worksheet, each prompt and
// message box answered at once.
void RegisterHandlers();

} // namespace bench
