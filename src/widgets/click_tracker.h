#pragma once

#include <QRect>

class QKeyEvent;
class QMouseEvent;
class QPainter;
class QWidget;

namespace widgets {

// Turns mouse presses and releases into clicks as a button does: a left-button
// release inside the control after a left-button press on it. From the
// keyboard, a focused control clicks as a button does too: on Return or the
// keypad's Enter as it is pressed, on Space as it is released.
class ClickTracker {
  public:
    void Press(QMouseEvent& event);
    // True when this release completes a click inside area.
    bool Release(QMouseEvent& event, const QRect& area);

    // True when the key clicks. Other keys are left to the parent.
    bool KeyPress(QKeyEvent& event);
    bool KeyRelease(QKeyEvent& event);

  private:
    bool pressed_ = false;
    bool spacePressed_ = false;
};

// Draws the platform's focus mark around the given part of a focused widget;
// draws nothing when it lacks focus, or when the style shows the mark only
// after keyboard use and the mouse moved the focus.
void DrawFocusMark(QPainter& painter, const QWidget& widget, const QRect& around);

} // namespace widgets
