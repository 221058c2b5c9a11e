#pragma once

#include "worksheet/form1.h"

#include <QString>

#include <span>
#include <string_view>

class QWidget;

// The advice and information boxes of the worksheet, as data.
namespace advice {

// One box: the procedure that shows it, its title and its lines in order.
struct Message {
    Form1::Procedure procedure;
    std::string_view title;
    std::span<const std::string_view> lines;
};

// The ten messages, in the order of their captions on the sheet.
std::span<const Message> Messages();

// The message a procedure shows. A procedure without one is a programming
// error and stops the program.
const Message& MessageOf(Form1::Procedure procedure);

// The lines with a single line feed between consecutive lines: none after the
// last, no carriage return, and each line's own trailing spaces kept.
QString Join(std::span<const std::string_view> lines);

// Shows the message in a modal box over parent, with one OK button and no
// icon, and returns when the user closes it.
void Show(QWidget* parent, const Message& message);

} // namespace advice
