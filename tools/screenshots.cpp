// Renders the worksheet in the states the README shows, to PNG files in the
// folder given as the first argument.
#include "worksheet/form1.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    Form1 form;
    form.show();
    QApplication::processEvents();
    if (!form.grab().save(out.filePath(QStringLiteral("worksheet-start.png"))))
        return 1;
    return 0;
}
