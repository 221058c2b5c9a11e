// The entries of STEP 1: each prompts, keeps the text typed, shows it and,
// where a multiplier follows from that entry alone, stores and shows it.
#include "worksheet/form1.h"

#include "lifting/job.h"
#include "lifting/numbers.h"
#include "worksheet/prompt.h"

namespace {

using lifting::Cell;

// One row's entry: its prompt and the cell that shows the multiplier that
// follows from it.
struct EntrySide {
    lifting::Entry entry;
    PromptText prompt;
    Cell multiplierCell;
};

constexpr EntrySide kOriginH{
    lifting::Entry::OriginH,
    {"Enter Number of Origin H", "Hand Locations(in)", "20", "Hand Locations(cm)", "25"},
    Cell::HmOrigin};
constexpr EntrySide kDestinationH{
    lifting::Entry::DestinationH,
    {"Enter Number of Destination H", "Hand Locations(in)", "20", "Hand Locations(cm)", "30"},
    Cell::HmDestination};
constexpr EntrySide kOriginV{
    lifting::Entry::OriginV,
    {"Enter Number of Origin V", "Hand Locations(in)", "44", "Hand Locations(cm)", "30"},
    Cell::VmOrigin};
constexpr EntrySide kDestinationV{
    lifting::Entry::DestinationV,
    {"Enter Number of Distination V", "Hand Locations(in)", "7", "Hand Locations(cm)", "125"},
    Cell::VmDestination};
// Degrees under both unit systems.
constexpr EntrySide kOriginA{
    lifting::Entry::OriginA,
    {"Enter Number of Asymmetric Angle (degrees)", "Origin", "30", "Origin", "30"},
    Cell::AmOrigin};
constexpr EntrySide kDestinationA{
    lifting::Entry::DestinationA,
    {"Enter Number of Asymmetric Angle (degrees)", "Destination", "30", "Destination", "30"},
    Cell::AmDestination};

constexpr PromptText kLoadAvg{"Enter Number of L(AVG)", "Object Weight (Lbs)", "20",
                              "Object Weight (KG)", "17"};
constexpr PromptText kLoadMax{"Enter Number of L(Max)", "Object Weight(Lbs)", "20",
                              "Object Weight(KG)", "17"};

} // namespace

void Form1::EnterOriginH() {
    EnterHorizontal(Side::Origin);
}

void Form1::EnterDestinationH() {
    EnterHorizontal(Side::Destination);
}

void Form1::EnterHorizontal(Side side) {
    const bool origin = side == Side::Origin;
    const EntrySide& s = origin ? kOriginH : kDestinationH;
    QString& text = origin ? strOriginH : strDestinH;
    std::int16_t& whole = origin ? intOriginH : intDestinH;
    float& hm = origin ? hmVARo2 : hmVARd2;

    text = Ask(s.prompt);
    Record(s.entry, text);
    PrintInto(lifting::CellOf(s.entry), text);
    const lifting::HorizontalEntry read = lifting::ReadHorizontal(lifting::Val(text), RuleUnits());
    whole = read.whole;
    hm = read.hm;
    PrintInto(s.multiplierCell, lifting::MultiplierText(hm));
}

void Form1::EnterOriginV() {
    EnterVertical(Side::Origin);
}

void Form1::EnterDestinationV() {
    EnterVertical(Side::Destination);
}

void Form1::EnterVertical(Side side) {
    const bool origin = side == Side::Origin;
    const EntrySide& s = origin ? kOriginV : kDestinationV;
    QString& text = origin ? myvalueHOV : myvalueHDV;
    float& v = origin ? vmVARo1 : vmVARd1;
    float& vm = origin ? vmVARo2 : vmVARd2;

    text = Ask(s.prompt);
    Record(s.entry, text);
    PrintInto(lifting::CellOf(s.entry), text);
    const lifting::VerticalEntry read = lifting::ReadVertical(lifting::Val(text), RuleUnits());
    v = read.v;
    vm = read.vm;
    PrintInto(s.multiplierCell, lifting::MultiplierText(vm));
}

void Form1::EnterOriginAngle() {
    EnterAngle(Side::Origin);
}

void Form1::EnterDestinationAngle() {
    EnterAngle(Side::Destination);
}

void Form1::EnterAngle(Side side) {
    const bool origin = side == Side::Origin;
    const EntrySide& s = origin ? kOriginA : kDestinationA;
    float& am = origin ? amVARo2 : amVARd2;

    const QString text = Ask(s.prompt);
    Record(s.entry, text);
    PrintInto(lifting::CellOf(s.entry), text);
    am = lifting::ReadAngle(lifting::Val(text));
    PrintInto(s.multiplierCell, lifting::MultiplierText(am));
}

void Form1::EnterLoadAvg() {
    MyvalueLavg = Ask(kLoadAvg);
    Record(lifting::Entry::LoadAvg, MyvalueLavg);
    PrintInto(Cell::LoadAvg, MyvalueLavg);
}

void Form1::EnterLoadMax() {
    MyvalueLmax = Ask(kLoadMax);
    Record(lifting::Entry::LoadMax, MyvalueLmax);
    PrintInto(Cell::LoadMax, MyvalueLmax);
}
