#include "harness/modal.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

QtMessageHandler previousHandler = nullptr;

// The offscreen platform says this of every dialog it shows, and the font
// engine of every script the test texts use that no installed font covers;
// neither tells anything.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("does not support propagateSizeHints")) ||
        message.contains(QLatin1String("OpenType support missing")))
        return;
    previousHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the cases needs no display.
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(QuietHandler);
    QApplication app(argc, argv);
    // A dialog no test expects fails the running test at once, by name.
    harness::CloseUnexpectedDialogs([](const harness::Modal& dialog) {
        ADD_FAILURE() << "unexpected " << dialog.kind.toStdString() << " \""
                      << dialog.title.toStdString() << "\": " << dialog.message.toStdString();
    });
    return RUN_ALL_TESTS();
}
