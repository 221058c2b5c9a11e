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

// From now on every dialog of the program, whoever makes it, opens at least
// as wide as a window manager's title bar needs for its whole title, beside
// the bar's icon and buttons: a title bar cuts a title that does not fit,
// and the prompts' titles say which entry is asked for. Installed once.
void KeepDialogTitlesWhole();

} // namespace widgets
