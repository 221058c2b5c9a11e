#pragma once

#include "runtime/click_tracker.h"

#include <QLabel>

namespace rt {

// A caption that reports a click: a left-button release inside the label after
// a press on it.
class ClickLabel : public QLabel {
    Q_OBJECT

  public:
    explicit ClickLabel(QWidget* parent = nullptr);

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    ClickTracker click_;
};

} // namespace rt
