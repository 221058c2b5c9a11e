#include "sheet.h"

#include "harness/modal.h"
#include "widgets/dialogs.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QWidget>

namespace bench {
namespace {

constexpr int kFrameTimeoutMs = 5000;

// Notes the window's own paint event. The window is painted first in the pass
// that paints its children and flushes the frame, so once the event loop
// returns from that pass the whole frame is done.
class PaintWatch : public QObject {
  public:
    explicit PaintWatch(QWidget& window) : window_(window) { window_.installEventFilter(this); }
    ~PaintWatch() override { window_.removeEventFilter(this); }

    bool painted() const { return painted_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint)
            painted_ = true;
        return false;
    }

  private:
    QWidget& window_;
    bool painted_ = false;
};

} // namespace

bool ShowUntilPainted(QWidget& window) {
    PaintWatch watch(window);
    window.show();
    const QDeadlineTimer deadline(kFrameTimeoutMs);
    while (!watch.painted() && !deadline.hasExpired())
        QCoreApplication::processEvents();
    return watch.painted();
}

void Settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

bool Prompted(Form1& form, Form1::Procedure procedure, const char* text) {
    const auto answer = harness::Responder::Answer(QString::fromLatin1(text));
    form.RunEvent(procedure);
    return answer->seen().shown;
}

bool AdviceShown(Form1& form) {
    const auto answer = harness::Responder::Close();
    widgets::MsgBox(&form, QStringLiteral("Bring the load closer to the body to raise HM."),
                    form.windowTitle());
    return answer->seen().shown;
}

} // namespace bench
