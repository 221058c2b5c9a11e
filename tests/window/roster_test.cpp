#include "lifting/latin1.h"
#include "support/captions.h"
#include "support/sheet.h"
#include "widgets/click_label.h"
#include "widgets/display_cell.h"
#include "widgets/frame_control.h"
#include "widgets/line_control.h"
#include "window/roster.h"

#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

bool IsKind(QWidget* widget, window::Kind kind) {
    switch (kind) {
    case window::Kind::Label:
        return qobject_cast<widgets::ClickLabel*>(widget) != nullptr;
    case window::Kind::Picture:
        return qobject_cast<widgets::DisplayCell*>(widget) != nullptr;
    case window::Kind::Frame:
        return qobject_cast<widgets::FrameControl*>(widget) != nullptr;
    case window::Kind::Option:
        return qobject_cast<QRadioButton*>(widget) != nullptr;
    case window::Kind::Command:
        return qobject_cast<QPushButton*>(widget) != nullptr;
    case window::Kind::Line:
        return qobject_cast<widgets::LineControl*>(widget) != nullptr;
    }
    return false;
}

TEST(Roster, EveryControlOnceAtItsPlace) {
    support::Sheet sheet;
    int count = 0;
    for (const window::Control& c : window::Roster()) {
        ++count;
        const QString name = lifting::Latin1(c.name);
        const auto found = sheet.form().findChildren<QWidget*>(name);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        QWidget* widget = found.front();
        EXPECT_TRUE(IsKind(widget, c.kind)) << name.toStdString();
        EXPECT_EQ(widget->parentWidget()->objectName(), lifting::Latin1(c.container))
            << name.toStdString();
        if (c.kind == window::Kind::Line) {
            EXPECT_EQ(widget->x(), c.left / 15);
            EXPECT_EQ(widget->width(), c.width / 15);
            EXPECT_LE(widget->y(), c.top / 15);
            EXPECT_GE(widget->geometry().bottom(), c.top / 15);
        } else {
            EXPECT_EQ(widget->geometry(),
                      QRect(c.left / 15, c.top / 15, c.width / 15, c.height / 15))
                << name.toStdString();
        }
    }
    EXPECT_EQ(count, 112);
    EXPECT_EQ(sheet.form().size(), QSize(614, 440));
}

TEST(Roster, CaptionsAsDesigned) {
    support::Sheet sheet;
    // Relabelled by the unit system before the window is first seen.
    const QStringList relabelled{"Label3", "Label6", "Label13", "Label34", "Label35"};
    for (const window::Control& c : window::Roster()) {
        const QString name = lifting::Latin1(c.name);
        if (c.kind == window::Kind::Picture || c.kind == window::Kind::Line ||
            relabelled.contains(name))
            continue;
        EXPECT_EQ(sheet.caption(name), lifting::Latin1(c.caption)) << name.toStdString();
    }
}

TEST(Roster, NoCaptionIsClippedInEitherUnitSystem) {
    support::Sheet sheet;
    for (const char* units : {"Option9", "Option10"}) {
        sheet.click(units);
        for (QWidget* widget : sheet.form().findChildren<QWidget*>())
            EXPECT_TRUE(support::CaptionFits(widget)) << units;
    }
}

TEST(Roster, FontsAndHighlight) {
    support::Sheet sheet;
    const QColor highlight(128, 255, 128);
    for (const window::Control& c : window::Roster()) {
        QWidget* widget = sheet.control(lifting::Latin1(c.name));
        const QFont font = widget->font();
        EXPECT_EQ(font.family(), "Liberation Sans") << c.name;
        const bool bold = c.face != window::Face::Default && c.face != window::Face::Italic;
        EXPECT_EQ(font.bold(), bold) << c.name;
        EXPECT_EQ(font.underline(), c.face == window::Face::BoldUnderline) << c.name;
        EXPECT_EQ(font.italic(), c.face == window::Face::Italic) << c.name;
        if (c.kind == window::Kind::Label) {
            auto* label = qobject_cast<QLabel*>(widget);
            EXPECT_EQ(label->autoFillBackground() &&
                          label->palette().color(QPalette::Window) == highlight,
                      c.highlight)
                << c.name;
            EXPECT_EQ(bool(label->alignment() & Qt::AlignHCenter), c.centred) << c.name;
        }
    }
    // Larger marks of the formula rows.
    EXPECT_EQ(sheet.control("Label52")->font().pixelSize(), 16);
    EXPECT_EQ(sheet.control("Label32")->font().pixelSize(), 18);
    EXPECT_EQ(sheet.control("Label48")->font().pixelSize(), 24);
    EXPECT_EQ(sheet.control("Label4")->font().pixelSize(), 11);
}

TEST(Roster, CellsAreDrawnOverTheLettersTheyOverlap) {
    support::Sheet sheet;
    // The letter stays visible at the caption's left, the cell covers the rest.
    QWidget* letter = sheet.control("Label9");
    QWidget* cell = sheet.control("Picture3");
    const QPoint inBoth = cell->geometry().topLeft() + QPoint(2, 2);
    ASSERT_TRUE(letter->geometry().contains(inBoth));
    EXPECT_EQ(sheet.form().childAt(inBoth), cell);
    EXPECT_EQ(sheet.form().childAt(letter->geometry().topLeft() + QPoint(2, 2)), letter);
}

TEST(Roster, CreditOutsideTheClientArea) {
    support::Sheet sheet;
    QWidget* credit = sheet.control("Label64");
    EXPECT_FALSE(sheet.form().rect().intersects(credit->geometry()));
}

} // namespace
