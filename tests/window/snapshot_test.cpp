// The window as it looks, pixel for pixel, against pictures committed under
// tests/window/snapshots: a control moved, a caption changed, a lost
// highlight or a line in the wrong colour shows here. scripts/snapshots.sh
// renders the pictures again on purpose.
#include "support/sheet.h"

#include <QApplication>
#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

namespace {

const QString kFolder = QStringLiteral(WORKSHEET_SNAPSHOTS);

void ExpectLooksLike(QWidget& window, const QString& name) {
    QApplication::processEvents();
    const QImage shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString path = QDir(kFolder).filePath(name + QStringLiteral(".png"));
    if (qEnvironmentVariableIsSet("WORKSHEET_UPDATE_SNAPSHOTS")) {
        ASSERT_TRUE(shot.save(path)) << path.toStdString();
        return;
    }
    const QImage expected = QImage(path).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(expected.isNull()) << "no snapshot " << path.toStdString();
    ASSERT_EQ(shot.size(), expected.size()) << name.toStdString();
    int differing = 0;
    QPoint first(-1, -1);
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            if (shot.pixel(x, y) != expected.pixel(x, y)) {
                if (differing++ == 0)
                    first = QPoint(x, y);
            }
        }
    }
    if (differing > 0) {
        const QString actual = QDir::temp().filePath(name + QStringLiteral("-actual.png"));
        shot.save(actual);
        ADD_FAILURE() << name.toStdString() << ": " << differing << " pixels differ, the first at ("
                      << first.x() << ", " << first.y() << "); the window as drawn is in "
                      << actual.toStdString();
    }
}

TEST(Snapshot, StartUpAndTheWorkedJobLookAsCommitted) {
    support::Sheet sheet;
    ExpectLooksLike(sheet.form(), QStringLiteral("start-up"));
    for (const auto& [control, text] : support::kWorkedJob)
        ASSERT_TRUE(sheet.enter(control, text).shown) << control;
    sheet.click("Option7");
    sheet.click("Command1");
    ExpectLooksLike(sheet.form(), QStringLiteral("worked-job"));
    sheet.click("Option10");
    ExpectLooksLike(sheet.form(), QStringLiteral("metric-switch"));
}

} // namespace
