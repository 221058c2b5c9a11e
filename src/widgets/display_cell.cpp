#include "widgets/display_cell.h"

#include "widgets/accessible_cell.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

namespace widgets {
namespace {
// More than any cell can show; a longer line is cut before it is laid out.
constexpr qsizetype kMostDrawn = 256;
} // namespace

DisplayCell::DisplayCell(QWidget* parent) : QWidget(parent) {
    InstallCellAccessibility();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

void DisplayCell::Cls() {
    if (lines_.isEmpty())
        return;
    lines_.clear();
    Changed();
}

void DisplayCell::Print(const QString& line) {
    lines_.append(line);
    Changed();
}

void DisplayCell::Changed() {
    update();
    const QString shown = text();
    emit textChanged(shown);
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, shown);
        QAccessible::updateAccessibility(&event);
    }
}

void DisplayCell::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, palette().base());
    // A sunken two-pixel border, as a boxed cell on a paper form.
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(area.topLeft(), area.topRight());
    painter.drawLine(area.topLeft(), area.bottomLeft());
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawLine(area.topLeft() + QPoint(1, 1), area.topRight() + QPoint(-1, 1));
    painter.drawLine(area.topLeft() + QPoint(1, 1), area.bottomLeft() + QPoint(1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomRight());

    painter.setClipRect(area.adjusted(kBorder, kBorder, -kBorder, -kBorder));
    painter.setPen(palette().color(QPalette::Text));
    painter.setFont(font());
    const QFontMetrics metrics(font());
    int baseline = kBorder + metrics.ascent();
    for (const QString& line : lines_) {
        painter.drawText(QPoint(kBorder, baseline), line.left(kMostDrawn));
        baseline += metrics.height();
    }
}

void DisplayCell::mousePressEvent(QMouseEvent* event) {
    click_.Press(*event);
}

void DisplayCell::mouseReleaseEvent(QMouseEvent* event) {
    if (click_.Release(*event, rect()))
        emit clicked();
}

} // namespace widgets
