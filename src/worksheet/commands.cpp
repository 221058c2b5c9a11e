#include "worksheet/form1.h"

#include <QCoreApplication>

void Form1::Calculate() {
    ShowUnitCaptions();
    SheetEngine::Calculate();
    PaintChanged();
}

void Form1::EndProgram() {
    // Ends the event loop through the application, so the program leaves
    // main normally and nothing after it is skipped.
    // A close that is refused (Cancel in the unsaved-changes question) keeps
    // the program running.
    if (close())
        QCoreApplication::exit(0);
}
