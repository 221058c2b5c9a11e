#pragma once

#include "worksheet/form1.h"

#include <QObject>
#include <QString>

#include <chrono>

namespace bench {

using Clock = std::chrono::steady_clock;

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

// Runs a procedure as its click does, answering its prompt with the text.
// Returns how often the answer found no dialog up yet, or -1 if it never did.
int Prompted(Form1& form, Form1::Procedure procedure, const char* text);

// Opens an advice-sized message box over the worksheet and closes it with OK.
// Returns as Prompted does.
int AdviceShown(Form1& form);

} // namespace bench
