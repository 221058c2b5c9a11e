#pragma once

#include "support/sheet.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace advice_test {

// Everything a click could change on the sheet besides the option buttons:
// what every display cell shows, every label's caption and every worksheet
// variable, public or private.
struct SheetState {
    QStringList cells;    // "PictureN=text", by roster order
    QStringList captions; // "LabelN=caption", by roster order
    QStringList texts;    // the stored entry texts
    std::vector<float> numbers;
    std::vector<int> wholes;
};

SheetState Capture(support::Sheet& sheet);

// Prints a mark into every display cell and gives every public variable a
// value no procedure would leave there, so that a change shows.
void MarkEverything(support::Sheet& sheet);

// Compares field by field, naming the first control or variable that differs.
void ExpectSame(const SheetState& before, const SheetState& after, const QString& context);

} // namespace advice_test
