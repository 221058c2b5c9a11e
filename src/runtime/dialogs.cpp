#include "runtime/dialogs.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

#include <limits>

namespace rt {
namespace {

// A dialog is drawn in its window's face, so that it reads as part of the
// sheet on any desktop and the first one needs no second font loaded.
void UseParentFont(QWidget& dialog, const QWidget* parent) {
    if (parent)
        dialog.setFont(parent->font());
}

} // namespace

QString InputBox(QWidget* parent, const QString& message, const QString& title,
                 const QString& defaultText) {
    QInputDialog dialog(parent);
    UseParentFont(dialog, parent);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(title);
    dialog.setLabelText(message);
    dialog.setTextValue(defaultText);
    // Any text is an entry: lift the line edit's default 32767-character cap.
    if (auto* edit = dialog.findChild<QLineEdit*>())
        edit->setMaxLength(std::numeric_limits<int>::max());
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}

void MsgBox(QWidget* parent, const QString& message, MsgBoxButtons /*buttons: OK only*/,
            const QString& title) {
    QMessageBox box(parent);
    UseParentFont(box, parent);
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(title);
    box.setText(message);
    box.setTextFormat(Qt::PlainText);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

} // namespace rt
