#include "widgets/display_cell.h"

#include "widgets/accessible_cell.h"

#include <QAccessible>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace widgets {
namespace {
// More than any cell can show; a longer line is cut before it is laid out.
constexpr qsizetype kMostDrawn = 256;
// The width of a font with no stretch of its own.
constexpr int kNormalWidth = 100;
} // namespace

DisplayCell::DisplayCell(QWidget* parent) : QWidget(parent) {
    InstallAccessibility();
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

bool DisplayCell::isClickable() const {
    return isSignalConnected(QMetaMethod::fromSignal(&DisplayCell::clicked));
}

void DisplayCell::click() {
    emit clicked();
}

void DisplayCell::Changed() {
    update();
    UpdateToolTip();
    emit textChanged(text());
    if (!QAccessible::isActive()) {
        told_ = lines_;
        return;
    }
    // Once the event that prints is done: a procedure clears a cell and
    // prints it again, often with the text it had, and a screen reader would
    // read out each step.
    if (!telling_) {
        telling_ = true;
        QMetaObject::invokeMethod(this, &DisplayCell::Tell, Qt::QueuedConnection);
    }
}

void DisplayCell::Tell() {
    telling_ = false;
    if (lines_ == told_)
        return;
    const QStringList before = std::exchange(told_, lines_);
    if (!QAccessible::isActive())
        return;
    // Screen readers on Linux announce text changes; others read the value.
    const QString shown = text();
    QAccessibleTextUpdateEvent changed(this, 0, before.join(u'\n'), shown);
    QAccessible::updateAccessibility(&changed);
    QAccessibleValueChangeEvent value(this, shown);
    QAccessible::updateAccessibility(&value);
}

DisplayCell::Drawn DisplayCell::Fit(const QString& line) const {
    Drawn drawn{font(), line.left(kMostDrawn)};
    const int room = width() - 2 * kBorder;
    const int advance = QFontMetrics(drawn.font).horizontalAdvance(drawn.text);
    if (advance <= room)
        return drawn;
    // Widths scale with the stretch; start from the proportional guess and
    // narrow further while rounding leaves it too wide.
    const int normal = font().stretch() == QFont::AnyStretch ? kNormalWidth : font().stretch();
    int stretch = std::clamp(normal * room / advance, std::min(kNarrowest, normal - 1), normal - 1);
    drawn.font.setStretch(stretch);
    while (stretch > kNarrowest && QFontMetrics(drawn.font).horizontalAdvance(drawn.text) > room)
        drawn.font.setStretch(--stretch);
    const QFontMetrics metrics(drawn.font);
    if (metrics.horizontalAdvance(drawn.text) > room)
        drawn.text = metrics.elidedText(drawn.text, Qt::ElideRight, room);
    return drawn;
}

void DisplayCell::setNote(const QString& note) {
    note_ = note;
    UpdateToolTip();
}

void DisplayCell::UpdateToolTip() {
    if (!note_.isEmpty()) {
        setToolTip(note_);
        return;
    }
    const bool whole = std::all_of(lines_.cbegin(), lines_.cend(), [this](const QString& line) {
        return Fit(line).font == font();
    });
    setToolTip(whole ? QString() : text());
}

void DisplayCell::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    UpdateToolTip();
}

void DisplayCell::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        UpdateToolTip();
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

    painter.save();
    painter.setClipRect(area.adjusted(kBorder, kBorder, -kBorder, -kBorder));
    painter.setPen(palette().color(QPalette::Text));
    const QFontMetrics metrics(font());
    int baseline = kBorder + metrics.ascent();
    for (const QString& line : lines_) {
        const Drawn drawn = Fit(line);
        painter.setFont(drawn.font);
        painter.drawText(QPoint(kBorder, baseline), drawn.text);
        baseline += metrics.height();
    }
    painter.restore();
    // Over the border, clear of the text.
    DrawFocusMark(painter, *this, area);
}

void DisplayCell::mousePressEvent(QMouseEvent* event) {
    click_.Press(*event);
}

void DisplayCell::mouseReleaseEvent(QMouseEvent* event) {
    if (click_.Release(*event, rect()))
        emit clicked();
}

void DisplayCell::keyPressEvent(QKeyEvent* event) {
    if (click_.KeyPress(*event))
        emit clicked();
}

void DisplayCell::keyReleaseEvent(QKeyEvent* event) {
    if (click_.KeyRelease(*event))
        emit clicked();
}

} // namespace widgets
