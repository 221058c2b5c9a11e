#include "sheet.h"

#include "widgets/dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QInputDialog>
#include <QMessageBox>
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

Answer::Answer(QString text) : text_(std::move(text)) {
    Post();
}

void Answer::Post() {
    QMetaObject::invokeMethod(
        &context_, [this] { Respond(); }, Qt::QueuedConnection);
}

void Answer::Respond() {
    QWidget* dialog = QApplication::activeModalWidget();
    if (auto* prompt = qobject_cast<QInputDialog*>(dialog)) {
        prompt->setTextValue(text_);
        prompt->accept();
    } else if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        box->button(QMessageBox::Ok)->click();
    } else {
        ++misses_;
        Post();
        return;
    }
    answered_ = true;
}

int Prompted(Form1& form, Form1::Procedure procedure, const char* text) {
    const Answer answer(QString::fromLatin1(text));
    form.RunEvent(procedure);
    return answer.answered() ? answer.misses() : -1;
}

int AdviceShown(Form1& form) {
    const Answer answer;
    widgets::MsgBox(&form, QStringLiteral("Bring the load closer to the body to raise HM."),
               widgets::MsgBoxButtons::OkOnly, form.windowTitle());
    return answer.answered() ? answer.misses() : -1;
}

} // namespace bench
