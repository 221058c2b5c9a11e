#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QTimer;

namespace support {

// What a modal dialog showed before the responder closed it.
struct Modal {
    bool shown = false;
    QString kind; // "prompt", "message" or the class name of anything else
    QString title;
    QString message;     // prompt label or message box text
    QString defaultText; // a prompt's pre-filled text
    QStringList buttons; // a message box's buttons
    bool hasIcon = false;
    QString font; // the dialog's font, as QFont::toString() gives it
};

// Answers the next modal dialog that opens while it lives, as a user would:
// a value prompt gets the text typed and OK (or Cancel), a message box its OK.
// Arm it before the click that opens the dialog; it polls for
// QApplication::activeModalWidget() and handles exactly one dialog.
class Responder {
  public:
    enum class Action { Answer, Cancel, Close, CloseMessageBox };

    // Answer and Cancel wait for a value prompt and leave other dialogs alone.
    static std::unique_ptr<Responder> Answer(const QString& text);
    static std::unique_ptr<Responder> Cancel();
    // Closes whatever dialog opens: a message box with OK, a prompt with Cancel.
    static std::unique_ptr<Responder> Close();
    // Waits for a message box and leaves prompts alone.
    static std::unique_ptr<Responder> CloseMessageBox();

    ~Responder();
    Responder(const Responder&) = delete;
    Responder& operator=(const Responder&) = delete;

    const Modal& seen() const { return *seen_; }

  private:
    Responder(Action action, QString text);

    std::shared_ptr<Modal> seen_;
    QTimer* timer_;
};

} // namespace support
