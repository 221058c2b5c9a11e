#include "widgets/buttons.h"

#include "widgets/click_tracker.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace widgets {

namespace {

// The style's own focus mark is a faint tint, and only after keyboard use; the
// sheet's mark takes its place.
void PaintWithSheetsMark(QWidget& button, QStyle::ControlElement element, QStyleOptionButton option,
                         const QRect& mark) {
    QStylePainter painter(&button);
    option.state &= ~QStyle::State_HasFocus;
    painter.drawControl(element, option);
    DrawFocusMark(painter, button, mark);
}

// Inside the bevel of a command button.
constexpr int kBevel = 3;

} // namespace

bool OptionButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void OptionButton::paintEvent(QPaintEvent*) {
    QStyleOptionButton option;
    initStyleOption(&option);
    // Around the caption, clear of it and of the circle, as the style draws it.
    const QRect contents = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
    const QRect words =
        fontMetrics().boundingRect(contents, Qt::AlignLeft | Qt::AlignVCenter, option.text);
    constexpr int kOut = kFocusClearance + kFocusWidth;
    PaintWithSheetsMark(*this, QStyle::CE_RadioButton, option,
                        words.adjusted(-kOut, -kOut, kOut, kOut).intersected(rect()));
}

void CommandButton::paintEvent(QPaintEvent*) {
    QStyleOptionButton option;
    initStyleOption(&option);
    PaintWithSheetsMark(*this, QStyle::CE_PushButton, option,
                        rect().adjusted(kBevel, kBevel, -kBevel, -kBevel));
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace widgets
