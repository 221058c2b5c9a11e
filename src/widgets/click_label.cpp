#include "widgets/click_label.h"

#include "widgets/accessible_cell.h"

#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

namespace widgets {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {
    InstallAccessibility();
}

bool ClickLabel::isClickable() const {
    return isSignalConnected(QMetaMethod::fromSignal(&ClickLabel::clicked));
}

void ClickLabel::click() {
    emit clicked();
}

void ClickLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // A bar under the words, clear of them: a caption's words start at its
    // top left, with no room around them for a frame that would not touch
    // them.
    QPainter painter(this);
    const QRect words = fontMetrics().boundingRect(
        contentsRect(), static_cast<int>(alignment()) | Qt::TextWordWrap, text());
    const int top = words.bottom() + 1 + kFocusClearance;
    DrawFocusMark(painter, *this,
                  QRect(words.left(), top, words.width(), kFocusWidth).intersected(rect()));
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    click_.Press(*event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (click_.Release(*event, rect()))
        emit clicked();
}

void ClickLabel::keyPressEvent(QKeyEvent* event) {
    if (click_.KeyPress(*event))
        emit clicked();
}

void ClickLabel::keyReleaseEvent(QKeyEvent* event) {
    if (click_.KeyRelease(*event))
        emit clicked();
}

// QLabel would set up text selection on focus and from then on draw its text
// through it, which moves pixels; a caption only needs its focus mark redrawn.
void ClickLabel::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event); // NOLINT(bugprone-parent-virtual-call)
}

void ClickLabel::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event); // NOLINT(bugprone-parent-virtual-call)
}

} // namespace widgets
