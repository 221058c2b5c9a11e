#include "widgets/click_tracker.h"

#include <QMouseEvent>

namespace widgets {

void ClickTracker::Press(QMouseEvent& event) {
    pressed_ = event.button() == Qt::LeftButton;
    event.accept();
}

bool ClickTracker::Release(QMouseEvent& event, const QRect& area) {
    const bool wasPressed = pressed_;
    pressed_ = false;
    event.accept();
    return wasPressed && event.button() == Qt::LeftButton &&
           area.contains(event.position().toPoint());
}

} // namespace widgets
