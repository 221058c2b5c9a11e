#pragma once

#include "worksheet/prompt.h"

// One row's entry: its prompt, the cell that shows the text typed and the
// cell that shows the multiplier that follows from it.
struct EntrySide {
    PromptText prompt;
    int valueCell;
    int multiplierCell;
};
