#include "worksheet/form1.h"

#include "runtime/click_label.h"
#include "runtime/display_cell.h"

#include <array>

namespace {

struct UnitTexts {
    const char* loadConstant;
    std::array<const char*, 5> captions; // Label3, Label6, Label13, Label34, Label35
};

constexpr std::array kCaptionLabels{3, 6, 13, 34, 35};
constexpr UnitTexts kUsCustomary{
    "51", {"Object Weight(Lbs)", "Hand Location(in)", "Vertical Distance(in)", "Lbs", "Lbs"}};
constexpr UnitTexts kMetric{
    "23", {"Object Weight(KG)", "Hand Location(cm)", "Vertical Distance(cm)", "KG", "KG"}};

// Every display cell but the two load constant cells, in clearing order.
constexpr std::array kClearedCells{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                                   16, 17, 18, 19, 20, 21, 22, 25, 26, 27, 28, 29, 30, 31, 32};

} // namespace

void Form1::ApplyUnitSystem() {
    PrintUnitSystem(true);
}

void Form1::ShowLoadConstant() {
    PrintUnitSystem(false);
}

void Form1::PrintUnitSystem(bool withCaptions) {
    // Two separate tests, not alternatives: each option is read on its own.
    for (const auto& [option, texts] : {std::pair{9, &kUsCustomary}, std::pair{10, &kMetric}}) {
        if (!Value(option))
            continue;
        Picture(23).Cls();
        Picture(24).Cls();
        Picture(23).Print(QString::fromLatin1(texts->loadConstant));
        Picture(24).Print(QString::fromLatin1(texts->loadConstant));
        if (!withCaptions)
            continue;
        for (std::size_t i = 0; i < kCaptionLabels.size(); ++i)
            Label(kCaptionLabels[i]).setText(QString::fromLatin1(texts->captions[i]));
    }
}

void Form1::ClearAllCells() {
    for (int cell : kClearedCells)
        Picture(cell).Cls();
}
