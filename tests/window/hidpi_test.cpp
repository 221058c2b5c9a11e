// The window on a high-dpi screen. CTest runs these cases with
// QT_SCALE_FACTOR=2; the window cases fail when that scale is not in effect.
#include "support/captions.h"
#include "support/sheet.h"

#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

constexpr qreal kScale = 2.0;

// The device pixels a label's caption inks when drawn at the screen's scale with
// the label's font and layout, but unclipped; (0, 0) is the label's top left.
QRect InkAtScale(const QLabel& label) {
    constexpr int kRoom = 100; // logical pixels of room for ink beyond the label
    QImage image((label.size() + QSize(2 * kRoom, 2 * kRoom)) * kScale,
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(kScale);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(label.font());
    painter.setPen(Qt::black);
    const int flags = static_cast<int>(label.alignment()) |
                      (label.wordWrap() ? Qt::TextWordWrap : 0) | Qt::TextDontClip;
    painter.drawText(QRect(QPoint(kRoom, kRoom), label.size()), flags, label.text());
    painter.end();
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) != 0)
                ink |= QRect(x, y, 1, 1);
        }
    }
    const int offset = static_cast<int>(kRoom * kScale);
    return ink.translated(-offset, -offset);
}

TEST(HiDpi, WindowRendersAtTwiceItsLogicalSize) {
    support::Sheet sheet;
    const QPixmap shot = sheet.form().grab();
    EXPECT_EQ(shot.devicePixelRatio(), kScale);
    EXPECT_EQ(sheet.form().size(), QSize(614, 440));
    EXPECT_EQ(shot.size(), sheet.form().size() * kScale) << shot.width() << "x" << shot.height();
}

TEST(HiDpi, NoCaptionIsClippedInEitherUnitSystem) {
    support::Sheet sheet;
    ASSERT_EQ(sheet.form().devicePixelRatio(), kScale);
    for (const char* units : {"Option9", "Option10"}) {
        sheet.click(units);
        for (QWidget* widget : sheet.form().findChildren<QWidget*>()) {
            // Fonts are sized in pixels, so the logical metrics must still fit.
            EXPECT_TRUE(support::CaptionFits(widget)) << units;
            // And so must the ink of the glyphs as they are rasterised at scale.
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                const QRect ink = InkAtScale(*label);
                const QRect room(QPoint(0, 0), label->size() * kScale);
                EXPECT_TRUE(ink.isNull() || room.contains(ink))
                    << units << " " << label->objectName().toStdString() << " \""
                    << label->text().toStdString() << "\" inks " << ink.width() << "x"
                    << ink.height() << "+" << ink.x() << "+" << ink.y() << " in " << room.width()
                    << "x" << room.height();
            }
        }
    }
}

TEST(HiDpi, WindowIconIsSharpAtTwiceEachSize) {
    support::Sheet sheet;
    const QIcon icon = sheet.form().windowIcon();
    ASSERT_FALSE(icon.isNull());
    // A frame, a task bar and a launcher size; none is upscaled from a smaller one.
    for (const int size : {16, 32, 128}) {
        const QPixmap pixmap = icon.pixmap(QSize(size, size), kScale);
        EXPECT_EQ(pixmap.size(), QSize(size, size) * kScale)
            << size << ": " << pixmap.width() << "x" << pixmap.height();
        EXPECT_EQ(pixmap.devicePixelRatio(), kScale) << size;
    }
}

} // namespace
