#pragma once

#include <QString>

class QWidget;

namespace widgets {

// Modal value prompt with the default pre-filled. Returns the text as typed,
// or the empty text when cancelled.
QString InputBox(QWidget* parent, const QString& message, const QString& title,
                 const QString& defaultText);

// Modal message box with one OK button and no icon; its result is of no
// interest to any caller.
void MsgBox(QWidget* parent, const QString& message, const QString& title);

} // namespace widgets
