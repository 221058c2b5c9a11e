#include "app/command_line.h"
#include "app/compare_report.h"
#include "app/job_window.h"
#include "app/report.h"
#include "batch/batch.h"
#include "widgets/dialogs.h"
#include "worksheet/form1.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QWindow>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <utility>

namespace {

#if QT_CONFIG(xcb)
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

// Ends the event loop when the X server destroys the window: Qt acts on a
// close request but not on a window another client destroyed. Only Qt's X11
// platform delivers these events; other window systems close windows through
// requests that Qt handles.
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
#endif

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

void PrintError(const QString& text) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                 text.toLocal8Bit().constData());
}

// The report never uses the desktop session's runtime folder, which Qt looks
// up as it starts; its complaint that there is none (as under cron or ssh)
// would read as a fault of the command.
QtMessageHandler toolkitMessages = nullptr;

void QuietAboutTheSession(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    if (!message.startsWith(QLatin1String("QStandardPaths: ")))
        toolkitMessages(type, context, message);
}

// Runs a function once the window is on the screen. A window manager places a
// new window as it maps it; a dialog shown before that would centre on where
// the window was not yet.
class WhenOnScreen : public QObject {
  public:
    WhenOnScreen(QWindow& window, std::function<void()> run)
        : QObject(&window), run_(std::move(run)) {
        window.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            // After the window has drawn itself.
            QTimer::singleShot(0, watched, std::move(run_));
            deleteLater();
        }
        return false;
    }

  private:
    std::function<void()> run_;
};

// Told over the window when the command line names more than one job file:
// the window may have been started from a desktop, where standard error is
// seen by no one.
QString TooManyFiles(const QStringList& files) {
    QStringList names;
    for (const QString& file : files)
        names << QStringLiteral("\u201c%1\u201d").arg(QDir::toNativeSeparators(file));
    return QStringLiteral("The worksheet opens one job file at a time, and was given %1:\n\n%2\n\n"
                          "None of them was opened. Open one with Open (Ctrl+O), or from the "
                          "menu of a right click on the sheet.")
        .arg(files.size())
        .arg(names.join(QLatin1Char('\n')));
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
        PrintError(command.text);
        return 2;
    case app::Command::Kind::Batch: {
        // No window system: the core application alone.
        QCoreApplication core(argc, argv);
        return batch::RunBatch(command.files, command.output);
    }
    case app::Command::Kind::Report:
        toolkitMessages = qInstallMessageHandler(QuietAboutTheSession);
        // The page is drawn without a screen, whatever platform the
        // environment names for windows.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return app::RunReportCommand(argc, argv, command.files.constFirst(), command.output);
    case app::Command::Kind::Compare:
        toolkitMessages = qInstallMessageHandler(QuietAboutTheSession);
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return app::RunCompareCommand(argc, argv, command.files[0], command.files[1],
                                      command.output);
    case app::Command::Kind::Window:
        break;
    }
    if (command.files.size() > 1)
        PrintError(QStringLiteral("the worksheet opens one job file at a time; none of the %1 "
                                  "given was opened")
                       .arg(command.files.size()));
    QApplication app(argc, argv);
    // Lets the desktop match the window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral(WORKSHEET_APP_ID));
    app::JobWindow window;
#if QT_CONFIG(xcb)
    // The program lives as long as its window: closing it ends the event
    // loop, and so does its destruction by the X server.
    EndWithWindow windowSystem(window.form());
    app.installNativeEventFilter(&windowSystem);
#endif
    window.form().show();
    // Once the window is on the screen, so that a message about the files
    // shows over the sheet.
    if (command.files.size() > 1) {
        new WhenOnScreen(*window.form().windowHandle(), [&window, &command] {
            widgets::MsgBox(&window.form(), TooManyFiles(command.files),
                            window.form().windowTitle());
        });
    } else if (!command.files.isEmpty()) {
        new WhenOnScreen(*window.form().windowHandle(),
                         [&window, path = command.files.front()] { window.OpenPath(path); });
    }
    return QApplication::exec();
}
