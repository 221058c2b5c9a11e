#include "widgets/buttons.h"

#include <QKeyEvent>

namespace widgets {

bool OptionButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
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
