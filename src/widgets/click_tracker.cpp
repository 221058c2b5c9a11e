#include "widgets/click_tracker.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QShortcut>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cmath>

namespace widgets {
namespace {

// WCAG 2's relative luminance of an sRGB colour, and the contrast ratio of two
// colours by it.
qreal Luminance(const QColor& colour) {
    auto linear = [](qreal value) {
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

qreal Contrast(const QColor& a, const QColor& b) {
    const qreal la = Luminance(a);
    const qreal lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The least contrast of a focus mark with what it stands on (WCAG 2.1,
// non-text contrast).
constexpr qreal kFocusContrast = 3.0;
// Steps of 15 % in brightness: twenty of them reach black or white from any
// colour.
constexpr int kFocusColourFactor = 115;
constexpr int kFocusColourSteps = 20;

// The platform's highlight colour, darkened (lightened on a dark window)
// until it stands out from the widget's background, the window's, the cells'
// and the buttons'; the style's own mark is a tint of the background.
QColor FocusColour(const QWidget& widget) {
    const QPalette& palette = widget.palette();
    const std::array behind{palette.color(widget.backgroundRole()), palette.color(QPalette::Window),
                            palette.color(QPalette::Base), palette.color(QPalette::Button)};
    auto standsOut = [&behind](const QColor& colour) {
        return std::ranges::all_of(
            behind, [&colour](const QColor& b) { return Contrast(colour, b) >= kFocusContrast; });
    };
    const QColor window = palette.color(QPalette::Window);
    const bool towardsBlack = Contrast(Qt::black, window) >= Contrast(Qt::white, window);
    QColor colour = palette.color(QPalette::Highlight);
    for (int step = 0; step < kFocusColourSteps && !standsOut(colour); ++step)
        colour =
            towardsBlack ? colour.darker(kFocusColourFactor) : colour.lighter(kFocusColourFactor);
    return colour;
}

// Shift, Control and Alt combinations are shortcuts, not clicks.
bool Plain(const QKeyEvent& event) {
    return (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

void ClickTracker::Press(QMouseEvent& event) {
    pressed_ = event.button() == Qt::LeftButton;
    event.accept();
}

bool ClickTracker::Release(QMouseEvent& event, const QRect& area) {
    const bool wasPressed = pressed_;
    pressed_ = false;
    event.accept();
    return wasPressed && event.button() == Qt::LeftButton &&
           area.contains(event.position().toPoint());
}

bool ClickTracker::KeyPress(QKeyEvent& event) {
    const int key = event.key();
    if (!Plain(event) || (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space)) {
        event.ignore();
        return false;
    }
    event.accept();
    // A held key repeats into the prompt the click opens, not into a new click.
    if (event.isAutoRepeat())
        return false;
    if (key == Qt::Key_Space) {
        spacePressed_ = true;
        return false;
    }
    return true;
}

bool ClickTracker::KeyRelease(QKeyEvent& event) {
    if (event.key() != Qt::Key_Space || event.isAutoRepeat() || !spacePressed_) {
        event.ignore();
        return false;
    }
    spacePressed_ = false;
    event.accept();
    return true;
}

void OpenContextMenuOnShiftF10(QWidget& window) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), &window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &window, [&window] {
        QWidget* target = window.focusWidget() != nullptr ? window.focusWidget() : &window;
        const QPoint centre = target->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, centre, target->mapToGlobal(centre));
        QCoreApplication::sendEvent(target, &event);
    });
}

void DrawFocusMark(QPainter& painter, const QWidget& widget, const QRect& around) {
    if (!widget.hasFocus())
        return;
    const QRegion band =
        QRegion(around) - around.adjusted(kFocusWidth, kFocusWidth, -kFocusWidth, -kFocusWidth);
    const QColor colour = FocusColour(widget);
    for (const QRect& part : band)
        painter.fillRect(part, colour);
}

} // namespace widgets
