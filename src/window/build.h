#pragma once

#include <array>

class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace rt {
class ClickLabel;
class DisplayCell;
} // namespace rt

namespace window {

// The controls of the window by kind and number (Picture7 is pictures[7]);
// slots of numbers the design does not use stay empty.
struct Controls {
    std::array<rt::DisplayCell*, 33> pictures{};
    std::array<rt::ClickLabel*, 67> labels{};
    std::array<QRadioButton*, 11> options{};
    std::array<QPushButton*, 3> commands{};
};

// Creates every control of the roster as a child of form, at its place, with
// its caption and font; sets the window's size and icon.
Controls Build(QWidget& form);

} // namespace window
