#include "widgets/frame_control.h"

#include <QPainter>

namespace widgets {

FrameControl::FrameControl(const QString& title, QWidget* parent) : QWidget(parent), title_(title) {
    setAccessibleName(title);
}

void FrameControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    // The edge runs through the middle of the caption's first line.
    const int top = metrics.height() / 2;
    const QRect box(0, top, width() - 2, height() - top - 2);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(box);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(box.translated(1, 1));

    const int textWidth = metrics.horizontalAdvance(title_);
    const QRect caption(kTitleIndent, 0, textWidth + 4, metrics.height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, title_);
}

} // namespace widgets
