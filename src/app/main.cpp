#include "app/batch.h"
#include "app/command_line.h"
#include "app/job_window.h"
#include "app/report.h"
#include "worksheet/form1.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QTimer>

#include <cstdint>
#include <cstdio>

namespace {

// The head of an X11 DestroyNotify event as XCB delivers it.
struct XcbDestroyNotify {
    std::uint8_t responseType;
    std::uint8_t pad;
    std::uint16_t sequence;
    std::uint32_t event;
    std::uint32_t window;
};
constexpr std::uint8_t kXcbDestroyNotify = 17;
// The bit XCB sets on events another client sent.
constexpr std::uint8_t kXcbSentEvent = 0x80;

// Ends the event loop when the window system destroys the window: Qt acts on a
// close request but not on a window another client destroyed.
class EndWithWindow : public QAbstractNativeEventFilter {
  public:
    explicit EndWithWindow(const QWidget& window) : window_(window) {}

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const XcbDestroyNotify*>(message);
        if ((event->responseType & ~kXcbSentEvent) == kXcbDestroyNotify &&
            event->window == window_.internalWinId())
            QCoreApplication::quit();
        return false;
    }

  private:
    const QWidget& window_;
};

// Names the program before any application object exists, for the command
// line's help and version.
void NameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("lifting-worksheet"));
    QCoreApplication::setApplicationVersion(QStringLiteral(WORKSHEET_VERSION));
}

QStringList Arguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char* argv[]) {
    NameApplication();
    const app::Command command = app::ParseCommandLine(Arguments(argc, argv));
    switch (command.kind) {
    case app::Command::Kind::Help:
    case app::Command::Kind::Version:
        std::fputs(command.text.toLocal8Bit().constData(), stdout);
        return 0;
    case app::Command::Kind::Error:
        std::fprintf(stderr, "lifting-worksheet: %s\n", command.text.toLocal8Bit().constData());
        return 2;
    case app::Command::Kind::Batch: {
        // No window system: the core application alone.
        QCoreApplication core(argc, argv);
        return app::RunBatch(command.files, command.output);
    }
    case app::Command::Kind::Report:
        return app::RunReportCommand(argc, argv, command.files.constFirst(), command.output);
    case app::Command::Kind::Window:
        break;
    }
    QApplication app(argc, argv);
    // Lets the desktop match the window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral(WORKSHEET_APP_ID));
    app::JobWindow window;
    // The program lives as long as its window: closing it ends the event loop,
    // and so does its destruction by the window system.
    EndWithWindow windowSystem(window.form());
    app.installNativeEventFilter(&windowSystem);
    window.form().show();
    // Opened once the window is up, so that a message about the file shows
    // over the sheet.
    if (!command.files.isEmpty()) {
        QTimer::singleShot(0, &window,
                           [&window, path = command.files.front()] { window.OpenPath(path); });
    }
    return QApplication::exec();
}
