#pragma once

class QString;
class QWidget;

namespace widgets {

// Makes the sheet known to assistive technology: the window as a window, each
// frame as a grouping, each display cell as a read-only text field named by
// what it holds (its accessibleName, such as "Origin H") whose value and text
// are what it shows, and each caption as static text. A cell or caption that
// has a click event offers the press action. Installs the interface factory
// once; the sheet's widgets call it on construction.
void InstallAccessibility();

// Says the text once to assistive technology, as a notification of the
// window that holds from: a screen reader speaks it whatever has the focus.
void Announce(QWidget& from, const QString& text);

// Leaves a control out of what assistive technology reads: a decoration with
// nothing to say, or a control placed where nobody can see it.
void HideFromAssistiveTechnology(QWidget& widget);

} // namespace widgets
