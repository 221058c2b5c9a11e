// The sheet as a job: what is shown, and a job entered again as the engine
// enters it, with the options to match.
#include "worksheet/form1.h"

#include "widgets/display_cell.h"
#include "window/build.h"

#include <QRadioButton>
#include <QSignalBlocker>

lifting::Shown Form1::ShownCells() const {
    lifting::Shown shown;
    for (int number = 1; number <= lifting::kCellCount; ++number)
        shown[lifting::CellAt(number)] = Picture(lifting::CellAt(number)).text();
    return shown;
}

void Form1::SelectOptionsQuietly() {
    const auto select = [this](Option selected) {
        QRadioButton& option = OptionButton(selected);
        // Every button of the group, so that none of them runs its click.
        for (QRadioButton* other : option.parentWidget()->findChildren<QRadioButton*>()) {
            const QSignalBlocker quiet(other);
            other->setChecked(other == &option);
        }
    };
    select(units() == lifting::Units::Metric ? kMetric : kUsCustomary);
    select(kDurationOptions[static_cast<std::size_t>(duration())]);
    select(kCouplingOptions[static_cast<std::size_t>(coupling())]);
}

void Form1::ResetToStartUp() {
    Reset();
    SelectOptionsQuietly();
    ShowUnitCaptions();
    PaintChanged();
}

void Form1::EnterJob(const lifting::Job& job, bool calculated) {
    SheetEngine::EnterJob(job, calculated);
    SelectOptionsQuietly();
    ShowUnitCaptions();
    PaintChanged();
}
