#include "worksheet/form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Lets the desktop match the window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral(WORKSHEET_APP_ID));
    Form1 form;
    form.show();
    return QApplication::exec();
}
