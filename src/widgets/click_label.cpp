#include "widgets/click_label.h"

#include <QMouseEvent>

namespace widgets {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    click_.Press(*event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (click_.Release(*event, rect()))
        emit clicked();
}

} // namespace widgets
