#include "window/wiring.h"

#include "lifting/job.h"
#include "lifting/latin1.h"
#include "widgets/accessible_cell.h"
#include "widgets/click_label.h"
#include "widgets/display_cell.h"

#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
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

// What a click on a caption does, as assistive technology names and
// describes the caption: its text ("HM *", "V") says it only beside what the
// eye sees around it.
struct Spoken {
    Procedure procedure;
    std::string_view name;
    std::string_view description;
};

constexpr std::array kSpoken = std::to_array<Spoken>({
    {EnterLoadAvg, "Enter L(AVG)", "Opens the prompt for the average object weight."},
    {EnterLoadMax, "Enter L(Max)", "Opens the prompt for the maximum object weight."},
    {EnterOriginH, "Enter origin H", "Opens the prompt for the hand location H at the origin."},
    {EnterDestinationH, "Enter destination H",
     "Opens the prompt for the hand location H at the destination."},
    {EnterOriginV, "Enter origin V", "Opens the prompt for the hand location V at the origin."},
    {EnterDestinationV, "Enter destination V",
     "Opens the prompt for the hand location V at the destination."},
    {EnterOriginAngle, "Enter origin A",
     "Opens the prompt for the asymmetric angle at the origin."},
    {EnterDestinationAngle, "Enter destination A",
     "Opens the prompt for the asymmetric angle at the destination."},
    {EnterFrequency, "Enter frequency rate", "Opens the prompt for the lifts a minute."},
    {ComputeDistanceMultiplier, "Work out D",
     "Works out the vertical distance D and DM from the two V entries."},
    {ShowVerticalDistanceInfo, "Vertical distance note",
     "Shows how the vertical distance is measured."},
    {ShowHmSuggestions, "HM advice", "Shows how to improve the horizontal multiplier HM."},
    {ShowVmSuggestions, "VM advice", "Shows how to improve the vertical multiplier VM."},
    {ShowDmSuggestions, "DM advice", "Shows how to improve the distance multiplier DM."},
    {ShowAmSuggestions, "AM advice", "Shows how to improve the asymmetric multiplier AM."},
    {ShowFmSuggestions, "FM advice", "Shows how to improve the frequency multiplier FM."},
    {ShowCmSuggestions, "CM advice", "Shows how to improve the coupling multiplier CM."},
    {ShowRwlSuggestions, "RWL advice", "Shows how to improve the recommended weight limit."},
    {ShowLcSuggestions, "LC advice", "Shows the load constant of each unit system."},
});

constexpr bool IsSpoken(Procedure procedure) {
    return std::ranges::find(kSpoken, procedure, &Spoken::procedure) != kSpoken.end();
}

static_assert(std::ranges::all_of(kWiring,
                                  [](const Wire& wire) {
                                      return !wire.control.starts_with("Label") ||
                                             IsSpoken(wire.first);
                                  }),
              "every caption that takes a click has a spoken name");

const Spoken& SpokenFor(const Wire& wire) {
    return *std::ranges::find(kSpoken, wire.first, &Spoken::procedure);
}

// The procedures that a click on a cell runs: a caption that runs one of
// them opens its cell's entry.
std::vector<Procedure> CellProcedures(const QWidget& form) {
    std::vector<Procedure> procedures;
    for (const Wire& wire : kWiring) {
        if (form.findChild<widgets::DisplayCell*>(lifting::Latin1(wire.control)) != nullptr)
            procedures.push_back(wire.first);
    }
    return procedures;
}

} // namespace

QString ResultsSentence(const QWidget& form) {
    auto shown = [&form](lifting::Cell cell) {
        const auto* picture = form.findChild<widgets::DisplayCell*>(lifting::CellName(cell));
        return picture != nullptr ? picture->text() : QString();
    };
    const auto* usCustomary = form.findChild<QRadioButton*>(QStringLiteral("Option9"));
    const bool pounds = usCustomary != nullptr && usCustomary->isChecked();
    return QStringLiteral("RWL %1 and %2 %3; lifting index %4 and %5")
        .arg(shown(lifting::Cell::RwlOrigin), shown(lifting::Cell::RwlDestination),
             pounds ? QStringLiteral("lb") : QStringLiteral("kg"), shown(lifting::Cell::LiOrigin),
             shown(lifting::Cell::LiDestination));
}

std::span<const Wire> Wiring() {
    return kWiring;
}

void Connect(QWidget& form, const std::function<void(const Wire&)>& run) {
    const std::vector<Procedure> entries = CellProcedures(form);
    for (const Wire& wire : kWiring) {
        const QString name = lifting::Latin1(wire.control);
        auto* control = form.findChild<QObject*>(name);
        auto click = [run, &wire, &form] {
            run(wire);
            if (wire.first == Calculate)
                widgets::Announce(form, ResultsSentence(form));
        };
        // A cell or caption that does something on a click is one Tab stop,
        // but an entry is one only: at its cell, which shows it. Its caption
        // still takes a click, and a press from assistive technology. The
        // mouse leaves the focus where it is, as it did before.
        if (auto* label = qobject_cast<widgets::ClickLabel*>(control)) {
            QObject::connect(label, &widgets::ClickLabel::clicked, &form, click);
            const bool entry = std::ranges::find(entries, wire.first) != entries.end();
            label->setFocusPolicy(entry ? Qt::NoFocus : Qt::TabFocus);
            const Spoken& spoken = SpokenFor(wire);
            label->setAccessibleName(lifting::Latin1(spoken.name));
            label->setAccessibleDescription(lifting::Latin1(spoken.description));
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
