#include "support/modal.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace support {
namespace {

constexpr int kGiveUpMs = 10000;

bool Wants(Responder::Action action, QWidget* dialog) {
    switch (action) {
    case Responder::Action::Answer:
    case Responder::Action::Cancel:
        return qobject_cast<QInputDialog*>(dialog) != nullptr;
    case Responder::Action::CloseMessageBox:
        return qobject_cast<QMessageBox*>(dialog) != nullptr;
    case Responder::Action::Close:
        break;
    }
    return true;
}

void Handle(QWidget* dialog, Responder::Action action, const QString& text, Modal& seen) {
    seen.shown = true;
    seen.title = dialog->windowTitle();
    seen.font = dialog->font().toString();
    if (auto* prompt = qobject_cast<QInputDialog*>(dialog)) {
        seen.kind = QStringLiteral("prompt");
        seen.message = prompt->labelText();
        seen.defaultText = prompt->textValue();
        auto* box = prompt->findChild<QDialogButtonBox*>();
        if (action == Responder::Action::Answer) {
            // Replace the default the way a user does: select it, type over it.
            auto* edit = prompt->findChild<QLineEdit*>();
            edit->selectAll();
            edit->insert(text);
            box->button(QDialogButtonBox::Ok)->click();
        } else {
            box->button(QDialogButtonBox::Cancel)->click();
        }
        return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        seen.kind = QStringLiteral("message");
        seen.message = box->text();
        seen.hasIcon = box->icon() != QMessageBox::NoIcon;
        for (QAbstractButton* button : box->buttons())
            seen.buttons << button->text();
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
        return;
    }
    seen.kind = QString::fromLatin1(dialog->metaObject()->className());
    dialog->close();
}

} // namespace

std::unique_ptr<Responder> Responder::Answer(const QString& text) {
    return std::unique_ptr<Responder>(new Responder(Action::Answer, text));
}

std::unique_ptr<Responder> Responder::Cancel() {
    return std::unique_ptr<Responder>(new Responder(Action::Cancel, QString()));
}

std::unique_ptr<Responder> Responder::Close() {
    return std::unique_ptr<Responder>(new Responder(Action::Close, QString()));
}

std::unique_ptr<Responder> Responder::CloseMessageBox() {
    return std::unique_ptr<Responder>(new Responder(Action::CloseMessageBox, QString()));
}

Responder::Responder(Action action, QString text)
    : seen_(std::make_shared<Modal>()), timer_(new QTimer) {
    // Checked on every pass of the event loop: the dialog's own loop runs it
    // as soon as the dialog is up.
    timer_->setInterval(0);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer_, &QTimer::timeout, [this, action, text, clock, seen = seen_] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr || !dialog->isVisible() || !Wants(action, dialog)) {
            if (clock->elapsed() > kGiveUpMs)
                timer_->stop();
            return;
        }
        timer_->stop();
        Handle(dialog, action, text, *seen);
    });
    timer_->start();
}

Responder::~Responder() {
    delete timer_;
}

} // namespace support
