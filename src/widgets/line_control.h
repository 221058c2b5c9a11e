#pragma once

#include <QWidget>

namespace widgets {

// A straight line drawn in the text colour over the whole of its rectangle.
class LineControl : public QWidget {
    Q_OBJECT

  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace widgets
