#include "harness/modal.h"

#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace harness {
namespace {

constexpr int kGiveUpMs = 10000;

std::vector<const Responder*>& Armed() {
    static std::vector<const Responder*> armed;
    return armed;
}

void Disarm(const Responder* responder) {
    auto& armed = Armed();
    armed.erase(std::remove(armed.begin(), armed.end(), responder), armed.end());
}

// Watches every window that is shown for a modal dialog no responder wants.
class UnexpectedDialogs : public QObject {
  public:
    explicit UnexpectedDialogs(std::function<void(const Modal&)> report)
        : report_(std::move(report)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (event->type() != QEvent::Show || dialog == nullptr || !dialog->isModal())
            return false;
        const auto& armed = Armed();
        if (std::any_of(armed.begin(), armed.end(),
                        [dialog](const Responder* r) { return r->Wants(*dialog); }))
            return false;
        report_(Read(*dialog));
        QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
        return false;
    }

  private:
    std::function<void(const Modal&)> report_;
};

} // namespace

Modal Read(QWidget& dialog) {
    Modal seen;
    seen.shown = true;
    seen.title = dialog.windowTitle();
    seen.font = dialog.font().toString();
    seen.kind = QString::fromLatin1(dialog.metaObject()->className());
    if (auto* prompt = qobject_cast<QInputDialog*>(&dialog)) {
        seen.kind = QStringLiteral("prompt");
        seen.message = prompt->labelText();
        seen.defaultText = prompt->textValue();
    } else if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        seen.kind = QStringLiteral("message");
        seen.message = box->text();
        seen.hasIcon = box->icon() != QMessageBox::NoIcon;
        for (QAbstractButton* button : box->buttons())
            seen.buttons << button->text();
    }
    return seen;
}

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

std::unique_ptr<Responder> Responder::Handle(std::function<void(QWidget&)> handle) {
    return std::unique_ptr<Responder>(new Responder(Action::Custom, QString(), std::move(handle)));
}

Responder::Responder(Action action, QString text, std::function<void(QWidget&)> handle)
    : action_(action), text_(std::move(text)), handle_(std::move(handle)),
      seen_(std::make_shared<Modal>()), armedAt_(QDateTime::currentMSecsSinceEpoch()),
      context_(std::make_unique<QObject>()) {
    Armed().push_back(this);
    // Posted before the call that opens the dialog, so it comes first in the
    // dialog's loop, before the paint its showing asks for.
    QMetaObject::invokeMethod(
        context_.get(), [this] { Look(); }, Qt::QueuedConnection);
}

Responder::~Responder() {
    Disarm(this);
}

void Responder::Look() {
    if (!armed_)
        return;
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr || !dialog->isVisible() || !Wants(*dialog)) {
        if (QDateTime::currentMSecsSinceEpoch() - armedAt_ > kGiveUpMs) {
            armed_ = false;
            Disarm(this);
            return;
        }
        QMetaObject::invokeMethod(
            context_.get(), [this] { Look(); }, Qt::QueuedConnection);
        return;
    }
    armed_ = false;
    Disarm(this);
    Respond(*dialog);
}

bool Responder::Wants(QWidget& dialog) const {
    if (!armed_)
        return false;
    switch (action_) {
    case Action::Answer:
    case Action::Cancel:
        return qobject_cast<QInputDialog*>(&dialog) != nullptr;
    case Action::CloseMessageBox:
        return qobject_cast<QMessageBox*>(&dialog) != nullptr;
    case Action::Close:
    case Action::Custom:
        break;
    }
    return true;
}

void Responder::Respond(QWidget& dialog) {
    *seen_ = Read(dialog);
    if (action_ == Action::Custom) {
        handle_(dialog);
        return;
    }
    if (auto* prompt = qobject_cast<QInputDialog*>(&dialog)) {
        auto* box = prompt->findChild<QDialogButtonBox*>();
        if (action_ == Action::Answer) {
            // Replace the default the way a user does: select it, type over it.
            auto* edit = prompt->findChild<QLineEdit*>();
            edit->selectAll();
            edit->insert(text_);
            box->button(QDialogButtonBox::Ok)->click();
            // A text the prompt refuses keeps it open with a line saying why:
            // noted, then cancelled, so that the test goes on.
            if (prompt->isVisible()) {
                if (auto* problem = prompt->findChild<QLabel*>(QStringLiteral("problem")))
                    seen_->problem = problem->text();
                box->button(QDialogButtonBox::Cancel)->click();
            }
        } else {
            box->button(QDialogButtonBox::Cancel)->click();
        }
        return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
        return;
    }
    dialog.close();
}

void CloseUnexpectedDialogs(std::function<void(const Modal&)> report) {
    static UnexpectedDialogs* watcher = nullptr;
    if (watcher != nullptr) {
        QCoreApplication::instance()->removeEventFilter(watcher);
        delete watcher;
    }
    watcher = new UnexpectedDialogs(std::move(report));
    QCoreApplication::instance()->installEventFilter(watcher);
}

} // namespace harness
