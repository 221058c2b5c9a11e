#include "widgets/click_tracker.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWidget>

namespace widgets {
namespace {

// Shift, Control and Alt combinations are shortcuts, not clicks.
bool Plain(const QKeyEvent& event) {
    return (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

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

bool ClickTracker::KeyPress(QKeyEvent& event) {
    const int key = event.key();
    if (!Plain(event) || (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space)) {
        event.ignore();
        return false;
    }
    event.accept();
    // A held key repeats into the prompt the click opens, not into a new click.
    if (event.isAutoRepeat())
        return false;
    if (key == Qt::Key_Space) {
        spacePressed_ = true;
        return false;
    }
    return true;
}

bool ClickTracker::KeyRelease(QKeyEvent& event) {
    if (event.key() != Qt::Key_Space || event.isAutoRepeat() || !spacePressed_) {
        event.ignore();
        return false;
    }
    spacePressed_ = false;
    event.accept();
    return true;
}

void DrawFocusMark(QPainter& painter, const QWidget& widget, const QRect& around) {
    if (!widget.hasFocus())
        return;
    QStyleOptionFocusRect option;
    option.initFrom(&widget);
    option.rect = around;
    option.backgroundColor = widget.palette().color(widget.backgroundRole());
    widget.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, &widget);
}

} // namespace widgets
