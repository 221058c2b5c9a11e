#include "widgets/display_cell.h"

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

} // namespace
