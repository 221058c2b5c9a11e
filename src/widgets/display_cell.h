#pragma once

#include "widgets/click_tracker.h"

#include <QFont>
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

    // A note the tool tip shows, as why a result cannot be given; it comes
    // before the whole text of a clipped line.
    void setNote(const QString& note);

    // True when a click on the cell does something.
    bool isClickable() const;
    // Clicks the cell, as assistive technology's press does.
    void click();

    // How a printed line is drawn. A line that fits the cell is drawn as
    // printed in the cell's font. A wider one is condensed (narrower letters
    // of the same height) until it fits; one too wide even at kNarrowest is
    // cut with an ellipsis. The tool tip then holds the whole text.
    struct Drawn {
        QFont font;
        QString text;
    };
    Drawn Fit(const QString& line) const;

    // Width of the sunken border; the first line is drawn just inside it.
    static constexpr int kBorder = 2;
    // The narrowest letters a line is condensed to, as a percentage of their
    // normal width: digits stay distinct down to here.
    static constexpr int kNarrowest = 62;

  signals:
    void textChanged(const QString& text);
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void Changed();
    // Tells assistive technology the text it shows now, if that is not what
    // it was last told.
    void Tell();
    void UpdateToolTip();

    QStringList lines_;
    QString note_;
    // What assistive technology was last told the cell shows.
    QStringList told_;
    // Whether a Tell is queued.
    bool telling_ = false;
    ClickTracker click_;
};

} // namespace widgets
