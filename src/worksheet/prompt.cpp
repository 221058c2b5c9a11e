#include "worksheet/form1.h"

#include "runtime/dialogs.h"
#include "runtime/display_cell.h"

QString Form1::Ask(const PromptText& prompt) {
    const bool us = IsUsCustomary();
    return rt::InputBox(this, QString::fromLatin1(prompt.message),
                        QString::fromLatin1(us ? prompt.usTitle : prompt.metricTitle),
                        QString::fromLatin1(us ? prompt.usDefault : prompt.metricDefault));
}

void Form1::Show(int cell, const QString& text) {
    rt::DisplayCell& target = Picture(cell);
    target.Cls();
    target.Print(text);
}
