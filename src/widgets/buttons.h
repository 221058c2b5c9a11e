#pragma once

#include <QPushButton>
#include <QRadioButton>

namespace widgets {

// An option button that takes a click anywhere in its control, not only on its
// circle and caption.
class OptionButton : public QRadioButton {
    Q_OBJECT

  public:
    using QRadioButton::QRadioButton;

  protected:
    bool hitButton(const QPoint& pos) const override;
};

// A command button that Return and the keypad's Enter press while it has the
// focus, as Space does. The sheet is no dialog, so it has no default button.
class CommandButton : public QPushButton {
    Q_OBJECT

  public:
    using QPushButton::QPushButton;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace widgets
