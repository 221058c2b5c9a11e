#include "window/wiring.h"

#include "runtime/click_label.h"
#include "runtime/display_cell.h"

#include <QPushButton>
#include <QRadioButton>

#include <array>

namespace window {
namespace {

using F = Form1;

constexpr std::array kWiring = std::to_array<Wire>({
    {"Option9", &F::ClearAllCells, &F::ApplyUnitSystem},
    {"Option10", &F::ClearAllCells, &F::ApplyUnitSystem},
});

} // namespace

std::span<const Wire> Wiring() { return kWiring; }

void Connect(Form1& form) {
    for (const Wire& wire : kWiring) {
        const QString name =
            QString::fromLatin1(wire.control.data(), static_cast<qsizetype>(wire.control.size()));
        auto* control = form.findChild<QObject*>(name);
        auto run = [&form, first = wire.first, second = wire.second] {
            form.RunEvent(first, second);
        };
        if (auto* label = qobject_cast<rt::ClickLabel*>(control)) {
            QObject::connect(label, &rt::ClickLabel::clicked, &form, run);
        } else if (auto* cell = qobject_cast<rt::DisplayCell*>(control)) {
            QObject::connect(cell, &rt::DisplayCell::clicked, &form, run);
        } else if (auto* option = qobject_cast<QRadioButton*>(control)) {
            // An option's click is its becoming the selected one.
            QObject::connect(option, &QRadioButton::toggled, &form, [run](bool selected) {
                if (selected)
                    run();
            });
        } else if (auto* button = qobject_cast<QPushButton*>(control)) {
            QObject::connect(button, &QPushButton::clicked, &form, run);
        } else {
            qFatal("wired control %s is not in the roster", qPrintable(name));
        }
    }
}

} // namespace window
