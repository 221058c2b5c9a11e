#include "app/command_line.h"
#include "worksheet/form1.h"

#include <QApplication>

#include <cstdio>

namespace {

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
    case app::Command::Kind::Batch:
    case app::Command::Kind::Report:
        std::fprintf(stderr, "lifting-worksheet: not available yet\n");
        return 2;
    case app::Command::Kind::Window:
        break;
    }
    QApplication app(argc, argv);
    // Lets the desktop match the window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral(WORKSHEET_APP_ID));
    Form1 form;
    form.show();
    return QApplication::exec();
}
