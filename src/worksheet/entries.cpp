// The entries of STEP 1 and the frequency: each prompts until a number is
// typed, keeps the text, shows it and, where a multiplier follows from that
// entry alone, stores and shows it.
#include "worksheet/form1.h"

#include "lifting/job.h"
#include "worksheet/prompt.h"

#include <array>

namespace {

using lifting::Entry;

// Each entry's prompt, by lifting::Entry. Angles are in degrees under both
// unit systems.
constexpr std::array<PromptText, lifting::kEntryCount> kPrompts{{
    {"Enter Number of L(AVG)", "Object Weight (Lbs)", "20", "Object Weight (KG)", "17"},
    {"Enter Number of L(Max)", "Object Weight(Lbs)", "20", "Object Weight(KG)", "17"},
    {"Enter Number of Origin H", "Hand Locations(in)", "20", "Hand Locations(cm)", "25"},
    {"Enter Number of Origin V", "Hand Locations(in)", "44", "Hand Locations(cm)", "30"},
    {"Enter Number of Destination H", "Hand Locations(in)", "20", "Hand Locations(cm)", "30"},
    {"Enter Number of Distination V", "Hand Locations(in)", "7", "Hand Locations(cm)", "125"},
    {"Enter Number of Asymmetric Angle (degrees)", "Origin", "30", "Origin", "30"},
    {"Enter Number of Asymmetric Angle (degrees)", "Destination", "30", "Destination", "30"},
    {"Enter Number of Frequency Rate", "lifts/mins", "5", "lifts/mins", "5"},
}};

} // namespace

void Form1::EnterValue(Entry entry) {
    if (const std::optional<QString> typed = Ask(kPrompts[static_cast<std::size_t>(entry)], entry))
        Enter(entry, *typed);
    PaintChanged();
}

void Form1::EnterOriginH() {
    EnterValue(Entry::OriginH);
}

void Form1::EnterDestinationH() {
    EnterValue(Entry::DestinationH);
}

void Form1::EnterOriginV() {
    EnterValue(Entry::OriginV);
}

void Form1::EnterDestinationV() {
    EnterValue(Entry::DestinationV);
}

void Form1::EnterOriginAngle() {
    EnterValue(Entry::OriginA);
}

void Form1::EnterDestinationAngle() {
    EnterValue(Entry::DestinationA);
}

void Form1::EnterLoadAvg() {
    EnterValue(Entry::LoadAvg);
}

void Form1::EnterLoadMax() {
    EnterValue(Entry::LoadMax);
}

void Form1::EnterFrequency() {
    EnterValue(Entry::Frequency);
}
