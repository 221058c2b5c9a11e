#pragma once

#include <QPushButton>
#include <QRadioButton>

namespace widgets {

// An option button that takes a click anywhere in its control, not only on its
// circle and caption, and shows the sheet's focus mark around its control.
class OptionButton : public QRadioButton {
    Q_OBJECT

  public:
    using QRadioButton::QRadioButton;

  protected:
    bool hitButton(const QPoint& pos) const override;
    void paintEvent(QPaintEvent* event) override;
};

// A command button that Return and the keypad's Enter press while it has the
// focus, as Space does. The sheet is no dialog, so it has no default button.
// It shows the sheet's focus mark inside its bevel.
class CommandButton : public QPushButton {
    Q_OBJECT

  public:
    using QPushButton::QPushButton;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace widgets
