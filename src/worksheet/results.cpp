// The results that combine several entries: D and DM, FM and CM again on an
// option's click, the RWLs and the lifting indices.
#include "worksheet/form1.h"

void Form1::ComputeDistanceMultiplier() {
    SheetEngine::ComputeDistanceMultiplier();
    PaintChanged();
}

void Form1::RecomputeFrequencyMultiplier() {
    SelectDuration(SelectedDuration());
    PaintChanged();
}

void Form1::ComputeCouplingMultiplier() {
    SelectCoupling(SelectedCoupling());
    PaintChanged();
}

void Form1::ComputeRwlAndLiftingIndex() {
    SheetEngine::ComputeRwlAndLiftingIndex();
    PaintChanged();
}
