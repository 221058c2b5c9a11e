// The prompts and message boxes as a window manager frames them: wide enough
// for the whole title in its title bar.
#include "harness/modal.h"
#include "widgets/dialogs.h"

#include <QDialog>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>

#include <functional>

#include <gtest/gtest.h>

namespace {

// A common window manager's title bar: the title in DejaVu Sans Bold at
// 11 pt (GNOME's size; openbox uses 8 pt), beside an icon and three buttons
// of about 24 pixels each.
int TitleBarNeeds(const QString& title) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPointSize(11);
    return QFontMetrics(font).horizontalAdvance(title) + 4 * 24;
}

TEST(Dialogs, AreWideEnoughForTheirWholeTitle) {
    widgets::KeepDialogTitlesWhole();
    const QString sheet = QStringLiteral("Job Analysis Worksheet - Revised NIOSH Lifting Equation");
    // What opens each dialog, with its title; the last two are made as the
    // job window and the report make theirs, not through the sheet's helpers.
    const std::vector<std::pair<QString, std::function<void(const QString&)>>> dialogs{
        {QStringLiteral("Hand Locations(in)"),
         [](const QString& title) {
             widgets::InputBox(nullptr, "Enter Number of Origin H", title, "20");
         }},
        {QStringLiteral("Object Weight (Lbs)"),
         [](const QString& title) { widgets::InputBox(nullptr, "Enter L", title, "20"); }},
        {sheet, [](const QString& title) { widgets::MsgBox(nullptr, "Overflow", title); }},
        {sheet,
         [](const QString& title) {
             QMessageBox box(QMessageBox::Warning, title, "The file cannot be opened.",
                             QMessageBox::Ok);
             box.exec();
         }},
        {sheet,
         [](const QString& title) {
             QDialog dialog;
             dialog.setWindowTitle(title);
             (new QHBoxLayout(&dialog))->addWidget(new QPushButton("OK"));
             dialog.exec();
         }},
    };
    for (const auto& [title, open] : dialogs) {
        int width = 0;
        auto responder = harness::Responder::Handle([&width](QWidget& dialog) {
            width = dialog.width();
            qobject_cast<QDialog*>(&dialog)->reject();
        });
        open(title);
        ASSERT_TRUE(responder->seen().shown) << title.toStdString();
        EXPECT_EQ(responder->seen().title, title);
        EXPECT_GE(width, TitleBarNeeds(title)) << title.toStdString();
    }
}

} // namespace
