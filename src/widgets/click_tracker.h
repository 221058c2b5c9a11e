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

// Lets Shift+F10 open the context menu of the window, as the Menu key does:
// the keyboard's context menu event goes to the control with the focus, at its
// centre, and on to the window where the control lets it pass. Keyboards
// without a Menu key have only this.
void OpenContextMenuOnShiftF10(QWidget& window);

// Draws the focus mark of a focused widget: a band kFocusWidth pixels wide
// just inside the given rectangle (the whole of it, when it is no wider), in
// a colour that stands out at least 3:1 from the widget's background, the
// window's, the cells' and the buttons'. It shows however the focus came, the
// first option's at start-up too. Draws nothing on a widget without the focus.
void DrawFocusMark(QPainter& painter, const QWidget& widget, const QRect& around);
inline constexpr int kFocusWidth = 2;
// The room a mark leaves between itself and a caption's words.
inline constexpr int kFocusClearance = 1;

} // namespace widgets
