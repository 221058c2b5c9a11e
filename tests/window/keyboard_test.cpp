// The sheet from the keyboard alone, and the option buttons under the mouse.
#include "support/sheet.h"

#include <QApplication>
#include <QImage>
#include <QRadioButton>
#include <QTest>

#include <array>

#include <gtest/gtest.h>

namespace {

QString Focused() {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

// Tabs forward until the control has the focus, at most once round the sheet.
bool TabTo(support::Sheet& sheet, const QString& name) {
    // The offscreen platform has no window manager to hand the window back
    // its activation when a dialog over it closes; the window keeps its focus
    // widget meanwhile.
    if (QApplication::activeWindow() != &sheet.form()) {
        sheet.form().activateWindow();
        if (!QTest::qWaitForWindowActive(&sheet.form()))
            return false;
    }
    for (int i = 0; i < 60 && Focused() != name; ++i)
        QTest::keyClick(&sheet.form(), Qt::Key_Tab);
    return Focused() == name;
}

TEST(Keyboard, TabFollowsTheSheet) {
    support::Sheet sheet;
    // STEP 1 area by area, each top to bottom and left to right; an option
    // group is one stop at its selected option; then STEP 2's captions, then
    // the commands.
    const QStringList expected{
        "Option9",  "Label4",   "Picture1", "Label5",    "Picture2", "Label9",   "Picture3",
        "Label10",  "Picture4", "Label11",  "Picture5",  "Label12",  "Picture6", "Label13",
        "Label14",  "Picture7", "Label16",  "Label17",   "Label18",  "Picture8", "Label19",
        "Picture9", "Option1",  "Label24",  "Picture18", "Option6",  "Label28",  "Label29",
        "Label20",  "Label21",  "Label22",  "Label23",   "Label25",  "Label26",  "Label30",
        "Label31",  "Command1", "Command2"};
    ASSERT_TRUE(TabTo(sheet, expected.front()));
    QStringList visited{Focused()};
    for (qsizetype i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << Focused();
    }
    EXPECT_EQ(visited, expected);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(Focused(), expected.front()) << "round the sheet and back";
}

// The README's worked job, keyed in: every entry opened with Return, the
// keypad's Enter or Space, the coupling chosen with the arrow keys, an advice
// box read, and CALCULATE pressed with Return. Results worked out by hand:
// origin RWL 51 x 0.833 x 0.925 x 0.88 x 0.904 x 0.91 x 0.95 = 27.0, index
// 20 / 27.0 = 0.7; destination 51 x 0.5 x 0.85 x 0.88 x 1 x 0.91 x 1 = 17.4,
// index 25 / 17.4 = 1.4.
TEST(Keyboard, AWholeJobWithoutTheMouse) {
    support::Sheet sheet;
    const std::array<std::pair<Qt::Key, Qt::KeyboardModifiers>, 3> keys{
        {{Qt::Key_Return, Qt::NoModifier},
         {Qt::Key_Enter, Qt::KeypadModifier},
         {Qt::Key_Space, Qt::NoModifier}}};
    std::size_t n = 0;
    for (const auto& [control, text] : support::kWorkedJob) {
        ASSERT_TRUE(TabTo(sheet, control)) << control;
        const auto& [key, modifiers] = keys.at(n++ % keys.size());
        auto responder = support::Responder::Answer(text);
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        EXPECT_EQ(responder->seen().kind, "prompt") << control << " key " << key;
    }

    ASSERT_TRUE(TabTo(sheet, "Option6"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(Focused(), "Option7");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(qobject_cast<QRadioButton*>(sheet.control("Option7"))->isChecked());

    ASSERT_TRUE(TabTo(sheet, "Label20"));
    auto box = support::Responder::CloseMessageBox();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(box->seen().title, "HM Suggestions");

    ASSERT_TRUE(TabTo(sheet, "Command1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(sheet.cell("Picture25"), "27.0");
    EXPECT_EQ(sheet.cell("Picture26"), "17.4");
    EXPECT_EQ(sheet.cell("Picture27"), "0.7");
    EXPECT_EQ(sheet.cell("Picture28"), "1.4");
}

TEST(Keyboard, FocusedCellShowsTheFocusMark) {
    support::Sheet sheet;
    for (const char* name : {"Picture4", "Label13", "Label20"}) {
        QWidget* control = sheet.control(name);
        const QImage atRest = control->grab().toImage();
        ASSERT_TRUE(TabTo(sheet, name));
        EXPECT_NE(control->grab().toImage(), atRest) << name;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(control->grab().toImage(), atRest) << name;
    }
}

TEST(Options, TakeAClickAnywhereInTheirControl) {
    support::Sheet sheet;
    // Each option is clicked at the right end of its control, past its caption.
    for (const char* name : {"Option10", "Option9", "Option2", "Option3", "Option1", "Option7",
                             "Option8", "Option6"}) {
        auto* option = qobject_cast<QRadioButton*>(sheet.control(name));
        ASSERT_NE(option, nullptr);
        ASSERT_FALSE(option->isChecked()) << name;
        QTest::mouseClick(option, Qt::LeftButton, {},
                          QPoint(option->width() - 1, option->height() / 2));
        EXPECT_TRUE(option->isChecked()) << name;
    }
    EXPECT_EQ(sheet.caption("Label34"), "Lbs") << "back in U.S. customary units";
}

} // namespace
