#include "runtime/line_control.h"

#include <QPainter>

namespace rt {

void LineControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::WindowText));
}

} // namespace rt
