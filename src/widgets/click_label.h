#pragma once

#include "widgets/click_tracker.h"

#include <QLabel>

namespace widgets {

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

} // namespace widgets
