#include "widgets/dialogs.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

#include <limits>

namespace widgets {

QString InputBox(QWidget* parent, const QString& message, const QString& title,
                 const QString& defaultText) {
    QInputDialog dialog(parent);
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

void MsgBox(QWidget* parent, const QString& message, const QString& title) {
    QMessageBox box(parent);
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(title);
    box.setText(message);
    box.setTextFormat(Qt::PlainText);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

} // namespace widgets
