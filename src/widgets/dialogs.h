#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace widgets {

// Says what is wrong with a text typed into a value prompt, or nothing
// (the empty text) when the prompt may take it.
using Check = std::function<QString(const QString& typed)>;

// Modal value prompt with the default pre-filled. Returns the text as typed,
// or nothing when cancelled. A text that check refuses keeps the prompt open,
// with the line check gave it under the message.
std::optional<QString> InputBox(QWidget* parent, const QString& message, const QString& title,
                                const QString& defaultText, const Check& check = {});

// Modal message box with one OK button and no icon; its result is of no
// interest to any caller.
void MsgBox(QWidget* parent, const QString& message, const QString& title);

} // namespace widgets
