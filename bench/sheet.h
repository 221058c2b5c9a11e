#pragma once

#include "worksheet/form1.h"

#include <chrono>

namespace bench {

using Clock = std::chrono::steady_clock;

// Shows the window and returns once its first frame has been painted. False
// when no frame came within a few seconds.
bool ShowUntilPainted(QWidget& window);

// Lets the event loop finish what the last action left behind (repaints,
// deferred deletes, activation changes), so that it is not charged to the
// next one.
void Settle();

// Runs a procedure as its click does, answering its prompt with the text.
// False when no prompt was answered.
bool Prompted(Form1& form, Form1::Procedure procedure, const char* text);

// Opens an advice-sized message box over the worksheet and closes it with OK.
// False when no box was answered.
bool AdviceShown(Form1& form);

} // namespace bench
