#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QObject;
class QWidget;

// Answers the worksheet's modal dialogs as a user would. The one way the
// tests, the benchmark and the screenshot tool drive a value prompt or a
// message box.
namespace harness {

// What a modal dialog showed before the responder closed it.
struct Modal {
    bool shown = false;
    QString kind; // "prompt", "message" or the class name of anything else
    QString title;
    QString message;     // prompt label or message box text
    QString defaultText; // a prompt's pre-filled text
    QString problem;     // why a prompt refused the text typed, if it did
    QStringList buttons; // a message box's buttons
    bool hasIcon = false;
    QString font; // the dialog's font, as QFont::toString() gives it
};

// What the dialog shows, read without closing it.
Modal Read(QWidget& dialog);

// Answers the next modal dialog that opens while it lives: a value prompt gets
// the text typed and OK (or Cancel), a message box its OK. Arm it before the
// call that opens the dialog; it looks for QApplication::activeModalWidget()
// on every pass of the event loop, ahead of the events the dialog's showing
// posts, so it answers as soon as the dialog's own loop runs and before the
// dialog paints, and handles exactly one dialog.
class Responder {
  public:
    enum class Action { Answer, Cancel, Close, CloseMessageBox, Custom };

    // Answer and Cancel wait for a value prompt and leave other dialogs alone.
    static std::unique_ptr<Responder> Answer(const QString& text);
    static std::unique_ptr<Responder> Cancel();
    // Closes whatever dialog opens: a message box with OK, a prompt with Cancel.
    static std::unique_ptr<Responder> Close();
    // Waits for a message box and leaves prompts alone.
    static std::unique_ptr<Responder> CloseMessageBox();
    // Hands whatever dialog opens to handle, which must close it.
    static std::unique_ptr<Responder> Handle(std::function<void(QWidget& dialog)> handle);

    ~Responder();
    Responder(const Responder&) = delete;
    Responder& operator=(const Responder&) = delete;

    const Modal& seen() const { return *seen_; }
    // Whether this responder, still armed, would take the dialog.
    bool Wants(QWidget& dialog) const;

  private:
    Responder(Action action, QString text, std::function<void(QWidget&)> handle = {});
    // Looks once, and again on the next pass of the event loop if nothing
    // was there.
    void Look();
    void Respond(QWidget& dialog);

    Action action_;
    QString text_;
    std::function<void(QWidget&)> handle_;
    std::shared_ptr<Modal> seen_;
    bool armed_ = true;
    qint64 armedAt_ = 0;
    // Owns the pending look, which dies with it.
    std::unique_ptr<QObject> context_;
};

// From now on, a modal dialog that opens while no armed responder wants it is
// read, closed at once and passed to report, so that a dialog nobody expected
// fails a test instead of stalling it.
void CloseUnexpectedDialogs(std::function<void(const Modal&)> report);

} // namespace harness
