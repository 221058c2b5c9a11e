#pragma once

#include "worksheet/form1.h"

#include <span>
#include <string_view>

namespace window {

// One row of the click wiring: a click on the control runs first, then second.
struct Wire {
    std::string_view control;
    Form1::Procedure first;
    Form1::Procedure second = nullptr;
};

std::span<const Wire> Wiring();

// Connects the click of every wired control of form to its procedures.
void Connect(Form1& form);

} // namespace window
