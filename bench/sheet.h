#pragma once

#include <QObject>
#include <QString>

#include <chrono>

class QWidget;

namespace bench {

using Clock = std::chrono::steady_clock;

inline double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// Shows the window and returns once its first frame has been painted. False
// when no frame came within a few seconds.
bool ShowUntilPainted(QWidget& window);

// Lets the event loop finish what the last action left behind (repaints,
// deferred deletes, activation changes), so that it is not charged to the
// next one.
void Settle();

// Answers the next modal dialog as soon as the dialog's own event loop runs,
// without waiting on a timer: a value prompt gets the text and OK, a message
// box its OK. Arm it just before the call that opens the dialog.
class Answer {
  public:
    explicit Answer(QString text = {});

    bool answered() const { return answered_; }
    // Turns of the event loop that found no dialog up yet.
    int misses() const { return misses_; }

  private:
    void Post();
    void Respond();

    // Owns the queued answer: a pending one dies with it.
    QObject context_;
    QString text_;
    bool answered_ = false;
    int misses_ = 0;
};

} // namespace bench
