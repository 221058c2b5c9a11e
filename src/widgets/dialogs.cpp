#include "widgets/dialogs.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

#include <algorithm>
#include <limits>

namespace widgets {
namespace {

// Title bars of common window managers set the title in a bold face of about
// 11 pt, beside an icon and three buttons; below that width they cut it.
constexpr qreal kTitlePoints = 11;
constexpr int kTitleBarRoom = 150;

int TitleWidth(const QString& title) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    font.setPointSizeF(std::max(font.pointSizeF(), kTitlePoints));
    return QFontMetrics(font).horizontalAdvance(title) + kTitleBarRoom;
}

} // namespace

QString InputBox(QWidget* parent, const QString& message, const QString& title,
                 const QString& defaultText) {
    QInputDialog dialog(parent);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(title);
    dialog.setLabelText(message);
    dialog.setTextValue(defaultText);
    dialog.setMinimumWidth(TitleWidth(title));
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
    // A message box sizes itself to its contents; a spacer across its grid
    // makes the title one of them.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(TitleWidth(title), 0), grid->rowCount(), 0, 1,
                      grid->columnCount());
    box.exec();
}

} // namespace widgets
