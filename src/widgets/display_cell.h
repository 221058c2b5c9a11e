#pragma once

#include "widgets/click_tracker.h"

#include <QStringList>
#include <QWidget>

namespace widgets {

// A one-line output cell. Text only reaches it through Cls and Print; what it
// shows is readable as the property "text" (printed lines joined by "\n").
class DisplayCell : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text NOTIFY textChanged)

  public:
    explicit DisplayCell(QWidget* parent = nullptr);

    // Erases everything printed; the next Print starts at the top left.
    void Cls();
    // Draws one line at the print position, then moves to the next line.
    void Print(const QString& line);

    QString text() const { return lines_.join(u'\n'); }

    // Width of the sunken border; the first line is drawn just inside it.
    static constexpr int kBorder = 2;

  signals:
    void textChanged(const QString& text);
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void Changed();

    QStringList lines_;
    ClickTracker click_;
};

} // namespace widgets
