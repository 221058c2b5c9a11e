#pragma once

#include <QString>

class QWidget;

namespace rt {

// Modal value prompt with the default pre-filled. Returns the text as typed,
// or the empty text when cancelled.
QString InputBox(QWidget* parent, const QString& message, const QString& title,
                 const QString& defaultText);

// The buttons of a message box; the worksheet only ever asks for one OK
// button and no icon.
enum class MsgBoxButtons { OkOnly = 0 };

// Modal message box; its result is of no interest to any caller.
void MsgBox(QWidget* parent, const QString& message, MsgBoxButtons buttons, const QString& title);

} // namespace rt
