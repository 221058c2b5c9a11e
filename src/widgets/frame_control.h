#pragma once

#include <QString>
#include <QWidget>

namespace widgets {

// A frame around a group of option buttons: an etched rectangle with its
// caption standing on the top edge. Drawn by hand rather than by the style's
// group box, whose frame image costs start-up time and memory.
class FrameControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString title READ title)

  public:
    FrameControl(const QString& title, QWidget* parent);

    QString title() const { return title_; }

    // Where the caption starts, from the frame's left edge.
    static constexpr int kTitleIndent = 8;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString title_;
};

} // namespace widgets
