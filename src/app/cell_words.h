#pragma once

#include "lifting/job_file.h"

#include <QString>
#include <QStringList>

#include <vector>

// How the window's messages and the report name the sheet's cells and what a
// job file holds that the sheet does not take: in words, as assistive
// technology names the cells ("RWL at destination"), never by control name.
namespace app {

QString CellWords(lifting::Cell cell);

// "Origin H", "Frequency rate": the words of the cell that shows the entry.
QString EntryWords(lifting::Entry entry);

// "Origin H “20 lb”", one for each refused entry.
QStringList RefusedWords(const std::vector<lifting::RefusedEntry>& refused);

} // namespace app
