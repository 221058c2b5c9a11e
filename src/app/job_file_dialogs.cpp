#include "app/job_file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace app {

QString Quoted(const QString& path) {
    return QStringLiteral("\u201c%1\u201d").arg(QDir::toNativeSeparators(path));
}

bool AskToSave(QWidget* parent, const QString& title, const QString& what, const QString& path,
               const QString& doing, const std::function<bool()>& save) {
    QMessageBox box(parent);
    box.setIcon(QMessageBox::Warning);
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(
        QStringLiteral("%1 has changes that are not saved%2. Save them before %3?")
            .arg(what, path.isEmpty() ? QString() : QStringLiteral(" in ") + Quoted(path), doing));
    box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    // Each answer by the keyboard too: Alt+S, Alt+D, and Escape for Cancel.
    box.button(QMessageBox::Save)->setText(QStringLiteral("&Save"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("&Discard"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return save();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

QString AskJobPath(QWidget* parent, const QString& caption, bool save, const QString& path,
                   const QString& name, QString* folder) {
    QFileDialog dialog(parent, caption);
    // Qt's own dialog: the same on every desktop, and one a test can answer.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters({QStringLiteral("Job files (*.%1)").arg(QLatin1String(kJobFileSuffix)),
                           QStringLiteral("All files (*)")});
    dialog.setDirectory(path.isEmpty() ? *folder : QFileInfo(path).absolutePath());
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(QLatin1String(kJobFileSuffix));
        if (const QString offered = path.isEmpty() ? name : QFileInfo(path).fileName();
            !offered.isEmpty())
            dialog.selectFile(offered);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    *folder = dialog.directory().absolutePath();
    return dialog.selectedFiles().front();
}

void Warn(QWidget* parent, const QString& title, const QString& message) {
    QMessageBox box(parent);
    box.setIcon(QMessageBox::Warning);
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(message);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

} // namespace app
