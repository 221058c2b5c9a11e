#include "entry/rules.h"
#include "entry/side.h"
#include "runtime/numbers.h"
#include "worksheet/form1.h"

namespace {

constexpr EntrySide kOrigin{
    {"Enter Number of Origin V", "Hand Locations(in)", "44", "Hand Locations(cm)", "30"}, 4, 12};
constexpr EntrySide kDestination{
    {"Enter Number of Distination V", "Hand Locations(in)", "7", "Hand Locations(cm)", "125"},
    6,
    13};

} // namespace

void Form1::EnterOriginV() {
    EnterVertical(Side::Origin);
}

void Form1::EnterDestinationV() {
    EnterVertical(Side::Destination);
}

void Form1::EnterVertical(Side side) {
    const bool origin = side == Side::Origin;
    const EntrySide& s = origin ? kOrigin : kDestination;
    QString& text = origin ? myvalueHOV : myvalueHDV;
    float& v = origin ? vmVARo1 : vmVARd1;
    float& vm = origin ? vmVARo2 : vmVARd2;

    text = Ask(s.prompt);
    Show(s.valueCell, text);
    // A number beyond the float range is read as the largest float of its sign.
    v = rt::SaturateToSingle(rt::Val(text));
    vm = rt::SaturateToSingle(entry::VerticalMultiplier(v, IsUsCustomary()));
    Show(s.multiplierCell, rt::Format(vm, rt::Pattern::TwoDecimals));
}
