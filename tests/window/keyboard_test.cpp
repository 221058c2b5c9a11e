// The sheet from the keyboard alone, and the option buttons under the mouse.
#include "support/sheet.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QImage>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

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
    // STEP 1 area by area, each top to bottom and left to right: an entry is
    // one stop, at its cell (its caption takes a click but no Tab), an option
    // group is one stop at its selected option; then STEP 2's advice
    // captions, then the commands.
    const QStringList expected{
        "Option9", "Picture1", "Picture2", "Picture3", "Picture4", "Picture5",  "Picture6",
        "Label13", "Picture7", "Picture8", "Picture9", "Option1",  "Picture18", "Option6",
        "Label28", "Label29",  "Label20",  "Label21",  "Label22",  "Label23",   "Label25",
        "Label26", "Label30",  "Label31",  "Command1", "Command2"};
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

// WCAG 2's contrast ratio of two colours, from their relative luminance.
double Contrast(QRgb a, QRgb b) {
    auto luminance = [](QRgb rgb) {
        auto linear = [](int channel) {
            const double v = channel / 255.0;
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) +
               0.0722 * linear(qBlue(rgb));
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The sheet around a control, with a margin.
QImage Around(support::Sheet& sheet, const QWidget& control) {
    QApplication::processEvents();
    const QRect area(control.mapTo(&sheet.form(), QPoint(0, 0)), control.size());
    return sheet.form()
        .grab(area.adjusted(-4, -4, 4, 4))
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// What the focus changes: how many pixels, and the least contrast of one of
// them with a neighbour the focus leaves as it was.
struct Mark {
    int pixels = 0;
    double leastContrast = 21;
};

Mark MarkOf(const QImage& focused, const QImage& atRest) {
    Mark mark;
    const QRect all = focused.rect();
    for (int y = 0; y < focused.height(); ++y) {
        for (int x = 0; x < focused.width(); ++x) {
            const QRgb colour = focused.pixel(x, y);
            if (colour == atRest.pixel(x, y))
                continue;
            ++mark.pixels;
            for (const QPoint next :
                 {QPoint(x - 1, y), QPoint(x + 1, y), QPoint(x, y - 1), QPoint(x, y + 1)}) {
                if (all.contains(next) && focused.pixel(next) == atRest.pixel(next))
                    mark.leastContrast =
                        std::min(mark.leastContrast, Contrast(colour, focused.pixel(next)));
            }
        }
    }
    return mark;
}

// WCAG 2.4.7 and 1.4.11: the focus shows, at least 3:1 against what it
// stands on, on every kind of stop: the first option as the window opens,
// a cell, a heading, a highlighted caption, an option group and a command.
TEST(Keyboard, FocusMarkStandsOutThreeToOne) {
    support::Sheet sheet;
    ASSERT_EQ(Focused(), "Option9") << "the first option has the focus at start-up";
    for (const char* name : {"Option9", "Picture4", "Label13", "Label20", "Option1", "Command1"}) {
        QWidget* control = sheet.control(name);
        ASSERT_TRUE(TabTo(sheet, name));
        const QImage focused = Around(sheet, *control);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const Mark mark = MarkOf(focused, Around(sheet, *control));
        // At least a line two pixels wide and twenty long.
        EXPECT_GE(mark.pixels, 40) << name;
        EXPECT_GE(mark.leastContrast, 3.0) << name;
    }
}

// The context menu events that reach the window, as the menu's owner sees them.
class ContextMenus : public QObject {
  public:
    struct Seen {
        QContextMenuEvent::Reason reason;
        QPoint globalPos;
    };
    std::vector<Seen> seen;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ContextMenu) {
            auto* menu = static_cast<QContextMenuEvent*>(event);
            seen.push_back({menu->reason(), menu->globalPos()});
        }
        return false;
    }
};

TEST(Keyboard, ShiftF10AsksForTheContextMenuAtTheFocus) {
    support::Sheet sheet;
    ContextMenus menus;
    sheet.form().installEventFilter(&menus);
    for (const char* name : {"Picture4", "Label20", "Option1", "Command2"}) {
        ASSERT_TRUE(TabTo(sheet, name));
        menus.seen.clear();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10, Qt::ShiftModifier);
        ASSERT_EQ(menus.seen.size(), 1u) << name;
        EXPECT_EQ(menus.seen.front().reason, QContextMenuEvent::Keyboard) << name;
        const QWidget* control = sheet.control(name);
        EXPECT_EQ(menus.seen.front().globalPos, control->mapToGlobal(control->rect().center()))
            << name;
        EXPECT_EQ(Focused(), name) << "the focus stays";
    }
    // F10 alone is no such key.
    menus.seen.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
    EXPECT_TRUE(menus.seen.empty());
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
