#pragma once

#include <QPointer>

#include <array>

class QRadioButton;
class QWidget;
namespace widgets {
class ClickLabel;
class DisplayCell;
} // namespace widgets

namespace window {

// The controls of the window by kind and number (Picture7 is pictures[7]);
// slots of numbers the design does not use stay empty, and a control that no
// longer exists reads as empty too.
struct Controls {
    std::array<QPointer<widgets::DisplayCell>, 33> pictures{};
    std::array<QPointer<widgets::ClickLabel>, 67> labels{};
    std::array<QPointer<QRadioButton>, 11> options{};
};

// Creates every control of the roster as a child of form, at its place, with
// its caption and font; sets the window's size and icon, and makes the sheet's
// face the application's font, for its dialogs.
Controls Build(QWidget& form);

} // namespace window
