#pragma once

namespace widgets {

// Makes every display cell known to assistive technology as a read-only text
// field: its accessible name says what it holds (the widget's accessibleName,
// such as "Origin H"), its value and its text are what it shows. Installs the
// interface factory once; every DisplayCell calls it on construction.
void InstallCellAccessibility();

} // namespace widgets
