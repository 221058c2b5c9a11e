// The Redesign window reached by its shortcut: refused until CALCULATE, then
// a what-if copy tried from it, leaving the sheet it reads as it was.
#include "app/job_window.h"
#include "app/redesign_window.h"
#include "harness/modal.h"
#include "worksheet/form1.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using lifting::Cell;
using lifting::Entry;

void Press(QWidget& window, const char* keys) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keySequence(&window, QKeySequence(QLatin1String(keys)));
}

// The dish-washer job: HM 0.50 at the origin, LI 1.39 there. With H 10 the
// RWL doubles: 28.7 lb, LI 20 / 28.67 = 0.70, shown as 0.7.
TEST(RedesignWindow, TryingTheCostliestFactorOpensACopyAndLeavesTheSheet) {
    app::JobWindow sheet;
    sheet.form().show();
    lifting::Job job;
    for (const auto& [entry, text] : {std::pair{Entry::LoadAvg, "20"},
                                      {Entry::LoadMax, "20"},
                                      {Entry::OriginH, "20"},
                                      {Entry::OriginV, "44"},
                                      {Entry::DestinationH, "20"},
                                      {Entry::DestinationV, "7"},
                                      {Entry::OriginA, "30"},
                                      {Entry::DestinationA, "30"},
                                      {Entry::Frequency, "5"}})
        job[entry] = QString::fromLatin1(text);
    sheet.form().EnterJob(job, false);
    {
        const auto box = harness::Responder::CloseMessageBox();
        Press(sheet.form(), "Ctrl+R");
        EXPECT_TRUE(box->seen().message.startsWith(QStringLiteral("Press CALCULATE first")));
    }
    EXPECT_EQ(sheet.form().findChild<app::RedesignWindow*>(), nullptr);

    sheet.form().Calculate();
    Press(sheet.form(), "Ctrl+R");
    auto* window = sheet.form().findChild<app::RedesignWindow*>();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    const auto* origin = window->findChild<QTableWidget*>(QStringLiteral("origin"));
    EXPECT_EQ(origin->item(0, 0)->text(), QStringLiteral("HM 0.50"));
    EXPECT_EQ(origin->item(0, 2)->text(), QStringLiteral("0.70"));
    // Ctrl+Tab and Ctrl+Shift+Tab go to the other end from the buttons too,
    // not only from a page.
    QWidget* close = window->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close);
    const auto* ends = window->findChild<QTabWidget*>();
    QTest::keyClick(close, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(ends->currentIndex(), 1);
    QTest::keyClick(close, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(ends->currentIndex(), 0);
    const QWidgetList before = QApplication::topLevelWidgets();
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("try")), Qt::LeftButton);

    Form1* copy = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* form = qobject_cast<Form1*>(widget); form != nullptr && !before.contains(form))
            copy = form;
    }
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Text(Cell::OriginH), QStringLiteral("10"));
    EXPECT_EQ(copy->Text(Cell::LiOrigin), QStringLiteral("0.7"));
    EXPECT_EQ(copy->Text(Cell::RwlOrigin), QStringLiteral("28.7"));
    EXPECT_TRUE(copy->isWindowModified());
    // The copy is named for its change, so closing it asks before it is lost.
    const auto* copyJob = sheet.findChild<app::JobWindow*>();
    ASSERT_NE(copyJob, nullptr);
    EXPECT_TRUE(copyJob->details().title.startsWith(QStringLiteral("what-if: H at the origin")))
        << copyJob->details().title.toStdString();
    {
        const auto ask = harness::Responder::CloseMessageBox();
        EXPECT_FALSE(copy->close());
        EXPECT_TRUE(ask->seen().shown);
    }
    EXPECT_EQ(sheet.form().EnteredJob(), job);
    EXPECT_EQ(sheet.form().Text(Cell::LiOrigin), QStringLiteral("1.4"));
}

} // namespace
