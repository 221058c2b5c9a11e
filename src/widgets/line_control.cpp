#include "widgets/line_control.h"

#include <QPainter>

namespace widgets {

void LineControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::WindowText));
}

} // namespace widgets
