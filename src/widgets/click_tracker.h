#pragma once

#include <QRect>

class QMouseEvent;

namespace widgets {

// Turns mouse presses and releases into clicks as a button does: a left-button
// release inside the control after a left-button press on it.
class ClickTracker {
  public:
    void Press(QMouseEvent& event);
    // True when this release completes a click inside area.
    bool Release(QMouseEvent& event, const QRect& area);

  private:
    bool pressed_ = false;
};

} // namespace widgets
