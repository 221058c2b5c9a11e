#include "entry/rules.h"
#include "entry/side.h"
#include "runtime/numbers.h"
#include "worksheet/form1.h"

namespace {

constexpr EntrySide kOrigin{
    {"Enter Number of Origin H", "Hand Locations(in)", "20", "Hand Locations(cm)", "25"}, 3, 10};
constexpr EntrySide kDestination{
    {"Enter Number of Destination H", "Hand Locations(in)", "20", "Hand Locations(cm)", "30"},
    5,
    11};

} // namespace

void Form1::EnterOriginH() {
    EnterHorizontal(Side::Origin);
}

void Form1::EnterDestinationH() {
    EnterHorizontal(Side::Destination);
}

void Form1::EnterHorizontal(Side side) {
    const bool origin = side == Side::Origin;
    const EntrySide& s = origin ? kOrigin : kDestination;
    QString& text = origin ? strOriginH : strDestinH;
    std::int16_t& whole = origin ? intOriginH : intDestinH;
    float& hm = origin ? hmVARo2 : hmVARd2;

    text = Ask(s.prompt);
    Show(s.valueCell, text);
    whole = entry::WholeNumberH(rt::Val(text));
    hm = rt::ToSingle(entry::HorizontalMultiplier(whole, IsUsCustomary()));
    Show(s.multiplierCell, rt::Format(hm, rt::Pattern::TwoDecimals));
}
