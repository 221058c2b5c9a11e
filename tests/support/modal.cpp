#include "support/modal.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace support {
namespace {

constexpr int kPollMs = 5;
constexpr int kGiveUpMs = 10000;

void Handle(QWidget* dialog, Responder::Action action, const QString& text, Modal& seen) {
    seen.shown = true;
    seen.title = dialog->windowTitle();
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

Responder::Responder(Action action, QString text)
    : seen_(std::make_shared<Modal>()), timer_(new QTimer) {
    timer_->setInterval(kPollMs);
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer_, &QTimer::timeout, [this, action, text, waited, seen = seen_] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr || !dialog->isVisible()) {
            *waited += kPollMs;
            if (*waited > kGiveUpMs)
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
