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
    {"Command1", &F::Calculate},
    {"Command2", &F::EndProgram},
    {"Option9", &F::ClearAllCells, &F::ApplyUnitSystem},
    {"Option10", &F::ClearAllCells, &F::ApplyUnitSystem},
    {"Option1", &F::RecomputeFrequencyMultiplier},
    {"Option2", &F::RecomputeFrequencyMultiplier},
    {"Option3", &F::RecomputeFrequencyMultiplier},
    {"Option6", &F::ComputeCouplingMultiplier},
    {"Option7", &F::ComputeCouplingMultiplier},
    {"Option8", &F::ComputeCouplingMultiplier},
    {"Label4", &F::EnterLoadAvg},
    {"Picture1", &F::EnterLoadAvg},
    {"Label5", &F::EnterLoadMax},
    {"Picture2", &F::EnterLoadMax},
    {"Label9", &F::EnterOriginH},
    {"Picture3", &F::EnterOriginH},
    {"Label11", &F::EnterDestinationH},
    {"Picture5", &F::EnterDestinationH},
    {"Label10", &F::EnterOriginV},
    {"Picture4", &F::EnterOriginV},
    {"Label12", &F::EnterDestinationV},
    {"Picture6", &F::EnterDestinationV},
    {"Label16", &F::EnterOriginAngle},
    {"Label18", &F::EnterOriginAngle},
    {"Picture8", &F::EnterOriginAngle},
    {"Label17", &F::EnterDestinationAngle},
    {"Label19", &F::EnterDestinationAngle},
    {"Picture9", &F::EnterDestinationAngle},
    {"Label24", &F::EnterFrequency},
    {"Picture18", &F::EnterFrequency},
    {"Label14", &F::ComputeDistanceMultiplier},
    {"Picture7", &F::ComputeDistanceMultiplier},
    // Advice and information captions.
    {"Label13", &F::ShowVerticalDistanceInfo},
    {"Label20", &F::ShowHmSuggestions},
    {"Label21", &F::ShowVmSuggestions},
    {"Label22", &F::ShowDmSuggestions},
    {"Label23", &F::ShowAmSuggestions},
    {"Label25", &F::ShowFmSuggestions},
    {"Label26", &F::ShowCmSuggestions},
    {"Label28", &F::ShowRwlSuggestions},
    {"Label30", &F::ShowRwlSuggestions},
    {"Label31", &F::ShowRwlSuggestions},
    {"Label29", &F::ShowLcSuggestions},
});

} // namespace

std::span<const Wire> Wiring() {
    return kWiring;
}

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
