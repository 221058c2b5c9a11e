#include "window/wiring.h"

#include "lifting/latin1.h"
#include "widgets/click_label.h"
#include "widgets/display_cell.h"

#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <vector>

namespace window {
namespace {

using enum Procedure;

constexpr std::array kWiring = std::to_array<Wire>({
    {"Command1", Calculate},
    {"Command2", EndProgram},
    {"Option9", ClearAllCells, ApplyUnitSystem},
    {"Option10", ClearAllCells, ApplyUnitSystem},
    {"Option1", RecomputeFrequencyMultiplier},
    {"Option2", RecomputeFrequencyMultiplier},
    {"Option3", RecomputeFrequencyMultiplier},
    {"Option6", ComputeCouplingMultiplier},
    {"Option7", ComputeCouplingMultiplier},
    {"Option8", ComputeCouplingMultiplier},
    {"Label4", EnterLoadAvg},
    {"Picture1", EnterLoadAvg},
    {"Label5", EnterLoadMax},
    {"Picture2", EnterLoadMax},
    {"Label9", EnterOriginH},
    {"Picture3", EnterOriginH},
    {"Label11", EnterDestinationH},
    {"Picture5", EnterDestinationH},
    {"Label10", EnterOriginV},
    {"Picture4", EnterOriginV},
    {"Label12", EnterDestinationV},
    {"Picture6", EnterDestinationV},
    {"Label16", EnterOriginAngle},
    {"Label18", EnterOriginAngle},
    {"Picture8", EnterOriginAngle},
    {"Label17", EnterDestinationAngle},
    {"Label19", EnterDestinationAngle},
    {"Picture9", EnterDestinationAngle},
    {"Label24", EnterFrequency},
    {"Picture18", EnterFrequency},
    {"Label14", ComputeDistanceMultiplier},
    {"Picture7", ComputeDistanceMultiplier},
    // Advice and information captions.
    {"Label13", ShowVerticalDistanceInfo},
    {"Label20", ShowHmSuggestions},
    {"Label21", ShowVmSuggestions},
    {"Label22", ShowDmSuggestions},
    {"Label23", ShowAmSuggestions},
    {"Label25", ShowFmSuggestions},
    {"Label26", ShowCmSuggestions},
    {"Label28", ShowRwlSuggestions},
    {"Label30", ShowRwlSuggestions},
    {"Label31", ShowRwlSuggestions},
    {"Label29", ShowLcSuggestions},
});

} // namespace

std::span<const Wire> Wiring() {
    return kWiring;
}

void Connect(QWidget& form, const std::function<void(const Wire&)>& run) {
    for (const Wire& wire : kWiring) {
        const QString name = lifting::Latin1(wire.control);
        auto* control = form.findChild<QObject*>(name);
        auto click = [run, &wire] { run(wire); };
        // A caption or cell that does something on a click is in the Tab order;
        // the mouse leaves the focus where it is, as it did before.
        if (auto* label = qobject_cast<widgets::ClickLabel*>(control)) {
            QObject::connect(label, &widgets::ClickLabel::clicked, &form, click);
            label->setFocusPolicy(Qt::TabFocus);
        } else if (auto* cell = qobject_cast<widgets::DisplayCell*>(control)) {
            QObject::connect(cell, &widgets::DisplayCell::clicked, &form, click);
            cell->setFocusPolicy(Qt::TabFocus);
        } else if (auto* option = qobject_cast<QRadioButton*>(control)) {
            // An option's click is its becoming the selected one.
            QObject::connect(option, &QRadioButton::toggled, &form, [click](bool selected) {
                if (selected)
                    click();
            });
        } else if (auto* button = qobject_cast<QPushButton*>(control)) {
            QObject::connect(button, &QPushButton::clicked, &form, click);
        } else {
            qFatal("wired control %s is not in the roster", qPrintable(name));
        }
    }
    // Tab follows the sheet in the order its controls were made, the roster's,
    // except that the commands come last, after STEP 2's captions.
    QWidget* last = nullptr;
    std::vector<QWidget*> commands;
    for (QWidget* w = form.nextInFocusChain(); w != &form; w = w->nextInFocusChain()) {
        if (qobject_cast<QPushButton*>(w))
            commands.push_back(w);
        else if (w->focusPolicy() & Qt::TabFocus)
            last = w;
    }
    for (QWidget* command : commands) {
        QWidget::setTabOrder(last, command);
        last = command;
    }
}

} // namespace window
