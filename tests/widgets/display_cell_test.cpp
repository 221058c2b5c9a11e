#include "widgets/display_cell.h"
#include "window/fonts.h"

#include <QAccessible>

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(DisplayCell, PrintAddsALineAndClsErasesAll) {
    widgets::DisplayCell cell;
    EXPECT_EQ(cell.property("text").toString(), "");
    cell.Print("0.46");
    EXPECT_EQ(cell.property("text").toString(), "0.46");
    cell.Print("next");
    EXPECT_EQ(cell.property("text").toString(), "0.46\nnext");
    cell.Cls();
    EXPECT_EQ(cell.property("text").toString(), "");
    cell.Print("");
    cell.Print("x");
    EXPECT_EQ(cell.property("text").toString(), "\nx");
}

TEST(DisplayCell, ClickIsAReleaseInsideAfterAPress) {
    widgets::DisplayCell cell;
    cell.resize(40, 17);
    QSignalSpy clicks(&cell, &widgets::DisplayCell::clicked);
    QTest::mouseClick(&cell, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(&cell, Qt::RightButton);
    EXPECT_EQ(clicks.count(), 1);
    // Pressed inside, released outside: no click.
    QTest::mousePress(&cell, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&cell, Qt::LeftButton, {}, QPoint(100, 5));
    EXPECT_EQ(clicks.count(), 1);
}

TEST(DisplayCell, TooWideTextIsCondensedOrCutAndWhollyInTheToolTip) {
    // At the L(AVG) cell's width in the sheet's face: room for four digits.
    widgets::DisplayCell cell;
    cell.setFont(window::FontFor(window::Face::Default));
    cell.resize(25, 17);
    const int room = cell.width() - 2 * widgets::DisplayCell::kBorder;
    for (const auto& [text, condensed, cut] :
         {std::tuple{"20", false, false}, std::tuple{"22.75", true, false},
          std::tuple{"133.5", true, false}, std::tuple{"1.79769313486232E+308", true, true}}) {
        cell.Cls();
        cell.Print(text);
        const widgets::DisplayCell::Drawn drawn = cell.Fit(text);
        EXPECT_LE(QFontMetrics(drawn.font).horizontalAdvance(drawn.text), room) << text;
        // Narrower letters, never smaller ones.
        EXPECT_EQ(drawn.font.pixelSize(), cell.font().pixelSize()) << text;
        EXPECT_EQ(drawn.font.stretch() < cell.font().stretch(), condensed) << text;
        if (cut) {
            EXPECT_TRUE(drawn.text.endsWith(QChar(0x2026))) << text;
            EXPECT_TRUE(QString(text).startsWith(drawn.text.chopped(1))) << text;
        } else {
            EXPECT_EQ(drawn.text, text);
        }
        EXPECT_EQ(cell.toolTip(), condensed ? text : "") << text;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&cell);
        EXPECT_EQ(iface->text(QAccessible::Value), text);
    }
}

} // namespace
