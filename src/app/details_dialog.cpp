#include "app/details_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace app {
namespace {

bool IsIsoDate(const QString& text) {
    return QDate::fromString(text, Qt::ISODate).isValid();
}

QLineEdit* Line(QDialog& dialog, const char* name, const QString& text) {
    auto* edit = new QLineEdit(text, &dialog);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

} // namespace

lifting::JobDetails NewDetails(QDate today) {
    lifting::JobDetails details;
    details.date = today.toString(Qt::ISODate);
    return details;
}

std::optional<lifting::JobDetails> EditDetails(QWidget* parent,
                                               const lifting::JobDetails& details) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Job Details"));
    QLineEdit* title = Line(dialog, "title", details.title);
    QLineEdit* task = Line(dialog, "task", details.task);
    QLineEdit* analyst = Line(dialog, "analyst", details.analyst);
    QLineEdit* date = Line(dialog, "date", details.date);
    date->setPlaceholderText(QStringLiteral("YYYY-MM-DD"));
    auto* dateHint = new QLabel(&dialog);
    auto* notes = new QPlainTextEdit(details.notes, &dialog);
    notes->setObjectName(QStringLiteral("notes"));
    notes->setTabChangesFocus(true);
    // Room for a few lines; the dialog grows for more.
    notes->setMinimumHeight(notes->fontMetrics().lineSpacing() * 5);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    // A date that is not year-month-day would read differently to each reader
    // of the file, so OK waits until it is one, or is cleared.
    const QString example = QDate::currentDate().toString(Qt::ISODate);
    auto checkDate = [=] {
        const bool valid = date->text().isEmpty() || IsIsoDate(date->text());
        buttons->button(QDialogButtonBox::Ok)->setEnabled(valid);
        dateHint->setText(valid ? QStringLiteral("Year-month-day, as %1").arg(example)
                                : QStringLiteral("Not a date: write it as %1").arg(example));
    };
    QObject::connect(date, &QLineEdit::textChanged, &dialog, checkDate);
    checkDate();

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Title:"), title);
    form->addRow(QStringLiteral("Task or &department:"), task);
    form->addRow(QStringLiteral("&Analyst:"), analyst);
    form->addRow(QStringLiteral("Dat&e:"), date);
    form->addRow(QString(), dateHint);
    form->addRow(QStringLiteral("&Notes:"), notes);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(buttons);
    dialog.resize(440, dialog.minimumSizeHint().height());

    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return lifting::JobDetails{title->text(), task->text(), analyst->text(), date->text(),
                               notes->toPlainText()};
}

} // namespace app
