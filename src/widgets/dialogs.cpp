#include "widgets/dialogs.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDialog>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QtMath>

#include <algorithm>
#include <limits>
#include <utility>

namespace widgets {
namespace {

// Title bars of common window managers set the title in a bold face of about
// 11 pt, beside an icon and three buttons; below that width they cut it. The
// widest such face here (DejaVu Sans Bold) runs 1.85 times as wide as the
// sheet's own bold face, which the window has loaded already: measuring with
// it costs the first dialog no font of its own.
constexpr qreal kTitleScale = 1.85;
constexpr int kTitleBarRoom = 150;

int TitleWidth(const QWidget& dialog) {
    QFont font = dialog.font();
    font.setBold(true);
    return qCeil(QFontMetricsF(font).horizontalAdvance(dialog.windowTitle()) * kTitleScale) +
           kTitleBarRoom;
}

// Makes the title's width one of the dialog's contents where its layout sets
// its size (a message box fixes its size from its grid as it shows, a
// prompt's layout sets its bounds): a spacer across the layout, which takes
// effect at once, before the dialog centres itself over its parent. Elsewhere
// a minimum width does it.
void MakeRoomForTitle(QDialog& dialog) {
    const int width = TitleWidth(dialog);
    QLayout* layout = dialog.layout();
    auto* grid = qobject_cast<QGridLayout*>(layout);
    auto* column = qobject_cast<QBoxLayout*>(layout);
    if (grid != nullptr)
        grid->addItem(new QSpacerItem(width, 0), grid->rowCount(), 0, 1, grid->columnCount());
    else if (column != nullptr && column->direction() == QBoxLayout::TopToBottom)
        column->insertItem(0, new QSpacerItem(width, 0)); // the buttons stay last
    else
        dialog.setMinimumWidth(std::max(dialog.minimumWidth(), width));
    if (layout != nullptr)
        layout->activate();
}

constexpr auto kRoomMade = "roomForTitle";

// Sees each dialog as it is first shown, before it sizes itself for it.
class TitleRoom : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show)
            return false;
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog != nullptr && !dialog->property(kRoomMade).toBool()) {
            dialog->setProperty(kRoomMade, true);
            MakeRoomForTitle(*dialog);
        }
        return false;
    }
};

// A value prompt that stays open on a text its check refuses and says why.
class CheckedInputDialog : public QInputDialog {
  public:
    CheckedInputDialog(QWidget* parent, Check check)
        : QInputDialog(parent), check_(std::move(check)) {}

    void done(int result) override {
        if (result == QDialog::Accepted && check_) {
            if (const QString problem = check_(textValue()); !problem.isEmpty()) {
                ShowProblem(problem);
                return;
            }
        }
        QInputDialog::done(result);
    }

  private:
    void ShowProblem(const QString& problem) {
        if (problem_ == nullptr) {
            problem_ = new QLabel(this);
            problem_->setObjectName(QStringLiteral("problem"));
            problem_->setWordWrap(true);
            problem_->setTextFormat(Qt::PlainText);
            // Above the buttons, under the text it speaks of.
            if (auto* box = qobject_cast<QBoxLayout*>(layout()))
                box->insertWidget(box->count() - 1, problem_);
        }
        problem_->setText(problem);
        if (auto* edit = findChild<QLineEdit*>()) {
            edit->setAccessibleDescription(problem);
            edit->selectAll();
            edit->setFocus();
        }
    }

    Check check_;
    QLabel* problem_ = nullptr;
};

} // namespace

std::optional<QString> InputBox(QWidget* parent, const QString& message, const QString& title,
                                const QString& defaultText, const Check& check) {
    CheckedInputDialog dialog(parent, check);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(title);
    dialog.setLabelText(message);
    dialog.setTextValue(defaultText);
    // Any text is an entry: lift the line edit's default 32767-character cap.
    if (auto* edit = dialog.findChild<QLineEdit*>())
        edit->setMaxLength(std::numeric_limits<int>::max());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

void MsgBox(QWidget* parent, const QString& message, const QString& title) {
    QMessageBox box(parent);
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(title);
    box.setText(message);
    box.setTextFormat(Qt::PlainText);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void KeepDialogTitlesWhole() {
    // Owned by the application, so it goes with it; one per application.
    static constexpr auto kName = "widgets-title-room";
    QCoreApplication* app = QCoreApplication::instance();
    if (app->findChild<QObject*>(QLatin1StringView(kName), Qt::FindDirectChildrenOnly) != nullptr)
        return;
    auto* filter = new TitleRoom;
    filter->setObjectName(QLatin1StringView(kName));
    filter->setParent(app);
    app->installEventFilter(filter);
}

} // namespace widgets
