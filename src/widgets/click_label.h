#pragma once

#include "widgets/click_tracker.h"

#include <QLabel>

namespace widgets {

// A caption that reports a click: a left-button release inside the label after
// a press on it, or Return, Enter or Space while it has the focus.
class ClickLabel : public QLabel {
    Q_OBJECT

  public:
    explicit ClickLabel(QWidget* parent = nullptr);

    // True when a click on the caption does something.
    bool isClickable() const;
    // Clicks the caption, as assistive technology's press does.
    void click();

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    ClickTracker click_;
};

} // namespace widgets
